#include "desktop/CardView.h"

#include "desktop/QtCanvas.h"

#include <QPainter>

CardView::CardView(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void CardView::Show(Painter paint, const QString& accessible) {
    paint_ = std::move(paint);
    setAccessibleName(accessible);
    show();
    raise();
    update();
}

void CardView::paintEvent(QPaintEvent* /*event*/) {
    if (!paint_) {
        return;
    }
    QPainter painter(this);
    QtCanvas canvas(painter);
    paint_(canvas, PixelRect{0, 0, width(), height()});
}

void CardView::mousePressEvent(QMouseEvent* /*event*/) {
    hide();
}
