// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/services/file_dialogs.h"

#include <memory>

class QFileDialog;
class QWidget;

// Qt's file dialogs.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> chooseImageFile() override;
    std::optional<QString> chooseFolder(const QString& start) override;
};

// The dialog chooseImageFile shows, set up but not shown.
std::unique_ptr<QFileDialog> makeImageFileDialog(QWidget* parent);
