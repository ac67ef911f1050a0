#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

// Ends the test process with a message when the code it guards has not finished in time. A
// read that blocks on a FIFO would otherwise hang the whole run instead of failing one test.
class HangGuard
{
public:
    explicit HangGuard(std::string what, std::chrono::seconds limit = std::chrono::seconds(60))
        : m_what(std::move(what))
        , m_watch([this, limit] { watch(limit); })
    {}

    ~HangGuard()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_changed.notify_one();
        m_watch.join();
    }

    HangGuard(const HangGuard &) = delete;
    HangGuard &operator=(const HangGuard &) = delete;

private:
    void watch(std::chrono::seconds limit)
    {
        std::unique_lock lock(m_mutex);
        if (m_changed.wait_for(lock, limit, [this] { return m_finished; }))
            return;
        std::fprintf(stderr, "HangGuard: %s did not finish within %lld s\n", m_what.c_str(),
                     static_cast<long long>(limit.count()));
        std::_Exit(EXIT_FAILURE);
    }

    std::string m_what;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_finished = false;
    std::thread m_watch; // last: it starts watching once everything else is in place
};
