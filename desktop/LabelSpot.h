#pragma once

#include <QWidget>

#include <functional>

// An invisible stand-in for a painted label: it gives the label an accessible name and a
// tooltip, and passes mouse presses on it to a handler. It draws nothing but the focus mark, so
// the painting beneath shows through. A spot that steps a value takes the keyboard focus: Up and
// "+" press as the left mouse button does, Down and "-" as the right.
class LabelSpot : public QWidget {
    Q_OBJECT

public:
    explicit LabelSpot(QWidget* parent, std::function<void(Qt::MouseButton)> onPress = {});

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A right click on a spot that steps a value steps it, and opens no menu.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<void(Qt::MouseButton)> onPress_;
};
