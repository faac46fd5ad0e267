#pragma once

#include "router/Router.h"

#include <optional>
#include <string>
#include <vector>

class MainForm;

// A question for a learner on what the routing tables are about to do: what a router's table
// will show once the tables on their way have arrived, or after how many more rounds of Update a
// router gives a route up. The answer is worked out on a copy of the window played ahead (the
// window itself is not touched); an answer is graded row by row, each wrong row explained in the
// log's words.
class Question {
public:
    // A count that does not end within this many rounds is no question (it may never end).
    static constexpr int kMostRounds = 40;
    // Rounds played on, after a route is given up, to see the tables come to rest (the longest
    // hold-down, a timeout and garbage collection after it, take about 160).
    static constexpr int kRestRounds = 200;
    enum class Kind { Table, Rounds };

    // A row asked: what the router shows for the network now, what it will show, and why.
    struct Row {
        int network = 0;
        RouteRow now;
        RouteRow shows;
        std::string why;
    };
    // A cell the learner fills, in the order Tab walks them: each row's cost then its next hop,
    // or the one count.
    struct Cell {
        int network = 0;
        bool hop = false;
        std::string name;  // what a screen reader calls it: "C's cost to network a"
        std::string start; // what it holds when asked: the table as it stands, blank for a row not
                           // shown yet
    };
    struct Result {
        std::vector<bool> right; // by row asked (one for a count)
        int rightCount = 0;
        std::string summary;            // "C's table: 3 of 4 rows right"
        std::vector<std::string> wrong; // each wrong row, what it shows and why
        bool AllRight() const { return rightCount == static_cast<int>(right.size()); }
    };

    // A question, or why none can be asked of the demonstration as it stands.
    struct Attempt;

    // What `router` shows for `networks` (where empty, every row it will show but its own
    // network's) once the tables now on their way have arrived; refused while no table is on its
    // way or no row is left to ask.
    static Attempt Table(const MainForm& form, int router, std::vector<int> networks = {});
    // After how many more rounds of Update `router` gives `network` up for good: inf from that
    // round on, however many rounds follow, which holds once the tables have come to rest with it
    // at inf. Refused where it shows inf already, or where no round within kMostRounds gives the
    // route up and leads to rest within kRestRounds (a count with no infinity to end it, a route
    // that comes back after a timeout or a hold-down).
    static Attempt Rounds(const MainForm& form, int router, int network);

    // The pad a touch screen answers with: digits, "inf", the routers' letters, "L" and "-",
    // then kErase and kCheck.
    static constexpr const char* kErase = "\u232B";
    static constexpr const char* kCheck = "Check";
    static const std::vector<std::string>& PadKeys();
    // A pad key (other than kCheck) pressed while the cells hold `values` and cell `current` is
    // in use, its text `selected` whole or not: the cell it types in (the one in use, or where
    // that one does not take it, the next that does: a letter after a number goes on to its next
    // hop), what that cell then holds (a digit added to the number typed so far in the cell in
    // use, kErase taking the last letter off; a selected text, another cell's text and anything
    // else replaced), and the cell in use after it (the next one, once a cell is filled).
    struct Pressed {
        std::size_t cell = 0;
        std::string text;
        std::size_t next = 0;
    };
    Pressed Press(const std::vector<std::string>& values, std::size_t current,
                  const std::string& key, bool selected = false) const;

    Kind Asks() const { return kind_; }
    int Router() const { return router_; }
    const std::vector<Row>& Rows() const { return rows_; }
    int Count() const { return rounds_; }
    // The ticks until the tables on their way have arrived and the answer stands on the screen
    // (none for a count).
    long Arrives() const { return arrives_; }
    // The question as the caption strip puts it.
    std::string Prompt() const;
    // How to answer it, for a student at home.
    std::string Hint() const;
    std::vector<Cell> Cells() const;
    // `cells` as Cells() orders them; a cell left out is empty. A cost reads "inf" (or "∞") or a
    // number, a next hop a router letter, "L" or "-", either case, blanks round them ignored.
    Result Grade(const std::vector<std::string>& cells) const;
    // The right answer, cell by cell.
    std::vector<std::string> Answer() const;
    // The answer told row by row, for when it is revealed rather than given; one row of it.
    std::vector<std::string> Told() const;
    std::string Told(const Row& row) const;

private:
    Question(Kind kind, int router) : kind_(kind), router_(router) {}
    // "13 more rounds of Update".
    static std::string Rounds(int count);

    Kind kind_;
    int router_;
    std::vector<Row> rows_;
    int rounds_ = 0;
    long arrives_ = 0;
    bool sixteen_ = false; // RIP's infinity of 16 is on
};

struct Question::Attempt {
    std::optional<Question> question;
    std::string refused; // "Not asked: ...", as the lecturer is told
};
