#ifndef TEMPERAMENTCHART_H
#define TEMPERAMENTCHART_H

#include "intervals/Interval.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVector>

#include <array>

/// How a tuning renders the pure intervals a temperament setter listens to: for every degree of
/// a list taken as the lower note and each of 3/2, 4/3, 5/4, 6/5, 5/3 and 8/5, the degree of the
/// list that comes nearest the pure interval above it (octave-reduced), how far from pure it is
/// and how fast it beats.
///
/// Two tones f and f·r near the pure ratio p/q beat where their coinciding partials, the p-th of
/// the lower and the q-th of the upper, meet: |q·f·r − p·f| times a second. A tuner counts them
/// to set a temperament by ear (for a fifth 3/2, the third partial of the lower note against the
/// second of the upper).
class TemperamentChart
{
    Q_DECLARE_TR_FUNCTIONS(TemperamentChart)

public:
    struct PureInterval
    {
        int p;
        int q;
        const char *name; ///< French, of the "TemperamentChart" context
    };
    static constexpr int kPureCount = 6;
    static const std::array<PureInterval, kPureCount> kPure;

    /// A deviation of this many cents or more is as far as the colours go (red).
    static constexpr double kFarCents = 25;

    struct Cell
    {
        int upper = 0;         ///< the row of the upper degree
        double size = 0;       ///< cents from the lower degree to the upper, in [0, 1200)
        double deviation = 0;  ///< size − the pure interval's cents
        double beats = 0;      ///< Hz
    };

    struct Row
    {
        QString desc;          ///< the description of the list's interval at this degree
        double cents = 0;      ///< the degree, octave-reduced into [0, 1200)
        double frequency = 0;  ///< Hz: Frequency 1 raised by cents
        std::array<Cell, kPureCount> cells;
    };

    /// The chart of a list at Frequency 1 = frequency1 Hz. Its degrees are the list's intervals
    /// folded into [0, 1200) cents, in ascending order; an interval that folds within 0.0005
    /// cents of one before it (the octave onto the unison) is the same degree, described by the
    /// first.
    static TemperamentChart compute(const QList<Interval> &liste, double frequency1);

    /// Cents of the pure ratio p/q.
    static double pureCents(int p, int q);
    /// Beats per second of f and f·ratio heard against the pure ratio p/q: |q·f·ratio − p·f|.
    static double beatRate(double f, double ratio, int p, int q);
    /// 0 for a pure interval up to 1 for kFarCents or more, in proportion to |deviation|.
    static double farness(double deviation);
    /// Two decimals, "0.00" rather than "-0.00".
    static QString twoDecimals(double value);

    /// The translated name of pure interval k ("Quinte 3/2").
    static QString pureName(int k);

    /// The chart as a table of text: a heading line, then a line per degree (degree, cents,
    /// frequency, then for each pure interval the upper degree, the deviation and the beats),
    /// fields split by separator ("\t" for copying, "," for CSV). A field holding the
    /// separator, a quotation mark or a line break is quoted, its quotation marks doubled.
    QString toDelimited(QChar separator) const;

    /// Writes toDelimited(',') as UTF-8 with a byte-order mark (so that spreadsheets read its
    /// accents), through a temporary file renamed over an existing one once whole. False with
    /// the system's reason in *error, the existing file as it was.
    bool writeCsv(const QString &path, QString *error) const;

    double frequency1 = 0;
    QVector<Row> rows;
};

#endif
