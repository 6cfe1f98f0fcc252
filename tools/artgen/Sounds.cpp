#include "Sounds.h"

#include <QtEndian>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr float kTau = 6.28318530718f;

std::vector<float> silence(float seconds) {
  return std::vector<float>(size_t(seconds * kSampleRate), 0.0f);
}

// Small deterministic noise source, so every build writes the same files.
struct Noise {
  uint32_t state = 0x9e3779b9u;
  float next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return float(state) / 2147483648.0f - 1.0f;
  }
};

// Adds a bell-like note: a sine with a soft octave partial and an
// exponential decay, starting at time t0.
void bell(std::vector<float>& s, float t0, float freq, float length, float gain) {
  const size_t start = size_t(t0 * kSampleRate);
  const size_t n = size_t(length * kSampleRate);
  for (size_t i = 0; i < n && start + i < s.size(); ++i) {
    const float t = float(i) / kSampleRate;
    const float attack = std::min(1.0f, t / 0.004f);
    const float env = attack * std::exp(-t * 5.0f / length);
    const float v = std::sin(kTau * freq * t) + 0.35f * std::sin(kTau * 2 * freq * t) +
                    0.12f * std::sin(kTau * 3 * freq * t);
    s[start + i] += gain * env * v / 1.5f;
  }
}

float note(int semitonesFromA4) { return 440.0f * std::pow(2.0f, semitonesFromA4 / 12.0f); }

// Fades both ends so no file starts or stops with a click.
void finish(std::vector<float>& s, float peak = 0.85f) {
  const size_t fade = std::min<size_t>(s.size() / 4, 220);
  for (size_t i = 0; i < fade; ++i) {
    s[s.size() - 1 - i] *= float(i) / fade;
  }
  float m = 0;
  for (float v : s) m = std::max(m, std::abs(v));
  if (m > 0)
    for (float& v : s) v *= peak / m;
}

std::vector<float> click1() {
  auto s = silence(0.07f);
  Noise n;
  for (size_t i = 0; i < s.size(); ++i) {
    const float t = float(i) / kSampleRate;
    s[i] = std::sin(kTau * 1350 * t) * std::exp(-t * 90) + 0.25f * n.next() * std::exp(-t * 400);
  }
  finish(s, 0.7f);
  return s;
}

std::vector<float> click2() {
  auto s = silence(0.12f);
  float phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const float t = float(i) / kSampleRate;
    const float f = 520 + 500 * std::exp(-t * 40);
    phase += kTau * f / kSampleRate;
    s[i] = std::sin(phase) * std::exp(-t * 38) * std::min(1.0f, t / 0.002f);
  }
  finish(s, 0.7f);
  return s;
}

// Filtered noise with a moving centre: the base of whooshes and swishes.
std::vector<float> whoosh(float seconds, float fFrom, float fTo, float q) {
  auto s = silence(seconds);
  Noise n;
  float low = 0, band = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const float x = float(i) / s.size();
    const float f = fFrom + (fTo - fFrom) * x;
    const float k = 2 * std::sin(float(M_PI) * f / kSampleRate);
    const float high = n.next() - low - q * band;
    band += k * high;
    low += k * band;
    const float env = std::sin(float(M_PI) * std::pow(x, 0.7f));
    s[i] = band * env * env;
  }
  return s;
}

std::vector<float> glide() {
  auto s = whoosh(0.55f, 500, 2600, 0.5f);
  float phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const float x = float(i) / s.size();
    phase += kTau * (380 + 520 * x) / kSampleRate;
    s[i] = 0.6f * s[i] + 0.12f * std::sin(phase) * std::sin(float(M_PI) * x);
  }
  finish(s, 0.6f);
  return s;
}

std::vector<float> webTurn() {
  auto s = whoosh(0.45f, 2400, 700, 0.35f);
  auto t = whoosh(0.45f, 900, 3000, 0.6f);
  for (size_t i = 0; i < s.size(); ++i) s[i] = s[i] + 0.5f * t[i];
  finish(s, 0.55f);
  return s;
}

