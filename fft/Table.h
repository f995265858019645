#ifndef FFT_TABLE_H
#define FFT_TABLE_H

#include "fft/Check.h"

#include <cstddef>
#include <new>

namespace fft {

/// An owned array of value-initialised elements with checked indexing. The storage is aligned on
/// 64 bytes (a cache line) so vector loads of the transform's tables and buffers stay within lines.
template <class T>
class Table
{
public:
    Table() = default;
    explicit Table(long size) { resize(size); }
    ~Table() { release(); }
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    /// Discards the contents and holds `size` value-initialised elements; size >= 0.
    void resize(long size)
    {
        FFT_CHECK(size >= 0, "fft::Table::resize", "size >= 0");
        release();
        if (size == 0)
            return;
        void *raw = ::operator new(std::size_t(size) * sizeof(T), std::align_val_t(kAlignment));
        m_data = static_cast<T *>(raw);
        for (long i = 0; i < size; ++i)
            new (m_data + i) T();
        m_size = size;
    }

    long size() const { return m_size; }
    T *data() { return m_data; }
    const T *data() const { return m_data; }

    T &operator[](long pos)
    {
        checkPosition(pos);
        return m_data[pos];
    }
    const T &operator[](long pos) const
    {
        checkPosition(pos);
        return m_data[pos];
    }

private:
    static constexpr std::size_t kAlignment = 64;

    void checkPosition(long pos) const
    {
        FFT_CHECK(pos >= 0, "fft::Table::operator[]", "pos >= 0");
        FFT_CHECK(pos < m_size, "fft::Table::operator[]", "pos < m_size");
    }

    void release()
    {
        if (!m_data)
            return;
        for (long i = 0; i < m_size; ++i)
            m_data[i].~T();
        ::operator delete(m_data, std::align_val_t(kAlignment));
        m_data = nullptr;
        m_size = 0;
    }

    T *m_data = nullptr;
    long m_size = 0;
};

} // namespace fft

#endif
