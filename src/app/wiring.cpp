// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wiring.h"

#include "core/commands/app_context.h"
#include "core/commands/browsing.h"
#include "core/commands/class_selection.h"
#include "core/commands/copy_photos.h"
#include "core/commands/database_save.h"
#include "core/commands/database_tree.h"
#include "core/commands/delete_folder.h"
#include "core/commands/delete_photos.h"
#include "core/commands/folder_import.h"
#include "core/commands/import_commands.h"
#include "core/commands/open_folder.h"
#include "core/commands/other_folder.h"
#include "core/commands/print_photo_sheets.h"
#include "core/commands/save_to_photo_drive.h"
#include "core/commands/settings_commands.h"
#include "core/commands/trash_commands.h"
#include "core/library/settings_form_values.h"
#include "core/services/clock.h"
#include "core/services/message_service.h"
#include "core/services/modal_runner.h"
#include "core/services/services.h"
#include "ui/clip_window/clipping.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/main_window/main_window.h"
#include "ui/save_drive_window/save_drive_window.h"
#include "ui/settings_window/settings_window.h"
#include "ui/slide_show_window/slide_show.h"
#include "ui/trash_window/trash_window.h"

#include <QCoreApplication>

void endProgramNow() {
    QCoreApplication::exit(0);
}

Wiring::Wiring(AppContext& program, MainWindow& window, const QString& settingsFolder,
               std::function<void()> endProgram)
    : QObject(&window), m_program(program), m_window(window), m_settingsFolder(settingsFolder),
      m_endProgram(std::move(endProgram)) {
    wireClassPanel();
    wireFolderList();
    wireThumbnailPage();
    wireMenus();
    window.showLockWaitsOf(program.services.files);
}

void Wiring::wireClassPanel() {
    AppContext& program = m_program;
    connect(&m_window, &MainWindow::classChosen, this,
            [&program](int index) { chooseClass(program, index); });
    connect(&m_window, &MainWindow::saveDriveWindowRequested, this, &Wiring::openSaveDriveWindow);
}

void Wiring::wireFolderList() {
    AppContext& program = m_program;
    connect(&m_window, &MainWindow::folderListPressed, this,
            [&program](Qt::MouseButton button, QPoint pos) {
                onFolderListMouseDown(program, button, pos);
            });
    connect(&m_window, &MainWindow::folderRowChosen, this,
            [&program](int row) { pickFolderRow(program, row); });
    connect(&m_window, &MainWindow::folderPageRequested, this,
            [&program](int index) { pageFolderList(program, index); });
    connect(&m_window, &MainWindow::deleteFolderRequested, this,
            [&program] { deleteOpenFolder(program); });
    connect(&m_window, &MainWindow::renameFolderRequested, this,
            [this] { openFolderNameWindow(FolderNameMode::Rename); });
}

void Wiring::wireThumbnailPage() {
    AppContext& program = m_program;
    connect(&m_window, &MainWindow::thumbnailPageScrolled, this,
            [&program](int topRow) { scrollThumbnails(program, topRow); });
    connect(&m_window, &MainWindow::thumbnailPagePressed, this,
            [this](Qt::MouseButton button, QPoint pos) {
                if (const int photo = toggleMarkOrPickToClip(m_program, button, pos))
                    clipping().open(photo);
            });
    connect(&m_window, &MainWindow::photoShowRequested, this,
            [this](int photo) { slideShow().startAt(photo); });
    connect(&m_window, &MainWindow::saveToDatabaseRequested, this,
            [&program] { saveOpenFolderToDatabase(program); });
    connect(&m_window, &MainWindow::selectAllRequested, this,
            [&program] { selectAllPhotos(program); });
    connect(&m_window, &MainWindow::cancelCopyRequested, this, [&program] { cancelCopy(program); });
}

