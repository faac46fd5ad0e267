#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <vector>

// The baseline for the animation's share: a bare Qt window that moves 51 discs as large as the
// program's markers (ring and fill, antialiased) over a plain background at the same 40 ms beat,
// each tick asking to repaint only the discs' old and new places, as a small program written the
// usual way would: each disc drawn, or, where `kept`, copied from an image of it kept at the
// device's pixels. Each disc runs to and fro along a line of its own, 26 steps a way, as a packet
// runs a hop.
class BareWindow : public QWidget {
public:
    BareWindow(QSize size, double diameter, bool kept);
    int Ticks() const { return ticks_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Disc {
        QPointF start;
        QPointF stride;
        int step = 0;
        QColor colour;
        QImage kept;
    };
    // The disc with its area's top left corner at `corner`.
    void Draw(QPainter& painter, const Disc& disc, QPointF corner) const;
    // Where the disc stands now, its ring's antialiased edge included.
    QRect Area(const Disc& disc) const;

    double diameter_;
    bool kept_;
    int ticks_ = 0;
    std::vector<Disc> discs_;
    QTimer timer_;
};
