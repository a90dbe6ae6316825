// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/startup.h"
#include "app/wiring.h"
#include "core/imaging/desktop_thumbnail_cache.h"
#include "core/library/settings_file.h"

#include <QStandardPaths>

namespace {
const QString DrivesFileName = QStringLiteral("DRIVES.TXT");

// Drive letters map to their default folders unless a DRIVES.TXT names others;
// a photo drive it leaves unnamed is the card the desktop mounted, else a
// camera or tablet on a cable.
FileSystem programFileSystem(const ProgramFiles& places) {
    DriveMap drives(DriveMap::standardDefaultRoot());
    drives.setCardRoots(DriveMap::standardCardRoots());
    drives.setCameraLookup(CameraLookup::standard());
    drives.loadOverrides(places.folderToRead(DrivesFileName) + u'/' + DrivesFileName);
    return FileSystem(std::move(drives));
}
} // namespace

Application::Application()
    : m_places(ProgramFiles::ofThisProgram()), m_files(programFileSystem(m_places)),
      m_thumbnails(ThumbnailLoader::DefaultCacheBytes, DesktopThumbnailCache::standardRoot()),
      m_printer(m_messages, m_clock, m_places.writableFolder(),
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
      m_services{m_messages, m_screen,     m_clock,   m_files,    m_dialogs,
                 m_modals,   m_thumbnails, m_printer, m_clipboard},
      m_form(m_state, m_services), m_program{m_state, m_services, m_form.view()} {
    m_messages.setParent(&m_form);
    new Wiring(m_program, m_form, m_places.writableFolder());
    m_form.load();
    startUp(m_program, m_places.folderToRead(SettingsFileName));
}
