#pragma once

#include "desktop/TwipsTransform.h"

#include "router/RouterPanel.h"
#include "scene/Look.h"
#include "scene/PanelRepaint.h"
#include "scene/PanelScene.h"

#include <QString>
#include <QWidget>

#include <functional>

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
    void SetLook(const Look& look);
    // Down to the last row shown only, as a magnified table stands.
    void CropToShownRows() { cropped_ = true; }
    // Re-reads the panel data (visibility, height, colours, title, rows and what is written
    // beside them) and repaints only when something changed. Returns whether the panel moved,
    // grew, shrank, appeared or went.
    bool Refresh();
    // Where a learner types a row's cost or next hop, in the widget's pixels.
    QRect CellArea(int row, bool hop) const;
    // What a row means and why, shown when the mouse rests on it.
    void SetExplain(std::function<QString(int row)> explain) { explain_ = std::move(explain); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    PanelScene Scene() const { return {panel_, transform_.Scale(), look_}; }

    RouterPanel& panel_;
    TwipsTransform transform_;
    Look look_ = kPlainLook;
    bool cropped_ = false;
    int left_ = 0;
    int top_ = 0;
    PanelRepaint repaint_;
    std::function<QString(int row)> explain_;
};
