#pragma once

#include <QWidget>
#include <array>

class PictureBox;
class QPushButton;

// The slide-show window: borderless and covering the screen, with the large
// photo, the thumbnail strip, the two layout icons and the three buttons. It
// only holds and places its controls; the show connects to them.
class Form3 : public QWidget {
    Q_OBJECT

public:
    explicit Form3(QWidget* parent = nullptr);

    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    std::array<PictureBox*, 2> Picture3{};
    QPushButton* Command1 = nullptr;
    std::array<QPushButton*, 2> Command2{};

protected:
    // The arrow keys step like "＜" and "＞", Esc ends the show like "おわり".
    void keyPressEvent(QKeyEvent* event) override;
};
