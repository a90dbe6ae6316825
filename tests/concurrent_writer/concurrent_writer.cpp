// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one folder into a database again and again, as one machine of a
// school would, for tests that run many of these at the same moment.
//
//   fb_concurrent_writer <database folder> <saves> <source folder> [<name> [<go file>]]
//
// Folders are host paths. Each save is titled "<name>_<n>" (n from 1); name
// defaults to the process id. With a go file, the saves start once that file
// exists, so that several writers started one after another begin together.
// Prints "row <title>" for each save whose row was written, then "saved
// <done> of <saves>", and exits with 0 only when every save wrote its row and
// copied every photo. FOTOBAKO_LOCK_HOST names the machine in its locks
// (another machine on the same one); FOTOBAKO_LOCK_STALE_MS shortens the time
// another machine's lock takes to count as abandoned, and
// FOTOBAKO_LOCK_GRACE_MS the grace of a lock without its owner record;
// FOTOBAKO_LOCK_WAIT_MS lengthens the wait for the index lock, so that a
// machine slowed by other work tells no save busy.

#include "core/commands/database_save.h"
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "core/library/locked_index.h"
#include "core/state/program_state.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

bool waitForGoFile(const QString& path) {
    QDeadlineTimer deadline(std::chrono::seconds(60));
    while (!QFileInfo::exists(path)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    bool countOk = false;
    const int saves = args.size() >= 4 ? args[2].toInt(&countOk) : 0;
    if (args.size() < 4 || !countOk || saves < 0) {
        err << "usage: fb_concurrent_writer <database folder> <saves> <source folder> "
               "[<name> [<go file>]]\n";
        return 2;
    }
    const QString name =
        args.size() >= 5 ? args[4] : QString::number(QCoreApplication::applicationPid());
    if (args.size() >= 6 && !waitForGoFile(args[5])) {
        err << "the go file never appeared\n";
        return 2;
    }

    // Z: is the host root, so every host folder has a drive path.
    QTemporaryDir drives;
    FileSystem files{DriveMap(drives.path())};
    LockPolicy policy{qEnvironmentVariable("FOTOBAKO_LOCK_HOST")};
    if (const int stale = qEnvironmentVariableIntValue("FOTOBAKO_LOCK_STALE_MS"); stale > 0)
        policy.staleTime = std::chrono::milliseconds(stale);
    if (const int grace = qEnvironmentVariableIntValue("FOTOBAKO_LOCK_GRACE_MS"); grace > 0)
        policy.ownerlessGrace = std::chrono::milliseconds(grace);
    files.setLockPolicy(policy);
    const QString database = files.drivePath(QDir(args[1]).absolutePath()) + u'\\';
    const QString source = files.drivePath(QDir(args[3]).absolutePath());
    const int lockWaitMs = qEnvironmentVariableIntValue("FOTOBAKO_LOCK_WAIT_MS");
    const std::chrono::milliseconds lockWait =
        lockWaitMs > 0 ? std::chrono::milliseconds(lockWaitMs) : IndexLockWait;
    FolderIndex index;
    QTextStream out(stdout);
    int done = 0;
    for (int n = 1; n <= saves; ++n) {
        const DatabaseEntry entry{source, name + u'_' + QString::number(n),
                                  QStringLiteral("テスト PC01"),
                                  QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))};
        const DatabaseSaveResult result =
            saveFolderToDatabase(files, database, entry, index, lockWait);
        if (result.outcome == DatabaseSave::Saved || result.outcome == DatabaseSave::SomeNotCopied)
            out << "row " << entry.title << Qt::endl;
        if (result.outcome == DatabaseSave::Saved)
            ++done;
        else
            err << "save " << n << " failed: " << int(result.outcome) << "\n";
    }
    out << "saved " << done << " of " << saves << "\n";
    return done == saves ? 0 : 1;
}
