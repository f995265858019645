#include "app/XmlDepth.h"

#include <QString>
#include <QTextCodec>

namespace {

// Unit: uchar for text in an ASCII-compatible encoding, ushort for UTF-16 code units.
template <class Unit>
bool startsWith(const Unit *s, qsizetype n, qsizetype i, const char *what)
{
    for (qsizetype k = 0; what[k]; ++k) {
        if (i + k >= n || s[i + k] != Unit(what[k]))
            return false;
    }
    return true;
}

/// The index just past the first `what` at or after i; n when there is none.
template <class Unit>
qsizetype after(const Unit *s, qsizetype n, qsizetype i, const char *what)
{
    qsizetype length = 0;
    while (what[length])
        ++length;
    for (; i + length <= n; ++i) {
        if (startsWith(s, n, i, what))
            return i + length;
    }
    return n;
}

/// The index of the '>' that ends the markup starting at i (quoted text passed over, and, in a
/// document type declaration, its bracketed internal subset); n when there is none.
template <class Unit>
qsizetype markupEnd(const Unit *s, qsizetype n, qsizetype i)
{
    Unit quote = 0;
    int brackets = 0;
    for (qsizetype j = i + 1; j < n; ++j) {
        const Unit c = s[j];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == Unit('"') || c == Unit('\'')) {
            quote = c;
        } else if (c == Unit('[')) {
            ++brackets;
        } else if (c == Unit(']')) {
            --brackets;
        } else if (c == Unit('>') && brackets <= 0) {
            return j;
        }
    }
    return n;
}

template <class Unit>
bool nestingWithin(const Unit *s, qsizetype n, int maxDepth)
{
    int depth = 0;
    qsizetype i = 0;
    while (i < n) {
        if (s[i] != Unit('<')) {
            ++i;
        } else if (startsWith(s, n, i, "<!--")) {
            i = after(s, n, i + 4, "-->");
        } else if (startsWith(s, n, i, "<![CDATA[")) {
            i = after(s, n, i + 9, "]]>");
        } else if (startsWith(s, n, i, "<?")) {
            i = after(s, n, i + 2, "?>");
        } else if (startsWith(s, n, i, "<!")) {
            i = markupEnd(s, n, i) + 1;
        } else if (startsWith(s, n, i, "</")) {
            --depth;
            i = markupEnd(s, n, i) + 1;
        } else {
            const qsizetype end = markupEnd(s, n, i);
            if (end >= n || s[end - 1] != Unit('/')) {
                if (++depth > maxDepth)
                    return false;
            }
            i = end + 1;
        }
    }
    return true;
}

} // namespace

bool XmlDepth::within(const QByteArray &xml, int maxDepth)
{
    const auto *bytes = reinterpret_cast<const uchar *>(xml.constData());
    const qsizetype n = xml.size();
    QTextCodec *wide = QTextCodec::codecForUtfText(xml, nullptr);
    if (!wide && n >= 4) {
        // No byte order mark: a '<' spelled in UTF-32 or UTF-16 gives the encoding away.
        if (bytes[0] == '<' && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0)
            wide = QTextCodec::codecForName("UTF-32LE");
        else if (bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == '<')
            wide = QTextCodec::codecForName("UTF-32BE");
        else if (bytes[0] == '<' && bytes[1] == 0)
            wide = QTextCodec::codecForName("UTF-16LE");
        else if (bytes[0] == 0 && bytes[1] == '<')
            wide = QTextCodec::codecForName("UTF-16BE");
    }
    if (wide && wide->mibEnum() != 106) { // 106: UTF-8, which keeps ASCII as it is
        const QString text = wide->toUnicode(xml);
        return nestingWithin(text.utf16(), text.size(), maxDepth);
    }
    return nestingWithin(bytes, n, maxDepth);
}
