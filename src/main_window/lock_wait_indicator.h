#pragma once

#include "platform/lock_wait_observer.h"

#include <QObject>

class FileSystem;
class Form1;

// While a command waits for a lock that another machine holds, the main
// window shows "まってください" and the wait cursor, and goes on drawing
// itself; the user's clicks and keys wait until the command is done. It
// watches files for as long as it lives.
class LockWaitIndicator : public QObject, public LockWaitObserver {
public:
    LockWaitIndicator(Form1& form, FileSystem& files);
    ~LockWaitIndicator() override;

    void stillWaiting() override;
    void waitEnded() override;

private:
    Form1& m_form;
    FileSystem& m_files;
    bool m_shown = false;
};
