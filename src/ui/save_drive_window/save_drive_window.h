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

signals:
    void driveChosen(int index);

private:
    QFrame* m_frameBox = nullptr;
    QLabel* m_promptFirstLine = nullptr;
    QLabel* m_promptSecondLine = nullptr;
    QLabel* m_currentDriveLabel = nullptr;
    QLineEdit* m_currentDriveEdit = nullptr;
    std::array<QPushButton*, 8> m_driveButtons{};
};
