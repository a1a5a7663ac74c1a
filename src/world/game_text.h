#pragma once

#include <cstddef>
#include <string_view>

// A text as the game stores and draws it: 7-bit German (umlauts written
// "ae", "oe", "ue"), ended by '~'. The text routine reads up to the '~', so a
// text without one would run on into whatever follows it in memory. The
// constructor only accepts string literals and checks the '~' at compile
// time, which makes an unterminated game text a build error.
class GameText {
public:
    template <std::size_t N>
    consteval GameText(const char (&literal)[N]) : text_(literal) {
        if (N < 2 || literal[N - 2] != '~') {
            throw "a game text must end with '~'";
        }
        for (std::size_t i = 0; i + 2 < N; ++i) {
            if (literal[i] == '~' || static_cast<unsigned char>(literal[i]) > 127) {
                throw "a game text holds 7-bit characters and one closing '~'";
            }
        }
    }

    // The bytes including the closing '~', as the drawing routine reads them.
    constexpr const char* data() const { return text_; }

    // The text without its closing '~', for tools and tests.
    constexpr std::string_view str() const {
        std::string_view all(text_);
        return all.substr(0, all.size() - 1);
    }

    constexpr bool operator==(const GameText& other) const { return str() == other.str(); }

private:
    const char* text_;
};
