#include "intervals/TemperamentChart.h"

#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

// Two degrees this near (cents) are one.
constexpr double kSameDegree = 0.0005;

QString field(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

const std::array<TemperamentChart::PureInterval, TemperamentChart::kPureCount> TemperamentChart::kPure = {{
    {3, 2, QT_TRANSLATE_NOOP("TemperamentChart", "Quinte 3/2")},
    {4, 3, QT_TRANSLATE_NOOP("TemperamentChart", "Quarte 4/3")},
    {5, 4, QT_TRANSLATE_NOOP("TemperamentChart", "Tierce majeure 5/4")},
    {6, 5, QT_TRANSLATE_NOOP("TemperamentChart", "Tierce mineure 6/5")},
    {5, 3, QT_TRANSLATE_NOOP("TemperamentChart", "Sixte majeure 5/3")},
    {8, 5, QT_TRANSLATE_NOOP("TemperamentChart", "Sixte mineure 8/5")},
}};

double TemperamentChart::pureCents(int p, int q)
{
    return 1200.0 * std::log2(double(p) / double(q));
}

double TemperamentChart::beatRate(double f, double ratio, int p, int q)
{
    return std::fabs(q * f * ratio - p * f);
}

double TemperamentChart::farness(double deviation)
{
    return std::min(1.0, std::fabs(deviation) / kFarCents);
}

QString TemperamentChart::twoDecimals(double value)
{
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QString TemperamentChart::pureName(int k)
{
    return tr(kPure.at(k).name);
}

TemperamentChart TemperamentChart::compute(const QList<Interval> &liste, double frequency1)
{
    TemperamentChart chart;
    chart.frequency1 = frequency1;

    QVector<std::pair<double, int>> folded;
    folded.reserve(liste.size());
    for (int k = 0; k < liste.size(); ++k) {
        double c = std::fmod(double(liste.at(k).cent), 1200.0);
        if (c < 0)
            c += 1200;
        if (c > 1200 - kSameDegree)
            c = 0;
        folded.append({c, k});
    }
    std::stable_sort(folded.begin(), folded.end(),
                     [](const std::pair<double, int> &a, const std::pair<double, int> &b) { return a.first < b.first; });
    for (const auto &[cents, k] : folded) {
        if (!chart.rows.isEmpty() && cents - chart.rows.last().cents < kSameDegree)
            continue;
        Row row;
        row.desc = liste.at(k).desc;
        row.cents = cents;
        row.frequency = frequency1 * std::exp2(cents / 1200.0);
        chart.rows.append(row);
    }

    const int n = chart.rows.size();
    for (int a = 0; a < n; ++a) {
        Row &row = chart.rows[a];
        // The sizes from this degree to the others, k = 0 … n − 1 degrees up, ascend.
        const auto size = [&](int k) {
            const double d = chart.rows.at((a + k) % n).cents - row.cents;
            return d < 0 ? d + 1200 : d;
        };
        for (int j = 0; j < kPureCount; ++j) {
            const double pure = pureCents(kPure[j].p, kPure[j].q);
            int lo = 0;
            int hi = n;
            while (lo < hi) {
                const int mid = (lo + hi) / 2;
                if (size(mid) < pure)
                    lo = mid + 1;
                else
                    hi = mid;
            }
            // lo is the first size at or above the pure one; the one below may be nearer. Of two
            // as near, the smaller.
            int k = lo;
            if (k == n || (k > 0 && pure - size(k - 1) <= size(k) - pure))
                k -= 1;
            Cell &cell = row.cells[j];
            cell.upper = (a + k) % n;
            cell.size = size(k);
            cell.deviation = cell.size - pure;
            cell.beats = beatRate(row.frequency, std::exp2(cell.size / 1200.0), kPure[j].p, kPure[j].q);
        }
    }
    return chart;
}

QString TemperamentChart::toDelimited(QChar separator) const
{
    QStringList heading = {tr("Degré"), tr("Cents"), tr("Fréquence (Hz)")};
    for (int j = 0; j < kPureCount; ++j) {
        heading << tr("%1 : degré").arg(pureName(j)) << tr("%1 : écart (c)").arg(pureName(j))
                << tr("%1 : battements (Hz)").arg(pureName(j));
    }
    QStringList lines;
    QStringList fields;
    for (const QString &h : heading)
        fields << field(h, separator);
    lines << fields.join(separator);
    for (const Row &row : rows) {
        fields = QStringList{field(row.desc, separator), QString::number(row.cents, 'f', 3),
                             QString::number(row.frequency, 'f', 3)};
        for (const Cell &cell : row.cells) {
            fields << field(rows.at(cell.upper).desc, separator) << twoDecimals(cell.deviation)
                   << twoDecimals(cell.beats);
        }
        lines << fields.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool TemperamentChart::writeCsv(const QString &path, QString *error) const
{
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + toDelimited(QLatin1Char(',')).toUtf8();
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
