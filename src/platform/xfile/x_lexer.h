#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace xfile {

enum class TokenKind {
    End,     // no more text
    Word,    // a name or a number; numbers start with a digit, sign or point
    String,  // "text", without the quotes
    Guid,    // <...>, without the brackets
    OpenBrace,
    CloseBrace,
    Separator,   // ';' or ','
    Unfinished,  // a string or GUID that the text ends inside
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;
    std::size_t offset = 0;  // where the token starts in the text

    bool isNumber() const;
};

// Splits the body of a text .X file into tokens, passing over white space
// and comments ("//" or "#" to the end of the line).
class Lexer {
public:
    explicit Lexer(std::string_view text, std::size_t start = 0) : text_(text), pos_(start) {}

    Token next();
    const Token& peek();
    // Bytes after the tokens taken so far.
    std::size_t remaining() const;

private:
    Token scan();
    void skipSpaceAndComments();

    std::string_view text_;
    std::size_t pos_;
    std::optional<Token> peeked_;
};

}  // namespace xfile
