#include "platform/file_lock.h"

#include <QLockFile>

FileLock::FileLock(std::unique_ptr<QLockFile> lock) : m_lock(std::move(lock)) {}
FileLock::FileLock(FileLock&&) noexcept = default;
FileLock& FileLock::operator=(FileLock&&) noexcept = default;
FileLock::~FileLock() = default;
