// Writes arbitrary texts, one per line, to one router and checks it after every write: six rows
// whose costs are number texts or texts that arrived in a message, a table request's reply of
// nine fields, nothing read out of range (the sanitizers watch that).
#include "common/Fields.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "router/Router.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {

void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SeededRandom random(size);
    Router router(random);
    std::set<std::string> arrived{"inf"};
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string message(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);

        const std::string before = router.Reply();
        const bool accepted = router.Write(message);
        for (const std::string& field : SplitFields(message)) {
            arrived.insert(field);
        }
        for (const RouteRow& row : router.Rows()) {
            if (row.cost != NumberText(ReadNumber(row.cost)) && arrived.count(row.cost) == 0) {
                Fail("cost text from nowhere", row.cost);
            }
        }
        const std::vector<std::string> fields = SplitFields(message);
        if (accepted && fields[0] == "Z" && SplitFields(router.Reply()).size() != 9) {
            Fail("table request reply without nine fields", router.Reply());
        }
        if (!accepted && fields[0] != "Y" && router.Reply() != before) {
            Fail("a rejected message changed the reply", message);
        }
        const int height = router.Height();
        if (height != 2535 && (height > 2685 || (2685 - height) % 360 != 0)) {
            Fail("odd panel height", std::to_string(height));
        }
    }
    return 0;
}
