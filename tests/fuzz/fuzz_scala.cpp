// The ".scl" reader on arbitrary bytes, and what the interval list dialog does with a scale
// read: its temperament chart at a Frequency 1. A scale read is then exported and read back: the
// same number of pitches, each within the export's tolerance of its size, and (for sizes a float
// holds to a thousandth of a cent) a second export writes the same bytes.

#include "FuzzCheck.h"

#include "intervals/ScalaFile.h"
#include "intervals/TemperamentChart.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

/// Below this many cents a float keeps a size to half a thousandth of a cent, so that a value the
/// export writes reads back to within its tolerance of the float it came from.
constexpr double kExactCents = 16000;

/// The chart is quadratic in the degrees: a few hundred tell as much as ten thousand.
constexpr int kChartDegrees = 300;

const QString kFileName = QStringLiteral("gamme.scl");

void useTheScale(const ScalaFile::Scale &scale)
{
    FUZZ_CHECK(!scale.intervals.isEmpty());
    FUZZ_CHECK(scale.intervals.first().cent == 0 && scale.intervals.first().frac == 1);
    FUZZ_CHECK(scale.intervals.size() - 1 <= ScalaFile::kMaxPitches);
    for (const Interval &i : scale.intervals) {
        FUZZ_CHECK(std::isfinite(i.cent) && std::fabs(i.cent) <= ScalaFile::kMaxCents + 1);
        FUZZ_CHECK(std::isfinite(i.frac) && i.frac > 0);
    }
    if (scale.intervals.size() <= kChartDegrees) {
        const TemperamentChart chart = TemperamentChart::compute(scale.intervals, 261.63);
        FUZZ_CHECK(!chart.toDelimited(QLatin1Char(';')).isEmpty());
    }
}

bool holdsExactly(const QList<Interval> &intervals)
{
    for (const Interval &i : intervals)
        if (std::fabs(i.cent) >= kExactCents)
            return false;
    return true;
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
    const ScalaFile::ReadResult read = ScalaFile::parse(bytes);
    if (!read.ok) {
        FUZZ_CHECK(!read.error.isEmpty());
        return 0;
    }
    const ScalaFile::Scale &scale = read.scale;
    useTheScale(scale);

    const QByteArray written = ScalaFile::serialise(kFileName, scale.description, QString(), scale.intervals);
    const ScalaFile::ReadResult again = ScalaFile::parse(written);
    FUZZ_CHECK(again.ok);
    // The export leaves out the unison the scale implies, which comes back as the first interval.
    const QList<Interval> exported = ScalaFile::pitches(scale.intervals);
    FUZZ_CHECK(again.scale.intervals.size() == exported.size() + 1);
    for (int k = 0; k < exported.size(); ++k) {
        const double before = exported[k].cent;
        const double after = again.scale.intervals[k + 1].cent;
        FUZZ_CHECK(std::fabs(after - before) <= ScalaFile::kExportTolerance + 1e-6 * std::fabs(before) + 1e-6);
    }
    if (holdsExactly(scale.intervals))
        FUZZ_CHECK(ScalaFile::serialise(kFileName, again.scale.description, QString(), again.scale.intervals) == written);
    return 0;
}
