#ifndef NEARESTDEGREE_H
#define NEARESTDEGREE_H

class ListInterv;

/// The degree of an interval list nearest to a frequency, the list being played on a tonic in
/// any octave: the target a tuner shows when a temperament, not one note, is being tuned.
struct NearestDegree
{
    int index = -1;        ///< position in the list; −1 when there is no target
    double frequency = 0;  ///< Hz: tonic · 2^((cent + 1200·k)/1200) for the nearest octave k
    double deviation = 0;  ///< cents from that frequency to the one asked about, in [−600, 600]

    /// The degree of liste whose pitch class (its cents, on tonic Hz) lies nearest to freq Hz,
    /// in cents; of two degrees as near, the first in the list. No target (index −1) when the
    /// list is empty or tonic or freq is not a positive finite number.
    static NearestDegree find(const ListInterv &liste, double tonic, double freq);
};

#endif
