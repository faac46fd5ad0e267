#pragma once

#include "common/Letters.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class Demonstration;
class QAction;
class QMenu;
class QPoint;
class QWidget;
class RouterTable;

// The tables a lecturer magnified, drawn in the strip beside the drawing: a second, larger view
// of each chosen router's panel, which follows it tick by tick. Chosen from a submenu of the
// extras ("Magnify a table beside the drawing") or by right-clicking a table of the drawing.
class MagnifiedTables : public QObject {
    Q_OBJECT

public:
    MagnifiedTables(Demonstration& demonstration, QWidget& window);

    // A–F, each ticked while its table is magnified; routers the scenario hides are greyed.
    QMenu* Submenu() const { return menu_; }
    QAction* Choice(int router) const { return choices_.at(static_cast<std::size_t>(router)); }
    // A right click on `child`: where it is a table, of the drawing or magnified, a menu that
    // magnifies it or shrinks it back, and true.
    bool OfferFor(const QWidget& child, const QPoint& at);
    // Whether any magnified table shows: the window then makes room for the strip.
    bool Any() const;
    // Stands the tables in `strip` (the window's pixels) for the drawing's pixels per twip, in
    // the look given. Returns the pixels the tables take from the strip's top.
    int Place(const QRect& strip, double scale, bool projector);
    // Brings the tables up to date with their panels and with what is chosen; says Changed when
    // they must be placed anew.
    void Refresh();
    // Whether the tables shown, or their heights, are not those last placed.
    bool Moved() const;
    void ExplainRows(const std::function<QString(int router, int row)>& explain);

signals:
    // A table was magnified or shrunk back.
    void Changed();

private:
    void Toggle(int router);
    // The tables that show, each with its panel's height.
    std::vector<std::pair<int, int>> Standing() const;

    Demonstration& demonstration_;
    QWidget& window_;
    QMenu* menu_ = nullptr;
    std::array<QAction*, kRouterCount> choices_{};
    std::array<RouterTable*, kRouterCount> tables_{};
    std::function<QString(int router, int row)> explain_;
    std::vector<std::pair<int, int>> placed_;
};
