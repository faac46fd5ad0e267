#include "desktop/RouterTable.h"

#include "session/Magnifier.h"

#include "desktop/QtCanvas.h"
#include "router/PanelLayout.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

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

void RouterTable::SetLook(const Look& look) {
    look_ = look;
    update();
}

bool RouterTable::Refresh() {
    bool moved = false;
    const QRect box = transform_.Rect(left_, top_, PanelLayout::kWidth,
                                      cropped_ ? Magnifier::Height(panel_) : panel_.Height());
    if (box != geometry()) {
        setGeometry(box);
        update();
        moved = true;
    }
    if (isHidden() == panel_.visible) {
        setVisible(panel_.visible);
        moved = true;
    }
    const PanelRepaint::Change change = repaint_.Refresh(panel_, Scene());
    if (change.Any()) {
        setAccessibleDescription(QString::fromStdString(panel_.SpokenRows()));
    }
    if (change.all) {
        update();
    } else if (!change.notes.empty()) {
        QRegion notes;
        for (const PixelRect& r : change.notes) {
            notes += ToQRect(r);
        }
        update(notes);
    }
    return moved;
}

QRect RouterTable::CellArea(int row, bool hop) const {
    return ToQRect(Scene().CellArea(row, hop));
}

bool RouterTable::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !explain_) {
        return QWidget::event(event);
    }
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    const PanelScene scene = Scene();
    for (int k = 0; k < Router::kRows; ++k) {
        const QRect row = ToQRect(scene.RowArea(k));
        if (panel_.Engine().Rows()[k].shown && row.contains(at)) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), explain_(k), this,
                               row);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

void RouterTable::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    Scene().Paint(canvas, FromQRect(event->rect()));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
