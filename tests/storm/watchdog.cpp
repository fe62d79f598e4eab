// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace storm {

Watchdog::Watchdog(std::chrono::seconds bound, std::function<void()> report)
    : m_thread([this, bound, report = std::move(report)] {
          std::unique_lock lock(m_mutex);
          if (m_stopped.wait_for(lock, bound, [this] { return m_stop; }))
              return;
          std::fprintf(stderr, "storm: FAIL: the program did not end within %lld s\n",
                       static_cast<long long>(bound.count()));
          report();
          std::fflush(nullptr);
          std::_Exit(2);
      })
{
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_stopped.notify_all();
    m_thread.join();
}

} // namespace storm
