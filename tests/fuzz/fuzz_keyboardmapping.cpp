// The ".kbm" reader on arbitrary bytes, and what the interval list dialog does with a mapping
// read: the frequency of degree 0 for a few scales, and the keys of the whole MIDI range. A
// mapping read is then written and read back: every field comes back, the frequency to six
// significant digits, and a second round writes the same bytes.

#include "FuzzCheck.h"

#include "intervals/KeyboardMapping.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

QList<Interval> equalDivisions(int n)
{
    QList<Interval> pitches;
    for (int k = 1; k <= n; ++k)
        pitches << Interval{float(1200.0 * k / n), float(std::exp2(double(k) / n)), QString()};
    return pitches;
}

void useTheMapping(const KeyboardMapping &m)
{
    FUZZ_CHECK(m.mapSize >= 0 && m.mapSize <= KeyboardMapping::kMaxMapSize);
    FUZZ_CHECK(m.mapping.size() <= m.mapSize);
    FUZZ_CHECK(m.referenceFrequency > 0 && m.referenceFrequency <= KeyboardMapping::kMaxFrequency);
    for (int degree : m.mapping)
        FUZZ_CHECK(degree >= -1 && degree <= KeyboardMapping::kMaxDegree);

    for (const QList<Interval> &pitches : {QList<Interval>(), equalDivisions(1), equalDivisions(12)}) {
        double hz = 0;
        QString why;
        // Far keys of far degrees may overflow to infinity, which the dialog's range refuses.
        if (m.degreeZeroFrequency(pitches, &hz, &why))
            FUZZ_CHECK(!std::isnan(hz) && hz >= 0);
        else
            FUZZ_CHECK(!why.isEmpty());
    }
    const QList<Interval> twelve = equalDivisions(12);
    for (int note = 0; note < 128; note += 7) {
        double cents = 0;
        QString why;
        if (m.centsOfKey(note, twelve, &cents, &why))
            FUZZ_CHECK(std::isfinite(cents));
        else
            FUZZ_CHECK(!why.isEmpty());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zibfuzz::quietQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const KeyboardMapping::ReadResult read = KeyboardMapping::parse(bytes);
    if (!read.ok) {
        FUZZ_CHECK(!read.error.isEmpty());
        return 0;
    }
    const KeyboardMapping &m = read.mapping;
    useTheMapping(m);

    const QByteArray written = m.serialise(QStringLiteral("clavier.kbm"));
    const KeyboardMapping::ReadResult again = KeyboardMapping::parse(written);
    FUZZ_CHECK(again.ok);
    const KeyboardMapping &n = again.mapping;
    FUZZ_CHECK(n.mapSize == m.mapSize && n.firstNote == m.firstNote && n.lastNote == m.lastNote);
    FUZZ_CHECK(n.middleNote == m.middleNote && n.referenceNote == m.referenceNote);
    FUZZ_CHECK(n.octaveDegree == m.octaveDegree && n.mapping == m.mapping);
    FUZZ_CHECK(std::fabs(n.referenceFrequency - m.referenceFrequency) <= 1e-6 * m.referenceFrequency);
    FUZZ_CHECK(n.serialise(QStringLiteral("clavier.kbm")) == written);
    return 0;
}
