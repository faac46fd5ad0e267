#include "desktop/LabelSpot.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

LabelSpot::LabelSpot(QWidget* parent, std::function<void(Qt::MouseButton)> onPress)
    : QWidget(parent), onPress_(std::move(onPress)) {
    setFocusPolicy(onPress_ ? Qt::StrongFocus : Qt::NoFocus);
}

void LabelSpot::mousePressEvent(QMouseEvent* event) {
    if (onPress_) {
        onPress_(event->button());
    } else {
        QWidget::mousePressEvent(event);
    }
}

void LabelSpot::keyPressEvent(QKeyEvent* event) {
    Qt::MouseButton button = Qt::NoButton;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Plus:
        button = Qt::LeftButton;
        break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        button = Qt::RightButton;
        break;
    default:
        break;
    }
    if (onPress_ && button != Qt::NoButton) {
        onPress_(button);
        return;
    }
    QWidget::keyPressEvent(event);
}

void LabelSpot::contextMenuEvent(QContextMenuEvent* event) {
    if (onPress_) {
        event->accept();
    } else {
        QWidget::contextMenuEvent(event);
    }
}

void LabelSpot::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}
