#include "files/TableExport.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "form/FormState.h"

std::string TableExport::Csv(const FormState& state) {
    std::string csv = "router,network,cost,next hop\n";
    for (int r = 0; r < kRouterCount; ++r) {
        const RouterPanel& panel = state.RouterTable[r];
        if (!panel.visible) {
            continue;
        }
        const auto& rows = panel.Engine().Rows();
        for (int k = 0; k < Router::kRows; ++k) {
            if (rows[k].shown) {
                csv += RouterLetter(r) + "," + NetworkLetter(k) + "," +
                       std::string(TrimBlanks(rows[k].cost)) + "," + rows[k].nextHop + "\n";
            }
        }
    }
    return csv;
}

std::string TableExport::LogText(const std::vector<ChangeLog::Line>& lines) {
    std::string text;
    for (const ChangeLog::Line& line : lines) {
        text += line.Shown() + "\n";
    }
    return text;
}
