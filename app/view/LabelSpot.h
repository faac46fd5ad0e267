#pragma once

#include <QWidget>

#include <functional>

// An invisible stand-in for a painted label: it gives the label an accessible name and a
// tooltip, and passes mouse presses on it to a handler. It draws nothing, so the painting
// beneath shows through.
class LabelSpot : public QWidget {
    Q_OBJECT

public:
    explicit LabelSpot(QWidget* parent, std::function<void(Qt::MouseButton)> onPress = {});

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<void(Qt::MouseButton)> onPress_;
};
