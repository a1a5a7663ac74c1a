#pragma once

#include <map>
#include <string>

struct Mix_Chunk;

namespace platform::sdl {

// The game's one sound voice on SDL_mixer's channel 0. The audio device is
// opened at start-up (opening it on the first sound stalled that frame), or
// at the latest on the first sound; without one the game is silent.
class SdlAudio {
public:
    SdlAudio() = default;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    ~SdlAudio() { close(); }

    // Opens the device once; false (and silent from then on) without one.
    bool open();
    // Plays a .wav file of the data directory, cutting off what plays. Each
    // file is read once.
    void play(const std::string& file);
    bool playing() const;
    // 0..100 of the effects' own loudness, for every effect from now on.
    void setVolume(int percent);
    void close();

private:
    Mix_Chunk* chunk(const std::string& file);

    enum class State { Closed, Open, Failed };
    State state_ = State::Closed;
    int volume_ = 100;
    std::map<std::string, Mix_Chunk*> chunks_;
};

}  // namespace platform::sdl
