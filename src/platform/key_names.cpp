#include "platform/key_names.h"

#include <SDL_gamecontroller.h>
#include <SDL_keyboard.h>

#include "platform/platform.h"

namespace platform {

std::string keyName(int key) {
    if (key <= 0 || key >= vk::Count) return {};
    return inFontCharacters(SDL_GetScancodeName(static_cast<SDL_Scancode>(key)));
}

int keyFromName(std::string_view name) {
    if (name.empty()) return 0;
    const SDL_Scancode key = SDL_GetScancodeFromName(std::string(name).c_str());
    return key == SDL_SCANCODE_UNKNOWN ? 0 : static_cast<int>(key);
}

std::string padButtonName(int button) {
    if (button == pad::LeftTrigger) return "lefttrigger";
    if (button == pad::RightTrigger) return "righttrigger";
    if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX) return {};
    const char* name = SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
    return name ? name : "";
}

int padButtonFromName(std::string_view name) {
    if (name == "lefttrigger") return pad::LeftTrigger;
    if (name == "righttrigger") return pad::RightTrigger;
    if (name.empty()) return pad::None;
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(std::string(name).c_str());
    return button == SDL_CONTROLLER_BUTTON_INVALID ? pad::None : static_cast<int>(button);
}

std::string inFontCharacters(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 32 && c < 125) {
            out += static_cast<char>(c);
            continue;
        }
        if (c < 0x80) continue;  // control characters, braces' neighbours
        // A letter of two bytes and more; the German ones are spelt out.
        const unsigned next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        const char* spelt = nullptr;
        if (c == 0xC3) {
            switch (next) {
                case 0xA4: spelt = "ae"; break;
                case 0xB6: spelt = "oe"; break;
                case 0xBC: spelt = "ue"; break;
                case 0x84: spelt = "Ae"; break;
                case 0x96: spelt = "Oe"; break;
                case 0x9C: spelt = "Ue"; break;
                case 0x9F: spelt = "ss"; break;
                default: break;
            }
        }
        out += spelt ? spelt : "?";
        while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
    }
    return out;
}

}  // namespace platform
