#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

#include <tuple>

// A push button that, once given a colour, is drawn flat in exactly that colour (router and
// network buttons, whose colour the packets repeat), with the style's focus mark when it has the
// keyboard focus; without a colour it looks like any other button, drawn by the style once for
// each look it takes and copied after. For a vector picture it is drawn as shapes and text only.
// The arrow keys pass over it to the window (they do not move the focus to the next button).
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    void SetColour(const QColor& colour);
    // Takes the font, or where the caption runs wider than the button, the font narrowed (to 70 %
    // at most) and then smaller, so that no caption, in any language, is cut.
    void Fit(const QFont& font);
    // The font Fit was last given.
    const QFont& Given() const { return given_; }
    // Whether the style's last drawing of the button is kept, to be copied (not for a coloured
    // button, nor for a look not seen twice yet).
    bool HasStyledCopy() const { return !colour_.isValid() && !styled_.isNull(); }
    // Copies it onto a painter of its parent's device pixels, `ratio` of them across a pixel,
    // within `over` (the parent's pixels).
    void CopyStyled(QPainter& painter, const QRegion& over, int ratio) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Draws the button as the style does, from a copy of the style's last drawing.
    void PaintStyled();
    // A plain button of the style's colours in shapes and text, for a vector picture, where the
    // style's own drawing would come out as a bitmap.
    void PaintVector();

    QFont given_;
    QColor colour_;
    QImage styled_;
    std::tuple<int, int, QSize, QString, QFont, double, qint64> styledKey_;
};
