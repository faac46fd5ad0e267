#include "router/view/RouterTable.h"

#include "common/Letters.h"
#include "router/PanelLayout.h"
#include "router/RouterPanel.h"

#include <QPainter>
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
    Refresh();
}

std::string RouterTable::Notes() const {
    std::string notes;
    for (int k = 0; k < Router::kRows; ++k) {
        const RouterPanel::ClockNote clock = panel_.Clock(k);
        notes += panel_.trueCost[k] + (panel_.stale[k] ? "!" : "") + "/" +
                 std::to_string(static_cast<int>(clock.kind)) + std::to_string(clock.seconds) + ";";
    }
    return notes;
}

void RouterTable::Refresh() {
    const QRect box = transform_.Rect(left_, top_, PanelLayout::kWidth, panel_.Height());
    if (box != geometry()) {
        setGeometry(box);
        update();
    }
    if (isHidden() == panel_.visible) {
        setVisible(panel_.visible);
    }
    const auto& rows = panel_.Engine().Rows();
    const bool same = shownBackground_ == panel_.Background() && shownTitle_ == panel_.Title() &&
                      shownHighlight_ == panel_.highlighted && rows == shownRows_ &&
                      Notes() == shownNotes_;
    if (!same) {
        shownRows_ = rows;
        shownNotes_ = Notes();
        shownHighlight_ = panel_.highlighted;
        shownTitle_ = panel_.Title();
        shownBackground_ = panel_.Background();
        setAccessibleDescription(QString::fromStdString(panel_.SpokenRows()));
        update();
    }
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

void RouterTable::PaintNotes(QPainter& painter, const TwipsTransform& local) const {
    using namespace PanelLayout;
    const auto& rows = panel_.Engine().Rows();
    QFont font = local.Font(kNotePoints, true);
    painter.setFont(font);
    const auto note = [&](Box box, const QString& text, int colour) {
        painter.setPen(ToQColor(colour));
        painter.drawText(local.RectF(box.left, box.top, box.width, box.height),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
    };
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown) {
            continue;
        }
        if (!panel_.trueCost[k].empty()) {
            const QString sign = panel_.stale[k] ? QStringLiteral("\u2260") : QStringLiteral("=");
            note(InRow(kTrueCost, k), sign + QString::fromStdString(panel_.trueCost[k]),
                 panel_.stale[k] ? kHighlightColour : kTrueCostColour);
        }
        const RouterPanel::ClockNote clock = panel_.Clock(k);
        if (clock.kind != RouterPanel::ClockNote::Kind::None) {
            note(InRow(kClock, k), QString::number(clock.seconds), kClockColour);
        }
    }
}

void RouterTable::paintEvent(QPaintEvent*) {
    using namespace PanelLayout;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Drawn in the panel's own twips: the same scale as the window, no offset.
    const TwipsTransform local(transform_.Scale(), QPointF());
    const QColor background = ToQColor(panel_.Background());
    painter.fillRect(rect(), background);
    painter.setFont(local.Font(kFontPoints, true));
    painter.setPen(Qt::black);

    const auto text = [&](Box box, const std::string& caption, Qt::Alignment align) {
        painter.drawText(local.RectF(box.left, box.top, box.width, box.height),
                         align | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(caption));
    };
    const auto line = [&](Segment s) {
        painter.drawLine(local.Point(s.x1, s.y1), local.Point(s.x2, s.y2));
    };
    text(kTitle, panel_.Title(), Qt::AlignHCenter);

    const auto& rows = panel_.Engine().Rows();
    PaintFrames(painter, local);
    painter.setPen(QPen(Qt::black, std::max(1.0, local.PenWidth(1))));
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown) {
            continue;
        }
        line(InRow(kShaft, k));
        line(InRow(kUpperBarb, k));
        line(InRow(kLowerBarb, k));
        text(InRow(kLetter, k), NetworkLetter(k), Qt::AlignLeft);
        text(InRow(kCost, k), rows[k].cost, Qt::AlignHCenter);
        text(InRow(kNextHop, k), rows[k].nextHop, Qt::AlignLeft);
    }
    PaintNotes(painter, local);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
