#include "assetgen/sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "assetgen/noise.h"
#include "assetgen/wav_writer.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kRate = static_cast<float>(kWavRate);
constexpr float kPeak = 0.85f;  // of full scale

using Samples = std::vector<float>;

Samples silence(float seconds) { return Samples(static_cast<std::size_t>(seconds * kRate), 0.0f); }
float timeOf(std::size_t i) { return static_cast<float>(i) / kRate; }

// White noise, -1..1, the same for the same seed.
float noise(std::uint32_t seed, std::size_t i) { return gen::signedUnit(gen::hash(seed, static_cast<std::int32_t>(i))); }

// A one-pole low-pass: follows its input with the given corner frequency.
struct LowPass {
    float y = 0.0f;
    float operator()(float x, float cutoff) {
        y += (1.0f - std::exp(-2.0f * kPi * cutoff / kRate)) * (x - y);
        return y;
    }
};

// A state-variable band-pass; q is its damping (small: narrow band).
struct BandPass {
    float low = 0.0f, band = 0.0f;
    float operator()(float x, float centre, float q) {
        const float f = 2.0f * std::sin(kPi * std::min(centre, kRate / 7.0f) / kRate);
        low += f * band;
        const float high = x - low - q * band;
        band += f * high;
        return band;
    }
};

// A sine oscillator whose frequency may change from sample to sample.
struct Oscillator {
    float phase = 0.0f;  // turns, 0..1
    float step(float frequency) {
        phase += frequency / kRate;
        phase -= std::floor(phase);
        return phase;
    }
    float sine(float frequency) { return std::sin(2.0f * kPi * step(frequency)); }
    float saw(float frequency) { return 2.0f * step(frequency) - 1.0f; }
};

// Short ramps at both ends against clicks, then scaled to the common peak.
std::vector<std::int16_t> finish(Samples s, float fadeIn = 0.002f, float fadeOut = 0.015f) {
    const std::size_t in = static_cast<std::size_t>(fadeIn * kRate);
    const std::size_t out = std::min(s.size(), static_cast<std::size_t>(fadeOut * kRate));
    for (std::size_t i = 0; i < in && i < s.size(); ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
    float peak = 0.0f;
    for (const float v : s) peak = std::max(peak, std::fabs(v));
    const float gain = peak > 0.0f ? kPeak / peak : 0.0f;
    std::vector<std::int16_t> pcm;
    pcm.reserve(s.size());
    for (const float v : s) pcm.push_back(static_cast<std::int16_t>(std::lround(v * gain * 32767.0f)));
    return pcm;
}

// A dull metallic bump: a falling thud and a few quickly dying
// inharmonic partials, all muffled.
Samples machine() {
    Samples s = silence(0.45f);
    Oscillator thud;
    constexpr float partials[] = {311.0f, 487.0f, 742.0f, 1123.0f, 1580.0f};
    constexpr float amplitudes[] = {0.5f, 0.4f, 0.3f, 0.2f, 0.12f};
    constexpr float decays[] = {0.12f, 0.09f, 0.07f, 0.05f, 0.04f};
    LowPass knock, muffle;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        float v = thud.sine(55.0f + 55.0f * std::exp(-t / 0.05f)) * std::exp(-t / 0.08f);
        for (int k = 0; k < 5; ++k) {
            v += amplitudes[k] * std::sin(2.0f * kPi * partials[k] * t + static_cast<float>(k)) * std::exp(-t / decays[k]);
        }
        v += 0.8f * knock(noise(0x4D414348u, i), 2000.0f) * std::exp(-t / 0.006f);
        s[i] = muffle(v, 2500.0f);
    }
    return s;
}

// A laser shot: a sine falling fast from high to low.
Samples enemyLaser() {
    Samples s = silence(0.3f);
    Oscillator zap;
    const float length = timeOf(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i) / length;
        const float phase = 2.0f * kPi * zap.step(2200.0f * std::pow(180.0f / 2200.0f, t));
        s[i] = (std::sin(phase) + 0.3f * std::sin(2.0f * phase)) * std::pow(1.0f - t, 1.5f);
    }
    return s;
}

// The alarm: two short beeps of a rounded square wave.
Samples energyLow() {
    Samples s = silence(0.42f);
    Oscillator tone;
    LowPass soften;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const bool on = t < 0.13f || (t >= 0.2f && t < 0.33f);
        const float square = std::tanh(4.0f * tone.sine(880.0f));
        const float start = t < 0.2f ? t : t - 0.2f;
        const float ramp = std::min({1.0f, start / 0.005f, (0.13f - start) / 0.005f});
        s[i] = soften(on ? square * std::max(0.0f, ramp) : 0.0f, 5000.0f);
    }
    return s;
}

