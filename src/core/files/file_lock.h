// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

// A lock left behind by a program that ended without letting it go counts as
// abandoned once it has been seen unchanged this long. Holders renew theirs
// far more often.
inline constexpr std::chrono::milliseconds FileLockStaleTime{60'000};
// A lock folder still without its owner record this long was left by a holder
// stopped between making the folder and writing the record.
inline constexpr std::chrono::milliseconds FileLockOwnerlessGrace{5'000};

// How a process takes locks: the machine name written into them, and how long
// another machine's lock must stand unrenewed, by this machine's own clock,
// before it counts as abandoned.
struct LockPolicy {
    QString host; // empty: this machine's name
    std::chrono::milliseconds staleTime = FileLockStaleTime;
    std::chrono::milliseconds ownerlessGrace = FileLockOwnerlessGrace;
};

// A lock held by this process; it is let go when it is destroyed. Other
// processes, on this machine or on another one sharing the folder, that ask
// for the same lock wait until it is let go.
//
// It keeps to the rules of a Windows share as well as of local and sshfs
// folders. The lock is a directory, whose making the server does in one step,
// with its owner (see LockOwner) in a file inside that is closed at once, so
// no handle stays open while it is held; a removal the server answers with
// "busy" is tried again. The holder renews the record's time while it works.
// A lock whose holder is gone is taken over at once on its own machine, and
// from any other once it has stood unrenewed for the stale time, whatever the
// folder holds: only one taker sets it aside by a rename, and then removes
// it. Nothing is left behind once it is let go.
class FileLock {
public:
    enum class Refusal { Busy, Unwritable };

    // Takes the lock at hostPath, waiting up to wait while another holds it
    // and calling pausing before each pause of that wait. nullopt when it
    // could not be had in that time, or at all (the folder cannot hold it), as
    // refusal tells.
    static std::optional<FileLock> take(const QString& hostPath, std::chrono::milliseconds wait,
                                        const LockPolicy& policy, Refusal* refusal = nullptr,
                                        const std::function<void()>& pausing = {});

    // Whether the lock still holds this holding's record: false once another
    // took it over (this holder was stopped longer than the stale time).
    bool isStillHeld() const;
    // Renews the record's time, so that no other machine takes the lock over
    // while its holder works, when a quarter of the stale time has passed
    // since the last renewal; false when the lock is no longer held.
    bool renew();
    // Lets go of the holding without removing the lock, which then stands as
    // a holder's that ended: a mark, for whoever takes it over, of work left
    // unfinished.
    void leave();

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

private:
    FileLock(QString path, QString token, std::chrono::milliseconds staleTime);
    void release();

    QString m_path;
    QString m_token;
    std::chrono::milliseconds m_staleTime;
    QElapsedTimer m_renewed;
};
