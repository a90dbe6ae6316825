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

    QFrame* frameBox = nullptr;
    QLabel* promptFirstLine = nullptr;
    QLabel* promptSecondLine = nullptr;
    QLabel* currentDriveLabel = nullptr;
    QLineEdit* currentDriveEdit = nullptr;
    std::array<QPushButton*, 8> driveButtons{};

signals:
    void driveChosen(int index);
};

// The save root drive button index (0 to 7) chooses: "A:\", or
// "C:\A_IMAGE\" to "I:\A_IMAGE\" (there is no button for B:).
QString saveRootOfDriveButton(int index);
