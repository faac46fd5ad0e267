// A lecture through a relay, at the window: a relay that is down or refuses is said on the badge
// at once, the lecture goes on meanwhile, and once the relay is there the badge counts the phones
// again. The relay is nats-server on loopback with the deploy's users.
#include "desktop/RelayLink.h"
#include "desktop/CommandLine.h"
#include "desktop/HallControls.h"
#include "desktop/LectureMenu.h"
#include "desktop/MainWindow.h"
#include "desktop/Program.h"
#include "session/Demonstration.h"
#include "session/Relay.h"
#include "support/FakePlatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A free port on loopback, for a relay to come to.
quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool Until(const std::function<bool()>& done, int milliseconds = 20000) {
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

// nats-server on loopback at `port`, with the deploy's users (the lecturer's password "secret").
class RelayServer {
public:
    RelayServer(const QString& program, const QTemporaryDir& dir, quint16 port) {
        QFile::copy(QStringLiteral(HOPSCAPE_DEPLOY "/nats/lectures.conf"),
                    dir.filePath(QStringLiteral("lectures.conf")));
        QFile config(dir.filePath(QStringLiteral("relay.conf")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(QStringLiteral("listen: 127.0.0.1:%1\ninclude \"lectures.conf\"\n")
                             .arg(port)
                             .toUtf8());
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOPSCAPE_LECTURER_PASSWORD"), QStringLiteral("secret"));
        process_.setProcessEnvironment(environment);
        process_.start(program, {QStringLiteral("-c"), config.fileName()});
        process_.waitForStarted(10000);
    }
    ~RelayServer() {
        process_.kill();
        process_.waitForFinished(10000);
    }

private:
    QProcess process_;
};

} // namespace

TEST(RelayLink, ARelayDownOrRefusingIsSaidAtOnceAndTheLectureGoesOn) {
    const QString nats = QStandardPaths::findExecutable(QStringLiteral("nats-server"));
    if (nats.isEmpty()) {
        GTEST_SKIP() << "nats-server is not installed";
    }
    const quint16 port = FreePort();
    const auto place = [port](const char* password) {
        std::string fault;
        return *Relay::Read("nats://lecturer:" + std::string(password) +
                                "@127.0.0.1:" + std::to_string(port),
                            fault);
    };
    const CommandLine::Result read = CommandLine::Read(
        {QStringLiteral("hopscape"), QStringLiteral("--scenario"), QStringLiteral("Example 1")},
        QStringLiteral("1.0"));
    FakePlatform platform;
    Program program(read.options, QSize(1366, 768), &platform);
    MainWindow& window = program.Window();
    window.show();
    HallControls& hall = window.Hall();
    const auto* badge = window.findChild<QAbstractButton*>(QStringLiteral("HallBadge"));
    ASSERT_NE(badge, nullptr);

    // No relay there: said at once, and the window's lecture goes on.
    hall.SetRelay(place("secret"), QStringLiteral("http://hall.test/?relay=ws://127.0.0.1:1"));
    ASSERT_EQ(hall.StartRelay(), QString());
    EXPECT_TRUE(hall.Following());
    EXPECT_TRUE(badge->isVisible());
    EXPECT_EQ(badge->text(), QStringLiteral("Relay: unreachable, trying again"));
    EXPECT_TRUE(hall.Address().startsWith(
        QStringLiteral("http://hall.test/?relay=ws://127.0.0.1:1&follow=")))
        << hall.Address().toStdString();
    const std::string before = window.Demonstration().State().RouterTable[0].Table();
    window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click();
    for (int t = 0; t < 30; ++t) {
        window.Tick();
    }
    EXPECT_NE(window.Demonstration().State().RouterTable[0].Table(), before)
        << "Update went on without the relay";

    // The relay comes: the library finds it, and the badge counts the phones.
    QTemporaryDir dir;
    {
        RelayServer relay(nats, dir, port);
        EXPECT_TRUE(Until([&] { return badge->text() == QStringLiteral("Hall: 0 following"); }))
            << badge->text().toStdString();
    }
    // It goes away: said again, while the lecture goes on.
    EXPECT_TRUE(Until([&] {
        return badge->text() == QStringLiteral("Relay: unreachable, trying again");
    })) << badge->text().toStdString();
    hall.Stop();
    EXPECT_FALSE(hall.Following());
    EXPECT_FALSE(badge->isVisible());

    // A relay that refuses the lecturer's password says so.
    RelayServer relay(nats, dir, port);
    hall.SetRelay(place("wrong"), QString());
    ASSERT_TRUE(Until([&] {
        if (hall.Link().Trouble().contains(QStringLiteral("unreachable"))) {
            hall.Stop(); // the server was still starting: once more
            hall.StartRelay();
        }
        return hall.Link().Trouble().contains(QStringLiteral("refused"));
    }));
    EXPECT_EQ(badge->text(), QStringLiteral("Relay: refused: Authorization Violation"));
    hall.Stop();
}

// The menu's "Follow through a relay...": an address that is no relay's is refused with why; one
// that is, chosen for use, is where "Let the hall follow" goes next, and the next window
// remembers it (but not the password). No hall is served from this machine here.
TEST(RelayLink, TheRelayChosenInTheDialogueIsUsedAndKept) {
    const CommandLine::Result read = CommandLine::Read(
        {QStringLiteral("hopscape"), QStringLiteral("--scenario"), QStringLiteral("Example 1")},
        QStringLiteral("1.0"));
    const quint16 port = FreePort();
    const QString server = QStringLiteral("nats://127.0.0.1:%1").arg(port);
    {
        FakePlatform platform;
        Program program(read.options, QSize(1366, 768), &platform);
        MainWindow& window = program.Window();
        window.show();
        bool refused = false;
        QTimer::singleShot(0, [&] {
            auto* dialogue = window.findChild<QDialog*>(QStringLiteral("RelayDialog"));
            ASSERT_NE(dialogue, nullptr);
            dialogue->findChild<QLineEdit*>(QStringLiteral("RelayServer"))
                ->setText(QStringLiteral("relay.example.edu"));
            dialogue->findChild<QCheckBox*>(QStringLiteral("RelayUse"))->setChecked(true);
            dialogue->accept();
            const auto* fault = dialogue->findChild<QLabel*>(QStringLiteral("RelayFault"));
            refused = dialogue->isVisible() &&
                      fault->text() == QStringLiteral("A relay's address begins nats://, as "
                                                      "nats://relay.example.edu:4222, not "
                                                      "'relay.example.edu'.");
            dialogue->findChild<QLineEdit*>(QStringLiteral("RelayServer"))->setText(server);
            dialogue->findChild<QLineEdit*>(QStringLiteral("RelayPassword"))
                ->setText(QStringLiteral("secret"));
            dialogue->accept();
        });
        window.Lecture().Action(Extras::Id::HallRelay)->trigger();
        EXPECT_TRUE(refused) << "an address that is no relay's kept the dialogue open";
        window.Lecture().Action(Extras::Id::HallFollows)->trigger();
        EXPECT_TRUE(window.Hall().Link().Linked()) << "the hall follows through the relay";
        EXPECT_EQ(window.Hall().Link().Trouble(),
                  QStringLiteral("Relay: unreachable, trying again"));
        window.Hall().Stop();
    }
    FakePlatform platform;
    Program program(read.options, QSize(1366, 768), &platform);
    MainWindow& window = program.Window();
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialogue = window.findChild<QDialog*>(QStringLiteral("RelayDialog"));
        ASSERT_NE(dialogue, nullptr);
        shown = dialogue->findChild<QLineEdit*>(QStringLiteral("RelayServer"))->text() + " " +
                dialogue->findChild<QLineEdit*>(QStringLiteral("RelayPassword"))->text() + "|" +
                (dialogue->findChild<QCheckBox*>(QStringLiteral("RelayUse"))->isChecked() ? "use"
                                                                                          : "not");
        dialogue->findChild<QCheckBox*>(QStringLiteral("RelayUse"))->setChecked(false);
        dialogue->accept();
    });
    window.Lecture().Action(Extras::Id::HallRelay)->trigger();
    EXPECT_EQ(shown, server + QStringLiteral(" |use")) << "kept, but for the password";
}
