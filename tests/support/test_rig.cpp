// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_rig.h"

#include <QDir>

// C: is mapped, as a school's shared drive is; the other letters are this
// computer's own.
static DriveMap testDrives(const QString& root) {
    DriveMap drives(root + QStringLiteral("/drives"));
    drives.setDrive(u'C', root + QStringLiteral("/drives/c"));
    QDir().mkpath(drives.hostFolder(u'C'));
    return drives;
}

TestRig::TestRig(int screenWidth)
    : files(testDrives(root.path())), screen(screenWidth),
      thumbnails(ThumbnailLoader::DefaultCacheBytes, thumbnailRoot()),
      printer({11000, 15000}, root.path()), services{messages,   screen,  clock,
                                                     files,      dialogs, modals,
                                                     thumbnails, printer, clipboard} {}

FormRig::FormRig(int screenWidth)
    : TestRig(screenWidth), form(std::make_unique<MainWindow>(state, services)),
      view(form->view()), program{state, services, view} {
    form->load();
}
