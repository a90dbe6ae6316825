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
// a folder are left to whoever handles its signals.
class SettingsWindow : public QDialog {
    Q_OBJECT

public:
    // The school years offered run from 2001 to lastYear.
    SettingsWindow(const SettingsValues& inForce, int lastYear, QWidget* parent = nullptr);

    // What the controls show, as the settings they would save.
    SettingsTexts texts() const;
    // Puts a folder into the photo drive box.
    void showPhotoDrive(const QString& path);

signals:
    // "参照" next to the photo drive.
    void photoDriveBrowseRequested();
    // "環境を保存する".
    void saveRequested();

private:
    void showSettings(const SettingsValues& values);

    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_photoDriveLabel = nullptr;
    QLineEdit* m_photoDriveEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QLabel* m_saveDriveLabel = nullptr;
    QComboBox* m_saveDriveCombo = nullptr;
    QLabel* m_schoolYearLabel = nullptr;
    QComboBox* m_schoolYearCombo = nullptr;
    QLabel* m_usageModeLabel = nullptr;
    QComboBox* m_usageModeCombo = nullptr;
    QFrame* m_separatorLine = nullptr;
    std::array<QLabel*, 2> m_networkLabels{};
    QComboBox* m_nodeNumberCombo = nullptr;
    QComboBox* m_databaseFolderCombo = nullptr;
};
