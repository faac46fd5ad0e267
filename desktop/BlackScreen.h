#pragma once

#include <QWidget>

// Black over the whole main window, as a presentation program blacks the screen while the
// lecturer talks: the next key or click takes it away and does nothing else.
class BlackScreen : public QWidget {
    Q_OBJECT

public:
    explicit BlackScreen(QWidget& window);
    void Cover();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
