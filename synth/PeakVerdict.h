#ifndef PEAKVERDICT_H
#define PEAKVERDICT_H

// What the peak of a modal rendering tells the user, before the file is kept.

/// Peak, in 16-bit sample units, above which the modal rendering refuses to write its file.
constexpr float kSaturationPeak = 32676.0f;

/// Below this peak a modal rendering is worth raising.
constexpr float kQuietPeak = 10000.0f;

struct PeakVerdict
{
    enum Kind {
        Fine,      ///< nothing to say
        Saturated, ///< above kSaturationPeak: the file is not written
        TooQuiet,  ///< below kQuietPeak: written, and could be louder
        Silent,    ///< no mode sounds at this fundamental: written, no figure of dB would help
    };
    Kind kind = Fine;
    /// Saturated: whole dB to lower the volume by, ⌊20·log10(peak/32676) + 0.5⌋ + 1; TooQuiet: whole
    /// dB it may be raised by, ⌊20·log10(32676/peak) + 0.5⌋; 0 otherwise. At most 999.
    int decibels = 0;
};

/// The verdict on a peak in 16-bit sample units before truncation (NaN counts as silent).
PeakVerdict judgePeak(float peak);

#endif
