#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A small streaming JSON writer with stable output: keys in the order they
// are written, floats in their shortest exact form, two-space indentation,
// and arrays of numbers on one line.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // An array written on a single line (for short rows of numbers).
    void beginInlineArray();

    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(std::int64_t number);
    void value(int number) { value(static_cast<std::int64_t>(number)); }
    void value(unsigned number) { value(static_cast<std::int64_t>(number)); }
    void value(float number);
    void value(bool flag);
    void null();

    const std::string& str() const { return out_; }

private:
    struct Level {
        bool isArray;
        bool inlineArray;
        bool empty = true;
    };

    void beforeValue();
    void writeString(std::string_view text);
    void newline();
    void open(char bracket, bool isArray, bool inlineArray);
    void close(char bracket);

    std::string out_;
    std::vector<Level> stack_;
    bool afterKey_ = false;
};
