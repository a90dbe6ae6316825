// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The save-drive window: the drive in use and eight drive buttons. A click on
// a drive button is announced with its index; what it does is left to
// whoever handles driveChosen().
class SaveDriveWindow : public QDialog {
    Q_OBJECT

public:
    explicit SaveDriveWindow(QWidget* parent = nullptr);

    // The drive in use, as "C:".
    void showCurrentDrive(const QString& drive);

    QFrame* frameBox = nullptr;
    QLabel* promptFirstLine = nullptr;
    QLabel* promptSecondLine = nullptr;
    QLabel* currentDriveLabel = nullptr;
    QLineEdit* currentDriveEdit = nullptr;
    std::array<QPushButton*, 8> driveButtons{};

signals:
    void driveChosen(int index);
};
