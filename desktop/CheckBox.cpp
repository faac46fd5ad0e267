#include "desktop/CheckBox.h"

#include "desktop/FontFit.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <algorithm>

void CheckBox::Fit(const QFont& font, int tick) {
    // At the style's own size no style sheet is needed.
    if (tick != style()->pixelMetric(QStyle::PM_IndicatorWidth) || !styleSheet().isEmpty()) {
        setStyleSheet(
            QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(tick));
    }
    // The caption has the box's width less the tick box and the space after it.
    const int tickRoom =
        tick + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    setFont(Fitted(font, text(), width() - tickRoom));
}

void CheckBox::paintEvent(QPaintEvent* event) {
    if (window()->property("vectorPainting").toBool()) {
        PaintVector();
        return;
    }
    QCheckBox::paintEvent(event);
}

void CheckBox::PaintVector() {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int box = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const QRectF tick(0.5, (height() - box) / 2.0 + 0.5, box - 1, box - 1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(tick);
    if (isChecked()) {
        QPainterPath mark;
        mark.moveTo(tick.left() + tick.width() * 0.2, tick.center().y());
        mark.lineTo(tick.left() + tick.width() * 0.42, tick.bottom() - tick.height() * 0.22);
        mark.lineTo(tick.right() - tick.width() * 0.18, tick.top() + tick.height() * 0.2);
        painter.setPen(QPen(palette().color(QPalette::Text), std::max(1.0, box / 8.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(mark);
    }
    // The caption in the font at its own width, narrowed by the transform instead.
    const double stretch = font().stretch() > 0 ? font().stretch() / 100.0 : 1.0;
    QFont plain = font();
    plain.setStretch(QFont::Unstretched);
    const double left = box + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    painter.setFont(plain);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(left, 0);
    painter.scale(stretch, 1.0);
    painter.drawText(QRectF(0, 0, (width() - left) / stretch, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}
