// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/photo_link.h"

#include <QThreadPool>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

// Large enough that a read is one long transfer, small enough that the
// decoder starts on a photo's first bytes while the rest comes.
constexpr qint64 ChunkBytes = 1024 * 1024;

} // namespace

// The bytes a link holds, shared with its transfers; the mutex guards them
// all.
struct LinkBudget {
    std::mutex mutex;
    std::condition_variable changed;
    qint64 held = 0;
    const qint64 limit;

    explicit LinkBudget(qint64 heldBytesLimit) : limit(heldBytesLimit) {}
};

namespace {

// One photo on its way: what the link has read and the decoder not yet
// taken. Guarded by the link's mutex.
struct Transfer {
    std::deque<QByteArray> chunks;
    qint64 frontOffset = 0; // bytes of chunks.front() already taken
    bool ended = false;
    bool abandoned = false;
};

class ArrivingBytes : public QIODevice {
public:
    ArrivingBytes(std::shared_ptr<LinkBudget> link, std::shared_ptr<Transfer> transfer)
        : m_link(std::move(link)), m_transfer(std::move(transfer)) {
        open(QIODevice::ReadOnly);
    }
    ~ArrivingBytes() override {
        const std::lock_guard lock(m_link->mutex);
        m_transfer->abandoned = true;
        for (const QByteArray& chunk : m_transfer->chunks)
            m_link->held -= chunk.size();
        m_transfer->chunks.clear();
        m_link->changed.notify_all();
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        std::unique_lock lock(m_link->mutex);
        m_link->changed.wait(lock,
                             [&] { return !m_transfer->chunks.empty() || m_transfer->ended; });
        qint64 copied = 0;
        while (copied < maxSize && !m_transfer->chunks.empty()) {
            const QByteArray& chunk = m_transfer->chunks.front();
            const qint64 taken =
                std::min(maxSize - copied, qint64(chunk.size()) - m_transfer->frontOffset);
            std::copy_n(chunk.constData() + m_transfer->frontOffset, taken, data + copied);
            copied += taken;
            m_transfer->frontOffset += taken;
            if (m_transfer->frontOffset == chunk.size()) {
                m_link->held -= chunk.size();
                m_transfer->chunks.pop_front();
                m_transfer->frontOffset = 0;
            }
        }
        m_link->changed.notify_all();
        return copied == 0 ? -1 : copied;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::shared_ptr<LinkBudget> m_link;
    std::shared_ptr<Transfer> m_transfer;
};

// The link's side of a transfer. Dropped unread (the link went first), it
// still ends the transfer, so no decoder waits for bytes that never come.
class Feeder {
public:
    Feeder(std::shared_ptr<LinkBudget> link, std::shared_ptr<Transfer> transfer, int descriptor,
           qint64 from, qint64 size)
        : m_link(std::move(link)), m_transfer(std::move(transfer)), m_descriptor(descriptor),
          m_at(from), m_size(size) {}
    ~Feeder() {
        ::close(m_descriptor);
        const std::lock_guard lock(m_link->mutex);
        m_transfer->ended = true;
        m_link->changed.notify_all();
    }
    Feeder(const Feeder&) = delete;
    Feeder& operator=(const Feeder&) = delete;

    void run() {
        ::posix_fadvise(m_descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
        while (m_at < m_size && roomForMore()) {
            QByteArray chunk(std::min(ChunkBytes, m_size - m_at), Qt::Uninitialized);
            ssize_t got = 0;
            do {
                got = ::pread(m_descriptor, chunk.data(), size_t(chunk.size()), m_at);
            } while (got < 0 && errno == EINTR);
            // An error or a file that shrank: the decoder finds the picture
            // cut short.
            if (got <= 0)
                return;
            chunk.truncate(got);
            m_at += got;
            const std::lock_guard lock(m_link->mutex);
            m_link->held += got;
            m_transfer->chunks.push_back(std::move(chunk));
            m_link->changed.notify_all();
        }
    }

private:
    // Waits while the link holds its limit; false once nobody wants the rest.
    bool roomForMore() {
        std::unique_lock lock(m_link->mutex);
        m_link->changed.wait(lock,
                             [&] { return m_transfer->abandoned || m_link->held < m_link->limit; });
        return !m_transfer->abandoned;
    }

    std::shared_ptr<LinkBudget> m_link;
    std::shared_ptr<Transfer> m_transfer;
    const int m_descriptor;
    qint64 m_at;
    const qint64 m_size;
};

} // namespace

PhotoLink::PhotoLink(qint64 heldBytesLimit)
    : d(std::make_shared<LinkBudget>(heldBytesLimit)), m_thread(new QThreadPool) {
    m_thread->setMaxThreadCount(1);
}

PhotoLink::~PhotoLink() {
    m_thread->clear();
    if (m_thread->waitForDone(0))
        delete m_thread;
}

std::unique_ptr<QIODevice> PhotoLink::stream(int descriptor, QByteArray front, qint64 size) {
    auto transfer = std::make_shared<Transfer>();
    const qint64 from = front.size();
    if (!front.isEmpty()) {
        const std::lock_guard lock(d->mutex);
        d->held += front.size();
        transfer->chunks.push_back(std::move(front));
    }
    const int own = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        transfer->ended = true;
    } else {
        auto feeder = std::make_shared<Feeder>(d, transfer, own, from, size);
        m_thread->start([feeder] { feeder->run(); });
    }
    return std::make_unique<ArrivingBytes>(d, std::move(transfer));
}

bool PhotoLink::waitForDone(int msecs) {
    return m_thread->waitForDone(msecs);
}
