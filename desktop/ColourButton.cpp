#include "desktop/ColourButton.h"

#include "common/Colours.h"
#include "desktop/FontFit.h"
#include "desktop/TwipsTransform.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

void ColourButton::Fit(const QFont& font) {
    given_ = font;
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this);
    const QFont fitted = Fitted(font, text(), width() - 2 * margin);
    if (fitted != this->font()) {
        setFont(fitted);
    }
}

void ColourButton::SetColour(const QColor& colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void ColourButton::CopyStyled(QPainter& painter, const QRegion& over, int ratio) const {
    painter.save();
    painter.setClipRegion(QTransform::fromScale(ratio, ratio).map(over));
    painter.drawImage(pos() * ratio, QImage(styled_.constBits(), styled_.width(), styled_.height(),
                                            styled_.bytesPerLine(), styled_.format()));
    painter.restore();
}

void ColourButton::PaintStyled() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const double ratio = devicePixelRatioF();
    // The style's drawing depends only on these; packets passing beneath repaint the button
    // often, so the drawing is kept and copied while they stay the same.
    const auto key =
        std::make_tuple(option.state.toInt(), option.features.toInt(), option.rect.size(),
                        option.text, font(), ratio, palette().cacheKey());
    // A picture of the window for slides is drawn straight, to stay sharp at any scale.
    if (window()->property("directPainting").toBool()) {
        QPainter painter(this);
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }
    if (key != styledKey_) {
        // A new look: drawn straight away, and kept only if it is asked for again.
        styledKey_ = key;
        styled_ = QImage();
        QPainter painter(this);
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }
    if (styled_.isNull()) {
        styled_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        styled_.setDevicePixelRatio(ratio);
        styled_.fill(Qt::transparent);
        QPainter painter(&styled_);
        painter.setFont(font()); // a painter on a widget starts with its font, on an image not
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        styledKey_ = key;
    }
    QPainter(this).drawImage(QPoint(0, 0), styled_);
}

void ColourButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}

void ColourButton::PaintVector() {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

void ColourButton::paintEvent(QPaintEvent*) {
    if (!colour_.isValid()) {
        if (window()->property("vectorPainting").toBool()) {
            PaintVector();
        } else {
            PaintStyled();
        }
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    // The keyboard focus is marked as the style marks it on the other buttons: an outline in the
    // highlight colour, once the keyboard has moved the focus. The face keeps its exact colour.
    const bool focusMark = (option.state & QStyle::State_HasFocus) != 0 &&
                           (option.state & QStyle::State_KeyboardFocusChange) != 0;
    QPainter painter(this);
    painter.fillRect(rect(), isDown() ? colour_.darker(Colours::kPressedShade) : colour_);
    if (focusMark) {
        const int pen = qMax(2, qMin(width(), height()) / 12);
        painter.setPen(QPen(palette().color(QPalette::Highlight), pen, Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0));
    } else {
        painter.setPen(ToQColor(Colours::kButtonBorder));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}
