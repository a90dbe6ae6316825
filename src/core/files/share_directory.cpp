// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/share_directory.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <sys/stat.h>

namespace {

bool isTransient(int error) {
    return error == EIO || error == EAGAIN || error == EINTR || error == ETIMEDOUT;
}

} // namespace

DirectoryMaking makeDirectoryOnShare(const QByteArray& hostPath, std::chrono::milliseconds patience,
                                     const std::function<int(const char*)>& makeStep) {
    const auto make = [&makeStep](const char* path) {
        return makeStep ? makeStep(path) : ::mkdir(path, 0755);
    };
    const QDeadlineTimer deadline(patience);
    DirectoryMaking making;
    while (make(hostPath.constData()) != 0) {
        making.error = errno;
        if (!isTransient(making.error) || deadline.hasExpired())
            return making;
        making.retried = true;
        QThread::msleep(QRandomGenerator::global()->bounded(5, 40));
    }
    making.error = 0;
    return making;
}
