#include "desktop/LogView.h"

#include "desktop/SteadyScrollBar.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

LogView::LogView(std::size_t most, QWidget* parent) : QAbstractScrollArea(parent), most_(most) {
    // The bars change their ranges with the lines; drawn again only when a handle moves.
    setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new SteadyScrollBar(Qt::Horizontal, this));
    words_.SetFont(font(), viewport());
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

int LogView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int LogView::RowAt(int y) const {
    long row = verticalScrollBar()->value() + y / LineHeight();
    if (wrap_ && !drawn_.empty()) {
        row = y < drawn_.front().top ? drawn_.front().row : drawn_.back().row;
        for (const Drawn& line : drawn_) {
            row = y >= line.top && y < line.bottom ? line.row : row;
        }
    }
    return static_cast<int>(std::clamp(row, 0L, static_cast<long>(lines_.size()) - 1));
}

void LogView::SetRanges() {
    const int shown = viewport()->height() / LineHeight();
    verticalScrollBar()->setPageStep(std::max(1, shown));
    // Wrapped, a line may take several rows: the bar moves line by line, its end showing the
    // newest line at the bottom.
    verticalScrollBar()->setRange(
        0, std::max(0, static_cast<int>(lines_.size()) - (wrap_ ? 1 : shown)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, wrap_ ? 0 : std::max(0, widest_ - viewport()->width()));
}

void LogView::SetWrap(bool wrap) {
    if (wrap == wrap_) {
        return;
    }
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    wrap_ = wrap;
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    SetRanges();
    if (atEnd) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
    viewport()->update();
}

const QStringList& LogView::Broken(long row) {
    if (brokenWidth_ != viewport()->width()) {
        broken_.clear();
        brokenWidth_ = viewport()->width();
    }
    const std::uint64_t number = appended_ - lines_.size() + static_cast<std::uint64_t>(row);
    auto found = broken_.find(number);
    if (found != broken_.end()) {
        return found->second;
    }
    const int room = std::max(1, viewport()->width() - 2 * fontMetrics().averageCharWidth());
    QStringList rows;
    QString part;
    double wide = 0; // how wide the part is
    for (const QString& word : lines_[static_cast<std::size_t>(row)].split(QLatin1Char(' '))) {
        const double more = words_.Width(word);
        if (!part.isEmpty() && wide + words_.Space() + more > room) {
            rows.push_back(part);
            part = word;
            wide = more;
        } else if (part.isEmpty()) {
            part = word;
            wide = more;
        } else {
            part += QLatin1Char(' ') + word;
            wide += words_.Space() + more;
        }
    }
    rows.push_back(part);
    return broken_.emplace(number, std::move(rows)).first->second;
}

int LogView::WrappedHeight(long row) {
    int height = 0;
    for (long r = static_cast<long>(lines_.size()) - 1; r >= row && height < viewport()->height();
         --r) {
        height += LineHeight() * static_cast<int>(Broken(r).size());
    }
    return height;
}

int LogView::Filled() {
    if (wrap_) {
        return std::min(viewport()->height(), WrappedHeight(0));
    }
    const long shown = viewport()->height() / LineHeight();
    return static_cast<int>(std::min(static_cast<long>(lines_.size()), shown)) * LineHeight();
}

void LogView::ScrollUp(int height, int filled) {
    // Drawn from the top until the view is full, then from the bottom up: the new lines stand
    // under what was drawn, which moves up by as much as they overflow.
    const int room =
        wrap_ ? viewport()->height() : viewport()->height() / LineHeight() * LineHeight();
    const int moved = std::max(0, filled + height - room);
    if (moved >= room) {
        viewport()->update();
        return;
    }
    if (moved > 0) {
        viewport()->scroll(0, -moved);
    }
    viewport()->update(0, filled - moved, viewport()->width(), viewport()->height());
}

void LogView::Append(const std::deque<QString>& lines) {
    if (lines.empty()) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const int filled = atEnd ? Filled() : 0;
    const int widest = widest_;
    const std::size_t kept = std::min(lines.size(), most_);
    const std::size_t over = lines_.size() + kept > most_ ? lines_.size() + kept - most_ : 0;
    lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(over));
    for (auto line = lines.end() - static_cast<std::ptrdiff_t>(kept); line != lines.end(); ++line) {
        lines_.push_back(*line);
    }
    appended_ += kept;
    for (std::size_t row = lines_.size() - kept; row < lines_.size(); ++row) {
        widest_ = std::max(widest_, static_cast<int>(std::ceil(words_.Width(lines_[row]))) +
                                        2 * fontMetrics().averageCharWidth());
    }
    // The selection stays on its lines as older ones go.
    const long dropped = static_cast<long>(over);
    if (anchor_ >= 0) {
        anchor_ = std::max(0L, anchor_ - dropped);
        reach_ = std::max(0L, reach_ - dropped);
    }
    const int value = bar->value() - static_cast<int>(over);
    // The bar moves with the lines: what is drawn is moved below, not drawn again.
    appending_ = true;
    SetRanges();
    bar->setValue(atEnd ? bar->maximum() : std::max(0, value));
    appending_ = false;
    if (atEnd && (wrap_ || widest_ == widest)) {
        const long first = static_cast<long>(lines_.size() - kept);
        ScrollUp(wrap_ ? WrappedHeight(first) : static_cast<int>(kept) * LineHeight(), filled);
    } else if (atEnd || value < 0) {
        // A reader scrolled up sees the same lines unless the oldest of them went.
        viewport()->update();
    }
}

