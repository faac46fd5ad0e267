#include "desktop/MagnifiedTables.h"

#include "desktop/QtText.h"
#include "desktop/RouterTable.h"
#include "form/FormState.h"
#include "router/PanelLayout.h"
#include "scene/Look.h"
#include "session/Demonstration.h"
#include "session/Magnifier.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <cmath>

MagnifiedTables::MagnifiedTables(Demonstration& demonstration, QWidget& window)
    : QObject(&window), demonstration_(demonstration), window_(window) {
    menu_ = new QMenu(QtText(Magnifier::kTitle), &window);
    menu_->setObjectName(QStringLiteral("MagnifyMenu"));
    for (int r = 0; r < kRouterCount; ++r) {
        auto* choice = new QAction(QString::fromStdString(Magnifier::Label(r)), menu_);
        choice->setCheckable(true);
        connect(choice, &QAction::triggered, this, [this, r] { Toggle(r); });
        menu_->addAction(choice);
        choices_[static_cast<std::size_t>(r)] = choice;
    }
    connect(menu_, &QMenu::aboutToShow, this, &MagnifiedTables::Refresh);
}

void MagnifiedTables::Toggle(int router) {
    demonstration_.Magnified().Toggle(router);
    Refresh();
}

bool MagnifiedTables::Any() const {
    return !demonstration_.Magnified().Shown(demonstration_.State()).empty();
}

std::vector<std::pair<int, int>> MagnifiedTables::Standing() const {
    const FormState& state = demonstration_.State();
    std::vector<std::pair<int, int>> standing;
    for (int router : demonstration_.Magnified().Shown(state)) {
        standing.emplace_back(router, Magnifier::Height(state.RouterTable[router]));
    }
    return standing;
}

bool MagnifiedTables::Moved() const {
    return Standing() != placed_;
}

int MagnifiedTables::Place(const QRect& strip, double scale, bool projector) {
    FormState& state = demonstration_.State();
    placed_ = Standing();
    const std::vector<Magnifier::Standing> standing = demonstration_.Magnified().Stand(
        state, static_cast<int>(strip.width() / scale), static_cast<int>(strip.height() / scale));
    for (int r = 0; r < kRouterCount; ++r) {
        const auto at = std::find_if(standing.begin(), standing.end(),
                                     [r](const Magnifier::Standing& s) { return s.router == r; });
        RouterTable*& table = tables_[static_cast<std::size_t>(r)];
        if (at == standing.end()) {
            if (table != nullptr) {
                // Its own right click may be what shrank it: it goes once that event is over.
                table->hide();
                table->deleteLater();
                table = nullptr;
            }
            continue;
        }
        if (table == nullptr) {
            table = new RouterTable(state.RouterTable[r], &window_);
            table->setObjectName(QStringLiteral("MagnifiedTable%1").arg(r));
            table->setAccessibleName(
                QtText("Table {router}, magnified", {{"router", RouterLetter(r)}}));
            // The drawing's own table is the one on the Tab path.
            table->setFocusPolicy(Qt::NoFocus);
            table->CropToShownRows();
            if (explain_) {
                table->SetExplain([this, r](int row) { return explain_(r, row); });
            }
        }
        const Box& box = at->place;
        table->SetLook(LookFor(projector));
        table->Place(
            0, 0,
            TwipsTransform(scale * at->magnification, QPointF(strip.left() + box.left * scale,
                                                              strip.top() + box.top * scale)));
        table->raise();
    }
    if (standing.empty()) {
        return 0;
    }
    const Box& last = standing.back().place;
    return static_cast<int>(std::ceil((last.top + last.height + Magnifier::kGap) * scale));
}

void MagnifiedTables::Refresh() {
    const FormState& state = demonstration_.State();
    for (int r = 0; r < kRouterCount; ++r) {
        QAction* choice = choices_[static_cast<std::size_t>(r)];
        choice->setChecked(demonstration_.Magnified().Has(r));
        choice->setEnabled(state.RouterTable[r].visible);
        if (RouterTable* table = tables_[static_cast<std::size_t>(r)]) {
            table->Refresh();
        }
    }
    if (Moved()) {
        emit Changed();
    }
}

void MagnifiedTables::ExplainRows(const std::function<QString(int router, int row)>& explain) {
    explain_ = explain;
}

bool MagnifiedTables::OfferFor(const QWidget& child, const QPoint& at) {
    for (int r = 0; r < kRouterCount; ++r) {
        if (child.objectName() == QStringLiteral("RouterTable%1").arg(r) ||
            child.objectName() == QStringLiteral("MagnifiedTable%1").arg(r)) {
            QMenu menu(&window_);
            menu.addAction(Choice(r));
            Refresh();
            menu.exec(at);
            return true;
        }
    }
    return false;
}
