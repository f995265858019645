// The interval list dialog: from a 1200-interval ".int" file to its tree shown, as "Ouvrir" does it
// (read, parse, sort and count, build the tree model, lay out and paint the dialog); and from a
// 1200-pitch Scala scale to its tree shown, as "Importer…" does it.

#include "Figures.h"

#include "app/MainWindow.h"
#include "intervals/IntervDlg.h"
#include "intervals/IntervalListFile.h"
#include "intervals/ScalaFile.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTreeView>

#include <cmath>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char nom[] = "bench_intervals";
    static char *argv[] = {nom, nullptr};
    static QApplication app(argc, argv);
    return app;
}

class QuietMainWindow : public MainWindow
{
public:
    float frequency1() const override { return 440; }
    void setFrequency1(double) override {}
    float decimalRatio() const override { return 1; }
    float duration() const override { return 1; }
    int waveform() const override { return 0; }
    int freqEch() const override { return 44100; }
    Modmod *modele() const override { return nullptr; }
    void setModele(Modmod *) override {}
    void deg2interv(const ListInterv &, int) override {}
    const ListInterv *intervalList() const override { return nullptr; }
    void openMelodyEditor(QWidget *, const ListInterv &) override {}
};

} // namespace

static void BM_Load1200IntervalsAndShowTree(benchmark::State &state)
{
    application();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTemporaryDir dir;
    IntervalListFile::Contents contents;
    contents.title = QStringLiteral("1200");
    for (int k = 0; k < 1200; ++k) {
        Interval i;
        i.cent = k * 1.0417f;
        i.frac = std::pow(2.0f, i.cent / 1200);
        i.desc = QStringLiteral("Intervalle %1").arg(k);
        contents.intervals << i;
    }
    const QString path = dir.filePath(QStringLiteral("l.int"));
    QString error;
    if (!IntervalListFile::write(path, contents, &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    QuietMainWindow main;
    IntervDlg d(&main);
    d.show();
    d.treeView()->expandAll();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        d.loadDom(path);
        d.repaint();
        d.treeView()->viewport()->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Load1200IntervalsAndShowTree)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

ZIB_FIGURE("load a 1200-interval list file and show its tree (median of 10)",
           "BM_Load1200IntervalsAndShowTree/repeats:10_median", "ms");

// A scale of 1200 pitches, a cent apart, half of them written as cents and half as ratios near
// them, in no order, each with a description.
static void BM_Import1200PitchScalaAndShowTree(benchmark::State &state)
{
    application();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTemporaryDir dir;
    QByteArray text = "! cents.scl\n!\n1200 pitches\n 1200\n!\n";
    for (int k = 1200; k >= 1; --k) {
        if (k % 2)
            text += " " + QByteArray::number(k, 'f', 5) + " degree " + QByteArray::number(k) + "\n";
        else
            text += " " + QByteArray::number(qint64(std::llround(std::exp2(k / 1200.0) * 100000))) + "/100000 degree " +
                    QByteArray::number(k) + "\n";
    }
    const QString path = dir.filePath(QStringLiteral("cents.scl"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("cannot write the scale");
        return;
    }
    file.close();
    QuietMainWindow main;
    IntervDlg d(&main);
    d.show();
    d.treeView()->expandAll();
    QCoreApplication::processEvents();
    if (!d.importScale(path) || d.liste().liste.size() != 1201) {
        state.SkipWithError("the scale was not imported");
        return;
    }
    for (auto _ : state) {
        d.importScale(path);
        d.repaint();
        d.treeView()->viewport()->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Import1200PitchScalaAndShowTree)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

ZIB_FIGURE("import a 1200-pitch Scala file and show its tree (median of 10)",
           "BM_Import1200PitchScalaAndShowTree/repeats:10_median", "ms");
