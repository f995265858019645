#include "melody/MelodyFile.h"

#include "app/XmlDepth.h"

#include "melody/MelodyRules.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QString kDate = QStringLiteral("date");
const QString kDeg = QStringLiteral("deg");
const QString kOct = QStringLiteral("oct");
const QString kDur = QStringLiteral("dur");
const QString kAmpl = QStringLiteral("ampl");
const QString kTime = QStringLiteral("time");

// The attribute's text, or fallback when the node has no such attribute (a non-element node
// has none).
QString attribute(const QDomNode &node, const QString &name, const QString &fallback)
{
    const QDomElement e = node.toElement();
    return !e.isNull() && e.hasAttribute(name) ? e.attribute(name) : fallback;
}

void readHeader(const QDomDocument &doc, MelodyDocument *melody)
{
    const QDomElement header = doc.elementsByTagName(QStringLiteral("header")).item(0).toElement();
    melody->title = header.attribute(QStringLiteral("title"));
    melody->composer = header.attribute(QStringLiteral("composer"));
    melody->description = doc.elementsByTagName(QStringLiteral("description")).item(0).toElement().text();

    melody->points.clear();
    const QDomElement first = doc.elementsByTagName(QStringLiteral("point")).item(0).toElement();
    for (QDomElement p = first; !p.isNull(); p = p.nextSiblingElement())
        melody->points.append({p.attribute(kTime), p.attribute(kAmpl)});
}

void readNotes(const QDomDocument &doc, MelodyDocument *melody)
{
    melody->notes.clear();
    const QDomNode music = doc.documentElement().childNodes().item(1);
    float end = 0.0f; // where the note just read ends, beats
    for (QDomNode n = music.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isComment())
            continue;
        MelodyDocument::Note note;
        note.date = attribute(n, kDate, QString());
        note.dur = attribute(n, kDur, QStringLiteral("1"));
        note.ampl = attribute(n, kAmpl, QStringLiteral("1"));
        note.deg = attribute(n, kDeg, QStringLiteral("?"));
        note.oct = attribute(n, kOct, QStringLiteral("0"));
        if (note.date.isEmpty())
            note.date = QString::number(double(end), 'g', 6);
        end = cellValue(note.date) + cellValue(note.dur);
        melody->notes.append(note);
    }
}

} // namespace

MelodyReadStatus parseMelody(const QByteArray &xml, MelodyDocument *melody)
{
    QDomDocument doc;
    // Too deep for Qt's parser, which would overflow the stack.
    if (!XmlDepth::within(xml) || !doc.setContent(xml))
        return MelodyReadStatus::Malformed;
    MelodyDocument read;
    readHeader(doc, &read);
    readNotes(doc, &read);
    *melody = read;
    return MelodyReadStatus::Ok;
}

MelodyReadStatus readMelodyFile(const QString &path, MelodyDocument *melody)
{
    QFile file(path);
    if (!file.exists())
        return MelodyReadStatus::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return MelodyReadStatus::Unreadable;
    const QByteArray xml = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return MelodyReadStatus::Unreadable;
    file.close();
    return parseMelody(xml, melody);
}

QDomDocument melodyDom(const MelodyDocument &melody)
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml-stylesheet"),
                                                    QStringLiteral("href=\"melody.xsl\" type=\"text/xsl\"")));
    QDomElement root = doc.createElement(QStringLiteral("melody"));
    doc.appendChild(root);

    QDomElement header = doc.createElement(QStringLiteral("header"));
    header.setAttribute(QStringLiteral("title"), melody.title);
    header.setAttribute(QStringLiteral("composer"), melody.composer);
    root.appendChild(header);
    QDomElement description = doc.createElement(QStringLiteral("description"));
    description.appendChild(doc.createTextNode(melody.description));
    header.appendChild(description);
    QDomElement enveloppe = doc.createElement(QStringLiteral("enveloppe"));
    header.appendChild(enveloppe);
    for (const MelodyDocument::EnvelopePoint &p : melody.points) {
        QDomElement point = doc.createElement(QStringLiteral("point"));
        point.setAttribute(kTime, p.time);
        point.setAttribute(kAmpl, p.ampl);
        enveloppe.appendChild(point);
    }

    QDomElement music = doc.createElement(QStringLiteral("music"));
    root.appendChild(music);
    for (const MelodyDocument::Note &n : melody.notes) {
        QDomElement note = doc.createElement(QStringLiteral("note"));
        note.setAttribute(kDate, n.date);
        note.setAttribute(kDeg, n.deg);
        note.setAttribute(kOct, n.oct);
        note.setAttribute(kDur, n.dur);
        note.setAttribute(kAmpl, n.ampl);
        music.appendChild(note);
    }
    return doc;
}

bool writeMelodyFile(const QString &path, const QDomDocument &doc, QString *error)
{
    QByteArray bytes;
    {
        QTextStream out(&bytes);
        out.setCodec("UTF-8");
        doc.save(out, 2);
    }
    QSaveFile file(path);
    // Unbuffered: QSaveFile::commit() does not see a buffer it fails to flush (a full disk), and
    // would put the cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
