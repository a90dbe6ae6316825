// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fault_injection/sweep_rig.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <ostream>

// The folders a command may change besides the class folder.
struct Reach {
    bool photoDrive = false;
    bool database = false;
    bool settings = false;
};

// A command that changes files, as the user gives it on a fresh SweepRig.
struct CommandCase {
    const char* name;
    std::function<void(SweepRig&)> run;
    Reach reach = {};
    // Brings the rig where the command starts, before anything is recorded.
    std::function<void(SweepRig&)> setup = nullptr;
};
inline void PrintTo(const CommandCase& command, std::ostream* os) {
    *os << command.name;
}

// Every entry under the rig's root but the thumbnail cache, by path relative
// to the root: "dir", "file" with a hash of its bytes, or "link" and where it
// points; an index file also keeps its bytes.
struct Entry {
    QString kind;
    QByteArray hash;
    QByteArray indexBytes;
    bool operator==(const Entry&) const = default;
};
using TreeSnapshot = std::map<QString, Entry>;
void PrintTo(const Entry& entry, std::ostream* os);

// One run of a command and what the invariants need of it, paths relative to
// the rig's root.
struct RunRecord {
    TreeSnapshot before;
    TreeSnapshot after;
    QStringList messages;
    std::optional<FileOperation> fault;
    QStringList changeable;   // folders the command may change
    QStringList indexFolders; // the class folder and the database folder
};

// Runs command without faults, then with its first, second, … file operation
// failing, each time on a fresh rig, until a run meets no fault, and checks
// after every run that:
// - every index still reads whole and each of its rows names a folder;
// - nothing outside the folders the command may change was touched;
// - no photo is gone, and every
//   photo of a photo folder stays reachable through a row;
// - a photo count the command wrote is the folder's own;
// - when the run did less than the run without faults, the user was told.
// Returns the number of runs that met a fault.
int sweepFaults(const CommandCase& command);

// Runs command as if the machine stopped at its first, second, … file
// operation (that one and every later one fails), each time on a fresh rig,
// and checks after every run that each photo is in exactly one place. Returns
// the number of runs that stopped.
int sweepCrashes(const CommandCase& command);

// Runs command on a fresh rig whose n-th file operation of kind fails, and
// with onward every later one of that kind too.
RunRecord runCommand(const CommandCase& command, int n,
                     std::optional<FileOperation> kind = std::nullopt, bool onward = false);
