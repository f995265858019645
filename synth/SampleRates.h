#ifndef SAMPLERATES_H
#define SAMPLERATES_H

// The sample rates offered by the main window and the melody editor, in the order of their combo
// boxes. A sample rate is an int number of samples per second wherever a window chooses it; the
// renderers take it as a float only because their arithmetic is in float.

#include <array>

constexpr std::array<int, 4> kSampleRates = {22050, 32000, 44100, 48000};

/// Index of 44100 Hz, selected at start.
constexpr int kDefaultSampleRateIndex = 2;

/// The rate at a combo index, Hz; an index outside the table (no selection) gives 44100.
constexpr int sampleRateAt(int index)
{
    return index >= 0 && index < int(kSampleRates.size()) ? kSampleRates[index]
                                                          : kSampleRates[kDefaultSampleRateIndex];
}

#endif
