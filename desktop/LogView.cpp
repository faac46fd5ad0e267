#include "desktop/LogView.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

LogView::LogView(std::size_t most, QWidget* parent) : QAbstractScrollArea(parent), most_(most) {
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

QStringList LogView::Broken(const QString& line) const {
    const QFontMetrics metrics = fontMetrics();
    const int room = std::max(1, viewport()->width() - 2 * metrics.averageCharWidth());
    QStringList rows;
    QString row;
    for (const QString& word : line.split(QLatin1Char(' '))) {
        const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        if (!row.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            rows.push_back(row);
            row = word;
        } else {
            row = longer;
        }
    }
    rows.push_back(row);
    return rows;
}

void LogView::Append(const std::deque<QString>& lines) {
    if (lines.empty()) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const std::size_t kept = std::min(lines.size(), most_);
    const std::size_t over = lines_.size() + kept > most_ ? lines_.size() + kept - most_ : 0;
    lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(over));
    const QFontMetrics metrics = fontMetrics();
    for (auto line = lines.end() - static_cast<std::ptrdiff_t>(kept); line != lines.end(); ++line) {
        widest_ =
            std::max(widest_, metrics.horizontalAdvance(*line) + 2 * metrics.averageCharWidth());
        lines_.push_back(*line);
    }
    // The selection stays on its lines as older ones go.
    const long dropped = static_cast<long>(over);
    if (anchor_ >= 0) {
        anchor_ = std::max(0L, anchor_ - dropped);
        reach_ = std::max(0L, reach_ - dropped);
    }
    const int value = bar->value() - static_cast<int>(over);
    SetRanges();
    bar->setValue(atEnd ? bar->maximum() : std::max(0, value));
    viewport()->update();
}

void LogView::Clear() {
    lines_.clear();
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

void LogView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = LineHeight();
    const int ascent = fontMetrics().ascent();
    const int left = fontMetrics().averageCharWidth() - horizontalScrollBar()->value();
    const long first = verticalScrollBar()->value();
    const long from = anchor_ < 0 ? -1 : std::min(anchor_, reach_);
    const long to = anchor_ < 0 ? -1 : std::max(anchor_, reach_);
    const QPalette& colours = palette();
    if (wrap_) {
        PaintWrapped(painter, from, to);
        return;
    }
    for (long row = first, y = 0;
         row < static_cast<long>(lines_.size()) && y < viewport()->height(); ++row, y += height) {
        const bool selected = row >= from && row <= to;
        if (selected) {
            painter.fillRect(0, static_cast<int>(y), viewport()->width(), height,
                             colours.color(QPalette::Highlight));
        }
        painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(left, static_cast<int>(y) + ascent, lines_[static_cast<std::size_t>(row)]);
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

void LogView::PaintWrapped(QPainter& painter, long from, long to) {
    const int height = LineHeight();
    const int ascent = fontMetrics().ascent();
    const int left = fontMetrics().averageCharWidth();
    const QPalette& colours = palette();
    // The lines in view, each broken to the width: from the bar's line down, or at the end up
    // from the newest, so that it stands whole at the bottom.
    const long count = static_cast<long>(lines_.size());
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    std::vector<std::pair<long, QStringList>> shown;
    int used = 0;
    if (atEnd) {
        for (long row = count - 1; row >= 0 && used < viewport()->height(); --row) {
            shown.insert(shown.begin(), {row, Broken(lines_[static_cast<std::size_t>(row)])});
            used += height * static_cast<int>(shown.front().second.size());
        }
    } else {
        for (long row = verticalScrollBar()->value(); row < count && used < viewport()->height();
             ++row) {
            shown.emplace_back(row, Broken(lines_[static_cast<std::size_t>(row)]));
            used += height * static_cast<int>(shown.back().second.size());
        }
    }
    drawn_.clear();
    int y = atEnd ? std::min(0, viewport()->height() - used) : 0;
    for (const auto& [row, parts] : shown) {
        const int tall = height * static_cast<int>(parts.size());
        const bool selected = row >= from && row <= to;
        if (selected) {
            painter.fillRect(0, y, viewport()->width(), tall, colours.color(QPalette::Highlight));
        }
        painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        for (int part = 0; part < parts.size(); ++part) {
            // A broken line's later rows are indented, so that each line's start stands out.
            painter.drawText(left + (part > 0 ? 2 * left : 0), y + part * height + ascent,
                             parts[part]);
        }
        drawn_.push_back({row, y, y + tall});
        y += tall;
    }
}
