#include "common/Translate.h"
#include "common/Catalogue.h"
#include "common/PluralRule.h"

#include <gtest/gtest.h>

namespace {

// Polish's rule, the longest gettext's manual gives: one, few (2-4 but 12-14), many.
constexpr const char* kPolish = "n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2";

TEST(PluralRuleTest, ChoosesTheFormsOfEnglishFrenchAndPolish) {
    const PluralRule english;
    EXPECT_EQ(english.Form(1), 0);
    EXPECT_EQ(english.Form(0), 1);
    EXPECT_EQ(english.Form(2), 1);
    const PluralRule french = *PluralRule::Read("n > 1", nullptr);
    EXPECT_EQ(french.Form(0), 0);
    EXPECT_EQ(french.Form(1), 0);
    EXPECT_EQ(french.Form(2), 1);
    const PluralRule polish = *PluralRule::Read(kPolish, nullptr);
    const std::vector<std::pair<long, long>> forms = {{1, 0},  {2, 1},  {4, 1},   {5, 2},
                                                      {11, 2}, {12, 2}, {14, 2},  {22, 1},
                                                      {25, 2}, {0, 2},  {102, 1}, {112, 2}};
    for (const auto& [n, form] : forms) {
        EXPECT_EQ(polish.Form(n), form) << n;
    }
    // Precedence as C's, division by zero harmless.
    EXPECT_EQ(PluralRule::Read("1 + 2 * 3 == 7", nullptr)->Form(0), 1);
    EXPECT_EQ(PluralRule::Read("!(n % 2) || n / 0", nullptr)->Form(4), 1);
    EXPECT_EQ(PluralRule::Read("n <= 2 ? n >= 1 : 2", nullptr)->Form(0), 0);
}

TEST(PluralRuleTest, RefusesWhatIsNoRule) {
    for (const char* expression : {"", "n !=", "n ? 1", "(n", "n n", "m == 1", "n == 1)"}) {
        std::string fault;
        EXPECT_FALSE(PluralRule::Read(expression, &fault)) << expression;
        EXPECT_FALSE(fault.empty()) << expression;
    }
    std::string fault;
    EXPECT_FALSE(PluralRule::Read(std::string(401, '('), &fault));
    EXPECT_EQ(fault, "longer than 400 characters");
    // Deep but within bounds: no crash, a fault.
    EXPECT_FALSE(PluralRule::Read(std::string(399, '('), &fault));
    EXPECT_TRUE(PluralRule::Read(std::string(190, '!') + "n", &fault));
}

// Uses a catalogue while a test runs, and English after it.
class Speaking {
public:
    explicit Speaking(const char* json) {
        std::string fault;
        std::optional<Catalogue> catalogue = Catalogue::Read(json, &fault);
        EXPECT_TRUE(catalogue) << fault;
        UseCatalogue(std::move(catalogue));
    }
    ~Speaking() { UseCatalogue(std::nullopt); }
};

TEST(TranslateTest, EnglishFillsTheArgumentsByName) {
    EXPECT_EQ(Translate("{router}: route to {network} now cost {cost} via {hop}",
                        {{"hop", "C"}, {"network", "e"}, {"router", "B"}, {"cost", "3"}}),
              "B: route to e now cost 3 via C");
    // Unknown names stay; a value's own braces are not read again; an unclosed brace is text.
    EXPECT_EQ(Translate("{a} {b} {", {{"a", "{b}"}}), "{b} {b} {");
    EXPECT_EQ(TranslateCount("{count} router", "{count} routers", 1), "1 router");
    EXPECT_EQ(TranslateCount("{count} router", "{count} routers", 0), "0 routers");
    EXPECT_EQ(CurrentCatalogue(), nullptr);
}

TEST(TranslateTest, ACatalogueTranslatesAndMovesTheArguments) {
    const Speaking french(R"({"language": "fr", "plural": "n > 1", "messages": {
        "{router}: route to {network} now cost {cost} via {hop}":
            ["{router} : route vers {network} désormais de coût {cost} via {hop}"],
        "{count} router": ["{count} routeur", "{count} routeurs"],
        "Update": ["Mettre à jour"]}})");
    EXPECT_EQ(CurrentCatalogue()->Language(), "fr");
    EXPECT_EQ(Translate("{router}: route to {network} now cost {cost} via {hop}",
                        {{"router", "B"}, {"network", "e"}, {"cost", "3"}, {"hop", "C"}}),
              "B : route vers e désormais de coût 3 via C");
    EXPECT_EQ(TranslateCount("{count} router", "{count} routers", 0), "0 routeur");
    EXPECT_EQ(TranslateCount("{count} router", "{count} routers", 2), "2 routeurs");
    EXPECT_EQ(Translate("Update"), "Mettre à jour");
    // What the catalogue lacks stays English.
    EXPECT_EQ(Translate("Reset"), "Reset");
}

TEST(TranslateTest, RefusesABrokenCatalogue) {
    const std::vector<std::pair<const char*, const char*>> broken = {
        {"[]", "not a JSON object"},
        {R"({"messages": {}})", "no language"},
        {R"({"language": "de"})", "no messages"},
        {R"({"language": "de", "plural": "n !", "messages": {}})", "plural rule: unexpected \"!\""},
        {R"({"language": "de", "messages": {"a": []}})", "message \"a\": no forms"},
        {R"({"language": "de", "messages": {"a": [1]}})",
         "message \"a\": a form that is not a text"},
    };
    for (const auto& [json, why] : broken) {
        std::string fault;
        EXPECT_FALSE(Catalogue::Read(json, &fault)) << json;
        EXPECT_EQ(fault, why) << json;
    }
    // A form the translator left out reads as no translation, not as a crash.
    const std::optional<Catalogue> short_ =
        Catalogue::Read(R"({"language": "pl", "plural": "n == 1 ? 0 : 2", "messages": {
            "{count} router": ["{count} router"]}})",
                        nullptr);
    ASSERT_TRUE(short_);
    EXPECT_EQ(short_->Find("{count} router", 5), nullptr);
}

} // namespace

namespace {

TEST(TranslateTest, ChoosesTheFirstLanguageWantedThatThereIs) {
    const std::vector<std::string> available = {"de", "es", "fr", "pt-BR", "en-XA"};
    EXPECT_EQ(ChooseLanguage({"de-AT", "fr"}, available), "de");
    EXPECT_EQ(ChooseLanguage({"it", "fr_CA"}, available), "fr");
    EXPECT_EQ(ChooseLanguage({"pt-BR"}, available), "pt-BR");
    EXPECT_EQ(ChooseLanguage({"pt-PT"}, available), "");
    // English first is English, though other languages follow.
    EXPECT_EQ(ChooseLanguage({"en-GB", "de"}, available), "");
    EXPECT_EQ(ChooseLanguage({"it", "ja"}, available), "");
    EXPECT_EQ(ChooseLanguage({}, available), "");
    EXPECT_EQ(ChooseLanguage({"en-XA"}, available), "en-XA");
}

} // namespace
