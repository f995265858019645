// The nesting check the XML readers make before Qt's parser, which recurses once per level: what
// counts as a level, what is passed over, and the encodings it reads.

#include "app/XmlDepth.h"

#include <QtTest>

#include <QTextCodec>

namespace {

QByteArray nested(int depth, const QByteArray &inside = QByteArray())
{
    return QByteArray("<a>").repeated(depth) + inside + QByteArray("</a>").repeated(depth);
}

QByteArray encoded(const QByteArray &utf8, const char *codec)
{
    return QTextCodec::codecForName(codec)->fromUnicode(QString::fromUtf8(utf8));
}

} // namespace

class TestXmlDepth : public QObject
{
    Q_OBJECT

private slots:
    void depth_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("deepest"); // the deepest level, as the check must see it

        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("a model") << QByteArray("<?xml version=\"1.0\"?><modele><entete titre=\"t\"><desc>d</desc></entete>"
                                               "<modes nbmod=\"1\"><partiel freq=\"1\"/></modes></modele>")
                                 << 3;
        QTest::newRow("empty elements add nothing") << nested(5, QByteArray("<b/>").repeated(100) + "<c x='1' />") << 5;
        QTest::newRow("siblings do not add up") << QByteArray("<r>") + QByteArray("<a><b/></a>").repeated(1000) + "</r>"
                                                << 2;
        QTest::newRow("comments") << nested(2, "<!-- <a><a><a> -- -->") << 2;
        QTest::newRow("CDATA") << nested(2, "<![CDATA[<a><a><a>]]>") << 2;
        QTest::newRow("processing instruction") << nested(2, "<?pi <a><a>?>") << 2;
        QTest::newRow("quoted '>' and '/>'") << QByteArray("<a t=\"x/>y\"><a u='>'><a v=\"<a>\">z</a></a></a>") << 3;
        QTest::newRow("doctype with an internal subset")
            << QByteArray("<!DOCTYPE a [<!ENTITY e \"<a><a>]>\"><!ELEMENT a ANY>]>") + nested(2) << 2;
        QTest::newRow("deep") << nested(50000) << 50000;
        QTest::newRow("deep, never closed") << QByteArray("<a>").repeated(300) << 300;
        QTest::newRow("deep in UTF-16 with its mark") << encoded("\xEF\xBB\xBF" + nested(300), "UTF-16LE") << 300;
        QTest::newRow("deep in UTF-16BE without a mark") << encoded(nested(300), "UTF-16BE") << 300;
        QTest::newRow("deep in UTF-32 without a mark") << encoded(nested(300), "UTF-32LE") << 300;
        QTest::newRow("deep in UTF-8 with its mark") << "\xEF\xBB\xBF" + nested(300) << 300;
    }

    void depth()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, deepest);
        QVERIFY(XmlDepth::within(xml, deepest));
        if (deepest > 0)
            QVERIFY(!XmlDepth::within(xml, deepest - 1));
        QCOMPARE(XmlDepth::within(xml), deepest <= XmlDepth::kMaxDepth);
    }
};

QTEST_APPLESS_MAIN(TestXmlDepth)
#include "tst_xmldepth.moc"
