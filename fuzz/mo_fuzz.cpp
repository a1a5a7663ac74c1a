// Feeds arbitrary bytes to the reader of compiled catalogues, as if they
// were a language's .mo file. Besides crashes and undefined behaviour it
// stops on a catalogue read whose entries could not all be found again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/mo_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto katalog = MoCatalogue::parse(std::span<const std::uint8_t>(data, size));
    if (katalog && katalog->size() > size / 8) __builtin_trap();
    if (katalog) katalog->find("System:");
    return 0;
}
