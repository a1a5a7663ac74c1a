#include "platform/mo_catalogue.h"

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::size_t kHeaderBytes = 28;

// Reads the file's 32-bit numbers in the byte order its magic number shows.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool start() {
        if (bytes_.size() < kHeaderBytes) return false;
        if (raw(0) == kMagic) return true;
        swapped_ = true;
        return raw(0) == kMagic;
    }

    std::optional<std::uint32_t> u32(std::size_t offset) const {
        if (offset > bytes_.size() || bytes_.size() - offset < 4) return std::nullopt;
        return raw(offset);
    }

    // The string a (length, offset) pair at `entry` names, inside the file.
    std::optional<std::string_view> string(std::size_t entry) const {
        const auto length = u32(entry), offset = u32(entry + 4);
        if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length) return std::nullopt;
        return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + *offset, *length);
    }

private:
    std::uint32_t raw(std::size_t offset) const {
        const std::uint8_t* b = bytes_.data() + offset;
        return swapped_ ? (std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3])
                        : (std::uint32_t{b[3]} << 24 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[1]} << 8 | b[0]);
    }

    std::span<const std::uint8_t> bytes_;
    bool swapped_ = false;
};

}  // namespace

std::optional<MoCatalogue> MoCatalogue::parse(std::span<const std::uint8_t> bytes) {
    Reader r(bytes);
    if (!r.start()) return std::nullopt;
    const auto revision = r.u32(4), count = r.u32(8), originals = r.u32(12), translations = r.u32(16);
    if (!revision || (*revision >> 16) > 1 || !count || !originals || !translations) return std::nullopt;
    // Every entry takes eight bytes in each table: more than the file holds
    // is a broken file, and no reason to make room for them.
    if (*count > bytes.size() / 8) return std::nullopt;
    MoCatalogue catalogue;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto original = r.string(std::size_t{*originals} + 8u * i);
        const auto translation = r.string(std::size_t{*translations} + 8u * i);
        if (!original || !translation) return std::nullopt;
        if (original->empty()) continue;  // the header
        catalogue.texts_.emplace(*original, *translation);
    }
    return catalogue;
}

const std::string* MoCatalogue::find(std::string_view original) const {
    const auto it = texts_.find(std::string(original));
    return it == texts_.end() ? nullptr : &it->second;
}
