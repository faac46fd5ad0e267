#include "router/RouterPanel.h"

#include "common/Fields.h"
#include "common/Letters.h"

std::string RouterPanel::SpokenRows() const {
    std::string spoken;
    const auto& rows = router_.Rows();
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown) {
            continue;
        }
        if (!spoken.empty()) {
            spoken += "; ";
        }
        const std::string hop =
            rows[k].nextHop == "-" ? "no next hop" : "next hop " + rows[k].nextHop;
        spoken += NetworkLetter(k) + ", cost " + std::string(TrimBlanks(rows[k].cost)) + ", " + hop;
    }
    return spoken.empty() ? "no rows shown" : spoken;
}
