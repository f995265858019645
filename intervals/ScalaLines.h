#ifndef SCALALINES_H
#define SCALALINES_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

/// The text of a Scala tuning file (a ".scl" scale or a ".kbm" keyboard mapping) cut into
/// numbered lines, with the bounds every reader of a downloaded file needs.
///
/// The bytes are decoded as UTF-8 when they are valid UTF-8 (a leading byte-order mark is
/// dropped), otherwise as Latin-1, which decodes any byte: the archives hold both. Lines end at
/// "\n"; a "\r" before it (DOS line ends) is dropped. A file of more than kMaxBytes, or a line of
/// more than kMaxLineLength characters, is refused whole, with the line named.
class ScalaLines
{
    Q_DECLARE_TR_FUNCTIONS(ScalaLines)

public:
    /// 4 MiB: a scale of kMaxPitches lines with long descriptions is far below.
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    /// Characters a line may hold: more than a title field accepts (32767).
    static constexpr int kMaxLineLength = 65536;

    explicit ScalaLines(const QByteArray &bytes);

    /// Reads at most kMaxBytes + 1 bytes of path (so that a device or a pipe cannot make it read
    /// forever). False, with the reason in French in *error, when the file cannot be read or is
    /// larger than kMaxBytes.
    static bool readFile(const QString &path, QByteArray *bytes, QString *error);

    /// Writes bytes to path through a temporary file renamed over the old one only once
    /// everything is written, so a failed write (read-only folder, full disk) leaves an existing
    /// file as it was. False with the system's description of the error in *error.
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *error);

    /// Empty when every line is within its bound; otherwise "Ligne N : …".
    QString error() const { return m_error; }

    int count() const { return m_lines.size(); }
    /// The line of index i, which is line number i + 1 of the file.
    const QString &at(int i) const { return m_lines.at(i); }

    /// A comment of the format: a line whose first character is "!".
    static bool isComment(const QString &line);
    /// A comment indented by spaces or tabs: where no description can stand (a count, a pitch,
    /// a field of a mapping), such a line cannot be a value either, and is passed over too.
    static bool isIndentedComment(const QString &line);

    /// The text of a comment line, without its "!" and the blanks around it.
    static QString commentText(const QString &line);

    /// The first word of a line (up to a space or a tab), after the blanks before it; the rest of
    /// the line, trimmed, in *rest when given.
    static QString firstWord(const QString &line, QString *rest = nullptr);

    /// "Ligne N : " + text, translated.
    static QString atLine(int number, const QString &text);

private:
    QStringList m_lines;
    QString m_error;
};

#endif
