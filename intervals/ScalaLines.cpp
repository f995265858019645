#include "intervals/ScalaLines.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

ScalaLines::ScalaLines(const QByteArray &bytes)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    QString decoded = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        decoded = QString::fromLatin1(bytes.constData(), bytes.size());
    else if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);

    if (decoded.isEmpty())
        return;
    m_lines = decoded.split(QLatin1Char('\n'));
    // The "\n" ending the last line leaves an empty line after it.
    if (m_lines.size() > 1 && m_lines.last().isEmpty())
        m_lines.removeLast();
    for (int i = 0; i < m_lines.size(); ++i) {
        QString &line = m_lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.size() > kMaxLineLength && m_error.isEmpty())
            m_error = atLine(i + 1, tr("ligne trop longue (plus de %1 caractères)").arg(kMaxLineLength));
    }
}

bool ScalaLines::readFile(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("Impossible d'ouvrir le fichier : %1").arg(file.errorString());
        return false;
    }
    *bytes = file.read(kMaxBytes + 1);
    if (bytes->size() > kMaxBytes) {
        *error = tr("Le fichier dépasse %1 Mo").arg(kMaxBytes / (1024 * 1024));
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = tr("Impossible de lire le fichier : %1").arg(file.errorString());
        return false;
    }
    return true;
}

bool ScalaLines::writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Unbuffered: a write that fails at the end (a full disk) must be seen before the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool ScalaLines::isComment(const QString &line)
{
    return line.startsWith(QLatin1Char('!'));
}

bool ScalaLines::isIndentedComment(const QString &line)
{
    for (const QChar c : line) {
        if (!isBlank(c))
            return c == QLatin1Char('!');
    }
    return false;
}

QString ScalaLines::commentText(const QString &line)
{
    const int bang = line.indexOf(QLatin1Char('!'));
    return line.mid(bang + 1).trimmed();
}

QString ScalaLines::firstWord(const QString &line, QString *rest)
{
    int start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    int end = start;
    while (end < line.size() && !isBlank(line.at(end)))
        ++end;
    if (rest)
        *rest = line.mid(end).trimmed();
    return line.mid(start, end - start);
}

QString ScalaLines::atLine(int number, const QString &text)
{
    return tr("Ligne %1 : %2").arg(QString::number(number), text);
}
