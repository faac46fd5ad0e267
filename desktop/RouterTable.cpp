#include "desktop/RouterTable.h"

#include <QHelpEvent>
#include <QToolTip>

#include "common/Colours.h"
#include "common/Letters.h"
#include "router/PanelLayout.h"
#include "router/RouterPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

RouterTable::RouterTable(RouterPanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // On the Tab path, so that a screen reader can be taken to each table and read its rows.
    setFocusPolicy(Qt::StrongFocus);
    Refresh();
}

QString RouterTable::Table() const {
    return QString::fromStdString(panel_.Table());
}

void RouterTable::SetTable(const QString& message) {
    panel_.SetTable(message.toStdString());
    Refresh();
}

int RouterTable::Background() const {
    return panel_.Background();
}

void RouterTable::SetBackground(int colour) {
    panel_.SetBackground(colour);
    update();
}

QString RouterTable::Title() const {
    return QString::fromStdString(panel_.Title());
}

void RouterTable::SetTitle(const QString& title) {
    panel_.SetTitle(title.toStdString());
    update();
}

void RouterTable::Place(int left, int top, const TwipsTransform& transform) {
    left_ = left;
    top_ = top;
    transform_ = transform;
    MakeFonts();
    Refresh();
}

void RouterTable::SetLook(const PanelLayout::Look& look) {
    look_ = look;
    MakeFonts();
    update();
}

void RouterTable::MakeFonts() {
    // The fonts at this scale, made once: a paint only sets them.
    const TwipsTransform local(transform_.Scale(), QPointF());
    rowFont_ = local.Font(look_.rowPoints, true);
    if (look_.heavy) {
        rowFont_.setFamily(QString::fromLatin1(PanelLayout::kHeavyFace));
    }
    noteFont_ = local.Font(PanelLayout::kNotePoints, true);
    const QFontMetricsF metrics(noteFont_);
    noteBaseline_ = (metrics.ascent() - metrics.descent()) / 2;
}

std::array<RouterPanel::ClockNote, Router::kRows> RouterTable::Clocks() const {
    std::array<RouterPanel::ClockNote, Router::kRows> clocks{};
    if (panel_.Engine().Rules().Any()) {
        for (int k = 0; k < Router::kRows; ++k) {
            clocks[k] = panel_.Clock(k);
        }
    }
    return clocks;
}

bool RouterTable::Refresh() {
    bool moved = false;
    const QRect box = transform_.Rect(left_, top_, PanelLayout::kWidth, panel_.Height());
    if (box != geometry()) {
        setGeometry(box);
        update();
        moved = true;
    }
    if (isHidden() == panel_.visible) {
        setVisible(panel_.visible);
        moved = true;
    }
    const auto& rows = panel_.Engine().Rows();
    const auto clocks = Clocks();
    const bool same = shownBackground_ == panel_.Background() && shownTitle_ == panel_.Title() &&
                      shownHighlight_ == panel_.highlighted && rows == shownRows_;
    // Where only what is written beside some rows changed (a clock's seconds, mostly), only that
    // is painted again.
    QRegion notes;
    for (int k = 0; k < Router::kRows; ++k) {
        if (clocks[k] != shownClocks_[k] || panel_.trueCost[k] != shownTrueCost_[k] ||
            panel_.stale[k] != shownStale_[k]) {
            notes += NoteArea(k);
        }
    }
    if (same && !notes.isEmpty()) {
        shownClocks_ = clocks;
        shownTrueCost_ = panel_.trueCost;
        shownStale_ = panel_.stale;
        setAccessibleDescription(QString::fromStdString(panel_.SpokenRows()));
        update(notes);
    } else if (!same) {
        shownRows_ = rows;
        shownClocks_ = clocks;
        shownTrueCost_ = panel_.trueCost;
        shownStale_ = panel_.stale;
        shownHighlight_ = panel_.highlighted;
        shownTitle_ = panel_.Title();
        shownBackground_ = panel_.Background();
        setAccessibleDescription(QString::fromStdString(panel_.SpokenRows()));
        update();
    }
    return moved;
}

