#ifndef INTERVAL_H
#define INTERVAL_H

#include <QString>

/// One musical interval of a list. The two numbers are independent: nothing derives one from the
/// other, so a list may pair a tempered size with a just ratio.
struct Interval
{
    float cent = 0;  ///< size in cents (1200 per octave); the sort key of a list
    float frac = 1;  ///< frequency ratio, e.g. 1.5 for a fifth
    QString desc;    ///< free description shown to the user
};

#endif
