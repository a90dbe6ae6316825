// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/lock_wait_indicator.h"

#include "core/files/file_system.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QThread>

LockWaitIndicator::LockWaitIndicator(MainWindow& form, FileSystem& files)
    : QObject(&form), m_form(form), m_files(files) {
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
        m_form.waitNotice->move(313, 237);
        m_form.waitNotice->show();
        m_form.waitNotice->raise();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LockWaitIndicator::waitEnded() {
    if (!m_shown || QThread::currentThread() != thread())
        return;
    m_shown = false;
    m_form.waitNotice->hide();
    QApplication::restoreOverrideCursor();
}
