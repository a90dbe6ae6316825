// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/thumbnail_loader.h"
#include "support/smb_share.h"
#include "support/test_photos.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <latch>
#include <thread>

namespace {

// One machine's page, on its own mount and with its own desktop cache; the
// number of photos it had to decode.
int showOn(const QString& folder, const QStringList& names, std::latch* start = nullptr) {
    QTemporaryDir cache;
    ThumbnailLoader loader(ThumbnailLoader::DefaultCacheBytes, cache.path());
    std::vector<ThumbnailRequest> page;
    for (const QString& name : names)
        page.push_back({folder + u'/' + name, 144, 108});
    if (start)
        start->arrive_and_wait();
    int shown = 0;
    loader.loadPage(page, [&shown](int, const Thumbnail& thumbnail) {
        shown += showsTestPicture(thumbnail.image);
    });
    EXPECT_TRUE(loader.waitForIdle(30000));
    EXPECT_EQ(shown, names.size());
    return loader.decodeCount();
}

class SharedThumbnailsOnAShare : public testing::TestWithParam<SmbShare::Client> {};

// Two machines make the entries of one folder at the same moment, each for
// its half of the page; a third then finds every one valid.
TEST_P(SharedThumbnailsOnAShare, TwoMachinesAtOnceLoseNoEntry) {
    SmbShare share;
    if (!share.start())
        GTEST_SKIP() << "no Windows share here: " << share.skipReason().toStdString();
    for (const char* machine : {"a", "b", "c"})
        ASSERT_TRUE(share.mountAgain(QString::fromLatin1(machine), GetParam()))
            << share.skipReason().toStdString();
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        names << QStringLiteral("P%1.JPG").arg(i);
        ASSERT_TRUE(writeTestJpeg(share.servedFolder() + u'/' + names.last(), {640, 480}));
    }
    std::latch start(2);
    std::thread a([&] { EXPECT_EQ(showOn(share.shareFolder("a"), names.mid(0, 6), &start), 6); });
    std::thread b([&] { EXPECT_EQ(showOn(share.shareFolder("b"), names.mid(6), &start), 6); });
    a.join();
    b.join();
    EXPECT_EQ(showOn(share.shareFolder("c"), names), 0);
}

INSTANTIATE_TEST_SUITE_P(Mounts, SharedThumbnailsOnAShare,
                         testing::Values(SmbShare::Client::Smbnetfs, SmbShare::Client::Gvfs));

} // namespace
