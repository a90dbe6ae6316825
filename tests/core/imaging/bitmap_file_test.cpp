// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/bitmap_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace {

TEST(RotateL, TurnsABitmapFileToTheLeftInPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PRIMG.BMP"));
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(0, 0, Qt::red);   // top-left
    picture.setPixelColor(2, 0, Qt::green); // top-right
    ASSERT_TRUE(saveBitmap(picture, path));

    EXPECT_EQ(RotateL(path, path), 0);
    const QImage turned = loadBitmap(path);
    ASSERT_EQ(turned.size(), QSize(2, 3));
    EXPECT_EQ(turned.pixelColor(0, 2), QColor(Qt::red));   // now bottom-left
    EXPECT_EQ(turned.pixelColor(0, 0), QColor(Qt::green)); // now top-left
    EXPECT_EQ(turned.pixelColor(1, 1), QColor(Qt::white));
}

TEST(RotateL, AMissingOrBrokenSourceFailsAndWritesNothing) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.bmp"));
    EXPECT_NE(RotateL(dir.filePath(QStringLiteral("none.bmp")), target), 0);
    const QString broken = dir.filePath(QStringLiteral("broken.bmp"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really");
    file.close();
    EXPECT_NE(RotateL(broken, target), 0);
    EXPECT_FALSE(QFile::exists(target));
}

// The scratch folder can be /tmp, where anyone can plant something under the
// bitmap's name before a print.
TEST(PrintBitmap, WhatOthersPlantedUnderItsNameIsNeitherWrittenThroughNorRead) {
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim.txt"));
    QFile victimFile(victim);
    ASSERT_TRUE(victimFile.open(QIODevice::WriteOnly));
    victimFile.write("keep me");
    victimFile.close();
    const QString path = dir.filePath(QStringLiteral("PRIMG.BMP"));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const std::vector<std::pair<const char*, std::function<bool()>>> planted = {
        {"link to a file", [&] { return QFile::link(victim, path); }},
        {"link to a device", [&] { return QFile::link(QStringLiteral("/dev/zero"), path); }},
        {"pipe", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0666) == 0; }},
    };
    for (const auto& [what, plant] : planted) {
        SCOPED_TRACE(what);
        QFile::remove(path);
        ASSERT_TRUE(plant());
        EXPECT_TRUE(loadBitmap(path).isNull());
        ASSERT_TRUE(saveBitmap(picture, path));
        EXPECT_EQ(loadBitmap(path).pixelColor(0, 0), QColor(Qt::blue));
        ASSERT_TRUE(victimFile.open(QIODevice::ReadOnly));
        EXPECT_EQ(victimFile.readAll(), "keep me");
        victimFile.close();
    }
}

} // namespace
