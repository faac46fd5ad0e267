#include "desktop/Corner.h"

#include "desktop/TwipsTransform.h"
#include "form/Layout.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

Corner::Corner(QWidget& window, QAction& help) : QObject(&window) {
    meter_ = new QLabel(&window);
    meter_->setObjectName(QStringLiteral("Meter"));
    meter_->setWordWrap(true);
    meter_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    meter_->hide();
    help_ = new QToolButton(&window);
    help_->setObjectName(QStringLiteral("HelpButton"));
    help_->setText(QStringLiteral("?"));
    help_->setAutoRaise(true);
    help_->setFocusPolicy(Qt::NoFocus);
    help_->setAccessibleName(QStringLiteral("Help: what the window shows, and its keys"));
    help_->setToolTip(QStringLiteral("Help (F1): what the window shows, the lessons, the keys"));
    connect(help_, &QToolButton::clicked, &help, &QAction::trigger);
}

void Corner::Place(const TwipsTransform& transform) {
    const Box& meter = Layout::kMeter;
    meter_->setGeometry(transform.Rect(meter.left, meter.top, meter.width, meter.height));
    meter_->setFont(transform.Font(Layout::kNotePoints, false));
    const Box& help = Layout::kHelpButton;
    help_->setGeometry(transform.Rect(help.left, help.top, help.width, help.height));
    help_->setFont(transform.Font(Layout::kCommandPoints, false));
}

void Corner::Sync(const ::Lecture::Meter& shows) {
    if (shows == shown_) {
        return;
    }
    shown_ = shows;
    meter_->setVisible(shows.shown);
    QString text = QString::fromStdString(shows.rules).toHtmlEscaped();
    if (!shows.state.empty()) {
        text += QStringLiteral("%1<b>%2</b><br>%3")
                    .arg(shows.rules.empty() ? QString() : QStringLiteral("<br>"),
                         QString::fromStdString(shows.state), QString::fromStdString(shows.since));
    }
    meter_->setText(text);
}
