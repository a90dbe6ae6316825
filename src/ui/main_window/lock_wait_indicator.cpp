// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/lock_wait_indicator.h"

#include "core/files/file_system.h"

#include <QApplication>
#include <QLabel>
#include <QThread>

LockWaitIndicator::LockWaitIndicator(QLabel& waitNotice, FileSystem& files)
    : QObject(&waitNotice), m_waitNotice(waitNotice), m_files(files) {
    m_files.setLockWaitObserver(this);
}

LockWaitIndicator::~LockWaitIndicator() {
    waitEnded();
    m_files.setLockWaitObserver(nullptr);
}

// A wait on a worker thread is shown by whoever runs that worker.
void LockWaitIndicator::stillWaiting() {
    if (QThread::currentThread() != thread())
        return;
    if (!m_shown) {
        m_shown = true;
        m_waitNotice.move(313, 237);
        m_waitNotice.show();
        m_waitNotice.raise();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LockWaitIndicator::waitEnded() {
    if (!m_shown || QThread::currentThread() != thread())
        return;
    m_shown = false;
    m_waitNotice.hide();
    QApplication::restoreOverrideCursor();
}
