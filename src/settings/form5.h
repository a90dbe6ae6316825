#pragma once

#include "settings/settings_form_values.h"

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
class Form5 : public QDialog {
    Q_OBJECT

public:
    // The school years offered run from 2001 to lastYear.
    Form5(const SettingsValues& inForce, int lastYear, QWidget* parent = nullptr);

    // What the controls show, as the settings they would save.
    SettingsTexts texts() const;

    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* Combo3 = nullptr;
    QFrame* Line1 = nullptr;
    std::array<QLabel*, 2> Label5{};
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo5 = nullptr;

private:
    void showSettings(const SettingsValues& values);
};