// A gate jump: rushing noise whose band rises and falls, with a gliding tone.
Samples starGate() {
    Samples s = silence(1.3f);
    BandPass rush;
    Oscillator tone;
    const float length = timeOf(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i) / length;
        const float rise = std::sin(kPi * std::pow(t, 0.8f));  // peaks a little after the middle
        const float centre = 250.0f + 2550.0f * rise * rise;
        const float envelope = std::pow(std::sin(kPi * t), 0.8f);
        const float whoosh = rush(noise(0x544F5200u, i), centre, 0.35f);
        s[i] = envelope * (whoosh + 0.25f * tone.sine(110.0f + centre / 4.0f));
    }
    return s;
}

// A click: a tick of noise and a short ring.
Samples click() {
    Samples s = silence(0.12f);
    LowPass body;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const float n = noise(0x4B4C4943u, i);
        const float tick = (n - body(n, 1500.0f)) * std::exp(-t / 0.0015f);
        s[i] = tick + 0.5f * std::sin(2.0f * kPi * 2400.0f * t) * std::exp(-t / 0.004f);
    }
    return s;
}

// A small explosion: a noise burst darkening as it dies away, over a thump.
Samples smallExplosion() {
    Samples s = silence(0.7f);
    LowPass burst;
    Oscillator thump;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const float cutoff = 300.0f + 3700.0f * std::exp(-t / 0.08f);
        s[i] = 2.0f * burst(noise(0x45585031u, i), cutoff) * std::exp(-t / 0.12f) +
               0.6f * thump.sine(60.0f) * std::exp(-t / 0.15f);
    }
    return s;
}

// A hit: a sharp crack of bright noise with a little body.
Samples gunShot() {
    Samples s = silence(0.25f);
    LowPass dark, body;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const float n = noise(0x53484F54u, i);
        const float crack = (n - dark(n, 1500.0f)) * std::exp(-t / 0.02f);
        const float thud = body(noise(0x53484F55u, i), 800.0f) * std::exp(-t / 0.05f);
        s[i] = crack + 1.5f * thud + 0.2f * std::sin(2.0f * kPi * 1800.0f * t) * std::exp(-t / 0.03f);
    }
    return s;
}

// The mining drill: two low sawtooths with a wobble, and grinding.
Samples miningDrill() {
    Samples s = silence(1.0f);
    Oscillator low, fifth;
    LowPass tone1, tone2;
    BandPass grind;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const float vibrato = 4.0f * std::sin(2.0f * kPi * 6.0f * t);
        float v = low.saw(58.0f + vibrato) + 0.5f * fifth.saw(87.3f + 1.5f * vibrato);
        v = tone2(tone1(v, 1200.0f), 1200.0f);
        v *= 1.0f + 0.3f * std::sin(2.0f * kPi * 9.0f * t);
        v += 0.15f * grind(noise(0x4245524Bu, i), 2000.0f, 0.5f) * (0.5f + 0.5f * std::sin(2.0f * kPi * 13.0f * t));
        s[i] = v * std::min(1.0f, t / 0.03f);
    }
    return s;
}

// A big explosion: a blast, then a long low rumble with crackles.
Samples bigExplosion() {
    Samples s = silence(1.4f);
    LowPass rumble1, rumble2, blast, crackle;
    Oscillator sub;
    float spark = 0.0f;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const float low = rumble2(rumble1(noise(0x424F4F4Du, i), 180.0f), 180.0f);
        const float bang = blast(noise(0x424F4F4Eu, i), 2500.0f);
        // Now and then a crackle, dying away with the rest.
        if (gen::unit(gen::hash(0x43524143u, static_cast<std::int32_t>(i))) < 0.0015f * std::exp(-t / 0.5f)) spark = 1.0f;
        spark *= 0.995f;
        const float crack = crackle(noise(0x43524144u, i) * spark, 3000.0f);
        s[i] = 10.0f * low * std::min(1.0f, t / 0.01f) * std::exp(-t / 0.45f) + 0.6f * bang * std::exp(-t / 0.06f) +
               0.5f * sub.sine(45.0f) * std::exp(-t / 0.3f) + 0.3f * crack;
    }
    return s;
}

struct SoundFile {
    const char* name;
    Samples (*make)();
    float fadeIn;  // seconds
};

}  // namespace

bool writeSounds(const std::filesystem::path& out, std::string& error) {
    constexpr SoundFile files[] = {
        {"machine.wav", machine, 0.002f},
        {"Feindlaser.wav", enemyLaser, 0.002f},
        {"EnergyLow.wav", energyLow, 0.002f},
        {"Sternentor.wav", starGate, 0.002f},
        {"Klick.wav", click, 0.0003f},  // a slower start would blunt it
        {"explode.wav", smallExplosion, 0.001f},
        {"GunShot.wav", gunShot, 0.0005f},
        {"Bergbau.wav", miningDrill, 0.002f},
        {"Explosion.wav", bigExplosion, 0.002f},
    };
    for (const SoundFile& file : files) {
        const std::filesystem::path path = out / file.name;
        if (!writeWav(path.string(), finish(file.make(), file.fadeIn))) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
