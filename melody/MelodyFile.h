#ifndef MELODYFILE_H
#define MELODYFILE_H

// The melody file (".mel"): an XML document with a header (title, composer, description,
// envelope points) and the notes, all data in attributes but the description.

#include "melody/MelodyDocument.h"

#include <QDomDocument>
#include <QString>

/// How reading a melody file ended.
enum class MelodyReadStatus { Ok, Missing, Unreadable, Malformed };

/// Reads the file named path into *melody, which is left untouched unless the result is Ok.
/// The reader is permissive: the header and the first `point` are found anywhere in the
/// document, the points are that element and its following sibling elements, the notes are the
/// child nodes (comments skipped) of the root's second child node, whatever its name. A note
/// without `date` starts where the previous one ends (0 for the first), computed from the
/// previous date and duration as numbers and written with 6 significant digits.
MelodyReadStatus readMelodyFile(const QString &path, MelodyDocument *melody);

/// The same from an XML text already in memory (Missing and Unreadable do not occur). A text
/// nested deeper than XmlDepth::kMaxDepth, which the parser cannot take, is Malformed.
MelodyReadStatus parseMelody(const QByteArray &xml, MelodyDocument *melody);

/// The document a melody is written as: the XML declaration, the "xml-stylesheet" instruction
/// naming "melody.xsl", then melody / header (title, composer; description, enveloppe / point
/// time ampl) and music / note (date deg oct dur ampl), in the melody's order. Values are written
/// as given: the caller formats them.
QDomDocument melodyDom(const MelodyDocument &melody);

/// Writes doc to the file named path in UTF-8, each level indented by 2 spaces, atomically: an
/// existing file of that name is replaced only when everything was written, and stays intact
/// otherwise. On failure returns false and sets *error, when given, to the system's description.
bool writeMelodyFile(const QString &path, const QDomDocument &doc, QString *error = nullptr);

#endif
