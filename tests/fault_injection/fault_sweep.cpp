// SPDX-License-Identifier: GPL-3.0-or-later
#include "fault_injection/fault_sweep.h"

#include "core/files/file_system.h"
#include "core/library/index_file.h"
#include "core/library/library_paths.h"
#include "core/library/locked_index.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool isInside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + u'/');
}

bool isInsideAny(const QString& path, const QStringList& folders) {
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const QString& folder) { return isInside(path, folder); });
}

bool isPhoto(const QString& path, const Entry& entry) {
    return entry.kind == u"file" && matchesFilePattern(QFileInfo(path).fileName(), "*.JP*");
}

TreeSnapshot snapshotOf(const SweepRig& rig) {
    TreeSnapshot snapshot;
    const QDir root(rig.root.path());
    QDirIterator entries(root.path(),
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        const QString path = root.relativeFilePath(info.filePath());
        if (isInside(path, root.relativeFilePath(rig.thumbnailRoot())))
            continue;
        Entry entry;
        if (info.isSymLink()) {
            entry = {QStringLiteral("link"), info.symLinkTarget().toUtf8(), {}};
        } else if (info.isDir()) {
            entry.kind = QStringLiteral("dir");
        } else {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            entry = {QStringLiteral("file"),
                     QCryptographicHash::hash(bytes, QCryptographicHash::Sha1),
                     info.fileName() == IndexFileName ? bytes : QByteArray()};
        }
        snapshot[path] = entry;
    }
    return snapshot;
}

struct IndexRows {
    bool whole = false;
    FolderIndex table;
};

// Rows of the index in folder; whole when every line of the file is a row
// and its last line is ended.
IndexRows indexIn(const TreeSnapshot& tree, const QString& folder) {
    IndexRows rows;
    const auto file = tree.find(folder + u'/' + IndexFileName);
    if (file == tree.end())
        return rows;
    const QByteArray& bytes = file->second.indexBytes;
    rows.table = parseIndex(bytes);
    const IndexSource& source = rows.table.source();
    rows.whole = (bytes.isEmpty() || bytes.endsWith("\r\n")) && source.linesAfter.isEmpty() &&
                 std::all_of(source.rows.begin(), source.rows.end(),
                             [](const IndexSource::Row& row) { return row.linesBefore.isEmpty(); });
    return rows;
}

int photosIn(const TreeSnapshot& tree, const QString& folder) {
    int count = 0;
    for (const auto& [path, entry] : tree)
        count += QFileInfo(path).path() == folder && isPhoto(path, entry);
    return count;
}

// The run's result as the user sees it: the files it left and the index rows
// without their dates and counts, which the next opening corrects.
// A lock or a mark of copies under way that a failure left behind is taken
// over by the next save, so it is no part of what the command did.
bool isLockRecord(const QString& path) {
    const QString folder = QFileInfo(QFileInfo(path).path()).fileName();
    return folder.endsWith(QStringLiteral(".lock")) ||
           folder.startsWith(QStringLiteral("IMGMAIN.TXT.copying."));
}

QStringList outcomeOf(const RunRecord& run) {
    QStringList outcome;
    for (const auto& [path, entry] : run.after) {
        if (entry.kind == u"dir" || !isInsideAny(path, run.changeable) || isLockRecord(path))
            continue;
        // The store of photo keys is made good by the next import, and a
        // trash record left without its item by the next opening.
        if (QFileInfo(path).fileName() == u"PHOTOKEYS.TXT" ||
            (path.contains(u"/ごみばこ/") && !isPhoto(path, entry)))
            continue;
        if (QFileInfo(path).fileName() == IndexFileName) {
            const auto rows = indexIn(run.after, QFileInfo(path).path());
            for (int i = 1; i <= rows.table.count(); ++i)
                outcome << path + u':' + rows.table[i][ColTitle] + u'|' +
                               rows.table[i][ColDirectory] + u'|' + rows.table[i][ColRemark];
        } else {
            outcome << path + u' ' + entry.kind + u' ' + entry.hash.toHex();
        }
    }
    return outcome;
}

void checkIndexes(const RunRecord& run) {
    for (const QString& folder : run.indexFolders) {
        const auto rows = indexIn(run.after, folder);
        EXPECT_TRUE(rows.whole) << "index of " << folder.toStdString() << " not whole";
        for (int i = 1; i <= rows.table.count(); ++i) {
            const QString directory = folder + u'/' + rows.table[i][ColDirectory];
            const auto entry = run.after.find(directory);
            EXPECT_TRUE(entry != run.after.end() && entry->second.kind == u"dir")
                << "row " << i << " names a missing folder " << directory.toStdString();
        }
    }
}

void checkOutsideUntouched(const RunRecord& run) {
    const auto outside = [&run](const TreeSnapshot& tree) {
        TreeSnapshot kept;
        for (const auto& [path, entry] : tree) {
            if (!isInsideAny(path, run.changeable))
                kept[path] = entry;
        }
        return kept;
    };
    const TreeSnapshot before = outside(run.before);
    const TreeSnapshot after = outside(run.after);
    for (const auto& [path, entry] : before) {
        const auto found = after.find(path);
        EXPECT_TRUE(found != after.end() && found->second == entry)
            << "outside entry changed or gone: " << path.toStdString();
    }
    for (const auto& [path, entry] : after)
        EXPECT_TRUE(before.count(path)) << "outside entry made: " << path.toStdString();
}

