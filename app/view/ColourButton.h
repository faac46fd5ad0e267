#pragma once

#include <QColor>
#include <QPushButton>

// A push button that, once given a colour, is drawn flat in exactly that colour (router and
// network buttons, whose colour the packets repeat), with the style's focus mark when it has the
// keyboard focus; without a colour it looks like any other button.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    void SetColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};
