// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Who holds a lock file, written inside it: the machine, the process and the
// machine's boot, so that a process on the same machine can tell a live
// holder from one that ended or from a boot that is over. A holder on
// another machine cannot be asked; only its lock's age tells.
struct LockOwner {
    QString host;
    qint64 pid = 0;
    QString bootId;
    // When the process started, in clock ticks after boot: a process id that
    // came round again to another process does not pass for the holder.
    qint64 started = 0;
    // Unique to one holding of one lock.
    QString token;

    QByteArray toBytes() const;
    // nullopt for a record cut short or not ours.
    static std::optional<LockOwner> parse(const QByteArray& bytes);
};

// This process as a holder named host, with a fresh token.
LockOwner currentLockOwner(const QString& host);

enum class HolderState { Alive, Ended, Unknown };

// Whether owner, seen from this process on a machine named host, still
// runs. A record of this very process whose token isHeld does not know is a
// lock it failed to let go and counts as ended.
HolderState holderState(const LockOwner& owner, const QString& host,
                        bool (*isHeld)(const QString& token));
