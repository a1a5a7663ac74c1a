#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rate of the game's sound effects, samples per second.
constexpr int kWavRate = 22050;

// Writes samples as a .wav file: RIFF/WAVE with a 16-byte fmt chunk (PCM,
// one channel, 16 bits) and one data chunk. False when the file cannot be
// written.
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate = kWavRate);
