#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// A compiled gettext catalogue (a .mo file, as msgfmt writes it): each
// original text with its translation. Entries with a context are keyed by
// the context, the byte 4 and the original, as gettext keys them; the
// header (the empty original) is left out.
class MoCatalogue {
public:
    // Reads a whole .mo file; nothing when the bytes are not one (a wrong
    // magic number, a table or string outside the file).
    static std::optional<MoCatalogue> parse(std::span<const std::uint8_t> bytes);

    // The translation of an original text, or null when it has none.
    const std::string* find(std::string_view original) const;

    std::size_t size() const { return texts_.size(); }

private:
    std::unordered_map<std::string, std::string> texts_;
};
