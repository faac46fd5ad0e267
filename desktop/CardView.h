#pragma once

#include "scene/Canvas.h"

#include <QWidget>

#include <functional>

// A card laid over the window, drawn by the core's scene it is given (so that a picture of the
// window shows it too): the card a hall joins from, how the hall answered. A click hides it.
class CardView : public QWidget {
public:
    using Painter = std::function<void(Canvas&, const PixelRect&)>;

    CardView(QWidget* parent, const QString& name);
    // Shows the card `paint` draws, named `accessible` for a screen reader.
    void Show(Painter paint, const QString& accessible);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Painter paint_;
};
