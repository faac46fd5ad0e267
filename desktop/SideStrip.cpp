#include "desktop/SideStrip.h"

#include "desktop/LectureMenu.h"
#include "desktop/LogWindow.h"
#include "desktop/MagnifiedTables.h"
#include "desktop/TwipsTransform.h"
#include "form/Layout.h"
#include "session/Demonstration.h"
#include "session/Magnifier.h"

#include <cmath>

double SideStrip::DrawingScale(double fitted, const QSize& window, bool logDocked,
                               bool fixed) const {
    if (!tables_.Any() || !fixed) {
        return fitted;
    }
    return demonstration_.Magnified().DrawingScale(
        demonstration_.State(), demonstration_.State().ClientWidth, fitted, window.width(),
        static_cast<int>(window.height() * (logDocked ? Magnifier::kOverLog : 1.0)));
}

bool SideStrip::LogDocked(bool fullScreen) const {
    const LogWindow* log = extras_.LogIfMade();
    return fullScreen && log != nullptr && log->isVisible();
}

void SideStrip::Place(const TwipsTransform& transform, const QSize& window, bool logDocked) {
    const int right = static_cast<int>(
        std::ceil(transform.Rect(0, 0, demonstration_.State().ClientWidth, 1).right()));
    const QRect side(right + 1, 0, window.width() - right - 1, window.height());
    // Magnified tables stand at the top, the log under them; over the log they take no more than
    // the share of the height kept for them.
    const int over = static_cast<int>(side.height() * (1 - Magnifier::kOverLog));
    const int tables = tables_.Place(logDocked ? side.adjusted(0, 0, 0, -over) : side,
                                     transform.Scale(), demonstration_.Projector());
    extras_.PlaceLog(logDocked, side.adjusted(0, tables, 0, 0),
                     transform.Font(Layout::kNotePoints, false));
}
