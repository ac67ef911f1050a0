// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>

// Ends the test process with a message when the code it guards has not finished in time. A
// read that blocks on a FIFO would otherwise hang the whole run instead of failing one test.
class HangGuard
{
public:
    explicit HangGuard(std::string what, std::chrono::seconds limit = std::chrono::seconds(60))
        : m_watch([what = std::move(what), limit, finished = m_finished.get_future()] {
            if (finished.wait_for(limit) == std::future_status::ready)
                return;
            std::fprintf(stderr, "HangGuard: %s did not finish within %lld s\n", what.c_str(),
                         static_cast<long long>(limit.count()));
            std::_Exit(EXIT_FAILURE);
        })
    { }

    ~HangGuard()
    {
        m_finished.set_value();
        m_watch.join();
    }

private:
    std::promise<void> m_finished;
    std::thread m_watch; // after the promise: it starts watching once the promise exists
};
