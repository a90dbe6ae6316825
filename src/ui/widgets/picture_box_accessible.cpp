// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/picture_box_accessible.h"

#include "ui/widgets/picture_box.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace {

// One drawn item, known by its place in the box's list, so that the same
// interface names whatever the box draws there now.
class DrawnItemAccessible : public QAccessibleInterface {
public:
    DrawnItemAccessible(PictureBox* box, int index) : m_box(box), m_index(index) {}

    bool isValid() const override { return m_box && m_index < m_box->drawnItems().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_box ? m_box->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_box.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? item().name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect drawn = item().rect;
        return {m_box->mapToGlobal(drawn.topLeft()), drawn.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const PictureBox::DrawnItem drawn = item();
        state.selectable = true;
        state.selected = drawn.selected;
        state.focusable = true;
        state.focused = drawn.focused && m_box->hasFocus();
        state.invisible = !m_box->isVisible();
        return state;
    }

private:
    PictureBox::DrawnItem item() const { return m_box->drawnItems().at(m_index); }

    QPointer<PictureBox> m_box;
    int m_index;
};

// The box's own widgets come first, then its drawn items.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box, box->accessibleRole()) {}
    ~PictureBoxAccessible() override {
        for (QAccessible::Id id : m_itemIds)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override {
        return QAccessibleWidget::childCount() + int(box()->drawnItems().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const int item = index - widgets;
        if (item >= box()->drawnItems().size())
            return nullptr;
        while (int(m_itemIds.size()) <= item) {
            auto* added = new DrawnItemAccessible(box(), int(m_itemIds.size()));
            m_itemIds.push_back(QAccessible::registerAccessibleInterface(added));
        }
        return QAccessible::accessibleInterface(m_itemIds[item]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto found = std::find_if(m_itemIds.begin(), m_itemIds.end(), [child](auto id) {
            return QAccessible::accessibleInterface(id) == child;
        });
        if (found == m_itemIds.end())
            return QAccessibleWidget::indexOfChild(child);
        return QAccessibleWidget::childCount() + int(found - m_itemIds.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QList<PictureBox::DrawnItem> items = box()->drawnItems();
        const QPoint local = box()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < items.size(); ++i)
            if (items[i].rect.contains(local))
                return child(QAccessibleWidget::childCount() + i);
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        const QList<PictureBox::DrawnItem> items = box()->drawnItems();
        for (int i = 0; i < items.size(); ++i)
            if (items[i].focused && box()->hasFocus())
                return child(QAccessibleWidget::childCount() + i);
        return QAccessibleWidget::focusChild();
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }

    mutable std::vector<QAccessible::Id> m_itemIds;
};

QAccessibleInterface* pictureBoxInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureBox::staticMetaObject.className()))
        return nullptr;
    auto* box = qobject_cast<PictureBox*>(object);
    return box ? new PictureBoxAccessible(box) : nullptr;
}

} // namespace

void installPictureBoxAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(pictureBoxInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
