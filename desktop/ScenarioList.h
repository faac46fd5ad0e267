#pragma once

#include <QComboBox>

#include <string>
#include <vector>

// The scenario list. Choosing a scenario throws the whole demonstration away, so nothing a
// lecturer does by accident chooses one: the wheel never does (the open list's own wheel
// aside), Page Up and Page Down (what presenter clickers send) never do, and the arrow keys do
// only while the user gave the list the focus, by Tab or a click; the focus it has when the
// window opens does not count. A screen reader hears its name ("Scenario") and, as its value,
// the scenario chosen.
class ScenarioList : public QComboBox {
    Q_OBJECT

public:
    explicit ScenarioList(QWidget* parent = nullptr);
    // Shows the form's items, with `chosen` as the current one.
    void Show(const std::vector<std::string>& items, const std::string& chosen);
    // The scenario chosen as it is shown: the current item, or the demonstration in its place.
    QString Chosen() const;
    // Whether the user gave the list the focus, so that keys may choose.
    bool ChosenByUser() const { return chosenByUser_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Tells a screen reader that the value it hears has changed.
    void AnnounceValue();

    bool chosenByUser_ = false;
};
