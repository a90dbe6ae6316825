// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(QtClipboardTest, PutsTheBitmapOnTheSystemClipboardAndClearsIt) {
    QtClipboard clipboard;
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    picture.setPixelColor(99, 49, QColor(250, 0, 0));
    ASSERT_TRUE(clipboard.setImage(picture));
    const QImage held = QGuiApplication::clipboard()->image();
    EXPECT_EQ(held.size(), QSize(100, 50));
    EXPECT_EQ(held.pixelColor(0, 0), QColor(10, 200, 30));
    EXPECT_EQ(held.pixelColor(99, 49), QColor(250, 0, 0));

    clipboard.clear();
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    EXPECT_FALSE(clipboard.setImage(QImage()));
}

} // namespace
