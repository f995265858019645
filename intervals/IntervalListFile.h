#ifndef INTERVALLISTFILE_H
#define INTERVALLISTFILE_H

#include "intervals/Interval.h"

#include <QList>
#include <QString>

class QDomDocument;

/// The ".int" file of an interval list: an XML document
///
///     <?xml version="1.0" encoding="UTF-8"?>
///     <?xml-stylesheet href="intervallist.xsl" type="text/xsl"?>
///     <intervalList>
///       <header title="…" author="…"><desc>free text</desc></header>
///       <list number="N"><interval cent="701.955" frac="1.5" desc="…"/> …</list>
///     </intervalList>
///
/// indented by 2 spaces. Numbers are written in the shortest general format with 6 significant
/// digits (700 cents, ratio 1.49831). The reader finds the header and the list by position (the
/// first and second child elements of "intervalList"), not by name.
class IntervalListFile
{
public:
    /// What a file holds besides the XML around it.
    struct Contents
    {
        QString title;
        QString author;
        QString description;      ///< the header's "desc" text, several lines allowed
        QList<Interval> intervals; ///< in file order
    };

    enum class ReadStatus {
        Ok,
        Missing,    ///< no file at the path
        CannotOpen, ///< it exists but cannot be read
        NotAList,   ///< not XML, or no "intervalList" element in it
    };

    struct ReadResult
    {
        ReadStatus status = ReadStatus::Missing;
        Contents contents;      ///< filled only when status is Ok
        QString numberText;     ///< the "number" attribute as written (empty when missing)
        /// True when the integer value of "number" (0 when it is not an integer) is the count of
        /// intervals read.
        bool numberMatches = true;
    };

    /// The literal every written document starts from.
    static const char *const kTemplate;

    /// 6 significant digits, shortest general format: 700, 701.955, 1.49831, 1088.27.
    static QString formatNumber(float value);

    /// The name a save uses: name itself when it ends with ".int" (case-sensitive), otherwise
    /// name + ".int" (so "maliste.INT" becomes "maliste.INT.int").
    static QString withExtension(const QString &name);

    /// Fills doc from the template and the intervals, with "number" set to their count. False,
    /// leaving doc empty, when the template does not parse.
    static bool createDom(QDomDocument *doc, const QList<Interval> &intervals);

    /// Appends one "interval" element to the second child ("list") of "intervalList".
    static void intervToDom(const Interval &interval, QDomDocument *doc);

    /// Sets "title" and "author" of the header, replaces its "desc" by one holding description,
    /// and sets "number" of the list to count.
    static void updateHead(QDomDocument *doc, const QString &title, const QString &author,
                           const QString &description, int count);

    /// The whole document of contents, declaration and style-sheet instruction first.
    /// Empty when the template does not parse.
    static QByteArray serialise(const Contents &contents);

    /// Writes contents to path through a temporary file renamed over the old one only once
    /// everything is written, so a failed write (read-only folder, full disk) leaves the old file
    /// as it was. False on failure with the system's description of the error in *error.
    static bool write(const QString &path, const Contents &contents, QString *error);

    /// Reads the file at path (see parse). Missing when there is no file, CannotOpen when it
    /// cannot be read.
    static ReadResult read(const QString &path);

    /// Reads a document from its bytes: Ok, or NotAList (also for elements nested deeper than
    /// XmlDepth::kMaxDepth, which the parser cannot take). Child nodes of "list" that are not
    /// elements (comments, processing instructions) are skipped; every element among them is one
    /// interval, whose "cent" and "frac" read as 0 when they are not finite numbers.
    static ReadResult parse(const QByteArray &bytes);
};

#endif
