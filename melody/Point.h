#ifndef POINT_H
#define POINT_H

/// One point of the amplitude envelope that shapes every note of a melody.
struct Point
{
    float time = 0; ///< position inside the note as a fraction of its duration, 0 … 1
    float ampl = 0; ///< gain at that position, ≥ 0 (no upper bound)
};

#endif