void checkPhotos(const RunRecord& run) {
    QSet<QByteArray> photosAfter;
    for (const auto& [path, entry] : run.after) {
        if (isPhoto(path, entry))
            photosAfter << entry.hash;
    }
    for (const auto& [path, entry] : run.before) {
        EXPECT_TRUE(!isPhoto(path, entry) || photosAfter.contains(entry.hash))
            << "photo lost from its old and its new place: " << path.toStdString();
    }
    for (const QString& folder : run.indexFolders) {
        const auto rows = indexIn(run.after, folder);
        QSet<QString> named;
        for (int i = 1; i <= rows.table.count(); ++i)
            named << folder + u'/' + rows.table[i][ColDirectory];
        for (const auto& [path, entry] : run.after) {
            const QString parent = QFileInfo(path).path();
            EXPECT_TRUE(!isPhoto(path, entry) || QFileInfo(parent).path() != folder ||
                        named.contains(parent))
                << "photo no row reaches: " << path.toStdString();
        }
    }
}

void checkCounts(const RunRecord& run, bool told) {
    for (const QString& folder : run.indexFolders) {
        const auto before = indexIn(run.before, folder);
        const auto after = indexIn(run.after, folder);
        for (int i = 1; i <= after.table.count(); ++i) {
            const FolderRow& row = after.table[i];
            const int old = before.table.findRow(row[ColDirectory], 0);
            if (old > 0 && before.table[old][ColDateCount] == row[ColDateCount])
                continue;
            const QString directory = folder + u'/' + row[ColDirectory];
            EXPECT_TRUE(told ||
                        storedPhotoCount(row[ColDateCount]) == photosIn(run.after, directory))
                << "untold wrong count " << row[ColDateCount].toStdString() << " for "
                << directory.toStdString();
        }
    }
}

} // namespace

void PrintTo(const Entry& entry, std::ostream* os) {
    *os << entry.kind.toStdString() << ' '
        << (entry.indexBytes.isEmpty() ? entry.hash.toHex() : entry.indexBytes).toStdString();
}

RunRecord runCommand(const CommandCase& command, int n, std::optional<FileOperation> kind,
                     bool onward) {
    auto rig = std::make_unique<SweepRig>();
    const QDir root(rig->root.path());
    const auto relative = [&](const QString& drivePath) {
        return root.relativeFilePath(QDir::cleanPath(rig->host(drivePath)));
    };
    RunRecord run;
    run.indexFolders = {relative(rig->classFolder), relative(rig->databaseRoot)};
    run.changeable = {relative(rig->classFolder)};
    if (command.reach.photoDrive)
        run.changeable << relative(rig->photoDrive);
    if (command.reach.database)
        run.changeable << relative(rig->databaseRoot);
    if (command.reach.settings)
        run.changeable << root.relativeFilePath(rig->programFolder);

    if (command.setup)
        command.setup(*rig);
    run.before = snapshotOf(*rig);
    rig->messages.shown.clear();
    if (onward)
        rig->faults.failFrom(n, kind);
    else
        rig->faults.failAt(n, kind);
    rig->files.setFaultPlan(&rig->faults);
    command.run(*rig);
    rig->files.setFaultPlan(nullptr);
    run.fault = rig->faults.failed();
    run.messages = rig->messages.shown;
    run.after = snapshotOf(*rig);
    return run;
}

int sweepFaults(const CommandCase& command) {
    const RunRecord baseline = runCommand(command, 0);
    const auto check = [&](const RunRecord& run) {
        const bool told = run.messages != baseline.messages;
        checkIndexes(run);
        checkOutsideUntouched(run);
        checkPhotos(run);
        checkCounts(run, told);
        if (run.fault && outcomeOf(run) != outcomeOf(baseline)) {
            EXPECT_TRUE(told) << "less was done than asked and nobody was told";
        }
    };
    check(baseline);
    // Far more than any command here does, so that a run that keeps meeting
    // faults ends the sweep.
    constexpr int MostOperations = 500;
    int n = 1;
    for (; n <= MostOperations; ++n) {
        const RunRecord run = runCommand(command, n);
        if (!run.fault)
            break;
        SCOPED_TRACE(QStringLiteral("operation %1 failed (kind %2)")
                         .arg(n)
                         .arg(int(*run.fault))
                         .toStdString());
        check(run);
    }
    EXPECT_LE(n, MostOperations);
    return n - 1;
}

int sweepCrashes(const CommandCase& command) {
    const auto placesOf = [](const TreeSnapshot& tree) {
        std::map<QByteArray, QStringList> places;
        for (const auto& [path, entry] : tree) {
            if (isPhoto(path, entry))
                places[entry.hash] << path;
        }
        return places;
    };
    int n = 1;
    for (;; ++n) {
        const RunRecord run = runCommand(command, n, std::nullopt, true);
        if (!run.fault)
            break;
        const auto after = placesOf(run.after);
        for (const auto& [hash, paths] : placesOf(run.before)) {
            const auto found = after.find(hash);
            EXPECT_TRUE(found != after.end() && found->second.size() == 1)
                << "stopped at operation " << n << ": " << paths.first().toStdString() << " is in "
                << (found == after.end() ? 0 : found->second.size()) << " places";
        }
    }
    return n - 1;
}
