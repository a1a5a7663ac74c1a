#pragma once

#include <string>
#include <string_view>

// Names of keys (by their place, vk) and of gamepad buttons (pad), as the
// settings file and the input scripts write them: SDL's own names ("Left
// Shift", "Return", "F1", "A"; "a", "dpup", "lefttrigger" for the pad).
namespace platform {

std::string keyName(int key);
int keyFromName(std::string_view name);  // 0 for no key of that name

std::string padButtonName(int button);
int padButtonFromName(std::string_view name);  // pad::None for none

// A text in the font's characters: umlauts and sharp s spelt out as German
// writes them without, any other letter beyond 7 bits as '?'.
std::string inFontCharacters(std::string_view utf8);

}  // namespace platform
