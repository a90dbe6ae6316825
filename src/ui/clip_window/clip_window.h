// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class PictureBox;
class QPushButton;

// The clip window: the size and area buttons, "クリップ" and "とじる", the
// photo's picture box and the hidden work surface for a cut rectangle. It
// only holds and places its controls; the clip commands connect to them.
class ClipWindow : public QDialog {
    Q_OBJECT

public:
    explicit ClipWindow(QWidget* parent = nullptr);

    std::array<QPushButton*, 2> sizeButtons{};
    std::array<QPushButton*, 2> areaButtons{};
    QPushButton* clipButton = nullptr;
    QPushButton* closeButton = nullptr;
    PictureBox* photoBox = nullptr;
    PictureBox* cutSurface = nullptr;
};
