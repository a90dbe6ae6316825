// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>

class FaultPlan;

// Replaces the file at hostPath with bytes through QSaveFile: the new contents
// appear whole under the name, or the old file stays byte for byte. Where the
// folder's file system refuses an unnamed temporary file, QSaveFile writes a
// named one beside the file and renames it; it never writes in place. The
// opening, the writing and the commit each ask faults, when given, first.
// A symbolic link at hostPath is refused, never written through.
bool replaceFileContents(const QString& hostPath, const QByteArray& bytes,
                         QString* errorString = nullptr, FaultPlan* faults = nullptr);

// A process killed between making its named temporary file and renaming it
// leaves "<name>.XXXXXX" (six letters) beside the file; the next replacement
// removes such files first. Writes to one file are never concurrent (a lock
// file guards the shared ones), so no live temporary is removed.
void removeStaleTemporaries(const QString& hostPath);
// The same for every file of the folder at hostFolder whose name before the
// temporary's ending matches pattern (as matchesFilePattern does); a share
// that answers "busy" is asked again for up to patience. Returns how many
// are left.
int removeTemporariesIn(const QString& hostFolder, const QStringList& patterns,
                        std::chrono::milliseconds patience);

// The names under which a replacement that keeps a copy (replaceKeepingCopy)
// leaves the new and the old contents while it works.
QString newCopyPathOf(const QString& hostPath);
QString oldCopyPathOf(const QString& hostPath);

enum class KeptReplacement {
    Replaced,
    Failed,  // nothing was put in place; the file is as it was
    Refused, // mayPutInPlace said no; the file is as it was
};

// Replaces the file at hostPath so that a whole copy of the old or of the new
// contents stands under a known name at every moment, even on a network
// client that replaces a file by removing it first: the new contents are
// written whole to "<name>.new", the old file is renamed to "<name>.old",
// "<name>.new" is renamed into place and "<name>.old" removed. A replacement
// that an earlier writer left half done is first finished: with no file under
// the name, the newest whole copy is put in place. mayPutInPlace is asked
// right before the new contents are written and right before the old file is
// moved away. Concurrent calls for one file must be kept apart by a lock.
KeptReplacement replaceKeepingCopy(const QString& hostPath, const QByteArray& bytes,
                                   const std::function<bool()>& mayPutInPlace,
                                   FaultPlan* faults = nullptr);