void RouterTable::PaintFrames(QPainter& painter, const TwipsTransform& local) const {
    using namespace PanelLayout;
    // A row the lecturer's highlighting marks as just changed gets a frame round it, on the
    // edge of its band (clear of the row's letters), in whole pixels so that it stays crisp.
    const double frame = local.PenWidth(kHighlightWidth);
    const int width = std::max(1, static_cast<int>(std::lround(frame)));
    const QColor colour = ToQColor(kHighlightColour);
    const auto& rows = panel_.Engine().Rows();
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown || !panel_.highlighted[k]) {
            continue;
        }
        const Box band = InRow(kHighlight, k);
        const QRect outer = local.RectF(band.left, band.top, band.width, band.height)
                                .adjusted(-frame / 2, -frame / 2, frame / 2, frame / 2)
                                .toRect();
        painter.fillRect(outer.x(), outer.y(), outer.width(), width, colour);
        painter.fillRect(outer.x(), outer.bottom() + 1 - width, outer.width(), width, colour);
        painter.fillRect(outer.x(), outer.y(), width, outer.height(), colour);
        painter.fillRect(outer.right() + 1 - width, outer.y(), width, outer.height(), colour);
    }
}

QRect RouterTable::NoteArea(int row) const {
    using namespace PanelLayout;
    const TwipsTransform local(transform_.Scale(), QPointF());
    const Box top = InRow(kTrueCost, row);
    const Box bottom = InRow(kClock, row);
    return local.RectF(top.left, top.top, kWidth - top.left, bottom.top + bottom.height - top.top)
        .toAlignedRect()
        .adjusted(0, -1, 1, 1);
}

bool RouterTable::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !explain_) {
        return QWidget::event(event);
    }
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    for (int k = 0; k < Router::kRows; ++k) {
        if (panel_.Engine().Rows()[k].shown && RowArea(k).contains(at)) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), explain_(k), this,
                               RowArea(k));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

QRect RouterTable::RowArea(int row) const {
    using namespace PanelLayout;
    const TwipsTransform local(transform_.Scale(), QPointF());
    // From above the row's frame to below its arrow's lower barb, left of the notes.
    const Box band = InRow(kHighlight, row);
    return local
        .RectF(0, band.top - kRowMargin, kNextHop.left + kNextHop.width,
               band.height + 2 * kRowMargin)
        .toAlignedRect();
}

void RouterTable::PaintNotes(QPainter& painter, const TwipsTransform& local,
                             const QRect& area) const {
    using namespace PanelLayout;
    const auto& rows = panel_.Engine().Rows();
    painter.setFont(noteFont_);
    // Written from a point on the baseline, centred in its box: the plain way of drawing text,
    // several times cheaper than laying it out in a rectangle, and the seconds change often.
    const auto note = [&](Box box, const QString& text, int colour) {
        const QRectF place = local.RectF(box.left, box.top, box.width, box.height);
        painter.setPen(ToQColor(colour));
        painter.drawText(QPointF(place.left(), place.center().y() + noteBaseline_), text);
    };
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown || !area.intersects(NoteArea(k))) {
            continue;
        }
        if (!panel_.trueCost[k].empty()) {
            const QString sign = panel_.stale[k] ? QStringLiteral("\u2260") : QStringLiteral("=");
            note(InRow(kTrueCost, k), sign + QString::fromStdString(panel_.trueCost[k]),
                 panel_.stale[k] ? look_.staleColour : look_.trueCostColour);
        }
        const RouterPanel::ClockNote clock = panel_.Clock(k);
        if (clock.kind == RouterPanel::ClockNote::Kind::None) {
            continue;
        }
        if (look_.heavy && panel_.trueCost[k].empty()) {
            // Alone beside its row in a hall's look, the clock is written as tall as the row, in
            // the row's face, drawn narrower where it is wider than the room beside the row.
            const Box top = InRow(kTrueCost, k);
            const Box bottom = InRow(kClock, k);
            const QRectF place = local.RectF(top.left, top.top, kWidth - top.left,
                                             bottom.top + bottom.height - top.top);
            const QString seconds = QString::number(clock.seconds);
            painter.save();
            painter.setFont(rowFont_);
            painter.setPen(ToQColor(look_.clockColour));
            const QFontMetricsF metrics(rowFont_);
            const double wide = metrics.horizontalAdvance(seconds);
            painter.translate(place.left(),
                              place.center().y() + (metrics.ascent() - metrics.descent()) / 2);
            painter.scale(std::min(1.0, place.width() / wide), 1);
            painter.drawText(QPointF(0, 0), seconds);
            painter.restore();
            continue;
        }
        note(InRow(kClock, k), QString::number(clock.seconds), look_.clockColour);
    }
}

