#include "synth/PeakVerdict.h"

#include <algorithm>
#include <cmath>

namespace {

/// A power ratio in whole decibels, rounded half up; bounded so that an absurd peak cannot
/// overflow the conversion.
int decibels(double ratio)
{
    const double db = std::floor(20 * std::log10(ratio) + 0.5);
    return db > 0 ? int(std::min(db, 999.0)) : 0;
}

} // namespace

PeakVerdict judgePeak(float peak)
{
    PeakVerdict verdict;
    if (peak > kSaturationPeak) {
        verdict.kind = PeakVerdict::Saturated;
        verdict.decibels = std::min(decibels(peak / kSaturationPeak) + 1, 999);
    } else if (!(peak > 0)) {
        verdict.kind = PeakVerdict::Silent;
    } else if (peak < kQuietPeak) {
        verdict.kind = PeakVerdict::TooQuiet;
        verdict.decibels = decibels(kSaturationPeak / peak);
    }
    return verdict;
}
