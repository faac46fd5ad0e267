#include "desktop/BlackScreen.h"
#include "desktop/QtText.h"

#include <QEvent>
#include <QPainter>

BlackScreen::BlackScreen(QWidget& window) : QWidget(&window) {
    setObjectName(QStringLiteral("BlackScreen"));
    setAccessibleName(QtText("Black screen: press any key"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    window.installEventFilter(this);
}

void BlackScreen::Cover() {
    QWidget& window = *parentWidget();
    setGeometry(window.rect());
    show();
    raise();
    window.activateWindow();
    setFocus(Qt::OtherFocusReason);
}

bool BlackScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

bool BlackScreen::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key is the black screen's: none reaches the program's shortcuts meanwhile.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        hide();
        return true;
    default:
        return QWidget::event(event);
    }
}

void BlackScreen::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Qt::black);
}