std::vector<float> shred() {
  auto s = silence(0.9f);
  Noise n;
  float phase = 0, low = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const float t = float(i) / kSampleRate;
    const float x = t / 0.9f;
    phase += (95 + 20 * std::sin(kTau * 3 * t)) / kSampleRate;
    const float saw = 2 * (phase - std::floor(phase)) - 1;
    low += 0.25f * (n.next() - low);
    const float chop = 0.65f + 0.35f * std::sin(kTau * 14 * t);
    const float env = std::min(1.0f, t / 0.03f) * (x < 0.8f ? 1.0f : (1 - x) / 0.2f);
    s[i] = env * chop * (0.6f * saw + 0.45f * low);
  }
  // Gentle low-pass keeps the buzz friendly.
  float y = 0;
  for (float& v : s) {
    y += 0.35f * (v - y);
    v = y;
  }
  finish(s, 0.6f);
  return s;
}

std::vector<float> upload() {
  auto s = silence(1.1f);
  const int steps[] = {-2, 3, 7, 10, 15};  // G, C, E, G, C above A4
  for (int i = 0; i < 5; ++i) bell(s, 0.08f * i, note(steps[i]), 0.7f, i == 4 ? 0.9f : 0.6f);
  finish(s, 0.75f);
  return s;
}

std::vector<float> mate() {
  auto s = silence(1.2f);
  const struct { float t; int n; float len; } tune[] = {
      {0.00f, 3, 0.25f}, {0.14f, 7, 0.25f}, {0.28f, 10, 0.25f},
      {0.42f, 8, 0.2f},  {0.56f, 12, 0.6f}, {0.56f, 7, 0.6f}};
  for (const auto& t : tune) bell(s, t.t, note(t.n), t.len, 0.7f);
  finish(s, 0.75f);
  return s;
}

std::vector<float> works() {
  auto s = silence(1.45f);
  Noise n;
  // The rocket's rising whistle.
  float phase = 0;
  for (size_t i = 0; i < size_t(0.45f * kSampleRate); ++i) {
    const float t = float(i) / kSampleRate;
    phase += kTau * (900 + 1800 * t) / kSampleRate;
    s[i] += 0.25f * std::sin(phase) * std::min(1.0f, t / 0.05f) * (1 - t / 0.45f);
  }
  // The burst: a soft thump and noise, then crackles.
  float low = 0;
  const size_t b = size_t(0.47f * kSampleRate);
  for (size_t i = 0; b + i < s.size(); ++i) {
    const float t = float(i) / kSampleRate;
    low += 0.12f * (n.next() - low);
    s[b + i] += 1.6f * low * std::exp(-t * 7) + 0.5f * std::sin(kTau * 70 * t) * std::exp(-t * 14);
  }
  for (int k = 0; k < 14; ++k) {
    const size_t at = b + size_t((0.12f + 0.055f * k + 0.02f * std::sin(k * 2.3f)) * kSampleRate);
    for (size_t i = 0; i < 200 && at + i < s.size(); ++i)
      s[at + i] += 0.35f * n.next() * std::exp(-float(i) / 40) * (1 - 0.05f * k);
  }
  finish(s, 0.8f);
  return s;
}

}  // namespace

std::vector<Sound> soundCatalog() {
  return {{"wavClick1", click1}, {"wavClick2", click2},   {"wavGlide", glide},
          {"wavMate", mate},     {"wavShred", shred},     {"wavUpload", upload},
          {"wavWebTurn", webTurn}, {"wavWorks", works}};
}

QByteArray waveFile(const std::vector<float>& samples) {
  QByteArray out;
  auto u32 = [&](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
  };
  auto u16 = [&](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
  };
  const quint32 dataBytes = quint32(samples.size() * 2);
  out.append("RIFF");
  u32(36 + dataBytes);
  out.append("WAVEfmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kSampleRate);
  u32(kSampleRate * 2);
  u16(2);
  u16(16);
  out.append("data");
  u32(dataBytes);
  for (float v : samples) u16(quint16(qint16(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
  return out;
}

}  // namespace art
