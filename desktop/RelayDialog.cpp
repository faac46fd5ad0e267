#include "desktop/RelayDialog.h"
#include "common/Translate.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString Text(std::string_view text) {
    return QString::fromStdString(Translate(text));
}

} // namespace

RelayDialog::RelayDialog(const Choice& choice, QWidget* parent)
    : QDialog(parent), server_(new QLineEdit(choice.server)),
      password_(new QLineEdit(choice.password)), page_(new QLineEdit(choice.page)),
      use_(new QCheckBox(Text(Relay::kUse))), fault_(new QLabel) {
    setObjectName(QStringLiteral("RelayDialog"));
    setWindowTitle(Text(Relay::kDialogue));
    server_->setObjectName(QStringLiteral("RelayServer"));
    server_->setPlaceholderText(Text(Relay::kServerHint));
    password_->setObjectName(QStringLiteral("RelayPassword"));
    password_->setEchoMode(QLineEdit::Password);
    page_->setObjectName(QStringLiteral("RelayPage"));
    page_->setPlaceholderText(Text(Relay::kPageHint));
    use_->setObjectName(QStringLiteral("RelayUse"));
    use_->setChecked(choice.use);
    fault_->setObjectName(QStringLiteral("RelayFault"));
    fault_->setWordWrap(true);
    fault_->hide();
    auto* form = new QFormLayout;
    form->addRow(Text(Relay::kServerLabel), server_);
    form->addRow(Text(Relay::kPasswordLabel), password_);
    form->addRow(Text(Relay::kPageLabel), page_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &RelayDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RelayDialog::reject);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(use_);
    all->addWidget(fault_);
    all->addWidget(new QLabel(Text(Relay::kKept)));
    all->addWidget(buttons);
    server_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
}

RelayDialog::Choice RelayDialog::Chosen() const {
    return {server_->text().trimmed(), password_->text(), page_->text().trimmed(),
            use_->isChecked()};
}

std::optional<Relay::Place> RelayDialog::Place(const Choice& choice, std::string& fault) {
    std::optional<Relay::Place> place = Relay::Read(choice.server.toStdString(), fault);
    if (place && !choice.password.isEmpty()) {
        place->password = choice.password.toStdString();
    }
    if (place && !choice.page.isEmpty()) {
        fault = Relay::PageFault(choice.page.toStdString());
        if (!fault.empty()) {
            return std::nullopt;
        }
    }
    return place;
}

void RelayDialog::accept() {
    const Choice choice = Chosen();
    std::string fault;
    // Not using a relay, nothing need be right; using one, its address must be.
    if (choice.use || !choice.server.isEmpty()) {
        if (!Place(choice, fault)) {
            fault_->setText(QString::fromStdString(fault));
            fault_->show();
            return;
        }
    }
    QDialog::accept();
}
