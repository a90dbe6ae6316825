// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The standard file-open and folder-selection dialogs, over the window the
// user is working in.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Asks for one existing image file (title "イメージファイル　選択",
    // one type "画像" listing *.JP*). Host path, or nullopt when cancelled.
    virtual std::optional<QString> chooseImageFile() = 0;
    // Asks for one existing folder, with no title, starting in the host folder
    // start or the nearest folder above it that exists. Host path, or nullopt
    // when cancelled.
    virtual std::optional<QString> chooseFolder(const QString& start) = 0;
};
