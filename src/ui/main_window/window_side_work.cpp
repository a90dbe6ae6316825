// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/window_side_work.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

void runBesideWindow(QLabel& waitNotice, const std::function<void()>& work) {
    const bool shown = waitNotice.isVisible();
    waitNotice.move(313, 237);
    waitNotice.show();
    waitNotice.raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    watcher.waitForFinished();
    QApplication::restoreOverrideCursor();
    waitNotice.setVisible(shown);
}
