#include "app/MusicalNote.h"

#include "app/CalculNote.h"

#include <QCoreApplication>

#include <cmath>

namespace {

const char *const kNomsNotes[7] = {
    QT_TRANSLATE_NOOP("MusicalNote", "Do"), QT_TRANSLATE_NOOP("MusicalNote", "Ré"),
    QT_TRANSLATE_NOOP("MusicalNote", "Mi"), QT_TRANSLATE_NOOP("MusicalNote", "Fa"),
    QT_TRANSLATE_NOOP("MusicalNote", "Sol"), QT_TRANSLATE_NOOP("MusicalNote", "La"),
    QT_TRANSLATE_NOOP("MusicalNote", "Si"),
};

const QChar kSignes[3] = {QChar(0x266D), QChar(0x266E), QChar(0x266F)};

} // namespace

MusicalNote::MusicalNote(float freq, float la4)
    : freq(freq), octave(0), note(0), alteration(0), ecart(0), la4(la4)
{
    setNote();
}

int MusicalNote::setNote()
{
    return Freq2NoteOctCor(freq, &note, &alteration, &octave, &ecart, la4);
}

void MusicalNote::setNomNote()
{
    if (note < 1 || note > 7 || alteration < 0 || alteration > 2) {
        nomNote.clear();
        return;
    }
    nomNote = QCoreApplication::translate("MusicalNote", kNomsNotes[note - 1]);
    nomNote += kSignes[alteration];
    nomNote += QString::number(octave);
    const int k = static_cast<int>(std::floor(ecart + 0.5f));
    if (k > 0)
        nomNote += QLatin1Char('+') + QString::number(k);
    else if (k < 0)
        nomNote += QString::number(k);
}
