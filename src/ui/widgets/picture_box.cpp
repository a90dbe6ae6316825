// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/picture_box.h"

#include "ui/widgets/picture_box_accessible.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWheelEvent>
#include <algorithm>

namespace {
// The rectangle between two corners given in any order, both included.
QRect spanned(const QRect& rect) {
    return QRect(QPoint(std::min(rect.left(), rect.right()), std::min(rect.top(), rect.bottom())),
                 QPoint(std::max(rect.left(), rect.right()), std::max(rect.top(), rect.bottom())));
}

// A copy of image cut or grown to size; new pixels take the fill colour.
QImage fittedTo(const QImage& image, const QSize& size, const QColor& fill) {
    QImage fitted(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    fitted.fill(fill);
    if (!image.isNull() && !fitted.isNull()) {
        QPainter painter(&fitted);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image);
    }
    return fitted;
}
} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    installPictureBoxAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = fittedTo(QImage(), size(), m_backColor);
}

void PictureBox::setBackColor(const QColor& color) {
    m_backColor = color;
    clear();
}

void PictureBox::clear() {
    fitImageToSize();
    m_image.fill(m_backColor);
    update();
}

void PictureBox::fillRect(const QRect& rect, const QColor& color) {
    fitImageToSize();
    const QRect area = spanned(rect) & m_image.rect();
    if (area.isEmpty())
        return;
    QPainter painter(&m_image);
    applyDrawMode(painter);
    painter.fillRect(area, color);
    painter.end();
    update(area);
}

void PictureBox::drawBox(const QRect& rect, const QColor& color) {
    fitImageToSize();
    const QRect box = spanned(rect);
    if (box.isEmpty())
        return;
    // Four strips that never overlap, so exclusive-or touches each border
    // pixel exactly once.
    QPainter painter(&m_image);
    applyDrawMode(painter);
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), color);
    if (box.height() > 1)
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), color);
    if (box.height() > 2) {
        const int sideHeight = box.height() - 2;
        painter.fillRect(QRect(box.left(), box.top() + 1, 1, sideHeight), color);
        if (box.width() > 1)
            painter.fillRect(QRect(box.right(), box.top() + 1, 1, sideHeight), color);
    }
    painter.end();
    update(box);
}

void PictureBox::drawLine(const QPoint& from, const QPoint& to, const QColor& color) {
    fitImageToSize();
    QPainter painter(&m_image);
    applyDrawMode(painter);
    painter.setPen(QPen(color, 0));
    painter.drawLine(from, to);
    painter.end();
    update(spanned(QRect(from, to)));
}

void PictureBox::print(const QString& text) {
    fitImageToSize();
    const QFontMetrics metrics(m_textFont);
    QPainter painter(&m_image);
    applyDrawMode(painter);
    QFont font = m_textFont;
    // Raster operations do not blend, so exclusive-or text is drawn without
    // smoothing to be undone exactly by drawing it again.
    if (m_drawMode == DrawMode::Xor)
        font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(m_foreColor);
    painter.drawText(m_currentPos.x(), m_currentPos.y() + metrics.ascent(), text);
    painter.end();
    // A line's height of slack covers glyphs that overhang their advance.
    update(QRect(m_currentPos,
                 QSize(metrics.horizontalAdvance(text) + metrics.height(), metrics.height())));
    m_currentPos.ry() += metrics.height();
}

int PictureBox::textWidth(const QString& text) const {
    const QFontMetrics metrics(m_textFont);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

void PictureBox::stretchFrom(const QImage& source, const QRect& sourceRect, const QRect& target) {
    fitImageToSize();
    if (source.isNull() || sourceRect.isEmpty() || target.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, source, sourceRect);
    painter.end();
    update(target);
}

void PictureBox::setPicture(const QImage& picture) {
    if (m_autoSize && !picture.isNull())
        resize(picture.size());
    m_image = fittedTo(QImage(), size(), m_backColor);
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
    painter.end();
    update();
}

QImage PictureBox::image() const {
    if (m_image.size() == size())
        return m_image;
    return fittedTo(m_image, size(), m_backColor);
}

void PictureBox::refreshNow() {
    repaint();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    fitImageToSize();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitImageToSize();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_lastPressButton = event->button();
    m_lastPressTime = event->timestamp();
    emit mouseDown(event->button(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(event->buttons(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(event->button(), event->position().toPoint());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the second press of a double click as this event alone. It
    // raises no mouse-down when this box signalled the first press; a double
    // click whose first press went elsewhere counts as a press here.
    const quint64 interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool secondPress = event->button() == m_lastPressButton &&
                             event->timestamp() >= m_lastPressTime &&
                             event->timestamp() - m_lastPressTime <= interval;
    if (secondPress)
        return;
    mousePressEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key(), event->modifiers());
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    constexpr int EighthsPerNotch = 120;
    m_wheelEighths += event->angleDelta().y();
    const int notches = m_wheelEighths / EighthsPerNotch;
    m_wheelEighths -= notches * EighthsPerNotch;
    if (notches != 0)
        emit wheelTurned(notches, event->modifiers());
    event->accept();
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit focusChanged(true);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit focusChanged(false);
}

void PictureBox::applyDrawMode(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_drawMode == DrawMode::Xor)
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void PictureBox::fitImageToSize() {
    // A hidden box gets its resize event only when shown, so every drawing
    // call checks the size itself.
    if (m_image.size() != size())
        m_image = fittedTo(m_image, size(), m_backColor);
}
