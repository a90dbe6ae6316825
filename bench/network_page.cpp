// SPDX-License-Identifier: GPL-3.0-or-later
// Times a thumbnail page of 25 photos of 12 megapixels served by a private
// Samba server whose port is held to 100 Mbit/s, as a school network moves
// them: the first page cold with EXIF thumbnails, cold without them (against
// the transfer floor: the bytes that crossed the network divided by the
// rate), and the same page on a second machine once the first has shown it.
// Then the start of a lesson: --clients N (8 unless given) more mounts, each
// a machine of its own, load that page at the same instant through the same
// server port, with the first machine's shared entries present.
// The limit is a tc shaper on the loopback device that matches only the
// server's port; it is removed at the end. Where tc is not allowed the bench
// says so and stops.

#include "core/geometry/thumbnail_geometry.h"
#include "core/imaging/thumbnail_loader.h"
#include "support/mount_tools.h"
#include "support/smb_share.h"
#include "support/test_photos.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <latch>
#include <thread>
#include <vector>

namespace {

constexpr int PagePhotos = 25;
constexpr double BytesPerSecond = 100e6 / 8;
const QSize PhotoSize(4000, 3000);

// The shaper: the packets from the server's port go through a class of
// 100 Mbit/s and those to it through another, as a full-duplex link carries
// each direction at its rate, so a request never queues behind the data of
// another; all other loopback traffic goes through one without a real limit.
class PortShaper {
public:
    explicit PortShaper(int port) {
        QString shown;
        if (!runQuietly(QStringLiteral("tc"), {"qdisc", "show", "dev", "lo"}, &shown)) {
            m_skipReason = QStringLiteral("tc cannot be run: ") + shown;
            return;
        }
        if (!shown.startsWith(QStringLiteral("qdisc noqueue"))) {
            m_skipReason = QStringLiteral("the loopback device has a queue of its own already");
            return;
        }
        const QString sport = QString::number(port);
        const QList<QStringList> steps = {
            {"qdisc", "add", "dev", "lo", "root", "handle", "1:", "htb", "default", "20"},
            {"class", "add", "dev", "lo", "parent", "1:", "classid", "1:10", "htb", "rate",
             "100mbit", "ceil", "100mbit", "burst", "256kb"},
            {"class", "add", "dev", "lo", "parent", "1:", "classid", "1:11", "htb", "rate",
             "100mbit", "ceil", "100mbit", "burst", "256kb"},
            {"class", "add", "dev", "lo", "parent", "1:", "classid", "1:20", "htb", "rate",
             "100gbit"},
            {"filter", "add", "dev", "lo", "parent", "1:", "protocol", "ip", "prio", "1", "u32",
             "match", "ip", "sport", sport, "0xffff", "flowid", "1:10"},
            {"filter", "add", "dev", "lo", "parent", "1:", "protocol", "ip", "prio", "1", "u32",
             "match", "ip", "dport", sport, "0xffff", "flowid", "1:11"}};
        for (const QStringList& step : steps) {
            QString output;
            if (!runQuietly(QStringLiteral("tc"), step, &output)) {
                m_skipReason = QStringLiteral("tc is not allowed here: ") + output;
                return;
            }
            m_installed = true;
        }
    }
    ~PortShaper() {
        if (m_installed)
            runQuietly(QStringLiteral("tc"), {"qdisc", "del", "dev", "lo", "root"});
    }
    PortShaper(const PortShaper&) = delete;
    PortShaper& operator=(const PortShaper&) = delete;

    QString skipReason() const { return m_skipReason; }

    // The bytes the server has sent through the shaper so far.
    qint64 bytesSent() const {
        QString stats;
        runQuietly(QStringLiteral("tc"), {"-s", "class", "show", "dev", "lo"}, &stats);
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("class htb 1:10 [^\\n]*\\n\\s*Sent (\\d+) bytes"))
                .match(stats);
        return match.hasMatch() ? match.captured(1).toLongLong() : 0;
    }

private:
    QString m_skipReason;
    bool m_installed = false;
};

// Writes one photo into the served folder and copies it under every name.
QStringList makePage(const QString& served, const QString& folder, const TestJpegOptions& options) {
    QDir(served).mkpath(folder);
    const QString first = QStringLiteral("%1/%2/P001.JPG").arg(served, folder);
    writeTestJpeg(first, PhotoSize, options);
    QStringList names{QStringLiteral("P001.JPG")};
    for (int i = 2; i <= PagePhotos; ++i) {
        names << QStringLiteral("P%1.JPG").arg(i, 3, 10, QChar(u'0'));
        QFile::copy(first, QStringLiteral("%1/%2/%3").arg(served, folder, names.last()));
    }
    return names;
}

struct PageTime {
    double ms = 0;
    qint64 bytes = 0;
};

// One machine's first look at the page: a loader with empty memory and its
// own empty desktop cache.
PageTime showPage(const PortShaper& shaper, const QString& folder, const QStringList& names) {
    QTemporaryDir cache;
    ThumbnailLoader loader(ThumbnailLoader::DefaultCacheBytes, cache.path());
    std::vector<ThumbnailRequest> requests;
    for (const QString& name : names)
        requests.push_back({folder + u'/' + name, LargeThumbWidth, 0});
    const qint64 before = shaper.bytesSent();
    QElapsedTimer timer;
    timer.start();
    int shown = 0;
    loader.loadPage(requests, [&shown](int, const Thumbnail& thumbnail) {
        shown += thumbnail.image.isNull() ? 0 : 1;
    });
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    // The first machine's shared entries are written after the page is
    // drawn; the bytes count once they are.
    loader.waitForIdle(60000);
    if (shown != PagePhotos)
        std::printf("only %d of %d thumbnails were made\n", shown, PagePhotos);
    return {ms, shaper.bytesSent() - before};
}

