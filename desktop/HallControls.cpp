#include "desktop/HallControls.h"

#include "desktop/CardView.h"
#include "desktop/QtText.h"
#include "scene/HallCard.h"
#include "scene/HallHistogram.h"
#include "session/Demonstration.h"
#include "session/Stream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QSettings>
#include <QToolButton>
#include <QWidget>

#include <qrcodegen.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>

HallControls::HallControls(Stream& stream, QWidget& window)
    : QObject(&window), window_(window), stream_(stream), server_(stream, this),
      relay_(stream, this), card_(new CardView(&window, QStringLiteral("HallCard"))),
      histogram_(new CardView(&window, QStringLiteral("HallHistogram"))),
      badge_(new QToolButton(&window)) {
    badge_->setObjectName(QStringLiteral("HallBadge"));
    badge_->setFocusPolicy(Qt::NoFocus);
    badge_->hide();
    connect(badge_, &QToolButton::clicked, this, &HallControls::ShowCard);
    connect(&server_, &HallServer::Answered, this, &HallControls::Take);
    connect(&relay_, &RelayLink::Answered, this, &HallControls::Take);
    const auto following = [this] {
        ShowBadge();
        emit Changed();
    };
    connect(&server_, &HallServer::FollowingChanged, this, following);
    connect(&relay_, &RelayLink::FollowingChanged, this, following);
    connect(&relay_, &RelayLink::TroubleChanged, this, &HallControls::ShowBadge);
}

void HallControls::Sync() {
    const Demonstration& demonstration = stream_.Lecture().Demonstration();
    if (demonstration.Asking()) {
        answers_.Ask(demonstration.Questions().Number(),
                     demonstration.Questions().Asked()->Cells().size());
    }
    ShowBadge();
    ShowHistogram();
}

void HallControls::ShowCard() {
    const qrcodegen::QrCode qr = qrcodegen::QrCode::encodeText(address_.toUtf8().constData(),
                                                               qrcodegen::QrCode::Ecc::MEDIUM);
    std::vector<bool> modules;
    for (int y = 0; y < qr.getSize(); ++y) {
        for (int x = 0; x < qr.getSize(); ++x) {
            modules.push_back(qr.getModule(x, y));
        }
    }
    const HallCard card(std::move(modules), qr.getSize(), address_.toStdString(),
                        code_.toStdString(), static_cast<std::size_t>(host_),
                        static_cast<std::size_t>(hosts_.size()));
    card_->Show([card](Canvas& canvas, const PixelRect& box) { card.Paint(canvas, box); },
                QtText("{heading}: {address}", {{"heading", Translate(HallCard::kHeading)},
                                                {"address", address_.toStdString()}}));
}

void HallControls::ShowHistogram() {
    const Quiz& quiz = stream_.Lecture().Demonstration().Questions();
    const bool revealed = quiz.Answered() && !quiz.Asked() && Following() &&
                          answers_.Number() == quiz.Number() && answers_.Answered() > 0;
    if (!revealed) {
        histogram_->hide();
        histogramFor_ = 0;
        return;
    }
    if (histogramFor_ == quiz.Number()) {
        return; // shown already, or hidden by a click
    }
    histogramFor_ = quiz.Number();
    // The join card gives way to how the hall answered (the badge brings it back).
    card_->hide();
    const Question& question = *quiz.Answered();
    const std::vector<Question::Cell> cells = question.Cells();
    const std::vector<std::string> right = question.Answer();
    std::vector<HallHistogram::Cell> shown;
    for (std::size_t i = 0; i < cells.size() && i < right.size(); ++i) {
        shown.push_back({cells[i].name, answers_.Shares(i, right[i])});
    }
    // A line for the heading, each cell's name and each share, at least 16 pixels tall (its
    // letters 12), from where the table asked stands, kept inside the window.
    int lines = 1;
    for (const HallHistogram::Cell& cell : shown) {
        lines += 1 + static_cast<int>(cell.shares.size());
    }
    const HallHistogram histogram(std::move(shown), answers_.Answered());
    const QWidget* table =
        window_.findChild<QWidget*>(QStringLiteral("RouterTable%1").arg(question.Router()));
    const QPoint at = table != nullptr ? table->pos() : QPoint(0, 0);
    const int line = std::max(16, static_cast<int>(std::lround(16 * scale_)));
    const QSize size(std::max(table != nullptr ? table->width() : 0, 16 * line),
                     lines * line + line / 2);
    const QSize room = window_.size();
    histogram_->setGeometry(std::clamp(at.x(), 0, std::max(0, room.width() - size.width())),
                            std::clamp(at.y(), 0, std::max(0, room.height() - size.height())),
                            size.width(), size.height());
    histogram_->Show(
        [histogram](Canvas& canvas, const PixelRect& box) { histogram.Paint(canvas, box); },
        QString::fromStdString(histogram.Heading()));
    // A lecturer who started the program from a terminal keeps the figures there too.
    for (const std::string& said : histogram.Lines()) {
        std::printf("%s\n", said.c_str());
    }
    std::fflush(stdout);
}

