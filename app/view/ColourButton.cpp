#include "app/view/ColourButton.h"

#include <QPainter>
#include <QStyleOption>

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
    QStyleOption option;
    option.initFrom(this);
    // The keyboard focus is marked as the style marks it on the other buttons: an outline in the
    // highlight colour, once the keyboard has moved the focus. The face keeps its exact colour.
    const bool focusMark = (option.state & QStyle::State_HasFocus) != 0 &&
                           (option.state & QStyle::State_KeyboardFocusChange) != 0;
    QPainter painter(this);
    painter.fillRect(rect(), isDown() ? colour_.darker(115) : colour_);
    if (focusMark) {
        const int pen = qMax(2, qMin(width(), height()) / 12);
        painter.setPen(QPen(palette().color(QPalette::Highlight), pen, Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0));
    } else {
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}
