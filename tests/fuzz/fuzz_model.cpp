// The ".par" reader on arbitrary bytes, and what the model editor does with a model read: every
// mode written into its table row (a refused value replaced as the editor replaces it), the chart
// of the modes, the damping coefficients, "Selectionner" (a modal bank of the modes, with the
// law) and a short ring of that bank as a tone would start. A model read must then save and read
// back the same.

#include "FuzzCheck.h"

#include "modal/DampingLaw.h"
#include "modal/ModeChart.h"
#include "modal/ModelDocument.h"
#include "synth/Modmod.h"
#include "synth/Sample16.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

constexpr int kRingModes = 64;    // banks of at most this many modes are rung
constexpr int kRingSamples = 256;

void ring(Modmod *bank)
{
    bank->normalise(float(std::sqrt(2.0 * M_PI * 440.0)));
    bank->initialiseImp(44100.0f);
    bank->oscils(440.0f, 44100);
    FUZZ_CHECK(bank->nbActif >= 0 && bank->nbActif <= bank->nbMod);
    float out[kRingSamples];
    qint16 samples[kRingSamples];
    bank->actualiseBloc(out, kRingSamples);
    scaleToSamples16(out, kRingSamples, 25000.0f, samples);
    for (int k = 0; k < 16; ++k)
        bank->actualise(out + k);
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
    ModelDocument d;
    const ModelDocument::LoadResult result = d.parse(bytes);
    if (result != ModelDocument::Loaded) {
        FUZZ_CHECK(result == ModelDocument::NotParsed);
        // Left as it was: the empty model.
        FUZZ_CHECK(d.nbmod() == 0 && d.partielCount() == 0 && d.title().isEmpty());
        return 0;
    }
    const int n = d.nbmod();
    FUZZ_CHECK(n >= 0 && n <= ModelDocument::kMaxModes);

    // The editor's load: one table row per mode, each cell validated as typed.
    const int filled = std::min(n, d.partielCount());
    static const char *const attributes[3] = {"freq", "amort", "poids"};
    for (int i = 0; i < filled; ++i) {
        for (int c = 0; c < 3; ++c) {
            const QString text = d.partiel(i).attribute(QLatin1String(attributes[c]));
            if (!d.setValue(i, c, text))
                FUZZ_CHECK(d.setValue(i, c, ModelDocument::replacement(c)));
        }
    }
    FUZZ_CHECK(d.nbmod() == n);

    QVector<Mode> modes;
    for (int i = 0; i < n; ++i) {
        const Mode m = d.mode(i);
        if (i < filled) {
            FUZZ_CHECK(m.freq > 0 && std::isfinite(m.freq));
            FUZZ_CHECK(m.amort >= 0 && std::isfinite(m.amort));
            FUZZ_CHECK(std::isfinite(m.poids));
        }
        modes << m;
    }
    for (int i : ModeChart::drawn(modes)) {
        FUZZ_CHECK(i >= 0 && i < modes.size());
        ModeChart::foot(modes[i].freq);
        ModeChart::lineLength(modes[i].poids);
    }

    QString c0, c1, c2;
    const bool withLaw = d.coefficients(&c0, &c1, &c2);
    const DampingLaw law = DampingLaw::fromTexts(c0, c1, c2);
    std::unique_ptr<Modmod> bank(d.createModmod(withLaw ? &law : nullptr));
    FUZZ_CHECK(bank->nbMod == n);
    if (n <= kRingModes)
        ring(bank.get());

    // Saved as the editor saves it, and read back.
    d.setHeader(d.title(), d.author(), d.description());
    d.setCoefficients(withLaw, c0, c1, c2);
    const QByteArray saved = d.serialise();
    ModelDocument again;
    FUZZ_CHECK(again.parse(saved) == ModelDocument::Loaded);
    FUZZ_CHECK(again.nbmod() == n);
    FUZZ_CHECK(again.partielCount() == d.partielCount());
    FUZZ_CHECK(again.title() == d.title() && again.author() == d.author());
    FUZZ_CHECK(again.description() == d.description());
    for (int i = 0; i < filled; ++i) {
        FUZZ_CHECK(again.mode(i).freq == d.mode(i).freq);
        FUZZ_CHECK(again.mode(i).amort == d.mode(i).amort);
        FUZZ_CHECK(again.mode(i).poids == d.mode(i).poids);
    }
    QString a0, a1, a2;
    FUZZ_CHECK(again.coefficients(&a0, &a1, &a2) == withLaw);
    FUZZ_CHECK(!withLaw || (a0 == c0 && a1 == c1 && a2 == c2));
    return 0;
}
