// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class PictureBox;
class QPushButton;

// The clip window: the size and area buttons, "クリップ" and "とじる", the
// photo's picture box and the hidden work surface for a cut rectangle. It
// tells what the user asked through its signals; the clip routine draws on
// its two surfaces.
class ClipWindow : public QDialog {
    Q_OBJECT

public:
    explicit ClipWindow(QWidget* parent = nullptr);

    // The photo as shown, and the hidden surface a chosen rectangle is cut on.
    PictureBox& photoBox() { return *m_photoBox; }
    PictureBox& cutSurface() { return *m_cutSurface; }

    // Gives the chosen size and area buttons their chosen faces.
    void showChosen(int sizeMode, int areaMode);

signals:
    // "640×480" (0) or "320×240" (1).
    void sizeChosen(int mode);
    // "すべて" (0) or "はんい" (1).
    void areaChosen(int mode);
    void clipRequested();
    void photoPressed(Qt::MouseButton button, QPoint pos);
    void pointerMoved(QPoint pos);

private:
    std::array<QPushButton*, 2> m_sizeButtons{};
    std::array<QPushButton*, 2> m_areaButtons{};
    QPushButton* m_clipButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    PictureBox* m_photoBox = nullptr;
    PictureBox* m_cutSurface = nullptr;
};
