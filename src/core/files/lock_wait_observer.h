// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Told while a command waits for a lock that another machine holds, so that
// the user sees the wait and the windows stay drawn.
class LockWaitObserver {
public:
    virtual ~LockWaitObserver() = default;
    // Called at every pause of the wait, the first one included.
    virtual void stillWaiting() = 0;
    // Called once when a wait that paused ends, with or without the lock.
    virtual void waitEnded() = 0;
};
