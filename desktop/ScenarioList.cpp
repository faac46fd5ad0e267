#include "desktop/ScenarioList.h"

#include "app/Scenarios.h"
#include "common/Translate.h"

#include <QAbstractItemView>
#include <QAction>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

namespace {

// What a screen reader is told of the list: its own name ("Scenario") and, as its value and as
// its text, the scenario chosen. The toolkit's own combo box interface gives the chosen text as
// the name, and screen readers on Linux read a combo box's value from its text.
class ScenarioListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ScenarioListAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return List()->accessibleName();
        case QAccessible::Value:
            return Chosen();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    // The text interface: the chosen scenario, read only.
    QString text(int start, int end) const override { return Chosen().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Chosen().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

private:
    const ScenarioList* List() const { return static_cast<const ScenarioList*>(widget()); }
    QString Chosen() const { return List()->Chosen(); }
};

QAccessibleInterface* ScenarioListInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("ScenarioList") && object != nullptr && object->isWidgetType()) {
        return new ScenarioListAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

bool ByUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason;
}

// The list's own popup and a window that comes back to the front leave the focus where it was.
bool Passing(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
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
    connect(this, &QComboBox::currentIndexChanged, this, &ScenarioList::AnnounceValue);
    // A demonstration shown in the list's place reads as a choice, not as a hint.
    QPalette colours = palette();
    colours.setColor(QPalette::PlaceholderText, colours.color(QPalette::ButtonText));
    setPalette(colours);
    view()->installEventFilter(this);
}

bool ScenarioList::eventFilter(QObject* watched, QEvent* event) {
    // A stray click opened the list, and the clicker's next key would page through it: the list
    // closes and the key does what it does in the window.
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched != view() || !key) {
        return QComboBox::eventFilter(watched, event);
    }
    const auto* pressed = static_cast<QKeyEvent*>(event);
    if (pressed->key() != Qt::Key_PageUp && pressed->key() != Qt::Key_PageDown) {
        return QComboBox::eventFilter(watched, event);
    }
    hidePopup();
    if (event->type() == QEvent::KeyPress) {
        // No shortcut took the key on its way here: the window's action for it is run.
        for (QAction* action : window()->actions()) {
            if (action->isEnabled() &&
                action->shortcuts().contains(QKeySequence(pressed->keyCombination()))) {
                action->trigger();
                break;
            }
        }
        return true;
    }
    return false;
}

void ScenarioList::Show(const std::vector<std::string>& items, const std::string& chosen) {
    // The list's own scenarios first, in their order, then the demonstrations the menu opens:
    // whatever the list shows, its pop-up has.
    const int all = static_cast<int>(items.size() + 1 + Scenarios::kDemonstrations.size());
    if (count() != all) {
        clear();
        // Each item shows its name in the program's language and keeps the name it is known by.
        const auto add = [this](const std::string& name) {
            addItem(QString::fromStdString(Translate(name)), QString::fromStdString(name));
        };
        for (const std::string& item : items) {
            add(item);
        }
        insertSeparator(count());
        for (const char* demonstration : Scenarios::kDemonstrations) {
            add(demonstration);
        }
    }
    // A name no item has (none the window chooses) is shown as it is.
    setPlaceholderText(QString::fromStdString(Translate(chosen)));
    setCurrentIndex(findData(QString::fromStdString(chosen)));
}

QString ScenarioList::Chosen() const {
    return currentIndex() >= 0 ? currentText() : placeholderText();
}

void ScenarioList::AnnounceValue() {
    QAccessibleValueChangeEvent value(this, Chosen());
    QAccessible::updateAccessibility(&value);
    QAccessibleTextUpdateEvent text(this, 0, QString(), Chosen());
    QAccessible::updateAccessibility(&text);
}

void ScenarioList::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void ScenarioList::keyPressEvent(QKeyEvent* event) {
    const bool paging = event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (paging || !chosenByUser_) {
        // Passed on to the window, which may have a use for it.
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ScenarioList::focusInEvent(QFocusEvent* event) {
    if (!Passing(event->reason())) {
        chosenByUser_ = ByUser(event->reason());
    }
    QComboBox::focusInEvent(event);
}

void ScenarioList::focusOutEvent(QFocusEvent* event) {
    if (!Passing(event->reason())) {
        chosenByUser_ = false;
    }
    QComboBox::focusOutEvent(event);
}

void ScenarioList::paintEvent(QPaintEvent* event) {
    if (!window()->property("vectorPainting").toBool()) {
        // The style's drawing, the name in a smaller letter where the whole name would not fit.
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText = Chosen();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        QFont letters = font();
        // Fonts scaled with the window are sized in pixels, others in points.
        const bool pixels = letters.pixelSize() > 0;
        for (double size = pixels ? letters.pixelSize() : letters.pointSizeF();
             QFontMetricsF(letters).horizontalAdvance(option.currentText) > field.width() - 2 &&
             size > 4;
             size *= 0.95) {
            pixels ? letters.setPixelSize(static_cast<int>(size * 0.95))
                   : letters.setPointSizeF(size * 0.95);
        }
        painter.setFont(letters);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return;
    }
    (void)event;
    // For a vector picture: the style keeps its drawing of a list as a bitmap, so the frame,
    // the chosen text and the arrow are drawn here as lines and text.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawRoundedRect(frame, 2, 2);
    const int arrowWidth = height();
    const QRectF text = QRectF(rect()).adjusted(height() / 4.0, 0, -arrowWidth, 0);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, Chosen());
    const QPointF tip(width() - arrowWidth / 2.0, height() * 0.62);
    const double half = height() / 6.0;
    painter.setBrush(palette().color(QPalette::ButtonText));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF{tip, tip + QPointF(-half, -half), tip + QPointF(half, -half)});
}
