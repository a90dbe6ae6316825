// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/window_side_work.h"

#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

void runBesideWindow(MainWindow& form, const std::function<void()>& work) {
    const bool shown = form.waitNotice->isVisible();
    form.waitNotice->move(313, 237);
    form.waitNotice->show();
    form.waitNotice->raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    watcher.waitForFinished();
    QApplication::restoreOverrideCursor();
    form.waitNotice->setVisible(shown);
}
