#pragma once

#include <QComboBox>

// The scenario list. Choosing a scenario resets every table, so a wheel turned over the list
// while it does not have the keyboard focus scrolls past it instead of switching the scenario.
class ScenarioList : public QComboBox {
    Q_OBJECT

public:
    explicit ScenarioList(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};
