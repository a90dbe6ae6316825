// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state/program_state.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The import window: one text box for a folder name, run and cancel, and an
// instruction box at the bottom that the window's height shows or hides. The
// same window names new folders and renames the open one; what a run does is
// left to whoever handles runRequested().
class FolderNameWindow : public QDialog {
    Q_OBJECT

public:
    explicit FolderNameWindow(QWidget* parent = nullptr);

    // The height of the whole window, frame included; the client area gets
    // what the frame leaves of it, so a low window cuts the instruction box.
    void setOuterHeight(int pixels);
    int outerHeight() const { return m_outerHeight; }
    // Shows only the two lines that ask for a name, at the top of the
    // instruction box, in a window outerPixels high unless its frame would
    // then cut them; setOuterHeight() brings the whole box back.
    void showTypingGuideOnly(int outerPixels);

    // The caption, height and texts the window opens with for mode: name in
    // the text box and, for an import, the card line under the instructions.
    void prepare(FolderNameMode mode, const QString& name, const QString& photoDriveText);
    // The folder name as typed.
    QString typedName() const;

    // Shows how far an import has got, painted at once, since the import
    // keeps the event loop waiting until it ends.
    void showProgress(int copied, int found);

signals:
    // "じっこう" was clicked or Enter was pressed in the name box.
    void runRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void fitOuterHeight();

    QLabel* m_nameLabel = nullptr;
    QPushButton* m_runButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLabel* m_instructionBox = nullptr;
    QLabel* m_cardInstructionFirstLine = nullptr;
    QLabel* m_cardInstructionSecondLine = nullptr;
    QLabel* m_typeInstructionFirstLine = nullptr;
    QLabel* m_typeInstructionSecondLine = nullptr;
    // Below the instruction box: the card the import will read and how many
    // photos it holds, so a pupil sees before "じっこう" that it is the right one.
    QLabel* m_photoDriveLine = nullptr;
    QProgressBar* m_importProgress = nullptr;

    int m_outerHeight;
    bool m_typingGuideOnly = false;
};
