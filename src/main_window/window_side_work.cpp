#include "main_window/window_side_work.h"

#include "main_window/form1.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

void runBesideWindow(Form1& form, const std::function<void()>& work) {
    const bool shown = form.Label1->isVisible();
    form.Label1->move(313, 237);
    form.Label1->show();
    form.Label1->raise();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    watcher.waitForFinished();
    QApplication::restoreOverrideCursor();
    form.Label1->setVisible(shown);
}
