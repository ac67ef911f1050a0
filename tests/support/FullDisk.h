// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>

#include <csignal>

// A disk that is full after `bytes` bytes of any one file, for as long as the object lives.
// Tests run as root, where no file permission makes a write fail; a file-size limit does. With
// SIGXFSZ ignored, the write that would cross the limit fails with EFBIG instead of ending the
// process. Only regular files are limited, so the test's own output is not.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        m_active = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_active =
                m_active && m_previousHandler != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }

    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        if (m_previousHandler != SIG_ERR)
            std::signal(SIGXFSZ, m_previousHandler);
    }

    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_ERR;
    bool m_active = false;
};
