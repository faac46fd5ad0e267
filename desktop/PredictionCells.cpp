#include "desktop/PredictionCells.h"

#include "desktop/Clock.h"

#include "desktop/RouterTable.h"
#include "session/Lecture.h"
#include "session/Stream.h"

#include <QEvent>
#include <QLineEdit>

PredictionCells::PredictionCells(Stream& stream, QWidget& window, const Clock& clock)
    : QObject(&window), stream_(stream), lecture_(stream.Lecture()), window_(window),
      clock_(clock) {}

void PredictionCells::Clear() {
    // The keyboard goes back to the window, where the clicker's keys work, not on along the Tab
    // chain to the scenario list, where an arrow would switch the scenario.
    for (const QPointer<QLineEdit>& cell : cells_) {
        if (!cell.isNull() && cell->hasFocus()) {
            window_.setFocus(Qt::OtherFocusReason);
        }
    }
    // A cell may be in the middle of telling that Enter was pressed in it: taken off its table
    // now, and deleted once that is over.
    for (const QPointer<QLineEdit>& cell : cells_) {
        if (!cell.isNull()) {
            cell->hide();
            cell->setParent(nullptr);
            cell->deleteLater();
        }
    }
    cells_.clear();
}

void PredictionCells::Sync() {
    const Quiz& quiz = lecture_.Demonstration().Questions();
    const std::optional<Question>& asked = quiz.Asked();
    if (!asked) {
        Clear();
        return;
    }
    if (quiz.Number() == asked_ && !cells_.empty()) {
        return;
    }
    Clear();
    asked_ = quiz.Number();
    auto* table =
        window_.findChild<RouterTable*>(QStringLiteral("RouterTable%1").arg(asked->Router()));
    if (table == nullptr) {
        return;
    }
    const QString prompt = QString::fromStdString(asked->Prompt());
    for (const Question::Cell& cell : asked->Cells()) {
        auto* edit = new QLineEdit(table);
        edit->setObjectName(QStringLiteral("Predict%1%2")
                                .arg(cell.hop ? QStringLiteral("Hop") : QStringLiteral("Cost"))
                                .arg(QChar('a' + cell.network)));
        edit->setAccessibleName(QString::fromStdString(cell.name));
        edit->setAccessibleDescription(prompt);
        edit->setToolTip(QString::fromStdString(cell.name));
        edit->setText(QString::fromStdString(cell.start));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(8);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::returnPressed, this, &PredictionCells::Check);
        cells_.emplace_back(edit);
    }
    for (std::size_t i = 1; i < cells_.size(); ++i) {
        QWidget::setTabOrder(cells_[i - 1], cells_[i]);
    }
    Place();
    for (const QPointer<QLineEdit>& cell : cells_) {
        cell->show();
    }
    if (!cells_.empty()) {
        cells_.front()->setFocus(Qt::OtherFocusReason);
        cells_.front()->selectAll();
        current_ = cells_.front();
    }
}

void PredictionCells::Place() {
    const std::optional<Question>& asked = lecture_.Demonstration().Questions().Asked();
    if (!asked || cells_.empty()) {
        return;
    }
    const std::vector<Question::Cell> cells = asked->Cells();
    for (std::size_t i = 0; i < cells_.size() && i < cells.size(); ++i) {
        auto* table = static_cast<RouterTable*>(cells_[i]->parentWidget());
        const QRect area = table->CellArea(cells[i].network, cells[i].hop);
        QFont font = cells_[i]->font();
        font.setPixelSize(std::max(8, area.height() * 3 / 5));
        font.setBold(true);
        cells_[i]->setFont(font);
        cells_[i]->setGeometry(area);
    }
}

bool PredictionCells::eventFilter(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn) {
        current_ = cell;
    } else if (event->type() == QEvent::FocusOut && cell == current_) {
        // A click on a pad key takes the focus to the window, and the cell drops its selection:
        // whether the whole text was selected is kept for the key.
        selected_ = Selected(*cell);
    }
    return QObject::eventFilter(watched, event);
}

bool PredictionCells::Selected(const QLineEdit& cell) {
    return cell.hasSelectedText() && cell.selectedText() == cell.text();
}

void PredictionCells::Press(const QString& key) {
    if (key == QLatin1String(Question::kCheck)) {
        Check();
        return;
    }
    const std::optional<Question>& asked = lecture_.Demonstration().Questions().Asked();
    if (!asked || cells_.empty()) {
        return;
    }
    std::vector<std::string> values;
    std::size_t current = 0;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        values.push_back(cells_[i]->text().toStdString());
        current = cells_[i] == current_ ? i : current;
    }
    const QLineEdit& inUse = *cells_[current];
    const bool selected = inUse.hasFocus() ? Selected(inUse) : selected_;
    const Question::Pressed pressed = asked->Press(values, current, key.toStdString(), selected);
    cells_[pressed.cell]->setText(QString::fromStdString(pressed.text));
    current_ = cells_[pressed.next];
    current_->setFocus(Qt::OtherFocusReason);
    current_->deselect();
    selected_ = false;
}

void PredictionCells::Check() {
    std::vector<std::string> given;
    for (const QPointer<QLineEdit>& cell : cells_) {
        given.push_back(cell.isNull() ? std::string() : cell->text().toStdString());
    }
    stream_.Take(Event::Answer(given, clock_.Now()));
    emit Answered();
}
