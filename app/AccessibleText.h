#pragma once

#include <string>

// What a screen reader says for each control, and what its tooltip tells a click does.
namespace AccessibleText {

std::string RouterName(int router);     // "Router A"
std::string NetworkName(int network);   // "Network c"
std::string BreakName(int breakButton); // "Break link A-B"
std::string BreakTip(int breakButton);
std::string CostName(int costLabel);  // "Cost from A to B"
std::string CostWords(int costLabel); // the same within a sentence: "cost from A to B"
std::string CostTip(int costLabel);
std::string PanelName(int router); // "Table A"
// What a cost label says of its value: "3", or "blank, counts as 0".
std::string CostValue(const std::string& caption);

inline constexpr const char* kScenarioList = "Scenario";
inline constexpr const char* kStatusLine = "Status line";

} // namespace AccessibleText
