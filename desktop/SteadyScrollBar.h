#pragma once

#include <QRect>
#include <QScrollBar>

// A scroll bar that is drawn again only when what it shows changes: the handle's place and size,
// and whether it stands at either end. A long list growing by a line at a time changes its range
// on every line, while the handle, at its least size at the bottom, stays where it was. The
// changes of a moment are looked at together once they are all made: a range that grows and a
// value that follows it to the end are one change, or none.
class SteadyScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit SteadyScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr)
        : QScrollBar(orientation, parent) {}

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Shown {
        QRect handle;
        bool atStart = false;
        bool atEnd = false;
        bool operator==(const Shown&) const = default;
    };
    Shown Now() const;
    // Asks for a drawing if what the bar shows is not what it last drew.
    void Check();

    Shown drawn_;
    bool checking_ = false;
};
