#include "tests/support/CaptureBuffer.h"

#include <QtEndian>

namespace zibtest {

CaptureBuffer::CaptureBuffer(QObject *parent)
    : QIODevice(parent)
{
}

bool CaptureBuffer::open(OpenMode mode)
{
    m_samples.clear();
    m_hasPendingByte = false;
    return QIODevice::open((mode | WriteOnly | Unbuffered) & ~ReadOnly);
}

qint64 CaptureBuffer::readData(char *, qint64)
{
    return -1;
}

qint64 CaptureBuffer::writeData(const char *data, qint64 size)
{
    qint64 i = 0;
    if (m_hasPendingByte && size > 0) {
        const char pair[2] = {m_pendingByte, data[0]};
        m_samples.append(qFromLittleEndian<qint16>(pair));
        m_hasPendingByte = false;
        i = 1;
    }
    for (; i + 1 < size; i += 2)
        m_samples.append(qFromLittleEndian<qint16>(data + i));
    if (i < size) {
        m_pendingByte = data[i];
        m_hasPendingByte = true;
    }
    return size;
}

} // namespace zibtest
