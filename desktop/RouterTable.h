#pragma once

#include "desktop/TwipsTransform.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include "router/PanelLayout.h"
#include "router/Router.h"
#include "router/RouterPanel.h"

#include <array>
#include <functional>
#include <string>

class QPainter;

// The routing-table panel on screen: title, then one row per network (letter, cost, arrow, next
// hop), drawn from the panel data it is given. Table, Background and Title go straight to that
// data. The widget keeps only the place and scale its container sets and a copy of what its last
// paint showed, so that it repaints when, and only when, the data changed.
class RouterTable : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Table READ Table WRITE SetTable)
    Q_PROPERTY(int Background READ Background WRITE SetBackground)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)

public:
    explicit RouterTable(RouterPanel& panel, QWidget* parent = nullptr);

    QString Table() const;
    void SetTable(const QString& message);
    int Background() const;
    void SetBackground(int colour);
    QString Title() const;
    void SetTitle(const QString& title);

    // Places the panel: its top left corner in the container's twips and the transform in use.
    void Place(int left, int top, const TwipsTransform& transform);
    // Writes in the look given from now on (the design's own, or a projector's).
    void SetLook(const PanelLayout::Look& look);
    // Re-reads the panel data (visibility, height, colours, title, rows and what is written
    // beside them) and repaints only when something changed. Returns whether the panel moved,
    // grew, shrank, appeared or went.
    bool Refresh();
    // What a row means and why, shown when the mouse rests on it.
    void SetExplain(std::function<QString(int row)> explain) { explain_ = std::move(explain); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Frames the rows marked as just changed.
    void PaintFrames(QPainter& painter, const TwipsTransform& local) const;
    // Writes each row's true cost and running RIP clock beside it, where they meet `area`.
    void PaintNotes(QPainter& painter, const TwipsTransform& local, const QRect& area) const;
    // The pixels of what is written beside a row, and of the row's own letters and arrow.
    QRect NoteArea(int row) const;
    QRect RowArea(int row) const;
    static constexpr int kRowMargin = 45; // twips above and below a row's frame
    // The air between a cost and its arrow, as a share of the row letters' size.
    static constexpr double kCostGap = 0.12;
    // The running RIP clocks of the rows, none while no rule is on.
    std::array<RouterPanel::ClockNote, Router::kRows> Clocks() const;

    RouterPanel& panel_;
    // The fonts for the transform and the look.
    void MakeFonts();

    TwipsTransform transform_;
    PanelLayout::Look look_ = PanelLayout::kPlainLook;
    QFont rowFont_;
    QFont noteFont_;
    double noteBaseline_ = 0; // from a note box's middle down to the baseline of its text
    int left_ = 0;
    int top_ = 0;
    // What the last paint showed.
    std::array<RouteRow, Router::kRows> shownRows_{};
    std::array<bool, Router::kRows> shownHighlight_{};
    std::string shownTitle_;
    std::array<RouterPanel::ClockNote, Router::kRows> shownClocks_{};
    std::array<std::string, Router::kRows> shownTrueCost_{};
    std::array<bool, Router::kRows> shownStale_{};
    int shownBackground_ = -1;
    std::function<QString(int row)> explain_;
};
