#pragma once

#include "core/library/library_context.h"

struct AppContext;

// The main window's thumbnail page and folder list, drawn for the library.
class MainWindowView : public FolderView {
public:
    explicit MainWindowView(AppContext& program) : m_program(program) {}

    void setThumbnailScrollMaximum(int maximum) override;
    void drawThumbnailPage() override;
    void drawFolderList() override;

private:
    AppContext& m_program;
};
