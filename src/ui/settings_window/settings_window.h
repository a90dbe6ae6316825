// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/settings_form_values.h"

#include <QDialog>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings window "環境設定": the photo drive, the save drive folder, the
// school year, the use mode, the node number and the database folder. It
// starts with the settings in force when it is made; afterwards it is only
// hidden and shown, so it keeps what the user left in it. Saving and choosing
// a folder are handled by whoever connects to its buttons.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    // The school years offered run from 2001 to lastYear.
    SettingsWindow(const SettingsValues& inForce, int lastYear, QWidget* parent = nullptr);

    // What the controls show, as the settings they would save.
    SettingsTexts texts() const;
    // Puts a folder into the photo drive box.
    void showPhotoDrive(const QString& path);

    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLabel* photoDriveLabel = nullptr;
    QLineEdit* photoDriveEdit = nullptr;
    QPushButton* browseButton = nullptr;
    QLabel* saveDriveLabel = nullptr;
    QComboBox* saveDriveCombo = nullptr;
    QLabel* schoolYearLabel = nullptr;
    QComboBox* schoolYearCombo = nullptr;
    QLabel* usageModeLabel = nullptr;
    QComboBox* usageModeCombo = nullptr;
    QFrame* separatorLine = nullptr;
    std::array<QLabel*, 2> networkLabels{};
    QComboBox* nodeNumberCombo = nullptr;
    QComboBox* databaseFolderCombo = nullptr;

private:
    void showSettings(const SettingsValues& values);
};
