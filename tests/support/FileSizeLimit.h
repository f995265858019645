#ifndef ZIBTEST_FILESIZELIMIT_H
#define ZIBTEST_FILESIZELIMIT_H

#include <csignal>
#include <sys/resource.h>

namespace zibtest {

/// While it lives, this process may write files of at most `bytes` bytes (RLIMIT_FSIZE, with
/// SIGXFSZ ignored), so that a write fails part-way even for root, who ignores permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = m_saved;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace zibtest

#endif
