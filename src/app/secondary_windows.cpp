// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/secondary_windows.h"

#include "core/commands/app_context.h"
#include "core/commands/folder_import.h"
#include "core/commands/import_commands.h"
#include "core/commands/settings_commands.h"
#include "core/commands/trash_commands.h"
#include "core/library/settings_form_values.h"
#include "core/services/clock.h"
#include "core/services/modal_runner.h"
#include "core/services/services.h"
#include "ui/clip_window/clipping.h"
#include "ui/folder_name_window/folder_name_window.h"
#include "ui/main_window/main_window.h"
#include "ui/save_drive_window/save_drive_window.h"
#include "ui/settings_window/settings_window.h"
#include "ui/slide_show_window/slide_show.h"
#include "ui/trash_window/trash_window.h"

#include <QAction>
#include <QPushButton>

SecondaryWindows::SecondaryWindows(AppContext& program, MainWindow& form,
                                   const QString& settingsFolder, std::function<void()> endProgram)
    : QObject(&form), m_program(program), m_form(form), m_settingsFolder(settingsFolder),
      m_endProgram(std::move(endProgram)) {
    connect(form.importAction, &QAction::triggered, this,
            [this] { openFolderNameWindow(FolderNameMode::Import); });
    connect(form.makeFolderAction, &QAction::triggered, this,
            [this] { openFolderNameWindow(FolderNameMode::MakeFolder); });
    connect(form.renameFolderButton, &QPushButton::clicked, this,
            [this] { openFolderNameWindow(FolderNameMode::Rename); });
    connect(form.settingsAction, &QAction::triggered, this,
            [this] { m_program.services.modals.runModal(settingsWindow()); });
    connect(form.saveDriveButton, &QPushButton::clicked, this, [this] {
        SaveDriveWindow& window = saveDriveWindow();
        window.showCurrentDrive(m_program.state.settings.SaveRoot.left(2));
        m_program.services.modals.runModal(window);
    });
    connect(form.slideShowAction, &QAction::triggered, this, [this] { slideShow().start(); });
    connect(form.trashAction, &QAction::triggered, this, [this] {
        trashWindow().showItems(classTrashEntries(m_program));
        m_program.services.modals.runModal(trashWindow());
    });
}

void SecondaryWindows::openFolderNameWindow(FolderNameMode mode) {
    FolderNameWindow& window = folderNameWindow();
    const FolderNameStart start = startFolderName(m_program, mode);
    window.prepare(mode, start.name, start.photoDriveLine);
    m_program.services.modals.runModal(window);
}

FolderNameWindow& SecondaryWindows::folderNameWindow() {
    if (!m_folderNameWindow) {
        m_folderNameWindow = new FolderNameWindow(&m_form);
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

SettingsWindow& SecondaryWindows::settingsWindow() {
    if (!m_settingsWindow) {
        // Next year is offered too, for setting up before the school year starts.
        m_settingsWindow =
            new SettingsWindow(settingsInForce(m_program.state),
                               m_program.services.clock.now().date().year() + 1, &m_form);
        connect(m_settingsWindow->browseButton, &QPushButton::clicked, this, [this] {
            if (const std::optional<QString> folder =
                    choosePhotoDriveFolder(m_program, m_settingsWindow->texts().photoDrive))
                m_settingsWindow->showPhotoDrive(*folder);
        });
        connect(m_settingsWindow->saveButton, &QPushButton::clicked, this, [this] {
            if (!saveSettings(m_program, m_settingsWindow->texts(), m_settingsFolder))
                return;
            m_settingsWindow->hide();
            m_endProgram();
        });
    }
    return *m_settingsWindow;
}

SaveDriveWindow& SecondaryWindows::saveDriveWindow() {
    if (!m_saveDriveWindow) {
        m_saveDriveWindow = new SaveDriveWindow(&m_form);
        connect(m_saveDriveWindow, &SaveDriveWindow::driveChosen, this, [this](int index) {
            chooseSaveDrive(m_program, index);
            m_saveDriveWindow->hide();
        });
    }
    return *m_saveDriveWindow;
}

Clipping& SecondaryWindows::clipping() {
    if (!m_clipping)
        m_clipping = new Clipping(m_program, m_form);
    return *m_clipping;
}

SlideShow& SecondaryWindows::slideShow() {
    if (!m_slideShow)
        m_slideShow = new SlideShow(m_program, m_form);
    return *m_slideShow;
}

TrashWindow& SecondaryWindows::trashWindow() {
    if (!m_trashWindow) {
        m_trashWindow = new TrashWindow(&m_form);
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
