#pragma once

#include <QString>
#include <chrono>
#include <memory>

class QLockFile;

// A lock file held by this process; the lock is let go when it is destroyed.
// Other processes, on this machine or on another one sharing the folder,
// that ask for the same lock file wait until it is let go.
class FileLock {
public:
    explicit FileLock(std::unique_ptr<QLockFile> lock);
    FileLock(FileLock&&) noexcept;
    FileLock& operator=(FileLock&&) noexcept;
    ~FileLock();

private:
    std::unique_ptr<QLockFile> m_lock;
};

// A lock left behind by a program that ended without letting it go counts as
// abandoned once it is this old. Holders keep it far shorter.
inline constexpr std::chrono::milliseconds FileLockStaleTime{60'000};
