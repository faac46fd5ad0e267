#include "app/StartOptions.h"

#include "app/MainForm.h"
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

std::string StartOptions::Problem() const {
    if (scenario && std::none_of(Scenarios::kNames.begin(), Scenarios::kNames.end(),
                                 [this](const char* name) { return *scenario == name; })) {
        std::string names;
        for (const char* name : Scenarios::kNames) {
            names += std::string(names.empty() ? "" : ", ") + "\"" + name + "\"";
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
}
