#include "melody/MelodyRender.h"

#include "melody/MelodyRules.h"
#include "synth/Modmod.h"
#include "synth/Sample16.h"
#include "synth/ShapePhase.h"
#include "synth/WaveShapes.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace {

// Loudest sample of a normalised melody: a little below full scale.
constexpr double kPeakSample = 32760.0;
// Running peak a mix starts from, so that a silent melody stays silent.
constexpr float kPeakFloor = 0.01f;

qint64 nearest(float x)
{
    return qint64(std::round(x));
}

// mix[s + k] += g(k)·v[k] for k in [from, to), g(k) = base + (k − origin)·slope, keeping the
// peak. Written out so the compiler can vectorise it.
void addRamp(float *mix, qint64 mixLength, qint64 s, const float *v, qint64 from, qint64 to,
             float base, float origin, float slope, float *peak)
{
    to = std::min(to, mixLength - s);
    float m = *peak;
    for (qint64 k = from; k < to; ++k) {
        float &out = mix[s + k];
        out += (base + (float(k) - origin) * slope) * v[k];
        m = std::max(m, std::fabs(out));
    }
    *peak = m;
}

// The first sample index not below x (x ≥ 0), as the stage loops `while (k < x)` stop.
qint64 firstAtOrAbove(float x, qint64 n)
{
    if (!(x > 0.0f))
        return 0;
    const float c = std::ceil(x);
    return c >= float(n) ? n : qint64(c);
}

} // namespace

float MelodyRender::samplesPerBeat() const
{
    return 60.0f / tempo * float(fEch);
}

qint64 MelodyRender::mixLength() const
{
    const float x = 60.0f / tempo * duree * float(fEch);
    return x > 0.0f ? qint64(std::ceil(x)) : 0;
}

qint64 MelodyRender::writtenLength() const
{
    const float x = 60.0f / tempo * duree * float(fEch);
    return x > 0.0f ? std::min(nearest(x), mixLength()) : 0;
}

qint64 MelodyRender::noteLength(float dur) const
{
    const float n = dur * samplesPerBeat();
    return n > 0.0f ? nearest(n) : 0;
}

float MelodyRender::frequency(const Note &note) const
{
    return freqRef * std::pow(2.0f, float(note.oct) + note.cents / 1200.0f);
}

void MelodyRender::synthNote(const Note &note, float *buf, qint64 n) const
{
    const float f = frequency(note);
    const float a = note.ampl;
    if (forme == WaveShape::Sine) {
        const float w = float(2.0 * M_PI * double(f) / double(fEch));
        for (qint64 i = 0; i < n; ++i)
            buf[i] = a * std::sin(float(i) * w);
    } else if (isPeriodicShape(forme)) {
        ShapePhase phase(f, float(fEch));
        for (qint64 i = 0; i < n; ++i)
            buf[i] = a * unitShape(forme, phase.nextFraction());
    } else if (forme == WaveShape::Modal && modele) {
        modele->normalise(float(std::sqrt(2.0 * M_PI * double(f))));
        // The impulse, and so the note, grows roughly as a: fEch / 0 leaves the bank silent.
        modele->initialiseImp(float(fEch) / a);
        modele->oscils(f, fEch);
        constexpr qint64 kBlock = 1 << 16;
        for (qint64 i = 0; i < n; i += kBlock)
            modele->actualiseBloc(buf + i, int(std::min(kBlock, n - i)));
    } else {
        std::fill(buf, buf + n, 0.0f);
    }
}

void MelodyRender::addEnveloped(float *mix, qint64 mixLength, qint64 s, const float *v, qint64 n,
                                const QVector<Point> &points, float *peak)
{
    if (s >= mixLength || n <= 0)
        return;
    const float nf = float(n);
    if (points.isEmpty()) {
        addRamp(mix, mixLength, s, v, 0, n, 1.0f, 0.0f, 0.0f, peak);
        return;
    }
    qint64 k = 0;
    const Point &first = points.first();
    if (first.time > 0.0f) {
        const float e = nf * first.time;
        const qint64 end = firstAtOrAbove(e, n);
        addRamp(mix, mixLength, s, v, k, end, 0.0f, 0.0f, first.ampl / e, peak);
        k = std::max(k, end);
    }
    for (int j = 0; j + 1 < points.size(); ++j) {
        const Point &p = points[j];
        const Point &q = points[j + 1];
        const qint64 end = firstAtOrAbove(nf * q.time, n);
        if (end <= k)
            continue;
        const float slope = (q.ampl - p.ampl) / ((q.time - p.time) * nf);
        addRamp(mix, mixLength, s, v, k, end, p.ampl, nf * p.time, slope, peak);
        k = end;
    }
    const Point &last = points.last();
    if (last.time < 1.0f && k < n) {
        const float slope = last.ampl / ((last.time - 1.0f) * nf);
        addRamp(mix, mixLength, s, v, k, n, last.ampl, nf * last.time, slope, peak);
    }
}

MelodyRender::Outcome MelodyRender::render(std::unique_ptr<qint16[]> *tampon, qint64 *nbEch,
                                           qint64 *nbEchMix, const Progress &progress) const
{
    const qint64 total = mixLength();
    const float c = samplesPerBeat();
    qint64 work = 0;
    for (const Note &note : notes)
        work += noteLength(note.dur);

    try {
        std::vector<float> mix(size_t(total), 0.0f);
        std::vector<float> buffer;
        float peak = kPeakFloor;
        qint64 done = 0;
        for (const Note &note : notes) {
            const qint64 n = noteLength(note.dur);
            buffer.resize(size_t(n));
            synthNote(note, buffer.data(), n);
            const float start = note.date * c;
            addEnveloped(mix.data(), total, start > 0.0f ? nearest(start) : 0, buffer.data(), n,
                         enveloppe, &peak);
            done += n;
            if (progress && !progress(done, work))
                return Outcome::Cancelled;
        }
        buffer = std::vector<float>();

        std::unique_ptr<qint16[]> samples(new qint16[size_t(std::max<qint64>(total, 1))]);
        const double m = double(peak);
        for (qint64 k = 0; k < total; ++k)
            samples[k] = toSample16(double(mix[size_t(k)]) * kPeakSample / m);
        *tampon = std::move(samples);
        *nbEch = total;
        *nbEchMix = writtenLength();
        return Outcome::Done;
    } catch (const std::bad_alloc &) {
        return Outcome::OutOfMemory;
    } catch (const std::length_error &) {
        return Outcome::OutOfMemory;
    }
}
