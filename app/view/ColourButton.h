#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

#include <tuple>

// A push button that, once given a colour, is drawn flat in exactly that colour (router and
// network buttons, whose colour the packets repeat), with the style's focus mark when it has the
// keyboard focus; without a colour it looks like any other button, drawn by the style once for
// each look it takes and copied after.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    void SetColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the button as the style does, from a copy of the style's last drawing.
    void PaintStyled();

    QColor colour_;
    QImage styled_;
    std::tuple<int, int, QSize, QString, QString, double, qint64> styledKey_;
};
