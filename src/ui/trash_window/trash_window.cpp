// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/trash_window/trash_window.h"

#include "ui/widgets/fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int IdRole = Qt::UserRole;
const QSize IconSize(96, 72);
} // namespace

TrashWindow::TrashWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ごみばこ"));
    setFont(designFont(PGothic, 12));
    resize(640, 480);

    m_list = new QListWidget(this);
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(IconSize);
    m_list->setGridSize(QSize(150, 140));
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setWordWrap(true);
    m_emptyNote = new QLabel(QStringLiteral("ごみばこは からです。"), this);

    m_restoreButton = new QPushButton(QStringLiteral("もとにもどす"), this);
    m_emptyButton = new QPushButton(QStringLiteral("ごみばこをからにする"), this);
    auto* closeButton = new QPushButton(QStringLiteral("とじる"), this);
    // Return presses no button here: both of them change the trash.
    for (QPushButton* button : {m_restoreButton, m_emptyButton, closeButton})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_restoreButton);
    buttons->addWidget(m_emptyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_emptyNote);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_restoreButton, &QPushButton::clicked, this, [this] {
        const QStringList ids = markedIds();
        if (!ids.isEmpty())
            emit restoreRequested(ids);
    });
    connect(m_emptyButton, &QPushButton::clicked, this,
            [this] { emit emptyRequested(markedIds()); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void TrashWindow::showItems(const QList<TrashEntry>& items) {
    m_list->clear();
    for (const TrashEntry& item : items) {
        auto* row = new QListWidgetItem(m_list);
        row->setText(item.caption);
        row->setData(IdRole, item.id);
        QPixmap icon(IconSize);
        icon.fill(Qt::white);
        if (!item.thumbnail.isNull())
            icon = QPixmap::fromImage(item.thumbnail);
        row->setIcon(QIcon(icon));
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    // The first item is current, so that space marks it from the keyboard.
    m_list->setCurrentRow(0);
    m_list->setFocus();
    m_emptyNote->setVisible(items.isEmpty());
    m_restoreButton->setEnabled(!items.isEmpty());
    m_emptyButton->setEnabled(!items.isEmpty());
}

QStringList TrashWindow::markedIds() const {
    QStringList ids;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            ids << m_list->item(row)->data(IdRole).toString();
    }
    return ids;
}

void TrashWindow::markRow(int row, bool marked) {
    if (QListWidgetItem* item = m_list->item(row))
        item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
}

int TrashWindow::itemCount() const {
    return m_list->count();
}
