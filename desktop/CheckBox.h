#pragma once

#include <QCheckBox>

// The check box, its caption narrowed where this font runs wider than the layout's box. For a
// vector picture it is drawn as shapes and text, the narrowing written as a transform of the
// text, which every reader of the drawing keeps (a narrowed font is not).
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;
    // Takes the font, narrowed as far as needed (but no further than kNarrowest percent) for the
    // caption to fit the box's width, and smaller beyond that, and a tick box of `tick` pixels.
    void Fit(const QFont& font, int tick);

    static constexpr int kNarrowest = 70;
    // How many steps of 8 % smaller the caption may take beyond that (to about 40 %).
    static constexpr int kSmaller = 11;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintVector();
};