void Wiring::wireMenus() {
    AppContext& program = m_program;
    connect(&m_window, &MainWindow::quitRequested, this, [this] {
        if (m_program.services.messages.askYesNo(QStringLiteral("おわります")))
            m_endProgram();
    });
    connect(&m_window, &MainWindow::closeRequested, this, [this] { m_endProgram(); });
    connect(&m_window, &MainWindow::importRequested, this,
            [this] { openFolderNameWindow(FolderNameMode::Import); });
    connect(&m_window, &MainWindow::makeFolderRequested, this,
            [this] { openFolderNameWindow(FolderNameMode::MakeFolder); });
    connect(&m_window, &MainWindow::trashWindowRequested, this, &Wiring::openTrashWindow);
    connect(&m_window, &MainWindow::saveToPhotoDriveRequested, this,
            [&program] { saveToPhotoDrive(program); });
    connect(&m_window, &MainWindow::copyRequested, this, [&program] { startCopy(program); });
    connect(&m_window, &MainWindow::deletePhotosRequested, this,
            [&program] { deletePhotos(program); });
    connect(&m_window, &MainWindow::otherFolderRequested, this,
            [&program] { openFolderByPath(program); });
    connect(&m_window, &MainWindow::printRequested, this,
            [&program](const SheetLayout& layout) { printPhotoSheets(program, layout); });
    connect(&m_window, &MainWindow::slideShowRequested, this, [this] { slideShow().start(); });
    connect(&m_window, &MainWindow::clipHintRequested, this,
            [&program] { program.services.messages.inform(ClipHintMessage); });
    connect(&m_window, &MainWindow::databaseSwitchRequested, this,
            [&program] { switchDatabaseTree(program); });
    connect(&m_window, &MainWindow::settingsRequested, this,
            [this] { m_program.services.modals.runModal(settingsWindow()); });
}

void Wiring::openFolderNameWindow(FolderNameMode mode) {
    FolderNameWindow& window = folderNameWindow();
    const FolderNameStart start = startFolderName(m_program, mode);
    window.prepare(mode, start.name, start.photoDriveLine);
    m_program.services.modals.runModal(window);
}

void Wiring::openSaveDriveWindow() {
    SaveDriveWindow& window = saveDriveWindow();
    window.showCurrentDrive(m_program.state.settings.SaveRoot.left(2));
    m_program.services.modals.runModal(window);
}

void Wiring::openTrashWindow() {
    TrashWindow& window = trashWindow();
    window.showItems(classTrashEntries(m_program));
    m_program.services.modals.runModal(window);
}

FolderNameWindow& Wiring::folderNameWindow() {
    if (!m_folderNameWindow) {
        m_folderNameWindow = new FolderNameWindow(&m_window);
        connect(m_folderNameWindow, &FolderNameWindow::runRequested, this, [this] {
            FolderNameWindow& window = *m_folderNameWindow;
            if (importMakeOrRenameFolder(
                    m_program, window.typedName(),
                    [&window](int done, int found) { window.showProgress(done, found); }))
                window.hide();
        });
    }
    return *m_folderNameWindow;
}

SettingsWindow& Wiring::settingsWindow() {
    if (!m_settingsWindow) {
        // Next year is offered too, for setting up before the school year starts.
        m_settingsWindow =
            new SettingsWindow(settingsInForce(m_program.state),
                               m_program.services.clock.now().date().year() + 1, &m_window);
        connect(m_settingsWindow, &SettingsWindow::photoDriveBrowseRequested, this, [this] {
            if (const std::optional<QString> folder =
                    choosePhotoDriveFolder(m_program, m_settingsWindow->texts().photoDrive))
                m_settingsWindow->showPhotoDrive(*folder);
        });
        connect(m_settingsWindow, &SettingsWindow::saveRequested, this, [this] {
            if (!saveSettings(m_program, m_settingsWindow->texts(), m_settingsFolder))
                return;
            m_settingsWindow->hide();
            m_endProgram();
        });
    }
    return *m_settingsWindow;
}

SaveDriveWindow& Wiring::saveDriveWindow() {
    if (!m_saveDriveWindow) {
        m_saveDriveWindow = new SaveDriveWindow(&m_window);
        connect(m_saveDriveWindow, &SaveDriveWindow::driveChosen, this, [this](int index) {
            chooseSaveDrive(m_program, index);
            m_saveDriveWindow->hide();
        });
    }
    return *m_saveDriveWindow;
}

Clipping& Wiring::clipping() {
    if (!m_clipping)
        m_clipping = new Clipping(m_program, m_window);
    return *m_clipping;
}

SlideShow& Wiring::slideShow() {
    if (!m_slideShow)
        m_slideShow = new SlideShow(m_program, m_window);
    return *m_slideShow;
}

TrashWindow& Wiring::trashWindow() {
    if (!m_trashWindow) {
        m_trashWindow = new TrashWindow(&m_window);
        connect(m_trashWindow, &TrashWindow::restoreRequested, this,
                [this](const QStringList& ids) {
                    restoreTrashItems(m_program, ids);
                    m_trashWindow->showItems(classTrashEntries(m_program));
                });
        connect(m_trashWindow, &TrashWindow::emptyRequested, this, [this](const QStringList& ids) {
            emptyTrashItems(m_program, ids);
            m_trashWindow->showItems(classTrashEntries(m_program));
        });
    }
    return *m_trashWindow;
}
