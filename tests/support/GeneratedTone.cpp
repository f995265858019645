#include "tests/support/GeneratedTone.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace zibtest {

namespace {

const double kPi = 3.14159265358979323846;
const double kStiffness = 0.0004;

struct Partial
{
    int number;
    double frequency;
    double amplitude; // before scaling
};

std::vector<Partial> partials(GeneratedTone::Kind kind, double f)
{
    std::vector<Partial> p;
    switch (kind) {
    case GeneratedTone::Sine:
        p.push_back({1, f, 1.0});
        break;
    case GeneratedTone::Harmonic:
        for (int k = 1; k <= 5; ++k)
            p.push_back({k, k * f, 1.0 / k});
        break;
    case GeneratedTone::WeakFundamental:
        p.push_back({1, f, 0.02});
        Q_FALLTHROUGH();
    case GeneratedTone::MissingFundamental:
        for (int k = 2; k <= 6; ++k)
            p.push_back({k, k * f, 1.0 / k});
        break;
    case GeneratedTone::Inharmonic:
        for (int k = 1; k <= 8; ++k)
            p.push_back({k, k * f * std::sqrt(1.0 + kStiffness * k * k), 1.0 / k});
        break;
    }
    return p;
}

} // namespace

GeneratedTone generateTone(GeneratedTone::Kind kind, double f, int fech, int n, double snrDb, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> phase(0.0, 2.0 * kPi);
    std::vector<Partial> p = partials(kind, f);
    std::vector<double> phases;
    for (std::size_t k = 0; k < p.size(); ++k)
        phases.push_back(phase(generator));

    std::vector<double> ideal(std::size_t(n), 0.0);
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (p[k].frequency >= fech / 2.0)
            continue;
        const double w = 2.0 * kPi * p[k].frequency / fech;
        for (int i = 0; i < n; ++i)
            ideal[std::size_t(i)] += p[k].amplitude * std::sin(w * i + phases[k]);
    }
    double peak = 0;
    for (double v : ideal)
        peak = std::max(peak, std::fabs(v));
    const double scale = peak > 0 ? 16384.0 / peak : 0.0;
    double power = 0;
    for (double &v : ideal) {
        v *= scale;
        power += v * v;
    }
    power /= n;

    GeneratedTone tone;
    tone.frequency = kind == GeneratedTone::Inharmonic ? f * std::sqrt(1.0 + kStiffness) : f;
    tone.samples.resize(std::size_t(n));
    const bool noisy = std::isfinite(snrDb);
    std::normal_distribution<double> noise(0.0, noisy ? std::sqrt(power / std::pow(10.0, snrDb / 10.0)) : 1.0);
    double error = 0;
    for (int i = 0; i < n; ++i) {
        double v = ideal[std::size_t(i)] + (noisy ? noise(generator) : 0.0);
        v = std::max(-32768.0, std::min(32767.0, v));
        const qint16 s = qint16(v);
        tone.samples[std::size_t(i)] = s;
        error += (s - ideal[std::size_t(i)]) * (s - ideal[std::size_t(i)]);
    }
    tone.noisePower = error / n;

    double weight = 0;
    for (const Partial &q : p)
        if (q.frequency < fech / 2.0)
            weight += double(q.number) * q.number * (q.amplitude * scale) * (q.amplitude * scale);
    const double variance = 24.0 * tone.noisePower / (double(n) * (double(n) * n - 1.0) * weight);
    const double sigmaHz = std::sqrt(variance) * fech / (2.0 * kPi);
    tone.crbCents = 1200.0 / std::log(2.0) * sigmaHz / tone.frequency;
    return tone;
}

QString kindName(GeneratedTone::Kind kind)
{
    switch (kind) {
    case GeneratedTone::Sine:
        return QStringLiteral("sine");
    case GeneratedTone::Harmonic:
        return QStringLiteral("harmonic");
    case GeneratedTone::MissingFundamental:
        return QStringLiteral("missing fundamental");
    case GeneratedTone::WeakFundamental:
        return QStringLiteral("weak fundamental");
    case GeneratedTone::Inharmonic:
        return QStringLiteral("inharmonic");
    }
    return QString();
}

double centsOff(double found, double expected)
{
    if (!(found > 0.0) || !std::isfinite(found))
        return std::numeric_limits<double>::infinity();
    return 1200.0 * std::log2(found / expected);
}

} // namespace zibtest
