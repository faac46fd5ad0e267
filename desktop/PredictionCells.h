#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class Lecture;
class Stream;
class Clock;
class QLineEdit;
class QWidget;

// The cells a learner types a prediction in, laid over the rows asked on the router's own table:
// a cost, Tab, a next hop, and Enter checks the whole answer. Each cell is named for a screen
// reader; the pad's keys type into the cell last in use.
class PredictionCells : public QObject {
    Q_OBJECT

public:
    // `clock` gives the time handed to the lecture.
    PredictionCells(Stream& stream, QWidget& window, const Clock& clock);

    // Makes the cells for a question newly asked (the first takes the focus), or takes them away
    // once it is answered or gone.
    void Sync();
    // Puts the cells on their rows again, as the tables moved or were scaled.
    void Place();
    // A pad key pressed: typed into the cell in use, or the answer checked.
    void Press(const QString& key);

signals:
    // The answer was checked: the window has to catch up with the lecture.
    void Answered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Check();
    void Clear();

    Stream& stream_;
    Lecture& lecture_;
    QWidget& window_;
    int asked_ = 0; // the question the cells are for, by its number
    std::vector<QPointer<QLineEdit>> cells_;
    QPointer<QLineEdit> current_;
    bool selected_ = false; // the cell in use had its whole text selected when it lost the focus
    static bool Selected(const QLineEdit& cell);
    const Clock& clock_;
};
