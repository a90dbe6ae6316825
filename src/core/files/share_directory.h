// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <chrono>
#include <functional>

// A network client under load may answer a step with an input/output error
// that is gone a moment later (smbnetfs does when the server is slow), and
// the step may have been done on the server all the same.
inline constexpr std::chrono::milliseconds ShareRetryPatience{3000};

struct DirectoryMaking {
    int error = 0;        // 0 once made, else the last errno (EEXIST: already there)
    bool retried = false; // a transient error came first: an EEXIST may be this making's own
};

// Makes the directory at hostPath, asking again while the share answers with
// a transient error, for at most patience. makeStep stands for mkdir(2).
DirectoryMaking makeDirectoryOnShare(const QByteArray& hostPath,
                                     std::chrono::milliseconds patience = ShareRetryPatience,
                                     const std::function<int(const char*)>& makeStep = {});
