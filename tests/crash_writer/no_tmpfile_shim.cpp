// SPDX-License-Identifier: GPL-3.0-or-later
// The preloaded library must see the real open(), never a fortified inline one.
#undef _FORTIFY_SOURCE
// Preloaded into a child process to stand for a file system that refuses
// unnamed temporary files (O_TMPFILE), as some CIFS and sshfs mounts do. The
// error is taken from FOTOBAKO_TMPFILE_ERRNO (EOPNOTSUPP when unset); every
// refusal appends a line to the file FOTOBAKO_TMPFILE_REFUSED names.
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

bool refused(int flags) {
    if ((flags & O_TMPFILE) != O_TMPFILE)
        return false;
    if (const char* log = std::getenv("FOTOBAKO_TMPFILE_REFUSED")) {
        if (FILE* file = std::fopen(log, "a")) {
            std::fputs("refused\n", file);
            std::fclose(file);
        }
    }
    const char* code = std::getenv("FOTOBAKO_TMPFILE_ERRNO");
    errno = code ? std::atoi(code) : EOPNOTSUPP;
    return true;
}

mode_t modeOf(int flags, va_list arguments) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(arguments, mode_t) : 0;
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    if (refused(flags))
        return -1;
    static const auto real = next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    if (refused(flags))
        return -1;
    static const auto real = next<int (*)(const char*, int, ...)>("open64");
    return real(path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    if (refused(flags))
        return -1;
    static const auto real = next<int (*)(int, const char*, int, ...)>("openat");
    return real(folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    if (refused(flags))
        return -1;
    static const auto real = next<int (*)(int, const char*, int, ...)>("openat64");
    return real(folder, path, flags, mode);
}
}
