#pragma once

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

// A lock left behind by a program that ended without letting it go counts as
// abandoned once it has been seen unchanged this long. Holders keep it far
// shorter.
inline constexpr std::chrono::milliseconds FileLockStaleTime{60'000};

// How a process takes locks: the machine name written into them, and how long
// another machine's lock must stand unchanged before it counts as abandoned.
struct LockPolicy {
    QString host; // empty: this machine's name
    std::chrono::milliseconds staleTime = FileLockStaleTime;
};

// A lock held by this process; it is let go when it is destroyed. Other
// processes, on this machine or on another one sharing the folder, that ask
// for the same lock wait until it is let go.
//
// It keeps to the rules of a Windows share as well as of local and sshfs
// folders. The lock is a directory, whose making the server does in one step,
// with its owner (see LockOwner) in a file inside that is closed at once, so
// no handle stays open while it is held; a removal the server answers with
// "busy" is tried again. A lock whose holder is gone is taken over at once on
// its own machine and after the stale time from any other, through a removal
// that only one taker can make. Nothing is left behind once it is let go.
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
    QElapsedTimer m_held;
};
