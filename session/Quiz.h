#pragma once

#include "session/Question.h"

#include <optional>
#include <string>
#include <vector>

class FormState;

// The question put to the learners now, if any, and how the last answer was graded: the rows
// asked are marked on their panel while it is asked, and framed right or wrong once it is
// answered, until the window next changes.
class Quiz {
public:
    explicit Quiz(FormState& form) : form_(form) {}

    void Ask(Question question);
    const std::optional<Question>& Asked() const { return asked_; }
    // How many questions have been asked: a new number, a new question.
    int Number() const { return number_; }
    // Grades the answer and closes the question; the lines the log keeps of it.
    std::vector<std::string> Answer(const std::vector<std::string>& cells);
    // The answer shown with none given; the lines the log keeps of it.
    std::vector<std::string> Reveal();
    // Why the question the lecturer asked for cannot be asked, said in the question's place until
    // the window next changes.
    void Refuse(std::string why);
    // The question dropped unanswered, as the window changes under it; how an answer before it
    // fared stays, a refusal goes.
    bool Drop();
    // The rows framed right or wrong go, and what is said of the answer.
    void ClearMarks();
    const std::optional<Question::Result>& Graded() const { return graded_; }
    // The question last answered or revealed, while its answer is shown.
    const std::optional<Question>& Answered() const { return answered_; }
    // What the caption strip says of the question asked, or of the answer given or revealed.
    std::string Caption() const;
    std::string Detail() const;
    // What the caption says of an answer given to `question` and graded so.
    static std::string Caption(const Question& question, const Question::Result& graded);
    // A row of the answer's table, as its row says it once answered or revealed: "Predicted
    // wrong: a: 4, next hop B. C: route to a now cost 4 via B (...)"; none for a row not asked.
    std::optional<std::string> Explain(int router, int network) const;

private:
    void Mark(const std::vector<bool>& right);
    void Unmark();

    FormState& form_;
    std::optional<Question> asked_;
    std::optional<Question> answered_;
    std::optional<Question::Result> graded_; // none for an answer revealed
    std::string refused_;
    int number_ = 0;
};
