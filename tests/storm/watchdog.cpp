// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace storm {

Watchdog::Watchdog(std::chrono::seconds bound, std::function<void()> report)
    : m_deadline(std::chrono::steady_clock::now() + bound),
      m_what("the program did not end within " + std::to_string(bound.count()) + " s"),
      m_thread([this, report = std::move(report)] {
          std::unique_lock lock(m_mutex);
          // Waits again whenever the deadline moves; fires only at the one in force.
          while (!m_stop) {
              if (!m_armed) {
                  m_changed.wait(lock, [this] { return m_stop; });
                  continue;
              }
              const auto deadline = m_deadline;
              if (m_changed.wait_until(lock, deadline,
                                       [this, deadline] { return m_stop || !m_armed || m_deadline != deadline; }))
                  continue;
              std::fprintf(stderr, "storm: FAIL: %s\n", m_what.c_str());
              report();
              std::fflush(nullptr);
              std::_Exit(2);
          }
      })
{
}

void Watchdog::endWithin(std::chrono::milliseconds bound, std::string what)
{
    {
        std::lock_guard lock(m_mutex);
        m_deadline = std::chrono::steady_clock::now() + bound;
        m_what = std::move(what);
    }
    m_changed.notify_all();
}

void Watchdog::disarm()
{
    {
        std::lock_guard lock(m_mutex);
        m_armed = false;
    }
    m_changed.notify_all();
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

} // namespace storm
