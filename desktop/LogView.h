#pragma once

#include "desktop/LaidWords.h"

#include <QAbstractScrollArea>

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <vector>

class QPainter;

// Lines of plain text, the newest `most` at most, of which only those in view are drawn: adding
// a line costs the same however many it holds, and however many are in view (what is drawn
// scrolls up, and only the new lines are drawn under it). A run of whole lines is selected with
// the mouse (Shift extends it) or Ctrl+A, and copied with Ctrl+C.
class LogView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit LogView(std::size_t most, QWidget* parent = nullptr);

    // Adds lines at the end, dropping the oldest beyond the most it holds; a reader at the end
    // keeps seeing the newest line, one scrolled up stays where they read.
    void Append(const std::deque<QString>& lines);
    void Clear();
    // Every line, oldest first, one a line; and the lines selected.
    QString Text() const;
    QString SelectedText() const;
    void SelectAll();
    // Long lines are broken at spaces to the view's width, where there is no room to scroll
    // sideways (docked beside the drawing); the newest line stays whole in sight at the end.
    void SetWrap(bool wrap);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int LineHeight() const;
    int RowAt(int y) const;
    void SetRanges();
    QString Join(std::size_t from, std::size_t to) const;
    // Line `row` broken to the view's width, kept while it is in view.
    const QStringList& Broken(long row);
    // How tall the lines from `row` on are, broken to the width.
    int WrappedHeight(long row);
    // How far down the lines reach, at most the view's height.
    int Filled();
    // Moves what is drawn up by the lines just added at the end, `height` pixels, and has only
    // what that uncovers drawn; everything is drawn again where that would not be less.
    void ScrollUp(int height, int filled);
    void PaintWrapped(QPainter& painter, const QRect& area, long from, long to);
    // Where each line drawn last stands, for the mouse: its row and its pixels down.
    struct Drawn {
        long row;
        int top;
        int bottom;
    };

    std::size_t most_;
    std::deque<QString> lines_;
    std::uint64_t appended_ = 0; // lines ever appended: line i is number appended_ - size + i
    std::map<std::uint64_t, QStringList> broken_; // by line number, at brokenWidth_
    int brokenWidth_ = -1;
    LaidWords words_;
    bool appending_ = false;
    int widest_ = 0;
    // The selection runs from the line first pressed to the line the mouse reached; -1 for none.
    long anchor_ = -1;
    long reach_ = -1;
    bool wrap_ = false;
    std::vector<Drawn> drawn_;
};
