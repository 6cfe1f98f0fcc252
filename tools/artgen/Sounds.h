// The program's short sounds, synthesised as 16-bit mono PCM at 22050 Hz.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

constexpr int kSampleRate = 22050;

struct Sound {
  QString name;  // as the program names it, e.g. "wavClick1"
  std::function<std::vector<float>()> synth;  // samples in -1..1
};

std::vector<Sound> soundCatalog();

// A complete RIFF/WAVE file (PCM, 16 bit, mono) for the samples.
QByteArray waveFile(const std::vector<float>& samples);

}  // namespace art
