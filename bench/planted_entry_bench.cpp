// SPDX-License-Identifier: GPL-3.0-or-later
// Times a cold thumbnail page of a folder whose shared thumbnail pack a pupil
// replaced with a FIFO or a link to /dev/zero, against the same folder with
// no pack at all: what a planted pack costs the page.

#include "core/imaging/thumbnail_loader.h"
#include "support/test_photos.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr int PagePhotos = 25;
constexpr int Rounds = 5;

enum class Planted { Nothing, Fifo, DevZeroLink };

// A fresh folder each round, so that no entry the page wrote is found.
double pageMs(Planted planted) {
    double total = 0;
    for (int round = 0; round < Rounds; ++round) {
        QTemporaryDir folder;
        QTemporaryDir cache;
        QDir().mkpath(folder.filePath(QStringLiteral(".sh_thumbnails")));
        const QString pack = folder.filePath(QStringLiteral(".sh_thumbnails/fotobako.pack"));
        if (planted == Planted::Fifo)
            ::mkfifo(QFile::encodeName(pack).constData(), 0600);
        else if (planted == Planted::DevZeroLink)
            QFile::link(QStringLiteral("/dev/zero"), pack);
        std::vector<ThumbnailRequest> page;
        for (int i = 0; i < PagePhotos; ++i) {
            const QString name = QStringLiteral("P%1.JPG").arg(i);
            writeTestJpeg(folder.filePath(name), {640, 480});
            page.push_back({folder.filePath(name), 144, 108});
        }
        ThumbnailLoader loader(ThumbnailLoader::DefaultCacheBytes, cache.path());
        QElapsedTimer timer;
        timer.start();
        loader.loadPage(page, [](int, const Thumbnail&) {});
        total += timer.nsecsElapsed() / 1e6;
        loader.waitForIdle(60000);
    }
    return total / Rounds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double none = pageMs(Planted::Nothing);
    const double fifo = pageMs(Planted::Fifo);
    const double zero = pageMs(Planted::DevZeroLink);
    std::printf("cold page of %d photos, mean of %d rounds:\n", PagePhotos, Rounds);
    std::printf("  no pack            %8.1f ms\n", none);
    std::printf("  the pack a FIFO    %8.1f ms (%+.2f ms)\n", fifo, fifo - none);
    std::printf("  the pack /dev/zero %8.1f ms (%+.2f ms)\n", zero, zero - none);
    return 0;
}
