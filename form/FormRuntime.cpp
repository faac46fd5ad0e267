#include "form/FormRuntime.h"

#include "form/FormState.h"

bool FormRuntime::WriteTable(int router, std::string_view message,
                             std::optional<std::int16_t> linkCost) {
    RouterPanel& panel = form_.RouterTable[router];
    if (!routerMessageObserver) {
        return panel.SetTable(message);
    }
    const auto before = panel.Engine().Rows();
    const bool accepted = panel.SetTable(message);
    routerMessageObserver({router, message, before, linkCost});
    return accepted;
}

const std::string& FormRuntime::ReadTable(int router) const {
    return form_.RouterTable[router].Table();
}
