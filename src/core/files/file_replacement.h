#pragma once

#include <QByteArray>
#include <QString>

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
