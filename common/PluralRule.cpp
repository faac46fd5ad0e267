#include "common/PluralRule.h"

#include <cctype>
#include <vector>

struct PluralRule::Node {
    // A number, n, or an operator over one, two or three operands.
    enum class Kind { Number, N, Not, Binary, Choice };
    Kind kind = Kind::Number;
    long number = 0;
    std::string op;
    std::vector<std::shared_ptr<const Node>> operands;

    long Value(long n) const {
        switch (kind) {
        case Kind::Number:
            return number;
        case Kind::N:
            return n;
        case Kind::Not:
            return operands[0]->Value(n) == 0 ? 1 : 0;
        case Kind::Choice:
            return operands[0]->Value(n) != 0 ? operands[1]->Value(n) : operands[2]->Value(n);
        case Kind::Binary:
            break;
        }
        const long a = operands[0]->Value(n);
        if (op == "&&" || op == "||") {
            const bool left = a != 0;
            if (op == "&&" ? !left : left) {
                return left ? 1 : 0;
            }
            return operands[1]->Value(n) != 0 ? 1 : 0;
        }
        const long b = operands[1]->Value(n);
        if (op == "==")
            return a == b;
        if (op == "!=")
            return a != b;
        if (op == "<")
            return a < b;
        if (op == ">")
            return a > b;
        if (op == "<=")
            return a <= b;
        if (op == ">=")
            return a >= b;
        // Sums and products wrap rather than overflow; a rule never comes near.
        const auto wrap = [](unsigned long value) { return static_cast<long>(value); };
        const unsigned long ua = static_cast<unsigned long>(a);
        const unsigned long ub = static_cast<unsigned long>(b);
        if (op == "+")
            return wrap(ua + ub);
        if (op == "-")
            return wrap(ua - ub);
        if (op == "*")
            return wrap(ua * ub);
        if (b == 0 || b == -1) {
            return b == 0 ? 0 : (op == "/" ? wrap(0ul - ua) : 0);
        }
        return op == "/" ? a / b : a % b;
    }
};

namespace {

using Node = PluralRule::Node;
using NodePointer = std::shared_ptr<const Node>;

// Reads the expression by precedence, C's, lowest first. Depth is bounded by the length.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    NodePointer Whole(std::string* fault) {
        NodePointer root = Choice();
        Blanks();
        if (root && at_ != text_.size()) {
            fault_ = "unexpected \"" + std::string(text_.substr(at_, 1)) + "\"";
            root = nullptr;
        }
        if (!root && fault) {
            *fault = fault_.empty() ? "incomplete expression" : fault_;
        }
        return root;
    }

private:
    void Blanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
    }
    bool Take(std::string_view op) {
        Blanks();
        if (text_.substr(at_, op.size()) != op) {
            return false;
        }
        // "<" is not the start of "<=", nor "!" of "!=".
        if (op.size() == 1 && at_ + 1 < text_.size() && text_[at_ + 1] == '=' &&
            (op == "<" || op == ">" || op == "!" || op == "=")) {
            return false;
        }
        at_ += op.size();
        return true;
    }
    static NodePointer Join(std::string op, NodePointer a, NodePointer b) {
        if (!a || !b) {
            return nullptr;
        }
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Binary;
        node->op = std::move(op);
        node->operands = {std::move(a), std::move(b)};
        return node;
    }
    NodePointer Choice() {
        NodePointer test = Level(0);
        if (!test || !Take("?")) {
            return test;
        }
        NodePointer yes = Choice();
        if (!yes || !Take(":")) {
            fault_ = fault_.empty() ? "\"?\" without \":\"" : fault_;
            return nullptr;
        }
        NodePointer no = Choice();
        if (!no) {
            return nullptr;
        }
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Choice;
        node->operands = {std::move(test), std::move(yes), std::move(no)};
        return node;
    }
    // Binary operators by level: ||, &&, equality, order, sums, products.
    NodePointer Level(std::size_t level) {
        static const std::vector<std::vector<std::string_view>> kLevels = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        if (level == kLevels.size()) {
            return Unary();
        }
        NodePointer left = Level(level + 1);
        while (left) {
            bool taken = false;
            for (const std::string_view op : kLevels[level]) {
                if (Take(op)) {
                    left = Join(std::string(op), left, Level(level + 1));
                    taken = true;
                    break;
                }
            }
            if (!taken) {
                break;
            }
        }
        return left;
    }
    NodePointer Unary() {
        if (Take("!")) {
            NodePointer operand = Unary();
            if (!operand) {
                return nullptr;
            }
            auto node = std::make_shared<Node>();
            node->kind = Node::Kind::Not;
            node->operands = {std::move(operand)};
            return node;
        }
        if (Take("(")) {
            NodePointer inner = Choice();
            if (!inner || !Take(")")) {
                fault_ = fault_.empty() ? "\"(\" without \")\"" : fault_;
                return nullptr;
            }
            return inner;
        }
        Blanks();
        auto node = std::make_shared<Node>();
        if (at_ < text_.size() && text_[at_] == 'n') {
            ++at_;
            node->kind = Node::Kind::N;
            return node;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) &&
               at_ - start < 9) {
            node->number = node->number * 10 + (text_[at_] - '0');
            ++at_;
        }
        if (at_ == start) {
            fault_ = at_ < text_.size() ? "unexpected \"" + std::string(text_.substr(at_, 1)) + "\""
                                        : "incomplete expression";
            return nullptr;
        }
        return node;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string fault_;
};

} // namespace

PluralRule::PluralRule() : expression_("n != 1"), root_(Reader(expression_).Whole(nullptr)) {}
PluralRule::~PluralRule() = default;
PluralRule::PluralRule(const PluralRule& other) = default;
PluralRule& PluralRule::operator=(const PluralRule& other) = default;

std::optional<PluralRule> PluralRule::Read(std::string_view expression, std::string* fault) {
    if (expression.size() > kLongest) {
        if (fault) {
            *fault = "longer than " + std::to_string(kLongest) + " characters";
        }
        return std::nullopt;
    }
    NodePointer root = Reader(expression).Whole(fault);
    if (!root) {
        return std::nullopt;
    }
    PluralRule rule;
    rule.expression_ = std::string(expression);
    rule.root_ = std::move(root);
    return rule;
}

long PluralRule::Form(long n) const {
    return root_->Value(n);
}
