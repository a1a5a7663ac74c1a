#include "inspector/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(stack_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (stack_.empty()) return;
    Level& level = stack_.back();
    if (!level.empty) out_ += level.inlineArray ? ", " : ",";
    if (!level.inlineArray) newline();
    level.empty = false;
}

void JsonWriter::open(char bracket, bool isArray, bool inlineArray) {
    beforeValue();
    out_ += bracket;
    stack_.push_back({isArray, inlineArray});
}

void JsonWriter::close(char bracket) {
    const Level level = stack_.back();
    stack_.pop_back();
    if (!level.empty && !level.inlineArray) newline();
    out_ += bracket;
    if (stack_.empty()) out_ += '\n';
}

void JsonWriter::beginObject() { open('{', false, false); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('[', true, false); }
void JsonWriter::beginInlineArray() { open('[', true, true); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(std::string_view name) {
    beforeValue();
    writeString(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    writeString(text);
}

void JsonWriter::writeString(std::string_view text) {
    out_ += '"';
    for (char c : text) {
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ += escaped;
                } else {
                    out_ += c;
                }
        }
    }
    out_ += '"';
}

void JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
}

void JsonWriter::value(float number) {
    beforeValue();
    if (!std::isfinite(number)) {
        out_ += "null";  // JSON has no NaN or infinity
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_.append(buffer, result.ptr);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}