void LogView::Clear() {
    lines_.clear();
    broken_.clear();
    anchor_ = reach_ = -1;
    SetRanges();
    viewport()->update();
}

QString LogView::Join(std::size_t from, std::size_t to) const {
    QString text;
    for (std::size_t i = from; i < to; ++i) {
        if (i > from) {
            text += QLatin1Char('\n');
        }
        text += lines_[i];
    }
    return text;
}

QString LogView::Text() const {
    return Join(0, lines_.size());
}

QString LogView::SelectedText() const {
    if (anchor_ < 0) {
        return {};
    }
    return Join(static_cast<std::size_t>(std::min(anchor_, reach_)),
                static_cast<std::size_t>(std::max(anchor_, reach_)) + 1);
}

void LogView::SelectAll() {
    if (!lines_.empty()) {
        anchor_ = 0;
        reach_ = static_cast<long>(lines_.size()) - 1;
        viewport()->update();
    }
}

void LogView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int height = LineHeight();
    const int left = fontMetrics().averageCharWidth() - horizontalScrollBar()->value();
    const long first = verticalScrollBar()->value();
    const long from = anchor_ < 0 ? -1 : std::min(anchor_, reach_);
    const long to = anchor_ < 0 ? -1 : std::max(anchor_, reach_);
    const QPalette& colours = palette();
    if (wrap_) {
        PaintWrapped(painter, area, from, to);
        return;
    }
    // Only the rows the area asked for: after a scroll, the new lines.
    for (long row = first + area.top() / height, y = area.top() / height * height;
         row < static_cast<long>(lines_.size()) && y <= area.bottom(); ++row, y += height) {
        const bool selected = row >= from && row <= to;
        if (selected) {
            painter.fillRect(0, static_cast<int>(y), viewport()->width(), height,
                             colours.color(QPalette::Highlight));
        }
        painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        words_.Draw(painter, QPointF(left, static_cast<double>(y)),
                    lines_[static_cast<std::size_t>(row)]);
    }
}

void LogView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    SetRanges();
    if (atEnd) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

void LogView::mousePressEvent(QMouseEvent* event) {
    if (lines_.empty() || event->button() != Qt::LeftButton) {
        return;
    }
    const int row = RowAt(static_cast<int>(event->position().y()));
    if (!(event->modifiers() & Qt::ShiftModifier) || anchor_ < 0) {
        anchor_ = row;
    }
    reach_ = row;
    viewport()->update();
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
    if (anchor_ >= 0 && !lines_.empty() && (event->buttons() & Qt::LeftButton)) {
        reach_ = RowAt(static_cast<int>(event->position().y()));
        viewport()->update();
    }
}

void LogView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedText());
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void LogView::PaintWrapped(QPainter& painter, const QRect& area, long from, long to) {
    const int height = LineHeight();
    const int left = fontMetrics().averageCharWidth();
    const QPalette& colours = palette();
    // The lines in view, each broken to the width: from the bar's line down, or at the end up
    // from the newest, so that it stands whole at the bottom.
    const long count = static_cast<long>(lines_.size());
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    long first = atEnd ? count : verticalScrollBar()->value();
    long last = first;
    int used = 0;
    if (atEnd) {
        while (first > 0 && used < viewport()->height()) {
            used += height * static_cast<int>(Broken(--first).size());
        }
    } else {
        while (last < count && used < viewport()->height()) {
            used += height * static_cast<int>(Broken(last++).size());
        }
    }
    if (atEnd) {
        last = count;
    }
    // Only the lines in view stay broken.
    const std::uint64_t base = appended_ - lines_.size();
    broken_.erase(broken_.begin(), broken_.lower_bound(base + static_cast<std::uint64_t>(first)));
    broken_.erase(broken_.lower_bound(base + static_cast<std::uint64_t>(last)), broken_.end());
    drawn_.clear();
    int y = atEnd ? std::min(0, viewport()->height() - used) : 0;
    for (long row = first; row < last; ++row) {
        const QStringList& parts = Broken(row);
        const int tall = height * static_cast<int>(parts.size());
        drawn_.push_back({row, y, y + tall});
        if (y + tall <= area.top() || y > area.bottom()) {
            y += tall;
            continue;
        }
        const bool selected = row >= from && row <= to;
        if (selected) {
            painter.fillRect(0, y, viewport()->width(), tall, colours.color(QPalette::Highlight));
        }
        painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        for (int part = 0; part < parts.size(); ++part) {
            // A broken line's later rows are indented, so that each line's start stands out.
            words_.Draw(painter, QPointF(left + (part > 0 ? 2 * left : 0), y + part * height),
                        parts[part]);
        }
        y += tall;
    }
}

void LogView::scrollContentsBy(int, int) {
    if (!appending_) {
        viewport()->update();
    }
}

void LogView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        broken_.clear();
        words_.SetFont(font(), viewport());
        SetRanges(); // rows of another height
        viewport()->update();
    }
}
