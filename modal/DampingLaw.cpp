#include "modal/DampingLaw.h"

DampingLaw DampingLaw::fromTexts(const QString &externe, const QString &hysteresis,
                                 const QString &interne)
{
    // toFloat gives 0 for a text that does not convert, as generation wants.
    return DampingLaw(externe.toFloat(), hysteresis.toFloat(), interne.toFloat());
}

float DampingLaw::rate(float v) const
{
    return externe + hysteresis * v + interne * v * v;
}
