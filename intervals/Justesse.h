#ifndef JUSTESSE_H
#define JUSTESSE_H

#include "intervals/Interval.h"

#include <QList>

/// How far interval p of liste lands from the nearest interval of the list once transposed by t
/// cents, in cents (the nearest's size subtracted from the transposed one): x = t + cent_p, folded
/// into the octave as m = fmod(x, 1200) (the sign of x), then e_j = m − cent_j for the intervals
/// from position 0 on, the list being sorted by cents, keeping the e_j of smallest magnitude and
/// stopping at the first one that is larger. Of two equal magnitudes the later interval wins,
/// except the last interval of the list, which must be strictly nearer.
/// 1200 when |e_0| > 1200 (m far below the list); 0 for an empty list or p outside it.
/// Example: t = 701.955 on a 701.955-cent interval against a list holding 203.91 gives 0.
float calcEcartJustesse(const QList<Interval> &liste, int p, float t);

#endif
