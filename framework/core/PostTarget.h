// The one way a worker thread reaches a window: queue a message for it and carry on.
#pragma once

#include "Types.h"

class CPostTarget
{
public:
    // Queues the message for the target's window and returns at once; safe from any thread.
    // The caller never waits for the window, and a message for a window that no longer
    // exists is dropped.
    virtual void Post(UINT nMessage, WPARAM wParam, LPARAM lParam) = 0;

    virtual ~CPostTarget() = default;
};
