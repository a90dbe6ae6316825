// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/commands/main_view.h"
#include "ui/main_window/main_window_context.h"

// The main window as the commands see it.
class MainWindowView : public MainView {
public:
    MainWindowView(ProgramState& state, Services& services, MainWindowControls& controls)
        : m_context{state, services, controls} {}

    void setThumbnailScrollMaximum(int maximum) override;
    void drawThumbnailPage() override;
    void drawFolderList() override;
    void drawFolderTitle() override;
    void drawMarkCaptions() override;
    void resetThumbnailScroll() override;
    void clearThumbnailPage() override;
    void showCopyTargetPrompt(bool shown) override;
    void showClassFolderPanels() override;
    void showFolderCommands() override;
    void setFolderListHeading(const QString& heading) override;
    void setDatabaseSwitchCaption(const QString& caption) override;
    void setSaveDriveCaption(const QString& caption) override;
    void runBesideWindow(const std::function<void()>& work) override;

private:
    MainWindowContext m_context;
};
