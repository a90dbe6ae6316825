// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/control_builders.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

void fillWith(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

void setFaceColor(QPushButton* button, const QColor& color) {
    const QString rgb =
        QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
    // A new style sheet drops the font the button had from its window, so the
    // button keeps that font itself.
    const QFont font = button->font();
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                         " border: 2px outset %1; }"
                                         "QPushButton:pressed { border-style: inset; }")
                              .arg(rgb));
    button->setFont(font);
}

QPushButton* makeFaceButton(const QString& text, QWidget* parent, const QRect& geometry,
                            const QColor& face) {
    QPushButton* button = makeButton(text, parent, geometry);
    setFaceColor(button, face);
    return button;
}
