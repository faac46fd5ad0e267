#include "app/StartOptions.h"

#include "app/MainForm.h"
#include "app/RipControl.h"
#include "app/Scenarios.h"
#include "common/RandomSource.h"

#include <algorithm>
#include <charconv>

std::optional<std::uint64_t> StartOptions::ReadSeed(std::string_view text) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return seed;
}

std::optional<std::string> StartOptions::ReadRules(std::string_view text, RipSwitches& rules) {
    RipSwitches read = rules;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        bool known = name == "all";
        for (const RipControl::RuleName& rule : RipControl::kRules) {
            if (name == rule.option || name == "all") {
                known = true;
                RipControl::Switch(read, rule.rule, true);
            }
        }
        if (!known) {
            return std::string(name);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    rules = read;
    return std::nullopt;
}

std::string StartOptions::Problem() const {
    if (scenario && !Scenarios::Known(*scenario)) {
        std::string names;
        for (const char* name : Scenarios::kNames) {
            names += std::string(names.empty() ? "" : ", ") + "\"" + name + "\"";
        }
        for (const char* name : Scenarios::kDemonstrations) {
            names += ", \"" + std::string(name) + "\"";
        }
        return "No scenario is called \"" + *scenario + "\"; the scenarios are " + names;
    }
    return "";
}

void StartOptions::Start(MainForm& form, RandomSource& random) const {
    form.Form_Load();
    // Start-up draws no random number, so seeding after it is seeding in its place.
    if (seed) {
        random.Seed(*seed);
    }
    if (scenario) {
        form.State().cmbSims.text = *scenario;
        form.cmbSims_Click();
    }
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        if (RipControl::IsOn(rip, rule.rule)) {
            form.Rip().Set(rule.rule, true);
        }
    }
}
