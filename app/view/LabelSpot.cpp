#include "app/view/LabelSpot.h"

#include <QMouseEvent>

LabelSpot::LabelSpot(QWidget* parent, std::function<void(Qt::MouseButton)> onPress)
    : QWidget(parent), onPress_(std::move(onPress)) {}

void LabelSpot::mousePressEvent(QMouseEvent* event) {
    if (onPress_) {
        onPress_(event->button());
    } else {
        QWidget::mousePressEvent(event);
    }
}
