#pragma once

#include <deque>

#include "platform/platform.h"

namespace platform {

// The window's message queue and the mouse's 32-record buffer, shared by
// both backends.
class InputQueue {
public:
    void postMessage(const Message& message) { messages_.push_back(message); }

    bool takeMessage(Message& message) {
        if (messages_.empty()) return false;
        message = messages_.front();
        messages_.pop_front();
        return true;
    }

    // A full buffer loses what arrives.
    void postMouse(MouseEvent event) {
        if (static_cast<int>(mouse_.size()) >= mouse::BufferSize) return;
        event.sequence = ++sequence_;
        mouse_.push_back(event);
    }

    bool readMouse(MouseEvent& event) {
        if (mouse_.empty()) return false;
        event = mouse_.front();
        mouse_.pop_front();
        return true;
    }

private:
    std::deque<Message> messages_;
    std::deque<MouseEvent> mouse_;
    std::uint32_t sequence_ = 0;
};

}  // namespace platform
