// The model editor's "Créer" for a 100-mode bar, the table filled, and the loop a "synthèse" tone
// plays for a 100-mode model of the editor, 120 s at 48000 Hz, as a multiple of real time.

#include "Figures.h"

#include "modal/DampingLaw.h"
#include "modal/MMod_Dom.h"
#include "modal/ModelDocument.h"
#include "modal/PhysicalModel.h"
#include "synth/Generator.h"
#include "synth/Modmod.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

namespace {

constexpr float kDuration = 120.0f;
constexpr int kRate = 48000;
constexpr float kFundamental = 110.0f; // the 100th harmonic, 11 kHz, still sounds

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_modal";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    // The damping law writes one debug line per mode and synthesis.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return app;
}

void BM_CreateBar100(benchmark::State &state)
{
    application();
    MMod_Dom editor(nullptr);
    editor.show();
    editor.findChild<QComboBox *>(QStringLiteral("structureCombo"))->setCurrentIndex(PhysicalModel::BarFreeFree);
    editor.findChild<QLineEdit *>(QStringLiteral("modesEdit"))->setText(QStringLiteral("100"));
    editor.findChild<QLineEdit *>(QStringLiteral("hysteresisEdit"))->setText(QStringLiteral("0.05"));
    auto *create = editor.findChild<QPushButton *>(QStringLiteral("creerButton"));
    auto *table = editor.findChild<QTableWidget *>(QStringLiteral("table"));
    for (auto _ : state) {
        create->click();
        if (table->rowCount() != 100 || !table->item(99, 2) || editor.document()->nbmod() != 100) {
            state.SkipWithError("the table was not filled");
            return;
        }
    }
}
BENCHMARK(BM_CreateBar100)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The generation alone, without the table.
void BM_PhysicalModelBar100(benchmark::State &state)
{
    for (auto _ : state) {
        const PhysicalModel model(PhysicalModel::BarFreeFree, QStringLiteral("100"), QStringLiteral("0.3"),
                                  DampingLaw(0, 0.05f, 0));
        benchmark::DoNotOptimize(model.modes().constData());
    }
}
BENCHMARK(BM_PhysicalModelBar100)->Unit(benchmark::kMicrosecond);

/// A 100-mode plucked string as the editor selects it with "Coeff. Amort" checked.
std::unique_ptr<Modmod> string100()
{
    const DampingLaw law(0.8f, 0.002f, 0.0f);
    const PhysicalModel model(PhysicalModel::StringFixedFixed, QStringLiteral("100"), QStringLiteral("0.12"),
                              DampingLaw(0.8f, 0.002f * kFundamental, 0.0f));
    ModelDocument document;
    for (int r = 0; r < model.modes().size(); ++r) {
        document.setValue(r, ModelDocument::Frequency, Mode::text(model.modes()[r].freq));
        document.setValue(r, ModelDocument::Damping, Mode::text(model.modes()[r].amort));
        document.setValue(r, ModelDocument::Weight, Mode::text(model.modes()[r].poids));
    }
    return std::unique_ptr<Modmod>(document.createModmod(&law));
}

void BM_SynthesisLoop100Modes120s(benchmark::State &state)
{
    application();
    auto bank = string100();
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Generator generator(nullptr, kFundamental, kRate, kDuration, 1.0f, bank.get());
        seconds = timer.nsecsElapsed() * 1e-9;
        if (generator.loopBytes() != 2 * int(kDuration * kRate) || bank->nbActif != 100) {
            state.SkipWithError("the loop is not 120 s long with every mode sounding");
            return;
        }
        benchmark::DoNotOptimize(generator.tampon.get());
    }
    state.counters["realtime"] = kDuration / seconds;
}
BENCHMARK(BM_SynthesisLoop100Modes120s)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

ZIB_FIGURE("Créer: 100-mode free-free bar, table filled", "BM_CreateBar100/min_time:1.000", "ms");
ZIB_FIGURE("100-mode bar generated, without the table", "BM_PhysicalModelBar100", "us");
ZIB_FIGURE("synthèse loop 120 s at 48000 Hz, 100-mode string from the editor (median of 7)",
           "BM_SynthesisLoop100Modes120s/iterations:1/repeats:7_median", "x real time", "realtime");
