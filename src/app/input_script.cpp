#include "app/input_script.h"

#include <charconv>
#include <sstream>

namespace {

using namespace platform;

struct KeyName {
    const char* name;
    int key;
};

constexpr KeyName kKeyNames[] = {
    {"Back", vk::Back},   {"Return", vk::Return}, {"Shift", vk::Shift},     {"Pause", vk::Pause},
    {"Escape", vk::Escape}, {"Space", vk::Space}, {"PageUp", vk::Prior},    {"PageDown", vk::Next},
    {"Left", vk::Left},   {"Up", vk::Up},         {"Right", vk::Right},     {"Down", vk::Down},
    {"Delete", vk::Delete}, {"F1", vk::F1},       {"F2", vk::F2},           {"F3", vk::F3},
    {"F4", vk::F4},       {"F5", vk::F5},         {"F6", vk::F6},           {"F7", vk::F7},
    {"F8", vk::F8},       {"F9", vk::F9},         {"F12", vk::F12},         {"Print", vk::Snapshot},
};

template <typename T>
bool number(const std::string& word, T& value) {
    int base = 10;
    const char* begin = word.data();
    const char* end = word.data() + word.size();
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        begin += 2;
    }
    const auto result = std::from_chars(begin, end, value, base);
    return result.ec == std::errc{} && result.ptr == end;
}

bool keyCode(const std::string& word, int& key) {
    for (const KeyName& k : kKeyNames) {
        if (word == k.name) {
            key = k.key;
            return true;
        }
    }
    return number(word, key) && key >= 0 && key < 256;
}

std::string keyText(int key) {
    for (const KeyName& k : kKeyNames) {
        if (k.key == key) return k.name;
    }
    std::ostringstream hex;
    hex << "0x" << std::hex << key;
    return hex.str();
}

}  // namespace

std::optional<std::vector<ScriptEvent>> parseInputScript(const std::string& text, std::string& error) {
    std::vector<ScriptEvent> events;
    std::istringstream lines(text);
    std::string line;
    for (int number_ = 1; std::getline(lines, line); ++number_) {
        std::istringstream words(line);
        std::string frame, type, a, b, rest;
        words >> frame >> type >> a >> b >> rest;
        if (frame.empty() || frame[0] == '#') continue;
        ScriptEvent e;
        bool ok = number(frame, e.frame) && e.frame >= 0 && rest.empty();
        if (ok && (type == "keydown" || type == "keyup")) {
            e.type = type == "keydown" ? ScriptEvent::KeyDown : ScriptEvent::KeyUp;
            ok = keyCode(a, e.key) && b.empty();
        } else if (ok && type == "mouse") {
            e.type = ScriptEvent::Mouse;
            ok = number(a, e.offset) && number(b, e.data);
        } else if (ok && type == "clock") {
            e.type = ScriptEvent::Clock;
            ok = number(a, e.clock) && b.empty();
        } else {
            ok = false;
        }
        if (!ok) {
            error = "line " + std::to_string(number_) + ": cannot read '" + line + "'";
            return std::nullopt;
        }
        events.push_back(e);
    }
    return events;
}

std::string formatScriptEvent(const ScriptEvent& e) {
    std::ostringstream line;
    line << e.frame << ' ';
    switch (e.type) {
        case ScriptEvent::KeyDown: line << "keydown " << keyText(e.key); break;
        case ScriptEvent::KeyUp: line << "keyup " << keyText(e.key); break;
        case ScriptEvent::Mouse: line << "mouse " << e.offset << ' ' << e.data; break;
        case ScriptEvent::Clock: line << "clock " << e.clock; break;
    }
    return line.str();
}

InputRecorder::InputRecorder(const std::string& path, App& app) : out_(path), app_(app) {
    out_ << "# Sternfahrt input recording\n";
    app.onMessage = [this](const Message& m) {
        if (m.type != Message::KeyDown && m.type != Message::KeyUp) return;
        ScriptEvent e;
        e.type = m.type == Message::KeyDown ? ScriptEvent::KeyDown : ScriptEvent::KeyUp;
        e.key = m.key;
        write(e);
    };
    app.onMouse = [this](const MouseEvent& m) {
        ScriptEvent e;
        e.type = ScriptEvent::Mouse;
        e.offset = m.offset;
        e.data = static_cast<std::int32_t>(m.data);
        write(e);
    };
    app.onClock = [this](std::uint32_t ms) {
        ScriptEvent e;
        e.type = ScriptEvent::Clock;
        e.clock = ms;
        write(e);
    };
}

void InputRecorder::write(const ScriptEvent& event) {
    ScriptEvent e = event;
    e.frame = app_.frame;
    out_ << formatScriptEvent(e) << '\n';
    out_.flush();
}

InputPlayer::InputPlayer(std::vector<ScriptEvent> events, App& app, std::uint32_t defaultClock)
    : app_(app) {
    for (const ScriptEvent& e : events) {
        if (e.type == ScriptEvent::Clock) {
            clocks_.push_back(e.clock);
        } else {
            events_.push_back(e);
        }
    }
    // Arrivals take the recorded clock values in turn, then the fixed one.
    app.clockSource = [this, defaultClock] {
        return nextClock_ < clocks_.size() ? clocks_[nextClock_++] : defaultClock;
    };
}

void InputPlayer::beforeFrame(std::int64_t frame) {
    while (next_ < events_.size() && events_[next_].frame <= frame) {
        const ScriptEvent& e = events_[next_++];
        switch (e.type) {
            case ScriptEvent::KeyDown: app_.platform.postMessage({Message::KeyDown, e.key}); break;
            case ScriptEvent::KeyUp: app_.platform.postMessage({Message::KeyUp, e.key}); break;
            case ScriptEvent::Mouse:
                app_.platform.postMouse({e.offset, static_cast<std::uint32_t>(e.data), 0, 0});
                break;
            case ScriptEvent::Clock: break;
        }
    }
}
