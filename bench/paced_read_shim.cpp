// SPDX-License-Identifier: GPL-3.0-or-later
// The preloaded library must see the real read(), never a fortified inline one.
#undef _FORTIFY_SOURCE
// Preloaded into the import benchmark to stand for a card reader: every read
// of a file under FOTOBAKO_PACED_FOLDER is held back so that all of them
// together take FOTOBAKO_PACED_BYTES_PER_SECOND, as one card's bus would.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool isPaced(int fd) {
    static const char* folder = std::getenv("FOTOBAKO_PACED_FOLDER");
    if (!folder)
        return false;
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    return length > 0 && std::strncmp(target, folder, std::strlen(folder)) == 0;
}

// The reader is free again at readerFree; each read takes its share of the
// rate after the one before it.
void pace(ssize_t bytes) {
    static const double rate = [] {
        const char* text = std::getenv("FOTOBAKO_PACED_BYTES_PER_SECOND");
        return text ? std::atof(text) : 40e6;
    }();
    static std::mutex reader;
    static Clock::time_point readerFree;
    std::lock_guard<std::mutex> lock(reader);
    readerFree = std::max(readerFree, Clock::now()) +
                 std::chrono::duration_cast<Clock::duration>(
                     std::chrono::duration<double>(double(bytes) / rate));
    std::this_thread::sleep_until(readerFree);
}

} // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    using Read = ssize_t (*)(int, void*, size_t);
    static const auto realRead = reinterpret_cast<Read>(::dlsym(RTLD_NEXT, "read"));
    const ssize_t got = realRead(fd, buffer, count);
    if (got > 0 && isPaced(fd))
        pace(got);
    return got;
}
