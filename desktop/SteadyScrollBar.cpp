#include "desktop/SteadyScrollBar.h"

#include <QStyle>
#include <QStyleOptionSlider>

SteadyScrollBar::Shown SteadyScrollBar::Now() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
        value() == minimum(), value() == maximum()};
}

void SteadyScrollBar::sliderChange(SliderChange change) {
    if (change == SliderOrientationChange) {
        QScrollBar::sliderChange(change);
        return;
    }
    if (!checking_) {
        checking_ = true;
        QMetaObject::invokeMethod(this, &SteadyScrollBar::Check, Qt::QueuedConnection);
    }
}

void SteadyScrollBar::Check() {
    checking_ = false;
    if (Now() != drawn_) {
        update();
    }
}

void SteadyScrollBar::paintEvent(QPaintEvent* event) {
    drawn_ = Now();
    QScrollBar::paintEvent(event);
}
