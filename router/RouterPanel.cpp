#include "router/RouterPanel.h"

#include "common/Letters.h"

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

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
        spoken += NetworkLetter(k) + ", cost " + Trimmed(rows[k].cost) + ", " + hop;
    }
    return spoken.empty() ? "no rows shown" : spoken;
}
