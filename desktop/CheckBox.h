#pragma once

#include <QCheckBox>

// The check box, its caption narrowed where this font runs wider than the layout's box. For a
// vector picture it is drawn as shapes and text, the narrowing written as a transform of the
// text, which every reader of the drawing keeps (a narrowed font is not).
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;
    // Takes the font, narrowed and smaller as far as needed for the caption to fit the box's
    // width (Fitted), and a tick box of `tick` pixels.
    void Fit(const QFont& font, int tick);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintVector();
};
