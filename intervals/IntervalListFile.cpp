#include "intervals/IntervalListFile.h"

#include "app/XmlDepth.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>

namespace {

const QString kRoot = QStringLiteral("intervalList");

/// A number attribute; what is not a finite number reads as 0, so that no NaN or infinity can
/// reach the list's order or the drawings.
float readNumber(const QDomElement &e, const QString &name)
{
    bool ok = false;
    const float v = e.attribute(name).toFloat(&ok);
    return ok && std::isfinite(v) ? v : 0.0f;
}

QDomElement listElement(const QDomDocument &doc)
{
    return doc.documentElement().firstChildElement().nextSiblingElement();
}

} // namespace

const char *const IntervalListFile::kTemplate =
    "<intervalList><header><desc>Description</desc></header><list></list></intervalList>";

QString IntervalListFile::formatNumber(float value)
{
    return QString::number(double(value), 'g', 6);
}

QString IntervalListFile::withExtension(const QString &name)
{
    return name.endsWith(QLatin1String(".int")) ? name : name + QLatin1String(".int");
}

bool IntervalListFile::createDom(QDomDocument *doc, const QList<Interval> &intervals)
{
    if (!doc->setContent(QByteArray(kTemplate))) {
        doc->clear();
        return false;
    }
    for (const Interval &i : intervals)
        intervToDom(i, doc);
    listElement(*doc).setAttribute(QStringLiteral("number"), intervals.size());
    return true;
}

void IntervalListFile::intervToDom(const Interval &interval, QDomDocument *doc)
{
    QDomElement e = doc->createElement(QStringLiteral("interval"));
    e.setAttribute(QStringLiteral("cent"), formatNumber(interval.cent));
    e.setAttribute(QStringLiteral("frac"), formatNumber(interval.frac));
    e.setAttribute(QStringLiteral("desc"), interval.desc);
    listElement(*doc).appendChild(e);
}

void IntervalListFile::updateHead(QDomDocument *doc, const QString &title, const QString &author,
                                  const QString &description, int count)
{
    QDomElement header = doc->documentElement().firstChildElement();
    header.setAttribute(QStringLiteral("author"), author);
    header.setAttribute(QStringLiteral("title"), title);
    QDomElement desc = doc->createElement(QStringLiteral("desc"));
    desc.appendChild(doc->createTextNode(description));
    const QDomElement old = header.firstChildElement(QStringLiteral("desc"));
    if (old.isNull())
        header.appendChild(desc);
    else
        header.replaceChild(desc, old);
    header.nextSiblingElement().setAttribute(QStringLiteral("number"), count);
}

QByteArray IntervalListFile::serialise(const Contents &contents)
{
    QDomDocument doc(QStringLiteral("mon_xml"));
    if (!createDom(&doc, contents.intervals))
        return QByteArray();
    if (!doc.firstChild().isProcessingInstruction()) {
        const QDomNode declaration = doc.insertBefore(
            doc.createProcessingInstruction(QStringLiteral("xml"),
                                            QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")),
            doc.firstChild());
        doc.insertAfter(doc.createProcessingInstruction(QStringLiteral("xml-stylesheet"),
                                                        QStringLiteral("href=\"intervallist.xsl\" type=\"text/xsl\"")),
                        declaration);
    }
    updateHead(&doc, contents.title, contents.author, contents.description, contents.intervals.size());

    QByteArray bytes;
    QTextStream out(&bytes);
    out.setCodec("UTF-8");
    doc.save(out, 2);
    out.flush();
    return bytes;
}

bool IntervalListFile::write(const QString &path, const Contents &contents, QString *error)
{
    QSaveFile file(path);
    // Unbuffered: a write that fails at the end (a full disk) must be seen before the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = serialise(contents);
    if (bytes.isEmpty()) {
        file.cancelWriting();
        *error = QCoreApplication::translate("IntervDlg", "Modèle de document XML invalide");
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

IntervalListFile::ReadResult IntervalListFile::read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists()) {
        result.status = ReadStatus::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::CannotOpen;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::CannotOpen;
        return result;
    }
    file.close();
    return parse(bytes);
}

IntervalListFile::ReadResult IntervalListFile::parse(const QByteArray &bytes)
{
    ReadResult result;
    QDomDocument doc;
    // Too deep for Qt's parser, which would overflow the stack.
    const bool parsed = XmlDepth::within(bytes) && doc.setContent(bytes);
    const QDomElement root = doc.elementsByTagName(kRoot).item(0).toElement();
    if (!parsed || root.isNull()) {
        result.status = ReadStatus::NotAList;
        return result;
    }

    const QDomElement header = root.firstChildElement();
    result.contents.title = header.attribute(QStringLiteral("title"));
    result.contents.author = header.attribute(QStringLiteral("author"));
    result.contents.description = header.firstChildElement().text();

    const QDomElement list = header.nextSiblingElement();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        Interval i;
        i.cent = readNumber(e, QStringLiteral("cent"));
        i.frac = readNumber(e, QStringLiteral("frac"));
        i.desc = e.attribute(QStringLiteral("desc"));
        result.contents.intervals << i;
    }
    result.numberText = list.attribute(QStringLiteral("number"));
    // A "number" that is not an integer reads as 0, as a missing one does.
    result.numberMatches = result.numberText.toInt() == result.contents.intervals.size();
    result.status = ReadStatus::Ok;
    return result;
}
