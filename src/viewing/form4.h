#pragma once

#include <QDialog>
#include <array>

class PictureBox;
class QPushButton;

// The clip window: the size and area buttons, "クリップ" and "とじる", the
// photo's picture box and the hidden work surface for a cut rectangle. It
// only holds and places its controls; the clip commands connect to them.
class Form4 : public QDialog {
    Q_OBJECT

public:
    explicit Form4(QWidget* parent = nullptr);

    std::array<QPushButton*, 2> Command1{};
    std::array<QPushButton*, 2> Command2{};
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
};
