#ifndef XMLDEPTH_H
#define XMLDEPTH_H

#include <QByteArray>

/// How deep the elements of an XML text nest, found without parsing it: Qt's XML parser (behind
/// QDomDocument) recurses once per level and overflows the stack near 50000 levels, so that a
/// file of a few hundred kilobytes of "<a><a><a>…" crashed the program. The readers of ".int",
/// ".par" and ".mel" files refuse a text whose nesting exceeds kMaxDepth before they parse it;
/// their own documents nest 4 levels deep.
class XmlDepth
{
public:
    static constexpr int kMaxDepth = 256;

    /// True when no element of xml lies deeper than maxDepth levels. The text is read as UTF-8 or
    /// any encoding that keeps ASCII as it is, or as UTF-16 or UTF-32 when it starts with their
    /// byte order mark or with a '<' spelled in them. Comments, CDATA sections, processing
    /// instructions, the document type declaration and quoted attribute values are passed over;
    /// an empty-element tag adds no level. Elements that internal entities would produce are not
    /// seen (Qt limits their expansion). Malformed text is the parser's business: only the
    /// nesting is judged.
    static bool within(const QByteArray &xml, int maxDepth = kMaxDepth);
};

#endif
