// The check the sound-file player makes before QSound: what it lets through (the program's own
// files, other PCM files QSound plays), what it refuses and why, and that a header lying about
// its sizes sends it nowhere outside the file.

#include "synth/SyntheseSave.h"
#include "synth/WavHeader.h"

#include <QtTest>

#include <QBuffer>
#include <QtEndian>

namespace {

QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}

QByteArray le32(qint64 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(quint32(v), b.data());
    return b;
}

QByteArray chunk(const char *tag, const QByteArray &body)
{
    return QByteArray(tag, 4) + le32(body.size()) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray fmt(int tag, int channels, int rate, int bits, int blockAlign = -1)
{
    const int block = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    return chunk("fmt ", le16(tag) + le16(channels) + le32(rate) + le32(qint64(rate) * block) + le16(block) + le16(bits));
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

WavHeader check(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return WavHeader::read(&buffer);
}

} // namespace

class TestWavHeader : public QObject
{
    Q_OBJECT

private slots:
    void cases_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("dataBytes");

        const QByteArray pcm(200, '\x11');
        QTest::newRow("mono 16-bit") << riff(fmt(1, 1, 44100, 16) + chunk("data", pcm)) << int(WavHeader::None) << 200;
        QTest::newRow("stereo 8-bit at 8000") << riff(fmt(1, 2, 8000, 8) + chunk("data", pcm)) << int(WavHeader::None) << 200;
        QTest::newRow("chunks before fmt, odd sizes padded")
            << riff(chunk("junk", "abc") + chunk("LIST", "INFOx") + fmt(1, 1, 22050, 16) + chunk("data", pcm))
            << int(WavHeader::None) << 200;
        QTest::newRow("fmt of 18 bytes") << riff(chunk("fmt ", fmt(1, 1, 44100, 16).mid(8) + le16(0)) + chunk("data", pcm))
                                         << int(WavHeader::None) << 200;
        QTest::newRow("data cut by the end of the file")
            << riff(fmt(1, 1, 44100, 16)) + "data" + le32(100000) + pcm << int(WavHeader::None) << 200;
        QTest::newRow("one frame") << riff(fmt(1, 2, 44100, 16) + chunk("data", QByteArray(4, '\0'))) << int(WavHeader::None) << 4;

        QTest::newRow("empty") << QByteArray() << int(WavHeader::NotRiffWave) << 0;
        QTest::newRow("text") << QByteArray("not a sound at all\n") << int(WavHeader::NotRiffWave) << 0;
        QTest::newRow("RIFF AVI") << QByteArray("RIFF\x10\0\0\0AVI LIST", 16) << int(WavHeader::NotRiffWave) << 0;
        QTest::newRow("big-endian RIFX") << QByteArray("RIFX") + le32(4) + "WAVE" << int(WavHeader::NotRiffWave) << 0;
        QTest::newRow("header only") << riff(QByteArray()) << int(WavHeader::NoFormat) << 0;
        QTest::newRow("data before fmt") << riff(chunk("data", pcm) + fmt(1, 1, 44100, 16)) << int(WavHeader::NoFormat) << 0;
        QTest::newRow("fmt too short") << riff(chunk("fmt ", le16(1) + le16(1) + le32(44100)) + chunk("data", pcm))
                                       << int(WavHeader::NoFormat) << 0;
        QTest::newRow("fmt cut by the end") << riff(fmt(1, 1, 44100, 16)).left(30) << int(WavHeader::NoFormat) << 0;
        QTest::newRow("floating point") << riff(fmt(3, 1, 44100, 32) + chunk("data", pcm)) << int(WavHeader::NotPcm) << 0;
        QTest::newRow("extensible") << riff(fmt(0xFFFE, 2, 44100, 16) + chunk("data", pcm)) << int(WavHeader::NotPcm) << 0;
        QTest::newRow("ADPCM") << riff(fmt(2, 1, 44100, 4) + chunk("data", pcm)) << int(WavHeader::NotPcm) << 0;
        QTest::newRow("24 bits") << riff(fmt(1, 1, 44100, 24) + chunk("data", pcm.left(198))) << int(WavHeader::None) << 198;
        QTest::newRow("32 bits stereo") << riff(fmt(1, 2, 96000, 32) + chunk("data", pcm)) << int(WavHeader::None) << 200;
        QTest::newRow("12 bits") << riff(fmt(1, 1, 44100, 12) + chunk("data", pcm)) << int(WavHeader::BadLayout) << 0;
        QTest::newRow("no channel") << riff(fmt(1, 0, 44100, 16) + chunk("data", pcm)) << int(WavHeader::BadLayout) << 0;
        QTest::newRow("9 channels") << riff(fmt(1, 9, 44100, 16) + chunk("data", pcm)) << int(WavHeader::BadLayout) << 0;
        QTest::newRow("rate 0") << riff(fmt(1, 1, 0, 16) + chunk("data", pcm)) << int(WavHeader::BadLayout) << 0;
        QTest::newRow("rate 4 GHz") << riff(fmt(1, 1, -1, 16) + chunk("data", pcm)) << int(WavHeader::BadLayout) << 0;
        QTest::newRow("frame size wrong") << riff(fmt(1, 2, 44100, 16, 2) + chunk("data", pcm)) << int(WavHeader::BadLayout) << 0;
        QTest::newRow("no data") << riff(fmt(1, 1, 44100, 16)) << int(WavHeader::NoData) << 0;
        QTest::newRow("empty data") << riff(fmt(1, 1, 44100, 16) + chunk("data", QByteArray())) << int(WavHeader::NoData) << 0;
        QTest::newRow("less than a frame") << riff(fmt(1, 2, 44100, 16) + chunk("data", "abc")) << int(WavHeader::NoData) << 0;
        QTest::newRow("a chunk of 4 GB before data")
            << riff(fmt(1, 1, 44100, 16)) + "LIST" + le32(0xFFFFFFFF) + chunk("data", pcm) << int(WavHeader::NoData) << 0;
        QByteArray many;
        for (int i = 0; i < WavHeader::kMaxChunks; ++i)
            many += chunk("pad ", QByteArray());
        QTest::newRow("data after too many chunks") << riff(fmt(1, 1, 44100, 16) + many + chunk("data", pcm))
                                                    << int(WavHeader::NoData) << 0;
    }

    void cases()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, problem);
        QFETCH(int, dataBytes);
        const WavHeader h = check(bytes);
        QCOMPARE(int(h.problem), problem);
        QCOMPARE(h.playable(), problem == WavHeader::None);
        if (h.playable()) {
            QCOMPARE(h.dataBytes, qint64(dataBytes));
            QCOMPARE(bytes.mid(int(h.dataOffset) - 8, 4), QByteArray("data"));
            QVERIFY(h.dataOffset + h.dataBytes <= bytes.size());
        }
    }

    // The main window's and the melody editor's files pass, with what they say of themselves.
    void programsOwnFiles_data()
    {
        QTest::addColumn<int>("rate");
        QTest::newRow("22050") << 22050;
        QTest::newRow("48000") << 48000;
    }
    void programsOwnFiles()
    {
        QFETCH(int, rate);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("la.wav"));
        QVERIFY(syntheseSave(440.f, 0.5f, 0, float(rate), &path));
        const WavHeader h = WavHeader::readFile(path);
        QVERIFY(h.playable());
        QCOMPARE(h.channels, 1);
        QCOMPARE(h.bitsPerSample, 16);
        QCOMPARE(h.sampleRate, rate);
        QCOMPARE(h.dataBytes, qint64(rate)); // half a second of 2-byte samples
        QCOMPARE(h.dataOffset + h.dataBytes, QFileInfo(path).size());

        QCOMPARE(int(WavHeader::readFile(dir.filePath(QStringLiteral("absent.wav"))).problem), int(WavHeader::NotRiffWave));
        QCOMPARE(int(WavHeader::readFile(dir.path()).problem), int(WavHeader::NotRiffWave));
    }
};

QTEST_APPLESS_MAIN(TestWavHeader)
#include "tst_wavheader.moc"