// Every client waits for the same signal and then loads its first page; the
// time is until the last of them has it.
PageTime lessonStart(const PortShaper& shaper, const QStringList& folders,
                     const QStringList& names) {
    std::latch ready(folders.size() + 1);
    std::latch go(1);
    std::vector<double> doneMs(folders.size());
    QElapsedTimer timer;
    std::vector<std::thread> clients;
    for (qsizetype c = 0; c < folders.size(); ++c) {
        clients.emplace_back([&, c] {
            QTemporaryDir cache;
            ThumbnailLoader loader(ThumbnailLoader::DefaultCacheBytes, cache.path());
            std::vector<ThumbnailRequest> requests;
            for (const QString& name : names)
                requests.push_back({folders[c] + u'/' + name, LargeThumbWidth, 0});
            ready.arrive_and_wait();
            go.wait();
            int shown = 0;
            loader.loadPage(requests, [&shown](int, const Thumbnail& thumbnail) {
                shown += thumbnail.image.isNull() ? 0 : 1;
            });
            doneMs[c] = double(timer.nsecsElapsed()) / 1e6;
            if (shown != PagePhotos)
                std::printf("client %d: only %d of %d thumbnails\n", int(c), shown, PagePhotos);
            loader.waitForIdle(60000);
        });
    }
    ready.arrive_and_wait();
    const qint64 before = shaper.bytesSent();
    timer.start();
    go.count_down();
    for (std::thread& client : clients)
        client.join();
    return {*std::max_element(doneMs.begin(), doneMs.end()), shaper.bytesSent() - before};
}

int clientCount(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--clients"));
    return at >= 0 && at + 1 < arguments.size() ? std::max(0, arguments[at + 1].toInt()) : 8;
}

double megabytes(qint64 bytes) {
    return double(bytes) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int clients = clientCount(app.arguments());
    SmbShare share;
    if (!share.start() || !share.mountAgain(QStringLiteral("second"))) {
        std::printf("skipped: no Samba share here: %s\n", qPrintable(share.skipReason()));
        return 0;
    }
    QStringList clientFolders;
    for (int c = 1; c <= clients; ++c) {
        const QString name = QStringLiteral("client%1").arg(c);
        if (!share.mountAgain(name)) {
            std::printf("skipped: cannot mount the share %d times: %s\n", clients,
                        qPrintable(share.skipReason()));
            return 0;
        }
        clientFolders << share.shareFolder(name) + QStringLiteral("/plain");
    }
    std::printf("making %d photos of %dx%d...\n", 2 * PagePhotos, PhotoSize.width(),
                PhotoSize.height());
    std::fflush(stdout);
    TestJpegOptions withExif;
    withExif.noise = true;
    withExif.exifThumbnail = QSize(160, 120);
    TestJpegOptions withoutExif;
    withoutExif.noise = true;
    const QStringList exifNames = makePage(share.servedFolder(), QStringLiteral("exif"), withExif);
    const QStringList plainNames =
        makePage(share.servedFolder(), QStringLiteral("plain"), withoutExif);
    std::printf("photo file: %.1f MB with an EXIF thumbnail, %.1f MB without\n",
                megabytes(QFile(share.servedFolder() + QStringLiteral("/exif/P001.JPG")).size()),
                megabytes(QFile(share.servedFolder() + QStringLiteral("/plain/P001.JPG")).size()));

    const PortShaper shaper(share.port());
    if (!shaper.skipReason().isEmpty()) {
        std::printf("skipped: %s\n", qPrintable(shaper.skipReason()));
        return 0;
    }
    const QString first = share.shareFolder();
    const QString second = share.shareFolder(QStringLiteral("second"));
    const PageTime exif = showPage(shaper, first + QStringLiteral("/exif"), exifNames);
    std::printf("[ figures ] cold page with EXIF thumbnails: %.0f ms (%.1f MB over the network; "
                "goal under 300 ms)\n",
                exif.ms, megabytes(exif.bytes));
    const PageTime plain = showPage(shaper, first + QStringLiteral("/plain"), plainNames);
    std::printf("[ figures ] cold page without EXIF thumbnails: %.0f ms against a transfer floor "
                "of %.0f ms (%.1f MB at 100 Mbit/s)\n",
                plain.ms, 1000.0 * double(plain.bytes) / BytesPerSecond, megabytes(plain.bytes));
    const PageTime other = showPage(shaper, second + QStringLiteral("/plain"), plainNames);
    std::printf("[ figures ] the same page on a second machine: %.0f ms (%.2f MB over the "
                "network; goal under 100 ms)\n",
                other.ms, megabytes(other.bytes));
    if (clients > 0) {
        const PageTime lesson = lessonStart(shaper, clientFolders, plainNames);
        std::printf("[ figures ] %d clients at once: every first page in %.0f ms; the server sent "
                    "%.2f MB, %.3f MB a client (goal within 1000 ms)\n",
                    clients, lesson.ms, megabytes(lesson.bytes), megabytes(lesson.bytes) / clients);
    }
    return 0;
}
