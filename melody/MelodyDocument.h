#ifndef MELODYDOCUMENT_H
#define MELODYDOCUMENT_H

#include <QString>
#include <QVector>

/// A melody file's content as text, the way the editor's tables hold it: the reader fills in
/// the defaults of missing attributes, the editor decides what is valid.
struct MelodyDocument
{
    struct EnvelopePoint
    {
        QString time; ///< position in the note, 0 … 1; empty when the file has none
        QString ampl; ///< gain; empty when the file has none
    };

    struct Note
    {
        QString date; ///< beats; a missing one follows the previous note
        QString deg;  ///< degree index; "?" when the file has none
        QString oct;  ///< octave shift; "0" when the file has none
        QString dur;  ///< beats; "1" when the file has none
        QString ampl; ///< 0 … 1; "1" when the file has none
    };

    QString title;
    QString composer;
    QString description; ///< plain text, line breaks kept
    QVector<EnvelopePoint> points;
    QVector<Note> notes;
};

#endif
