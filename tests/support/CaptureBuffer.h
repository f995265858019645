#ifndef ZIBTEST_CAPTUREBUFFER_H
#define ZIBTEST_CAPTUREBUFFER_H

#include <QIODevice>
#include <QVector>

namespace zibtest {

/// Write-only device that keeps 16-bit signed little-endian mono samples written into it.
/// Chunks may be of any size, odd ones included: a byte left over waits for the next chunk.
class CaptureBuffer : public QIODevice
{
public:
    explicit CaptureBuffer(QObject *parent = nullptr);

    /// Opens write-only and forgets what was captured before.
    bool open(OpenMode mode = WriteOnly) override;
    bool isSequential() const override { return true; }

    const QVector<qint16> &samples() const { return m_samples; }
    int sampleCount() const { return m_samples.size(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    QVector<qint16> m_samples;
    bool m_hasPendingByte = false;
    char m_pendingByte = 0;
};

} // namespace zibtest

#endif
