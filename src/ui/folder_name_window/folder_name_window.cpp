// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder_name_window/folder_name_window.h"

#include "ui/widgets/control_builders.h"
#include "ui/widgets/control_names.h"
#include "ui/widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int ClientWidth = 323;
constexpr int ClientHeight = 187;
const QColor WindowColor(255, 255, 192);
const QColor InstructionColor(192, 255, 255);

struct ModeLook {
    QString caption;
    int outerHeight;
};

ModeLook lookOf(FolderNameMode mode) {
    switch (mode) {
    case FolderNameMode::Rename:
        return {QStringLiteral("フォルダ名をかえる"), 143};
    case FolderNameMode::MakeFolder:
        return {QStringLiteral("フォルダを作る"), 101};
    case FolderNameMode::Import:
        break;
    }
    // Taller than the instruction box needs by the line that names the card.
    return {QStringLiteral("デジカメから，ファイルをとりこむ"), 232};
}
} // namespace

FolderNameWindow::FolderNameWindow(QWidget* parent) : QDialog(parent), m_outerHeight(ClientHeight) {
    setObjectName(QStringLiteral("FolderNameWindow"));
    setWindowTitle(QStringLiteral("しゃしんファイルのとりこみ"));
    setFont(designFont(PGothic, 15.75));
    fillWith(this, WindowColor);

    m_nameLabel = makeLabel(QStringLiteral("フォルダ名"), this, QRect(8, 16, 93, 21));
    m_nameLabel->setFont(designFont(PGothic, 14.25));
    fillWith(m_nameLabel, WindowColor);
    m_runButton = makeButton(QStringLiteral("じっこう"), this, QRect(136, 4, 77, 33));
    m_cancelButton = makeButton(QStringLiteral("ｷｬﾝｾﾙ"), this, QRect(216, 4, 105, 33));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setGeometry(4, 44, 313, 30);
    m_nameEdit->setFont(designFont(Gothic, 18));

    m_instructionBox = new QLabel(this);
    m_instructionBox->setGeometry(4, 80, 313, 101);
    fillWith(m_instructionBox, InstructionColor);
    m_cardInstructionFirstLine =
        makeLabel(QStringLiteral("フロッピーディスクをドライブＡに"), this, QRect(32, 84, 275, 21));
    m_cardInstructionSecondLine =
        makeLabel(QStringLiteral("セットしてください。"), this, QRect(12, 108, 164, 21));
    m_typeInstructionFirstLine = makeLabel(QStringLiteral("フォルダ名をタイプし、「じっこう」"),
                                           this, QRect(32, 132, 278, 21));
    m_typeInstructionSecondLine =
        makeLabel(QStringLiteral("ボタンをおしてください。"), this, QRect(12, 156, 207, 21));
    m_photoDriveLine = makeLabel(QString(), this, QRect(12, 186, 305, 21));
    // Smaller, so that the count of new photos fits on the line too.
    m_photoDriveLine->setFont(designFont(PGothic, 10.5));

    // Covers the instructions while an import copies, when they no longer apply.
    m_importProgress = new QProgressBar(this);
    m_importProgress->setGeometry(12, 116, 297, 29);
    m_importProgress->setFormat(QStringLiteral("%v / %m"));
    m_importProgress->setAlignment(Qt::AlignCenter);
    m_importProgress->hide();

    nameAll({{m_nameLabel, "nameLabel"},
             {m_runButton, "runButton"},
             {m_cancelButton, "cancelButton"},
             {m_nameEdit, "nameEdit"},
             {m_instructionBox, "instructionBox"},
             {m_cardInstructionFirstLine, "cardInstructionFirstLine"},
             {m_cardInstructionSecondLine, "cardInstructionSecondLine"},
             {m_typeInstructionFirstLine, "typeInstructionFirstLine"},
             {m_typeInstructionSecondLine, "typeInstructionSecondLine"},
             {m_photoDriveLine, "photoDriveLine"},
             {m_importProgress, "importProgress"}});
    connect(m_runButton, &QPushButton::clicked, this, &FolderNameWindow::runRequested);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &FolderNameWindow::runRequested);
    connect(m_cancelButton, &QPushButton::clicked, this, &FolderNameWindow::reject);

    fitOuterHeight();
}

void FolderNameWindow::setOuterHeight(int pixels) {
    m_outerHeight = pixels;
    m_typingGuideOnly = false;
    m_cardInstructionFirstLine->show();
    m_cardInstructionSecondLine->show();
    m_typeInstructionFirstLine->move(32, 132);
    m_typeInstructionSecondLine->move(12, 156);
    fitOuterHeight();
}

void FolderNameWindow::showTypingGuideOnly(int outerPixels) {
    m_outerHeight = outerPixels;
    m_typingGuideOnly = true;
    m_cardInstructionFirstLine->hide();
    m_cardInstructionSecondLine->hide();
    m_typeInstructionFirstLine->move(m_cardInstructionFirstLine->pos());
    m_typeInstructionSecondLine->move(m_cardInstructionSecondLine->pos());
    fitOuterHeight();
}

void FolderNameWindow::prepare(FolderNameMode mode, const QString& name,
                               const QString& photoDriveText) {
    const ModeLook look = lookOf(mode);
    m_nameEdit->setText(name);
    m_photoDriveLine->setText(photoDriveText);
    if (mode == FolderNameMode::Rename)
        showTypingGuideOnly(look.outerHeight);
    else
        setOuterHeight(look.outerHeight);
    setWindowTitle(look.caption);
}

QString FolderNameWindow::typedName() const {
    return m_nameEdit->text();
}

void FolderNameWindow::showProgress(int copied, int found) {
    m_importProgress->setRange(0, found);
    m_importProgress->setValue(copied);
    m_importProgress->show();
    m_importProgress->repaint();
}

void FolderNameWindow::showEvent(QShowEvent* event) {
    m_importProgress->hide();
    m_nameEdit->setFocus();
    QDialog::showEvent(event);
    fitOuterHeight();
}

void FolderNameWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    fitOuterHeight();
}

// The window manager reports its frame only once the window is mapped;
// until then the frame adds nothing.
void FolderNameWindow::fitOuterHeight() {
    const int frame = frameGeometry().height() - geometry().height();
    if (m_typingGuideOnly) {
        // A thick frame makes the window taller rather than cut a line.
        const int guideBottom = m_typeInstructionSecondLine->geometry().bottom() + 1;
        const int client = std::max(m_outerHeight - frame, guideBottom + 6);
        m_instructionBox->resize(313, client - 4 - m_instructionBox->y());
        setFixedSize(ClientWidth, client);
        return;
    }
    m_instructionBox->resize(313, 101);
    setFixedSize(ClientWidth, std::max(0, m_outerHeight - frame));
}
