#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Which of a message's plural forms a count takes in a language, as a translator writes it in a
// catalogue's header: the C expression of gettext's Plural-Forms ("n != 1", "n > 1",
// "n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2"), with n,
// whole numbers, ?:, ||, &&, comparisons, + - * / %, ! and parentheses.
class PluralRule {
public:
    // English's rule: one, and the rest.
    PluralRule();
    ~PluralRule();
    PluralRule(const PluralRule& other);
    PluralRule& operator=(const PluralRule& other);

    // The rule an expression writes, or nothing (and `fault` says why) where it is no such
    // expression or is longer than a rule needs (kLongest characters).
    static std::optional<PluralRule> Read(std::string_view expression, std::string* fault);
    static constexpr std::size_t kLongest = 400;

    // The form `n` takes: 0 for the first. Division by zero gives 0.
    long Form(long n) const;
    const std::string& Expression() const { return expression_; }

    struct Node;

private:
    std::string expression_;
    std::shared_ptr<const Node> root_;
};
