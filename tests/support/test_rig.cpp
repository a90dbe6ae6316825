#include "support/test_rig.h"

TestRig::TestRig(int screenWidth)
    : files(DriveMap(root.path() + QStringLiteral("/drives"))), screen(screenWidth),
      thumbnails(ThumbnailLoader::DefaultCacheBytes, thumbnailRoot()),
      printer({11000, 15000}, root.path()), services{messages,   screen,  clock,
                                                     files,      dialogs, modals,
                                                     thumbnails, printer, clipboard} {}

FormRig::FormRig(int screenWidth)
    : TestRig(screenWidth), form(std::make_unique<Form1>(state, services)),
      view(program), program{state, *form, services, view} {
    form->load();
}
