#ifndef FFT_CHECK_H
#define FFT_CHECK_H

#include <QtGlobal>

// Contract checks of the transform and its tables. Unlike Q_ASSERT_X they stay active in release
// builds: they guard construction and the entry of forward(), never an inner loop, so they cost
// nothing measurable, and a misuse stops the program with the failed condition instead of
// writing out of bounds.
#define FFT_CHECK(cond, where, what)                                                              \
    do {                                                                                          \
        if (Q_UNLIKELY(!(cond)))                                                                  \
            qFatal("ASSERT failure in %s: \"%s\", file %s, line %d", where, what, __FILE__,      \
                   __LINE__);                                                                     \
    } while (false)

#endif
