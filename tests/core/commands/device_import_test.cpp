// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/folder_import.h"
#include "core/commands/photo_source.h"
#include "support/test_photos.h"
#include "support_library/import_rig.h"
#include "ui/folder_name_window/folder_name_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& hostPath) {
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// No card is in; a camera stands on a cable, served from root/device by
// libgphoto2's directory camera, and the desktop's device mounts are looked
// for in root/gvfs.
struct DeviceRig : ImportRig {
    DeviceRig() {
        DriveMap drives(root.filePath(QStringLiteral("drives")));
        drives.setCardRoots({root.filePath(QStringLiteral("media/pupil"))});
        drives.setCameraLookup({true,
                                {root.filePath(QStringLiteral("gvfs"))},
                                QStringLiteral("Directory Browse"),
                                QStringLiteral("disk:") + root.filePath(QStringLiteral("device"))});
        files = FileSystem(drives);
        openClassFolder();
        whenOpen = [this](FolderNameWindow& window) { shownLine = window.photoDriveLine->text(); };
        messages.answers = {true, true, true};
    }

    // Writes photo number n under folder (relative to root) and returns its path.
    QString put(const QString& folder, const QString& name, int n) {
        QDir().mkpath(root.filePath(folder));
        const QString path = root.filePath(folder + u'/' + name);
        const QSize size(320 + 16 * n, 240);
        if (name.endsWith(QStringLiteral(".HEIC")))
            EXPECT_TRUE(writeTestHeic(path, size, {.thumbnail = {96, 72}}));
        else
            EXPECT_TRUE(writeTestJpeg(path, size, {.noise = true}));
        return path;
    }

    // The arrived photo's bytes, by its name on the device.
    QByteArray arrived(const QString& name) const {
        return bytesOf(host(state.folder.PhotoFolder) + QStringLiteral("/20020615093012_") + name);
    }

    QString shownLine;
};

// libgphoto2's directory camera lists only the extensions it knows, HEIC not
// among them, so the camera here holds JPEGs; HEIC comes by the desktop's
// mount below.
TEST(DeviceImport, EveryPhotoArrivesWholeInCardOrder) {
    DeviceRig rig;
    const char* const onDevice[][2] = {
        {"device/DCIM/101APPLE", "IMG_0101.JPG"}, {"device/DCIM/100APPLE", "IMG_0003.JPG"},
        {"device/DCIM/100APPLE", "img_0002.jpg"}, {"device/DCIM/100APPLE", "IMG_0001.JPG"},
        {"device/DCIM/.hidden", "IMG_0009.JPG"},  {"device", "TOP.JPG"}};
    QMap<QString, QByteArray> sent;
    for (int i = 0; i < 6; ++i)
        sent[QLatin1String(onDevice[i][1])] =
            bytesOf(rig.put(QLatin1String(onDevice[i][0]), QLatin1String(onDevice[i][1]), i));

    QStringList order;
    for (const CardPhoto& photo : findPhotoSource(rig.files, rig.state.settings.PhotoDrivePath)
                                      ->photos()
                                      .value_or(QList<CardPhoto>()))
        order << photo.name;
    EXPECT_EQ(order, QStringList({"TOP.JPG", "IMG_0001.JPG", "img_0002.jpg", "IMG_0003.JPG",
                                  "IMG_0101.JPG"}));

    rig.importAs(QStringLiteral("えんそく"));
    EXPECT_EQ(rig.shownLine,
              QStringLiteral("Directory Browse に 5まい（あたらしい しゃしん 5まい）"));
    EXPECT_EQ(rig.state.folder.PhotoCount, 5);
    for (const QString& name : order)
        EXPECT_EQ(rig.arrived(name), sent[name]) << name.toStdString();
    EXPECT_EQ(rig.messages.shown, QStringList{QStringLiteral("しゃしんをとりこみます。")});

    // Known again by their heads read from the device, none comes twice.
    rig.importAs(QStringLiteral("つぎ"));
    EXPECT_EQ(rig.shownLine,
              QStringLiteral("Directory Browse に 5まい（あたらしい しゃしん 0まい）"));
    EXPECT_EQ(rig.messages.shown.value(2), QStringLiteral("ぜんぶ もう とりこんであります。"));
}

TEST(DeviceImport, APulledCableIsToldAndWhatArrivedStaysWhole) {
    DeviceRig rig;
    QMap<QString, QByteArray> sent;
    for (int n = 1; n <= 4; ++n) {
        const QString name = QStringLiteral("IMG_%1.JPG").arg(n);
        sent[name] = bytesOf(rig.put(QStringLiteral("device/DCIM/100APPLE"), name, n));
    }
    rig.state.FolderNameWindowMode = FolderNameMode::Import;
    rig.messages.answers = {true};
    importMakeOrRenameFolder(rig.program, QStringLiteral("えんそく"), [&](int done, int) {
        if (done == 2)
            QDir(rig.root.filePath(QStringLiteral("device"))).removeRecursively();
    });

    EXPECT_EQ(rig.messages.shown.value(1),
              QStringLiteral("カメラがはずれました。とりこめたのは 2まいです。"));
    EXPECT_EQ(rig.files.listFiles(rig.state.folder.PhotoFolder, QStringLiteral("*.*")),
              QStringList({"20020615093012_IMG_1.JPG", "20020615093012_IMG_2.JPG"}))
        << "nothing half-written";
    for (const QString& name : {QStringLiteral("IMG_1.JPG"), QStringLiteral("IMG_2.JPG")})
        EXPECT_EQ(rig.arrived(name), sent[name]);
}

// A device the desktop holds is read in its mount as a card, HEIC and all.
TEST(DeviceImport, TheDesktopsMountIsReadAsACard) {
    DeviceRig rig;
    const QString camera =
        QStringLiteral("gvfs/mtp:host=SAMSUNG_Galaxy_Tab/Internal shared storage/DCIM/Camera");
    const QByteArray heic = bytesOf(rig.put(camera, QStringLiteral("IMG_1.HEIC"), 1));
    const QByteArray jpeg = bytesOf(rig.put(camera, QStringLiteral("IMG_2.JPG"), 2));
    rig.put(QStringLiteral("device/DCIM/100APPLE"), QStringLiteral("IMG_9.JPG"), 9);

    rig.importAs(QStringLiteral("えんそく"));
    EXPECT_EQ(rig.shownLine,
              QStringLiteral("SAMSUNG Galaxy Tab に 2まい（あたらしい しゃしん 2まい）"));
    EXPECT_EQ(rig.arrived(QStringLiteral("IMG_1.HEIC")), heic);
    EXPECT_EQ(rig.arrived(QStringLiteral("IMG_2.JPG")), jpeg);
    EXPECT_EQ(rig.state.folder.PhotoCount, 2);
}

} // namespace