void RouterTable::paintEvent(QPaintEvent* event) {
    using namespace PanelLayout;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Drawn in the panel's own twips: the same scale as the window, no offset.
    const TwipsTransform local(transform_.Scale(), QPointF());
    const QColor background = ToQColor(panel_.Background());
    // Only what lies in the area asked for is drawn: a clock's seconds alone are cheap.
    const QRect area = event->rect();
    painter.fillRect(area, background);
    painter.setFont(rowFont_);
    painter.setPen(ToQColor(Colours::kText));

    const auto text = [&](Box box, const std::string& caption, Qt::Alignment align) {
        QRectF place = local.RectF(box.left, box.top, box.width, box.height);
        if (look_.heavy && box.left == kCost.left) {
            // A cost in the heavy face keeps a little air from its letter and its arrow: it is
            // centred between them, not over the shaft's start as the design's box reaches.
            const double air = rowFont_.pixelSize() * kCostGap;
            place.setLeft(local.RectF(kLetter.left, 0, kLetter.width, 1).right() + air);
            place.setRight(local.Point(kShaft.x1, 0).x() - air);
        }
        const QString words = QString::fromStdString(caption);
        const double wide = painter.fontMetrics().horizontalAdvance(words);
        if (wide <= place.width()) {
            painter.drawText(place, align | Qt::AlignTop | Qt::TextDontClip, words);
            return;
        }
        // Wider than its box ("inf", a two-digit cost in a heavy face): drawn narrower, so that
        // it never touches the letter or the arrow beside it.
        painter.save();
        painter.translate(place.left(), place.top());
        painter.scale(place.width() / wide, 1);
        painter.drawText(QRectF(0, 0, wide, place.height()), Qt::AlignLeft | Qt::AlignTop, words);
        painter.restore();
    };
    const auto line = [&](Segment s) {
        painter.drawLine(local.Point(s.x1, s.y1), local.Point(s.x2, s.y2));
    };
    if (area.intersects(
            local.RectF(kTitle.left, kTitle.top, kTitle.width, kTitle.height).toAlignedRect())) {
        text(kTitle, panel_.Title(), Qt::AlignHCenter);
    }

    const auto& rows = panel_.Engine().Rows();
    PaintFrames(painter, local);
    painter.setPen(QPen(ToQColor(Colours::kText), std::max(1.0, local.PenWidth(1))));
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown || !area.intersects(RowArea(k))) {
            continue;
        }
        line(InRow(kShaft, k));
        line(InRow(kUpperBarb, k));
        line(InRow(kLowerBarb, k));
        text(InRow(kLetter, k), NetworkLetter(k), Qt::AlignLeft);
        text(InRow(kCost, k), rows[k].cost, Qt::AlignHCenter);
        text(InRow(kNextHop, k), rows[k].nextHop, Qt::AlignLeft);
    }
    PaintNotes(painter, local, area);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
