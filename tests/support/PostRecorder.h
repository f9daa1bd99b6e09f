// Stands in for the writing page: records every message the writer posts, in order, and
// lets a test wait for the completion message instead of guessing how long a write takes.
#pragma once

#include "framework/core/PostTarget.h"
#include "res/Resource.h"
#include "tests/support/Monitor.h"
#include "writer/DiskGeometry.h"

#include <functional>
#include <vector>

struct SPostedMessage
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
};

class CPostRecorder : public CPostTarget
{
public:
    // Room for a whole write's messages from the start, so that recording allocates nothing
    // while the writer runs: the bench counts every allocation of the process as the writer's.
    CPostRecorder() { m_messages.reserve(DISK_TRACKS + 1); }

    // Runs on the writer's thread for every progress message, with the number of progress
    // messages so far; lets a test act at an exact point of the write.
    std::function<void(std::size_t)> onProgress;

    void Post(UINT nMessage, WPARAM wParam, LPARAM lParam) override
    {
        std::size_t nProgress = 0;
        m_monitor.Change([&] {
            m_messages.push_back({nMessage, wParam, lParam});
            if (nMessage == WM_APP)
                nProgress = ++m_nProgress;
        });
        if (nProgress != 0 && onProgress)
            onProgress(nProgress);
    }

    // Blocks until the writer has posted its completion message.
    void WaitForCompletion()
    {
        m_monitor.WaitUntil([this] { return HasCompletion(); });
    }

    // Blocks until at least nCount progress messages have come.
    void WaitForProgress(std::size_t nCount)
    {
        m_monitor.WaitUntil([&] { return m_nProgress >= nCount || HasCompletion(); });
    }

    // Every message so far, in the order posted.
    std::vector<SPostedMessage> Messages() const
    {
        return m_monitor.Read([this] { return m_messages; });
    }

    std::size_t Progress() const
    {
        return m_monitor.Read([this] { return m_nProgress; });
    }

private:
    bool HasCompletion() const
    {
        for (const SPostedMessage& m : m_messages)
            if (m.nMessage == WM_COMMAND)
                return true;
        return false;
    }

    mutable CMonitor m_monitor;
    std::vector<SPostedMessage> m_messages;
    std::size_t m_nProgress = 0;
};

// The progress values, in order, and whether the completion came once and last.
struct SPostSummary
{
    std::vector<unsigned> progress;
    int nCompletions = 0;
    bool bCompletionLast = false;
    bool bCompletionWellFormed = false;
};

inline SPostSummary Summarize(const std::vector<SPostedMessage>& messages)
{
    SPostSummary summary;
    for (const SPostedMessage& m : messages) {
        if (m.nMessage == WM_APP && m.lParam == 0)
            summary.progress.push_back(static_cast<unsigned>(m.wParam));
        if (m.nMessage == WM_COMMAND) {
            ++summary.nCompletions;
            summary.bCompletionWellFormed = m.wParam == IDC_NEXT && m.lParam == 0;
        }
    }
    summary.bCompletionLast = !messages.empty() && messages.back().nMessage == WM_COMMAND;
    return summary;
}
