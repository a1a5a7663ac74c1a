#include "app/input_script.h"

#include <charconv>
#include <sstream>

#include "platform/key_names.h"

namespace {

using namespace platform;

struct KeyName {
    const char* name;
    int key;
};

constexpr KeyName kKeyNames[] = {
    {"Back", vk::Back},     {"Return", vk::Return}, {"KeypadEnter", vk::KeypadEnter}, {"Shift", vk::Shift},
    {"RightShift", vk::RightShift}, {"Pause", vk::Pause}, {"Escape", vk::Escape}, {"Space", vk::Space},
    {"PageUp", vk::Prior},  {"PageDown", vk::Next}, {"Left", vk::Left},       {"Up", vk::Up},
    {"Right", vk::Right},   {"Down", vk::Down},     {"Delete", vk::Delete},   {"Print", vk::Print},
    {"F1", vk::F1},         {"F2", vk::F2},         {"F3", vk::F3},           {"F4", vk::F4},
    {"F5", vk::F5},         {"F6", vk::F6},         {"F7", vk::F7},           {"F8", vk::F8},
    {"F9", vk::F9},         {"F10", vk::F10},       {"F11", vk::F11},         {"F12", vk::F12},
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
    if ((key = keyFromName(word)) != 0) return true;
    return number(word, key) && key >= 0 && key < vk::Count;
}

std::string keyText(int key) {
    for (const KeyName& k : kKeyNames) {
        if (k.key == key) return k.name;
    }
    const std::string name = keyName(key);
    if (!name.empty() && name.find(' ') == std::string::npos && keyFromName(name) == key) return name;
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
        words >> frame >> type >> a >> b;
        if (frame.empty() || frame[0] == '#') continue;
        ScriptEvent e;
        // Only a pad's axis has a fourth word.
        bool ok = number(frame, e.frame) && e.frame >= 0 && (a == "axis" || !(words >> rest));
        if (ok && (type == "keydown" || type == "keyup")) {
            e.type = type == "keydown" ? ScriptEvent::KeyDown : ScriptEvent::KeyUp;
            ok = keyCode(a, e.key) && b.empty();
        } else if (ok && type == "mouse") {
            e.type = ScriptEvent::Mouse;
            ok = number(a, e.offset) && number(b, e.data);
        } else if (ok && type == "clock") {
            e.type = ScriptEvent::Clock;
            ok = number(a, e.clock) && b.empty();
        } else if (ok && type == "pad" && (a == "down" || a == "up")) {
            e.type = a == "down" ? ScriptEvent::PadDown : ScriptEvent::PadUp;
            e.key = padButtonFromName(b);
            ok = e.key != pad::None;
        } else if (ok && type == "pad" && a == "axis") {
            e.type = ScriptEvent::PadAxis;
            ok = number(b, e.offset) && words >> rest && number(rest, e.data) && !(words >> rest);
        } else if (ok && type == "pad" && (a == "add" || a == "remove") && b.empty()) {
            e.type = a == "add" ? ScriptEvent::PadAdd : ScriptEvent::PadRemove;
        } else if (ok && type == "focus" && (a == "lost" || a == "gained") && b.empty()) {
            e.type = a == "lost" ? ScriptEvent::FocusLost : ScriptEvent::FocusGained;
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
        case ScriptEvent::PadDown: line << "pad down " << padButtonName(e.key); break;
        case ScriptEvent::PadUp: line << "pad up " << padButtonName(e.key); break;
        case ScriptEvent::PadAxis: line << "pad axis " << e.offset << ' ' << e.data; break;
        case ScriptEvent::PadAdd: line << "pad add"; break;
        case ScriptEvent::PadRemove: line << "pad remove"; break;
        case ScriptEvent::FocusLost: line << "focus lost"; break;
        case ScriptEvent::FocusGained: line << "focus gained"; break;
    }
    return line.str();
}

InputRecorder::InputRecorder(const std::string& path, App& app) : out_(path), app_(app) {
    out_ << "# Sternfahrt input recording\n";
    app.onMessage = [this](const Message& m) {
        ScriptEvent e;
        e.key = m.key;
        switch (m.type) {
            case Message::KeyDown: e.type = ScriptEvent::KeyDown; break;
            case Message::KeyUp: e.type = ScriptEvent::KeyUp; break;
            case Message::PadButtonDown: e.type = ScriptEvent::PadDown; break;
            case Message::PadButtonUp: e.type = ScriptEvent::PadUp; break;
            case Message::PadAxis:
                e.type = ScriptEvent::PadAxis;
                e.offset = static_cast<std::uint32_t>(m.key);
                e.data = m.value;
                break;
            case Message::PadAdded: e.type = ScriptEvent::PadAdd; break;
            case Message::PadRemoved: e.type = ScriptEvent::PadRemove; break;
            case Message::FocusLost: e.type = ScriptEvent::FocusLost; break;
            case Message::FocusGained: e.type = ScriptEvent::FocusGained; break;
            case Message::Destroy:
            case Message::Quit: return;
        }
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
            case ScriptEvent::PadDown: app_.platform.postMessage({Message::PadButtonDown, e.key}); break;
            case ScriptEvent::PadUp: app_.platform.postMessage({Message::PadButtonUp, e.key}); break;
            case ScriptEvent::PadAxis:
                app_.platform.postMessage({Message::PadAxis, static_cast<int>(e.offset), e.data});
                break;
            case ScriptEvent::PadAdd: app_.platform.postMessage({Message::PadAdded, 0}); break;
            case ScriptEvent::PadRemove: app_.platform.postMessage({Message::PadRemoved, 0}); break;
            case ScriptEvent::FocusLost: app_.platform.postMessage({Message::FocusLost, 0}); break;
            case ScriptEvent::FocusGained: app_.platform.postMessage({Message::FocusGained, 0}); break;
            case ScriptEvent::Mouse:
                app_.platform.postMouse({e.offset, static_cast<std::uint32_t>(e.data), 0, 0});
                break;
            case ScriptEvent::Clock: break;
        }
    }
}
