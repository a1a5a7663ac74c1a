#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"

// A session's input as text, one event a line, for recording and replay:
//
//   <frame> keydown <key>        a key pressed (or repeated) before that frame
//   <frame> keyup <key>          a key released
//   <frame> mouse <offset> <data>  one buffered mouse record (x 0, y 4,
//                                wheel 8, buttons 12, 13, 14; 128 = pressed)
//   <frame> clock <ms>           the clock value an arrival was seeded with
//   <frame> pad down <button>    a gamepad's button pressed, or released
//   <frame> pad up <button>      (a, b, x, y, back, start, dpup, ...,
//                                lefttrigger, righttrigger, as SDL names them)
//   <frame> pad axis <n> <value> an axis moved (0 left x, 1 left y, 4 and 5
//                                the triggers; -32768..32767)
//   <frame> pad add              a gamepad plugged in, or pulled out
//   <frame> pad remove
//   <frame> focus lost           the window lost the keyboard, or got it
//   <frame> focus gained
//
// Keys are named by their place (Shift, RightShift, Return, KeypadEnter,
// Space, Back, Pause, Escape, PageUp, PageDown, Left, Up, Right, Down,
// Delete, Print, F1..F12, or a one-word name of SDL's such as A or 1) or
// numbered by it (0xe1, the left Shift). Lines starting with '#' and empty
// lines are skipped.
struct ScriptEvent {
    enum Type { KeyDown, KeyUp, Mouse, Clock, PadDown, PadUp, PadAxis, PadAdd, PadRemove, FocusLost, FocusGained };
    std::int64_t frame = 0;
    Type type = KeyDown;
    int key = 0;
    std::uint32_t offset = 0;
    std::int32_t data = 0;
    std::uint32_t clock = 0;
};

// The events of a script in file order; on a bad line, nothing and the line
// number with what is wrong in error.
std::optional<std::vector<ScriptEvent>> parseInputScript(const std::string& text, std::string& error);

std::string formatScriptEvent(const ScriptEvent& event);

// Writes every key message, mouse record and seed clock value the game takes
// to a file, tagged with the frame it came in.
class InputRecorder {
public:
    InputRecorder(const std::string& path, App& app);

private:
    void write(const ScriptEvent& event);
    std::ofstream out_;
    App& app_;
};

// Feeds a script to the game: before each frame, its key and mouse events
// go into the platform's queues; each arrival takes the next clock value.
class InputPlayer {
public:
    InputPlayer(std::vector<ScriptEvent> events, App& app, std::uint32_t defaultClock);

    // Posts the events of the frame that comes next.
    void beforeFrame(std::int64_t frame);

private:
    std::vector<ScriptEvent> events_;
    std::vector<std::uint32_t> clocks_;
    std::size_t next_ = 0;
    std::size_t nextClock_ = 0;
    App& app_;
};
