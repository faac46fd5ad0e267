#include "session/Quiz.h"

#include "common/Letters.h"
#include "form/FormState.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : " ") + line;
    }
    return text;
}

} // namespace

void Quiz::Ask(Question question) {
    ClearMarks();
    asked_ = std::move(question);
    answered_.reset();
    graded_.reset();
    revealed_ = false;
    if (asked_->Asks() == Question::Kind::Table) {
        for (const Question::Row& row : asked_->Rows()) {
            form_.RouterTable[asked_->Router()].prediction[row.network] =
                RouterPanel::Prediction::Asked;
        }
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
    revealed_ = false;
    Mark(graded_->right);
    std::vector<std::string> lines{"Predicted: " + graded_->summary};
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
    revealed_ = true;
    std::vector<std::string> lines{"Revealed: " + answered_->Prompt()};
    const std::vector<std::string> told = answered_->Told();
    lines.insert(lines.end(), told.begin(), told.end());
    return lines;
}

bool Quiz::Drop() {
    const bool dropped = asked_.has_value();
    asked_.reset();
    ClearMarks();
    return dropped;
}

void Quiz::ClearMarks() {
    for (RouterPanel& panel : form_.RouterTable) {
        panel.prediction = {};
    }
    answered_.reset();
    graded_.reset();
    revealed_ = false;
}

std::string Quiz::Caption() const {
    if (asked_) {
        return asked_->Prompt();
    }
    if (graded_) {
        return graded_->AllRight() ? graded_->summary + ": well done" : graded_->summary;
    }
    if (revealed_ && answered_) {
        return answered_->Asks() == Question::Kind::Rounds
                   ? "The answer: " + std::to_string(answered_->Count()) + " more rounds of Update"
                   : "The answer: " + RouterLetter(answered_->Router()) + "'s table as it arrives";
    }
    return {};
}

std::string Quiz::Detail() const {
    if (asked_) {
        return asked_->Hint();
    }
    if (graded_) {
        return Joined(graded_->wrong);
    }
    if (revealed_ && answered_) {
        return Joined(answered_->Told());
    }
    return {};
}
