#pragma once

#include "app/ChangeLog.h"

#include <string>
#include <vector>

class FormState;

// What the lecturer takes away as text: the routing tables as they stand, as CSV (one row per
// route a shown panel shows: router, network, cost, next hop), and the message log, a line each.
class TableExport {
public:
    static std::string Csv(const FormState& state);
    static std::string LogText(const std::vector<ChangeLog::Line>& lines);
};
