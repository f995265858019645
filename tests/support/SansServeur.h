#ifndef ZIBTEST_SANSSERVEUR_H
#define ZIBTEST_SANSSERVEUR_H

class QTemporaryDir;

namespace zibtest {

/// Points the sound client of this process at a server that does not exist, with autospawn off,
/// so that every audio device fails as on a machine without sound. Call it before any audio use
/// (first thing in main). dossier holds the client configuration and must outlive the process's
/// audio use. False when the configuration cannot be written.
bool sansServeurDeSon(const QTemporaryDir &dossier);

} // namespace zibtest

#endif
