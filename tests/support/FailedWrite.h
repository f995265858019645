#ifndef ZIBTEST_FAILEDWRITE_H
#define ZIBTEST_FAILEDWRITE_H

#include <QString>

#include <functional>

namespace zibtest {

/// The rows of a writer's failed-save test (columns "large", "failure" and "fraction"): the disk
/// full at once, half-way through the file and in its last bytes (FailingFolder::Full with room
/// for none, half, all but one byte of what the save writes), and a folder that cannot be
/// written; each for a small file (the test makes one of a few kilobytes, which Qt's write buffer
/// holds whole until the end) and for a large one (beyond 64 KiB).
void addFailedWriteRows();

/// Runs one row of addFailedWriteRows (QtTest checks: call it from the test function).
/// save(path) makes the writer write path, as the user would, and returns true when the save
/// reported success (for a window: it showed no error). It is first run into a healthy folder,
/// which gives the size of the file; then an existing file of that name is put into a failing
/// folder, and save must report the failure, leave that file byte for byte and leave no other
/// file; once the folder is healed, the same save must write the whole file.
void checkFailedWrite(const QString &name, const std::function<bool(const QString &path)> &save);

} // namespace zibtest

#endif
