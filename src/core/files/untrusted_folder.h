// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/untrusted_file.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>

// A folder below a base the program chose, reached name by name without
// following a link at any step, and held open, so that what it reads,
// writes and removes stays inside the very folder it checked: a link, a
// device or a FIFO planted in place of the folder or of one of its entries
// is never followed and never deleted through. Opening it asks the file
// system only the look-ups a path would cost.
class UntrustedFolder {
public:
    enum class Missing { Stay, Make };

    UntrustedFolder(const QString& base, const QStringList& names, Missing missing = Missing::Stay);
    ~UntrustedFolder();
    UntrustedFolder(const UntrustedFolder&) = delete;
    UntrustedFolder& operator=(const UntrustedFolder&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    UntrustedFile file(const QString& name, UntrustedKind kind) const;
    // Writes name whole through a temporary beside it and a rename, which
    // replaces a link or a FIFO in its place instead of writing through it;
    // no other machine reads half a file. False when write() fails.
    bool replaceFile(const QString& name, const std::function<bool(QIODevice&)>& write) const;
    // The names of the regular files directly inside that end with suffix.
    QStringList regularFiles(const QString& suffix) const;
    // Removes name only when it is a regular file.
    bool removeRegularFile(const QString& name) const;
    // Removes the empty real folder name (never a link).
    bool removeEmptyFolder(const QString& name) const;

private:
    int m_descriptor = -1;
};