void HallControls::Take(qint64 phone, int number, const QStringList& cells) {
    Sync();
    std::vector<std::string> given;
    for (const QString& cell : cells) {
        given.push_back(cell.toStdString());
    }
    if (stream_.Lecture().Demonstration().Asking() && answers_.Take(phone, number, given)) {
        ShowBadge();
    }
}

void HallControls::ShowBadge() {
    const Demonstration& demonstration = stream_.Lecture().Demonstration();
    const bool asked =
        demonstration.Asking() && answers_.Number() == demonstration.Questions().Number();
    const int following = server_.Following() + relay_.Following();
    const QString text =
        !relay_.Trouble().isEmpty()
            ? relay_.Trouble()
            : QString::fromStdString(Hall::Badge(
                  following, asked ? std::optional<int>(answers_.Answered()) : std::nullopt));
    // Every repaint of the window asks: the badge changes only when what it says does.
    if (text == badge_->text() && badge_->isVisible() == Following()) {
        return;
    }
    badge_->setText(text);
    PlaceBadge();
    badge_->setVisible(Following());
    badge_->raise();
}

bool HallControls::CardShown() const {
    return card_->isVisible();
}

void HallControls::HideCard() {
    card_->hide();
}

void HallControls::Place(double scale) {
    const QSize room = window_.size();
    card_->setGeometry(room.width() / 8, room.height() / 5, room.width() * 3 / 4,
                       room.height() * 3 / 5);
    scale_ = scale;
    QFont font = badge_->font();
    font.setPixelSize(std::max(12, static_cast<int>(14 * scale)));
    badge_->setFont(font);
    PlaceBadge();
}

void HallControls::PlaceBadge() {
    badge_->adjustSize();
    const int margin = static_cast<int>(8 * scale_);
    badge_->move(window_.width() - badge_->width() - margin,
                 window_.height() - badge_->height() - margin);
}

void HallControls::SetRelay(const Relay::Place& relay, const QString& page) {
    relayPlace_ = relay;
    relayPage_ = page;
    relayChoice_ = {QString::fromStdString(Relay::Server(relay)),
                    QString::fromStdString(relay.password), page, true};
}

namespace {

QSettings Kept() {
    return QSettings(QStringLiteral("hopscape"), QStringLiteral("hopscape"));
}

} // namespace

void HallControls::LoadRelay() {
    const QSettings kept = Kept();
    const RelayDialog::Choice choice{kept.value(QStringLiteral("relay/server")).toString(),
                                     {},
                                     kept.value(QStringLiteral("relay/page")).toString(),
                                     kept.value(QStringLiteral("relay/use")).toBool()};
    std::string fault;
    const std::optional<Relay::Place> place = RelayDialog::Place(choice, fault);
    relayChoice_ = choice;
    if (choice.use && place) {
        relayPlace_ = place;
        relayPage_ = choice.page;
    }
}

