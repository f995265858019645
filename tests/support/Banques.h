#ifndef ZIBTEST_BANQUES_H
#define ZIBTEST_BANQUES_H

// Modal banks for tests (header only: include it from tests that link zib_synth).

#include "synth/Modmod.h"

#include <memory>
#include <vector>

namespace zibtest {

/// A bank owning copies of the given arrays, allocated as the model editor allocates them.
inline std::unique_ptr<Modmod> banque(const std::vector<float> &ratios, const std::vector<float> &amorts,
                                      const std::vector<float> &poids)
{
    const int n = int(ratios.size());
    float *f = new float[n];
    float *a = new float[n];
    float *p = new float[n];
    for (int i = 0; i < n; ++i) {
        f[i] = ratios[i];
        a[i] = amorts[i];
        p[i] = poids[i];
    }
    return std::make_unique<Modmod>(n, f, a, p);
}

/// Undamped modes of weight 1.
inline std::unique_ptr<Modmod> banque(const std::vector<float> &ratios)
{
    return banque(ratios, std::vector<float>(ratios.size(), 0.f), std::vector<float>(ratios.size(), 1.f));
}

/// One undamped mode: it rings with an amplitude of about 1/ratio, a pure sine at fond·ratio.
inline std::unique_ptr<Modmod> modeUnique(float ratio = 1.f)
{
    return banque({ratio});
}

} // namespace zibtest

#endif
