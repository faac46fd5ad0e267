#include "app/view/ScenarioList.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWheelEvent>

namespace {

// What a screen reader is told of the list: its own name ("Scenario") and, as its value, the
// scenario shown. The toolkit's own combo box interface gives the shown text as the name too.
class ScenarioListAccessible : public QAccessibleWidget {
public:
    explicit ScenarioListAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const auto* list = static_cast<const QComboBox*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return list->accessibleName();
        case QAccessible::Value:
            return list->currentText();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* ScenarioListInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("ScenarioList") && object != nullptr && object->isWidgetType()) {
        return new ScenarioListAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

ScenarioList::ScenarioList(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(ScenarioListInterface);
        return true;
    }();
    (void)installed;
    // Focus comes from a click or Tab only, never from the wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void ScenarioList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
