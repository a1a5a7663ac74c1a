#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

#include "platform/data_files.h"

namespace platform::sdl {
namespace {

constexpr int kVoice = 0;

}  // namespace

bool SdlAudio::open() {
    if (state_ != State::Closed) return state_ == State::Open;
    // Tried once: a machine without sound stays silent rather than retrying
    // every frame.
    state_ = State::Failed;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    state_ = State::Open;
    setVolume(volume_);
    return true;
}

Mix_Chunk* SdlAudio::chunk(const std::string& file) {
    const auto found = chunks_.find(file);
    if (found != chunks_.end()) return found->second;
    Mix_Chunk* loaded = Mix_LoadWAV(dataFile(file).c_str());
    if (loaded) chunks_.emplace(file, loaded);
    return loaded;
}

void SdlAudio::play(const std::string& file) {
    if (!open()) return;
    Mix_HaltChannel(kVoice);
    if (Mix_Chunk* sound = chunk(file)) Mix_PlayChannel(kVoice, sound, 0);
}

bool SdlAudio::playing() const { return state_ == State::Open && Mix_Playing(kVoice) != 0; }

void SdlAudio::setVolume(int percent) {
    volume_ = std::clamp(percent, 0, 100);
    if (state_ == State::Open) Mix_Volume(kVoice, (MIX_MAX_VOLUME * volume_ + 50) / 100);
}

void SdlAudio::close() {
    if (state_ == State::Open) {
        Mix_HaltChannel(-1);
        for (auto& entry : chunks_) Mix_FreeChunk(entry.second);
        chunks_.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    state_ = State::Closed;
}

}  // namespace platform::sdl
