#include "app/view/ColourButton.h"

#include <QPainter>

void ColourButton::SetColour(const QColor& colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void ColourButton::paintEvent(QPaintEvent* event) {
    if (!colour_.isValid()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), isDown() ? colour_.darker(115) : colour_);
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}
