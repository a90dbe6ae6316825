// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/lock_wait_observer.h"

#include <QObject>

class FileSystem;
class QLabel;

// While a command waits for a lock that another machine holds, the main
// window shows "まってください" and the wait cursor, and goes on drawing
// itself; the user's clicks and keys wait until the command is done. It
// watches files for as long as it lives.
class LockWaitIndicator : public QObject, public LockWaitObserver {
public:
    // Lives as long as waitNotice.
    LockWaitIndicator(QLabel& waitNotice, FileSystem& files);
    ~LockWaitIndicator() override;

    void stillWaiting() override;
    void waitEnded() override;

private:
    QLabel& m_waitNotice;
    FileSystem& m_files;
    bool m_shown = false;
};
