#include "app/ChangeLog.h"
#include "common/Catalogue.h"
#include "common/JsonText.h"
#include "common/Translate.h"
#include "support/FormFixture.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace {

// The catalogue the build made of a language's .po file.
std::string CatalogueFile(const std::string& language) {
    std::ifstream file(std::string(HOPSCAPE_LANGUAGES_DIR) + "/" + language + ".json",
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Speaks a language while a test runs, and English after it.
class Speaking {
public:
    explicit Speaking(const std::string& language) {
        std::string fault;
        std::optional<Catalogue> catalogue = Catalogue::Read(CatalogueFile(language), &fault);
        EXPECT_TRUE(catalogue) << language << ": " << fault;
        UseCatalogue(std::move(catalogue));
    }
    ~Speaking() { UseCatalogue(std::nullopt); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
};

// Example 1 converged in four rounds of Update, then B-E broken: the log's sentences and a row's
// explanation in German and in French, read against sentences checked by eye.
struct Spoken : FormFixture {
    std::optional<Speaking> speaking;
    std::optional<ChangeLog> log;
    void Run(const std::string& language) {
        speaking.emplace(language);
        log.emplace(state, runtime);
        Choose("Example 1");
        for (int round = 0; round < 4; ++round) {
            form.Command4_Click();
            Ticks(26);
        }
        form.cmdBreak_Click(5); // B-E
    }
    bool Says(const std::string& text) const {
        for (const ChangeLog::Line& line : log->Lines()) {
            if (line.text == text) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(Spoken, GermanSentencesAndRows) {
    Run("de");
    EXPECT_TRUE(Says("F: Route zu e jetzt Kosten 2 über E (E bietet 1, Verbindung E-F addiert 1)"));
    EXPECT_TRUE(Says("B: Verbindung zu E getrennt; Routen zu e, f jetzt inf"));
    EXPECT_EQ(log->Explain(0, 0), "Netz a ist das eigene Netz von A: Kosten 1, Next Hop L");
    EXPECT_EQ(log->Explain(0, 5),
              "A erreicht Netz f mit Kosten 6 über B: B bot 3, und die Verbindung B-A addiert 3 "
              "(Tick 78)");
    EXPECT_EQ(log->Explain(1, 4),
              "inf: B hat keine Route zu Netz e: die Verbindung zu E wurde getrennt (Tick 104)");
    EXPECT_EQ(log->Lines().back().Shown().substr(0, 9), "Tick 104 ");
}

TEST_F(Spoken, FrenchSentencesAndRows) {
    Run("fr");
    EXPECT_TRUE(Says("F\u00a0: route vers e désormais au coût 2 par E (E offre 1, le lien E-F "
                     "ajoute 1)"));
    EXPECT_EQ(log->Explain(0, 0), "Le réseau a est celui de A\u00a0: coût 1, prochain saut L");
    EXPECT_EQ(log->Explain(1, 3),
              "B atteint le réseau d au coût 4 par C\u00a0: C a offert 2 et le lien C-B ajoute 2 "
              "(tick 52)");
}

// Every message of every language, with arguments of the longest kind and every count a plural
// rule may meet, leaves no argument unfilled and no brace behind.
TEST(Languages, EveryMessageFillsItsArguments) {
    const std::regex argument(R"(\{([a-z_A-Z]+)\})");
    for (const std::string language : {"de", "fr", "es", "en-XA"}) {
        const JsonText::Parsed parsed = JsonText::Parse(CatalogueFile(language));
        ASSERT_TRUE(parsed.document) << language << ": " << parsed.fault;
        const JsonValue* messages = parsed.document->Find("messages");
        ASSERT_NE(messages, nullptr);
        EXPECT_GT(messages->members.size(), 400u) << language;
        const Speaking speaking(language);
        for (const auto& [message, forms] : messages->members) {
            std::vector<std::string> names;
            for (std::sregex_iterator at(message.begin(), message.end(), argument), end; at != end;
                 ++at) {
                names.push_back((*at)[1]);
            }
            std::vector<MessageArgument> given;
            for (const std::string& name : names) {
                given.push_back({name, std::string(40, 'W')});
            }
            const std::span<const MessageArgument> all(given);
            for (long count : {0L, 1L, 2L, 5L, 21L, 101L}) {
                const std::string said =
                    forms.items.size() > 1
                        ? FillArguments(TranslateCount(message, message, count), all)
                        : Translate(message, all);
                EXPECT_EQ(said.find_first_of("{}"), std::string::npos)
                    << language << ": " << message << " -> " << said;
            }
        }
    }
}

} // namespace
