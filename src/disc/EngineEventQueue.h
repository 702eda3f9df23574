// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/DiscEngine.h"

#include <deque>
#include <functional>
#include <mutex>

// Events posted by a worker thread and handed to the receiver by the
// thread that polls (the window's timer, the command-line loop).
class EngineEventQueue {
public:
    using Event = std::function<void(DiscEngineEvents&)>;

    void Post(Event event)
    {
        const std::lock_guard lock(m_mutex);
        m_events.push_back(std::move(event));
    }

    // Hands out the events posted so far, in order; without a receiver
    // they are dropped.
    void Deliver(DiscEngineEvents* receiver)
    {
        std::deque<Event> events;
        {
            const std::lock_guard lock(m_mutex);
            events.swap(m_events);
        }
        if (!receiver) return;
        for (Event& event : events) event(*receiver);
    }

private:
    std::mutex m_mutex;
    std::deque<Event> m_events;
};
