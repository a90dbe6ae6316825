// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/class_trash.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The class's trash: each item with its thumbnail and the date it went, a box
// to mark it, and the buttons that put the marked items back or empty the
// trash. What the buttons do is left to whoever handles the signals.
class TrashWindow : public QDialog {
    Q_OBJECT

public:
    explicit TrashWindow(QWidget* parent = nullptr);

    void showItems(const QList<TrashEntry>& items);
    // The ids of the marked items.
    QStringList markedIds() const;
    // Marks the item at row, as a click on its box does.
    void markRow(int row, bool marked);
    int itemCount() const;

signals:
    void restoreRequested(const QStringList& ids);
    // ids empty: every item.
    void emptyRequested(const QStringList& ids);

private:
    QListWidget* m_list = nullptr;
    QLabel* m_emptyNote = nullptr;
    QPushButton* m_restoreButton = nullptr;
    QPushButton* m_emptyButton = nullptr;
};
