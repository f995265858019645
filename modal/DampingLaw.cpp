#include "modal/DampingLaw.h"

DampingLaw DampingLaw::fromTexts(const QString &external, const QString &hysteresis,
                                 const QString &internal)
{
    // toFloat gives 0 for a text that does not convert, as generation wants.
    return DampingLaw(external.toFloat(), hysteresis.toFloat(), internal.toFloat());
}

float DampingLaw::rate(float v) const
{
    return external + hysteresis * v + internal * v * v;
}
