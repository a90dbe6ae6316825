// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <memory>

class QThreadPool;
struct LinkBudget;

// Reads photos from a network drive on a thread of its own, one after
// another in the order they are asked for, while the decoders work on the
// bytes that have come: the link stays busy while both cores decode, and a
// photo is decoded as it arrives rather than after it. The bytes read and
// not yet decoded stay under a limit, so a slow decoder holds the reading
// back instead of filling the memory.
class PhotoLink {
public:
    // About three camera photos of 12 megapixels.
    static constexpr qint64 DefaultHeldBytes = 12LL * 1024 * 1024;

    explicit PhotoLink(qint64 heldBytesLimit = DefaultHeldBytes);
    // Left undeleted while a read is stuck in a file system that stopped
    // answering: a thread pool waits for its threads when it goes.
    ~PhotoLink();
    PhotoLink(const PhotoLink&) = delete;
    PhotoLink& operator=(const PhotoLink&) = delete;

    // A sequential device that gives front, then the file's bytes from
    // front.size() up to size as the link reads them. The file is read
    // through a descriptor of its own, so descriptor may be closed at once.
    // Reading ends early when the device goes or the file ends early.
    std::unique_ptr<QIODevice> stream(int descriptor, QByteArray front, qint64 size);
    bool waitForDone(int msecs);

private:
    std::shared_ptr<LinkBudget> d;
    QThreadPool* m_thread;
};