void HallControls::AskRelay() {
    RelayDialog dialogue(relayChoice_, &window_);
    if (dialogue.exec() != QDialog::Accepted) {
        return;
    }
    relayChoice_ = dialogue.Chosen();
    QSettings kept = Kept();
    kept.setValue(QStringLiteral("relay/server"), relayChoice_.server);
    kept.setValue(QStringLiteral("relay/page"), relayChoice_.page);
    kept.setValue(QStringLiteral("relay/use"), relayChoice_.use);
    std::string fault;
    const std::optional<Relay::Place> place = RelayDialog::Place(relayChoice_, fault);
    relayPlace_ = relayChoice_.use ? place : std::nullopt;
    relayPage_ = relayChoice_.page;
}

void HallControls::Toggle() {
    if (Following()) {
        Stop();
        return;
    }
    const QString fault = relayPlace_ ? StartRelay() : Start(place_);
    if (!fault.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, window_.windowTitle(), fault, QMessageBox::Ok,
                        &window_);
        box.setObjectName(QStringLiteral("HallNotServed"));
        box.exec();
    }
}

QString HallControls::PageFolder() {
    const QString given = qEnvironmentVariable("HOPSCAPE_PAGE");
    if (!given.isEmpty()) {
        return given;
    }
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/hopscape/page"));
    if (QFileInfo::exists(installed + QStringLiteral("/index.html.gz"))) {
        return installed;
    }
    return QStringLiteral(HOPSCAPE_BUILT_PAGE);
}

QStringList HallControls::Hosts(const QString& host) {
    const QHostAddress asked(host);
    if (!host.isEmpty() && asked != QHostAddress::Any && asked != QHostAddress::AnyIPv4 &&
        asked != QHostAddress::AnyIPv6) {
        return {asked.isNull() ? host : asked.toString()};
    }
    std::vector<std::string> addresses;
    for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
        const auto flags = network.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            flags.testFlag(QNetworkInterface::IsRunning)) {
            for (const QNetworkAddressEntry& entry : network.addressEntries()) {
                addresses.push_back(entry.ip().toString().toStdString());
            }
        }
    }
    QStringList hosts;
    for (const std::string& shown : Hall::Hosts(addresses)) {
        hosts.append(QString::fromStdString(shown));
    }
    return hosts;
}

void HallControls::NextHost() {
    if (!Following() || hosts_.size() < 2) {
        return;
    }
    host_ = (host_ + 1) % static_cast<int>(hosts_.size());
    address_ = QString::fromStdString(
        Hall::Address(hosts_[host_].toStdString(), server_.Port(), code_.toStdString()));
    ShowCard();
}

QString HallControls::Start(const Hall::Place& place) {
    const QString host = QString::fromStdString(place.host);
    const QHostAddress address =
        host.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(host);
    if (address.isNull()) {
        return QStringLiteral(
                   "'%1' is no address of this machine: give one as 192.168.4.20 or [::1].")
            .arg(host);
    }
    const std::string code = Hall::NewCode(QRandomGenerator::system()->generate64());
    const QString fault =
        server_.Start(address, static_cast<quint16>(place.port), PageFolder(), code);
    if (!fault.isEmpty()) {
        address_.clear();
        return fault;
    }
    code_ = QString::fromStdString(code);
    hosts_ = Hosts(host);
    host_ = 0;
    address_ =
        QString::fromStdString(Hall::Address(hosts_.front().toStdString(), server_.Port(), code));
    ShowCard();
    ShowBadge();
    emit Changed();
    return {};
}

QString HallControls::StartRelay() {
    Stop();
    const std::string code = Hall::NewCode(QRandomGenerator::system()->generate64());
    if (const QString fault = relay_.Start(*relayPlace_, code); !fault.isEmpty()) {
        return fault;
    }
    code_ = QString::fromStdString(code);
    hosts_.clear();
    host_ = 0;
    const std::string page =
        relayPage_.isEmpty() ? Relay::Page(*relayPlace_) : relayPage_.toStdString();
    address_ = QString::fromStdString(Relay::Address(page, code));
    ShowCard();
    ShowBadge();
    emit Changed();
    return {};
}

void HallControls::Stop() {
    server_.Stop();
    relay_.Stop();
    address_.clear();
    card_->hide();
    histogram_->hide();
    ShowBadge();
    emit Changed();
}
