// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>

// A drawing surface that keeps its drawing in a backing image and paints that
// image, so an uncovered box shows what was drawn. Coordinates are pixels of
// the box. Tests read the backing image through image().
class PictureBox : public QWidget {
    Q_OBJECT

public:
    enum class DrawMode { Copy, Xor };

    explicit PictureBox(QWidget* parent = nullptr);

    void setBackColor(const QColor& color);
    QColor backColor() const { return m_backColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    QColor foreColor() const { return m_foreColor; }
    void setTextFont(const QFont& font) { m_textFont = font; }
    QFont textFont() const { return m_textFont; }
    void setDrawMode(DrawMode mode) { m_drawMode = mode; }
    DrawMode drawMode() const { return m_drawMode; }

    // Fills the whole surface with the background colour.
    void clear();
    // Fills every pixel of rect.
    void fillRect(const QRect& rect, const QColor& color);
    // Draws a one-pixel outline on the border pixels of rect.
    void drawBox(const QRect& rect, const QColor& color);
    void drawLine(const QPoint& from, const QPoint& to, const QColor& color);

    // The current text position: the top-left corner of the next text.
    void setCurrentPos(const QPoint& pos) { m_currentPos = pos; }
    QPoint currentPos() const { return m_currentPos; }
    // Draws text in the text font and fore colour at the current position and
    // moves the position to the start of the next line.
    void print(const QString& text);
    // The width in pixels that print() covers with text.
    int textWidth(const QString& text) const;

    // Stretches sourceRect of source onto target, a plain pixel copy.
    void stretchFrom(const QImage& source, const QRect& sourceRect, const QRect& target);

    // Replaces the drawing with picture; with auto-size on, the box takes the
    // picture's size.
    void setPicture(const QImage& picture);
    void setAutoSize(bool on) { m_autoSize = on; }

    // The drawing, the size of the box.
    QImage image() const;
    // Paints the box on screen now.
    void refreshNow();

    // What a screen reader hears of the things drawn in the box, each a
    // child of the box's accessible interface.
    struct DrawnItem {
        QRect rect;
        QString name;
        bool selected = false;
        bool focused = false;
    };
    using DrawnItems = std::function<QList<DrawnItem>()>;
    void setDrawnItems(DrawnItems items) { m_drawnItems = std::move(items); }
    QList<DrawnItem> drawnItems() const {
        return m_drawnItems ? m_drawnItems() : QList<DrawnItem>{};
    }
    // The role the box plays for a screen reader: a picture unless set.
    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }

signals:
    // One mouse-down per press; the second press of a double click raises
    // none, as on the platform the program comes from.
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    // A key went down while the box had the keyboard focus.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    // The wheel turned by whole notches, positive away from the user.
    void wheelTurned(int notches, Qt::KeyboardModifiers modifiers);
    // The box got or lost the keyboard focus.
    void focusChanged(bool focused);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyDrawMode(class QPainter& painter) const;
    void fitImageToSize();

    QImage m_image;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
    QFont m_textFont;
    DrawMode m_drawMode = DrawMode::Copy;
    QPoint m_currentPos;
    bool m_autoSize = false;
    // The last press this box signalled, to pair a double click with it.
    Qt::MouseButton m_lastPressButton = Qt::NoButton;
    quint64 m_lastPressTime = 0;
    // A touchpad turns the wheel in parts of a notch.
    int m_wheelEighths = 0;
    DrawnItems m_drawnItems;
    QAccessible::Role m_accessibleRole = QAccessible::Graphic;
};
