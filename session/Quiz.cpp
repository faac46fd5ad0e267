#include "session/Quiz.h"

#include "common/Letters.h"
#include "common/Translate.h"
#include "form/FormState.h"

void Quiz::Ask(Question question) {
    ClearMarks();
    asked_ = std::move(question);
    ++number_;
    answered_.reset();
    graded_.reset();
    if (asked_->Asks() == Question::Kind::Table) {
        for (const Question::Row& row : asked_->Rows()) {
            form_.RouterTable[asked_->Router()].prediction[row.network] =
                RouterPanel::Prediction::Asked;
        }
    }
}

void Quiz::Unmark() {
    for (RouterPanel& panel : form_.RouterTable) {
        panel.prediction = {};
    }
}

void Quiz::Mark(const std::vector<bool>& right) {
    if (answered_->Asks() != Question::Kind::Table) {
        return;
    }
    for (std::size_t i = 0; i < answered_->Rows().size(); ++i) {
        form_.RouterTable[answered_->Router()].prediction[answered_->Rows()[i].network] =
            right[i] ? RouterPanel::Prediction::Right : RouterPanel::Prediction::Wrong;
    }
}

std::vector<std::string> Quiz::Answer(const std::vector<std::string>& cells) {
    if (!asked_) {
        return {};
    }
    answered_ = std::move(asked_);
    asked_.reset();
    graded_ = answered_->Grade(cells);
    Mark(graded_->right);
    std::vector<std::string> lines{
        Translate("Predicted: {result}", {{"result", graded_->summary}})};
    lines.insert(lines.end(), graded_->wrong.begin(), graded_->wrong.end());
    return lines;
}

std::vector<std::string> Quiz::Reveal() {
    if (!asked_) {
        return {};
    }
    answered_ = std::move(asked_);
    asked_.reset();
    graded_.reset();
    Unmark();
    std::vector<std::string> lines{
        Translate("Revealed: {question}", {{"question", answered_->Prompt()}})};
    const std::vector<std::string> told = answered_->Told();
    lines.insert(lines.end(), told.begin(), told.end());
    return lines;
}

void Quiz::Refuse(std::string why) {
    ClearMarks();
    refused_ = std::move(why);
}

bool Quiz::Drop() {
    refused_.clear();
    if (!asked_) {
        return false;
    }
    asked_.reset();
    Unmark();
    return true;
}

void Quiz::ClearMarks() {
    Unmark();
    refused_.clear();
    answered_.reset();
    graded_.reset();
}

std::string Quiz::Caption() const {
    if (asked_) {
        return asked_->Prompt();
    }
    if (graded_) {
        return Caption(*answered_, *graded_);
    }
    if (answered_) { // revealed
        return answered_->Asks() == Question::Kind::Rounds
                   ? TranslateCount("The answer: {count} more rounds of Update",
                                    "The answer: {count} more rounds of Update", answered_->Count())
                   : Translate("The answer: {router}'s table as it arrives",
                               {{"router", RouterLetter(answered_->Router())}});
    }
    return refused_;
}

std::string Quiz::Detail() const {
    if (asked_) {
        return asked_->Hint();
    }
    if (graded_ && !graded_->wrong.empty()) {
        // The first wrong row; the others each say why on their row, and all are in the log.
        const std::size_t more = graded_->wrong.size() - 1;
        return more == 0
                   ? graded_->wrong.front()
                   : TranslateCount("{first} (and {count} more row framed red: each says why "
                                    "on its row)",
                                    "{first} (and {count} more rows framed red: each says why "
                                    "on its row)",
                                    static_cast<long>(more), {{"first", graded_->wrong.front()}});
    }
    if (answered_) { // revealed
        return answered_->Asks() == Question::Kind::Rounds
                   ? answered_->Told().front()
                   : Translate("Each row says why where the mouse "
                               "rests on it, and the log has them "
                               "all.");
    }
    return {};
}

std::string Quiz::Caption(const Question& question, const Question::Result& graded) {
    const bool table = question.Asks() == Question::Kind::Table;
    return graded.AllRight() && table
               ? Translate("{result}: well done", {{"result", graded.summary}})
               : graded.summary;
}

std::optional<std::string> Quiz::Explain(int router, int network) const {
    if (!answered_ || answered_->Asks() != Question::Kind::Table || answered_->Router() != router) {
        return std::nullopt;
    }
    const std::vector<Question::Row>& rows = answered_->Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].network == network) {
            const MessageArguments told = {{"row", answered_->Told(rows[i])}};
            return !graded_            ? Translate("The answer: {row}", told)
                   : graded_->right[i] ? Translate("Predicted right: {row}", told)
                                       : Translate("Predicted wrong: {row}", told);
        }
    }
    return std::nullopt;
}
