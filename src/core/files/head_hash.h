// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCryptographicHash>

// A photo is told apart from another by its size and the hash of its head:
// the first 64 KB hold the camera's EXIF block with its shooting time and
// counter, and are cheap to read from a slow card.
inline constexpr qint64 HeadHashBytes = 64 * 1024;

// Hashes the head of a file from the bytes it is read in, whatever their
// pieces, so that a copy hashes what it reads anyway.
class HeadHasher {
public:
    void add(const char* data, qint64 size);
    QByteArray result() const;

private:
    QCryptographicHash m_hash{QCryptographicHash::Sha1};
    qint64 m_taken = 0;
};

// The head hash of the file at hostPath, read without following a link; empty
// when it cannot be read.
QByteArray headHashOfFile(const QString& hostPath);
