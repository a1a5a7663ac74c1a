#include "platform/xfile/x_lexer.h"

namespace xfile {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Characters that end a word besides white space and comments.
bool isDelimiter(char c) {
    return c == '{' || c == '}' || c == ';' || c == ',' || c == '"' || c == '<' || c == '>' ||
           c == '#';
}

}  // namespace

bool Token::isNumber() const {
    if (kind != TokenKind::Word || text.empty()) return false;
    const char c = text.front();
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

Token Lexer::next() {
    if (peeked_) {
        Token t = *peeked_;
        peeked_.reset();
        return t;
    }
    return scan();
}

const Token& Lexer::peek() {
    if (!peeked_) peeked_ = scan();
    return *peeked_;
}

std::size_t Lexer::remaining() const {
    const std::size_t at = peeked_ ? peeked_->offset : pos_;
    return at < text_.size() ? text_.size() - at : 0;
}

void Lexer::skipSpaceAndComments() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (isSpace(c)) {
            ++pos_;
        } else if (c == '#' || text_.substr(pos_, 2) == "//") {
            const std::size_t end = text_.find('\n', pos_);
            pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        } else {
            return;
        }
    }
}

Token Lexer::scan() {
    skipSpaceAndComments();
    Token t;
    t.offset = pos_;
    if (pos_ >= text_.size()) return t;

    const char c = text_[pos_];
    if (c == '{' || c == '}' || c == ';' || c == ',') {
        t.kind = c == '{'   ? TokenKind::OpenBrace
                 : c == '}' ? TokenKind::CloseBrace
                            : TokenKind::Separator;
        t.text = text_.substr(pos_++, 1);
        return t;
    }
    if (c == '"' || c == '<') {
        const char close = c == '"' ? '"' : '>';
        const std::size_t end = text_.find(close, pos_ + 1);
        if (end == std::string_view::npos) {
            t.kind = TokenKind::Unfinished;
            pos_ = text_.size();
            return t;
        }
        t.kind = c == '"' ? TokenKind::String : TokenKind::Guid;
        t.text = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        return t;
    }
    // A stray '>' is a word of its own, which no rule accepts.
    std::size_t end = pos_ + 1;
    while (end < text_.size() && !isSpace(text_[end]) && !isDelimiter(text_[end]) &&
           text_.substr(end, 2) != "//") {
        ++end;
    }
    t.kind = TokenKind::Word;
    t.text = text_.substr(pos_, end - pos_);
    pos_ = end;
    return t;
}

}  // namespace xfile
