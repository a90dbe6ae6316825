#include "app/application.h"

#include "app/main_window_wiring.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "platform/desktop_thumbnail_cache.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {
// Drive letters map to their default folders unless DRIVES.TXT beside the
// program names others; a photo drive it leaves unnamed is the card the
// desktop mounted.
FileSystem programFileSystem() {
    DriveMap drives(DriveMap::standardDefaultRoot());
    drives.setCardRoots(DriveMap::standardCardRoots());
    drives.loadOverrides(QCoreApplication::applicationDirPath() + QStringLiteral("/DRIVES.TXT"));
    return FileSystem(std::move(drives));
}
} // namespace

Application::Application()
    : m_files(programFileSystem()),
      m_thumbnails(ThumbnailLoader::DefaultCacheBytes, DesktopThumbnailCache::standardRoot()),
      m_printer(m_messages, m_clock, QCoreApplication::applicationDirPath(),
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
      m_services{m_messages, m_screen,     m_clock,   m_files,    m_dialogs,
                 m_modals,   m_thumbnails, m_printer, m_clipboard},
      m_form(m_state, m_services), m_program{m_state, m_form, m_services} {
    m_messages.setParent(&m_form);
    connectShutDown(m_program);
    connectMainWindow(m_program, QCoreApplication::applicationDirPath());
    startUp(m_program, QCoreApplication::applicationDirPath());
}
