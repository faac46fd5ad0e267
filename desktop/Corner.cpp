#include "desktop/Corner.h"

#include "desktop/QtText.h"
#include "desktop/TwipsTransform.h"
#include "form/Layout.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

#include <algorithm>

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
    help_->setAccessibleName(QtText("Help: what the window shows, and its keys"));
    help_->setToolTip(QtText("Help (F1): what the window shows, the lessons, the keys"));
    connect(help_, &QToolButton::clicked, &help, &QAction::trigger);
}

void Corner::Place(const TwipsTransform& transform, const Look& look) {
    const Box& meter = Layout::kMeter;
    meter_->setGeometry(transform.Rect(meter.left, meter.top, meter.width, meter.height));
    points_ = std::max(Layout::kNotePoints, look.meterPoints);
    scale_ = transform.Scale();
    Fit();
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
    Fit();
}

void Corner::Fit() {
    // A twentieth smaller at a time, no smaller than the usual small print.
    for (double points = points_; points >= Layout::kNotePoints; points *= 0.95) {
        meter_->setFont(TwipsTransform(scale_, {}).Font(points, false));
        if (meter_->heightForWidth(meter_->width()) <= meter_->height() ||
            points * 0.95 < Layout::kNotePoints) {
            return;
        }
    }
}
