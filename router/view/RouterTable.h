#pragma once

#include "common/view/TwipsTransform.h"

#include <QString>
#include <QWidget>

#include "router/Router.h"

#include <array>
#include <string>

class QPainter;
class RouterPanel;

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
    // Re-reads the panel data (visibility, height, colours, title and rows) and repaints only
    // when something changed.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Frames the rows marked as just changed.
    void PaintFrames(QPainter& painter, const TwipsTransform& local) const;
    // Writes each row's true cost and running RIP clock beside it.
    void PaintNotes(QPainter& painter, const TwipsTransform& local) const;
    // The notes beside the rows as one text, to see whether they changed.
    std::string Notes() const;

    RouterPanel& panel_;
    TwipsTransform transform_;
    int left_ = 0;
    int top_ = 0;
    // What the last paint showed.
    std::array<RouteRow, Router::kRows> shownRows_{};
    std::array<bool, Router::kRows> shownHighlight_{};
    std::string shownTitle_;
    std::string shownNotes_;
    int shownBackground_ = -1;
};
