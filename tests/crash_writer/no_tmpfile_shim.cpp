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

// Defines an open-like entry point that refuses an unnamed temporary file
// and passes anything else on to the next library's function of the same
// name.
#define OPEN_REFUSING_TMPFILE(name, parameters, arguments)                                         \
    int name parameters {                                                                          \
        va_list rest;                                                                              \
        va_start(rest, flags);                                                                     \
        const mode_t mode = modeOf(flags, rest);                                                   \
        va_end(rest);                                                                              \
        if (refused(flags))                                                                        \
            return -1;                                                                             \
        static const auto real = next<decltype(&name)>(#name);                                     \
        return real arguments;                                                                     \
    }

extern "C" {

OPEN_REFUSING_TMPFILE(open, (const char* path, int flags, ...), (path, flags, mode))
OPEN_REFUSING_TMPFILE(open64, (const char* path, int flags, ...), (path, flags, mode))
OPEN_REFUSING_TMPFILE(openat, (int folder, const char* path, int flags, ...),
                      (folder, path, flags, mode))
OPEN_REFUSING_TMPFILE(openat64, (int folder, const char* path, int flags, ...),
                      (folder, path, flags, mode))
}
