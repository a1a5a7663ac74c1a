#include "assetgen/wav_writer.h"

#include <fstream>

#include "assetgen/little_endian.h"

namespace {

void tag(std::vector<unsigned char>& out, const char (&name)[5]) { out.insert(out.end(), name, name + 4); }

}  // namespace

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint32_t kChannels = 1, kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    tag(out, "RIFF");
    put32(out, 36 + dataBytes);  // what follows this field
    tag(out, "WAVE");
    tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, kChannels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample);  // bytes per second
    put16(out, kChannels * kBytesPerSample);                                            // bytes per frame
    put16(out, kBytesPerSample * 8);
    tag(out, "data");
    put32(out, dataBytes);
    for (const std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
