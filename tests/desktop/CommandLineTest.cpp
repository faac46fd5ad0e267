#include "desktop/CommandLine.h"
#include "desktop/HallControls.h"
#include "desktop/LectureMenu.h"
#include "desktop/LessonControls.h"
#include "desktop/MainWindow.h"
#include "desktop/Picture.h"
#include "desktop/Program.h"
#include "support/Contrast.h"

#include "app/MainForm.h"
#include "common/Fields.h"
#include "common/SeededRandom.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/Demonstration.h"
#include "session/Fingerprint.h"
#include "session/Follower.h"
#include "session/Hall.h"
#include "session/LessonPlayer.h"
#include "session/Stream.h"
#include "support/FakePlatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

CommandLine::Result Read(QStringList arguments) {
    arguments.prepend(QStringLiteral("hopscape"));
    return CommandLine::Read(arguments, QStringLiteral("1.0"));
}

} // namespace

TEST(CommandLine, GoodOptionsOpenTheWindowAsAsked) {
    const CommandLine::Result none = Read({});
    EXPECT_EQ(none.exitCode, -1);
    EXPECT_FALSE(none.options.scenario.has_value());
    EXPECT_FALSE(none.options.seed.has_value());
    EXPECT_FALSE(none.options.fullScreen);
    const CommandLine::Result all =
        Read({QStringLiteral("--scenario"), QStringLiteral("Three Routers"),
              QStringLiteral("--seed=77"), QStringLiteral("--fullscreen")});
    EXPECT_EQ(all.exitCode, -1);
    EXPECT_EQ(all.options.scenario, "Three Routers");
    EXPECT_EQ(all.options.seed, 77u);
    EXPECT_TRUE(all.options.fullScreen);
}

TEST(CommandLine, HelpAndVersionPrintAndStop) {
    const CommandLine::Result help = Read({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.message.contains(QStringLiteral("Usage: hopscape")));
    EXPECT_TRUE(help.message.contains(QStringLiteral("--scenario <name>")));
    EXPECT_TRUE(help.message.contains(QStringLiteral("--seed <n>")));
    const CommandLine::Result version = Read({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.message, QStringLiteral("Pelko's Hopscape Demo 1.0\n"));
}

TEST(CommandLine, BadOptionsStopWithStatusTwoAndSayWhy) {
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--bogus")}, "Unknown option 'bogus'"},
        {{QStringLiteral("--scenario"), QStringLiteral("Nope")}, "No scenario is called \"Nope\""},
        {{QStringLiteral("--scenario")}, "Missing value after '--scenario'"},
        {{QStringLiteral("--seed"), QStringLiteral("-3")}, "The seed must be a whole number"},
        {{QStringLiteral("stray")}, "Unexpected argument 'stray'"},
        {{QStringLiteral("--rip"), QStringLiteral("infinity,sixteen")},
         "No RIP rule is called 'sixteen'"},
    };
    for (const auto& c : cases) {
        const CommandLine::Result result = Read(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.says;
        EXPECT_TRUE(result.message.contains(QString::fromUtf8(c.says)))
            << result.message.toStdString();
    }
}

TEST(CommandLine, EveryScenarioCanBeOpened) {
    for (const char* name : {"Random 1", "Random 1 No Reverse", "Flooding 1", "Example 1",
                             "Three Routers", "Four Routers", "Everything"}) {
        const CommandLine::Result result =
            Read({QStringLiteral("--scenario"), QString::fromLatin1(name)});
        EXPECT_EQ(result.exitCode, -1) << name << ": " << result.message.toStdString();
        EXPECT_EQ(result.options.scenario, name);
    }
}

// Files and lessons from the command line: the built-in lessons listed and started by name, a
// demonstration file opened, and a file that cannot be opened stopping the program with one line
// that names it and what is wrong.
TEST(CommandLine, LessonsAndFilesFromTheCommandLine) {
    const CommandLine::Result list = Read({QStringLiteral("--lessons")});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.message,
              QStringLiteral("Example 1 converging\nCount to infinity\nSplit horizon's "
                             "cure\nThree-router loop\nInfinity 16\nTriggered "
                             "updates\nHold-down\n"));
    const CommandLine::Result lesson = Read(
        {QStringLiteral("--lesson"), QStringLiteral("Hold-down"), QStringLiteral("--projector")});
    ASSERT_EQ(lesson.exitCode, -1) << lesson.message.toStdString();
    ASSERT_TRUE(lesson.options.lesson.has_value());
    EXPECT_EQ(lesson.options.lesson->scenario, "Hold-Down Delays Good News");
    EXPECT_TRUE(lesson.options.projector);

    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.json"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "hopscape-demonstration", "version": 7})");
    file.close();
    const CommandLine::Result opened = Read({QStringLiteral("--open"), bad});
    EXPECT_EQ(opened.exitCode, 2);
    EXPECT_EQ(opened.message, bad + QStringLiteral(": version: the file was written in version 7 "
                                                   "of the format; this program reads version 1 "
                                                   "and older\n"));
    const CommandLine::Result missing =
        Read({QStringLiteral("--lesson"), dir.filePath(QStringLiteral("none.json"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.message.startsWith(QStringLiteral("No built-in lesson is called")));
}

// The README's example lesson, written by hand, opens from the command line and plays through to
// what its last caption says: C holds a at 4 through B.
TEST(CommandLine, TheReadmesExampleLessonPlaysAsItsCaptionsSay) {
    const CommandLine::Result read =
        Read({QStringLiteral("--lesson"),
              QStringLiteral(HOPSCAPE_DOCS "/count-to-infinity-by-hand.json")});
    ASSERT_EQ(read.exitCode, -1) << read.message.toStdString();
    FakePlatform platform;
    SeededRandom random;
    MainForm form{platform, random};
    form.Form_Load();
    Demonstration demonstration{form};
    LessonPlayer player{demonstration};
    player.Start(*read.options.lesson, 0);
    for (int press = 0; press < 20 && !player.AtEnd(); ++press) {
        player.Next(0);
        player.Finish(0);
    }
    EXPECT_EQ(player.Caption(), "C believed B's stale offer: a at 4 through B");
    const RouteRow& row = form.State().RouterTable[2].Engine().Rows()[0];
    EXPECT_EQ(TrimBlanks(row.cost), "4");
    EXPECT_EQ(row.nextHop, "B");
}

// Opened with a lesson and the projector look, as a hall starts it: the look is the projector's,
// and the caption strip stands under the drawing, never over it, in a window and in full screen,
// its caption and step line in colours that stand out from the strip.
TEST(CommandLine, AHallsStartShowsTheCaptionUnderTheDrawingInTheProjectorLook) {
    const CommandLine::Result read = Read(
        {QStringLiteral("--lesson"), QStringLiteral("Hold-down"), QStringLiteral("--projector")});
    ASSERT_EQ(read.exitCode, -1);
    FakePlatform platform;
    Program program(read.options, QSize(1366, 768), &platform);
    MainWindow& window = program.Window();
    window.show();
    EXPECT_TRUE(window.Demonstration().Projector());
    const auto* strip = window.findChild<QWidget*>(QStringLiteral("CaptionStrip"));
    ASSERT_NE(strip, nullptr);
    for (const bool full : {false, true}) {
        if (full) {
            window.showFullScreen();
            QCoreApplication::processEvents();
        }
        const QRect drawing = window.Transform().Rect(0, 0, 12330, 8745);
        EXPECT_TRUE(strip->isVisible());
        EXPECT_GE(strip->geometry().top(), drawing.bottom()) << "full screen " << full;
        EXPECT_LE(strip->geometry().bottom(), window.height() - 1) << "full screen " << full;
    }
    const auto bgr = [](const QColor& c) { return c.blue() << 16 | c.green() << 8 | c.red(); };
    const int back = bgr(strip->palette().color(QPalette::Window));
    for (const char* label : {"Caption", "CaptionStep"}) {
        const QWidget* text = window.findChild<QWidget*>(QString::fromLatin1(label));
        EXPECT_GE(ContrastRatio(bgr(text->palette().color(QPalette::WindowText)), back), 4.5)
            << label;
    }
}

// Everything the lecturer does at the window goes through its stream, from the start the command
// line asked for: a follower that replays the stream's journal stands where the window stands.
TEST(CommandLine, ALectureAtTheWindowReplaysElsewhereToTheSamePlace) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("demo.json"));
    {
        SeededRandom random(9);
        FakePlatform platform;
        MainForm form(platform, random);
        form.Form_Load();
        form.State().cmbSims.text = "Three Routers";
        form.cmbSims_Click();
        Demonstration demonstration(form);
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(
            HopscapeFile::Bytes(DemonstrationFile::ToJson(demonstration.Capture()))));
    }
    const CommandLine::Result read =
        Read({QStringLiteral("--open"), file, QStringLiteral("--rip"), QStringLiteral("all")});
    ASSERT_EQ(read.exitCode, -1) << read.message.toStdString();
    FakePlatform platform(77);
    Program program(read.options, QSize(1366, 768), &platform);
    MainWindow& window = program.Window();
    window.show();
    const auto key = [&window](int key) {
        QTest::keyClick(&window, static_cast<Qt::Key>(key));
        QCoreApplication::processEvents();
    };
    window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click(); // Update
    for (int t = 0; t < 30; ++t) {
        window.Tick();
    }
    QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Right"))); // a step
    window.Lessons().StartLesson(1);
    for (int press = 0; press < 6; ++press) {
        key(Qt::Key_PageDown);
        for (int t = 0; t < 10; ++t) {
            window.Tick();
        }
    }
    window.Lessons().Practise(2, 5);
    QCoreApplication::processEvents();

    const Lecture& lecture = window.Stream().Lecture();
    const std::string journal = window.Stream().Journal();
    ASSERT_EQ(journal.substr(0, 9), "start 77 ");
    EXPECT_NE(journal.find("\nlesson 1 "), std::string::npos);
    EXPECT_NE(journal.find("\npractise 2 5 "), std::string::npos);
    Follower follower;
    const Follower::Outcome outcome =
        follower.Take(Stream::Head("snapshot", 0, Fingerprint::Of(lecture)) + journal, 0);
    ASSERT_TRUE(outcome.rebuilt);
    EXPECT_EQ(outcome.said, "");
    EXPECT_TRUE(follower.Copy()->Lecture().DemonstrationBytes() == lecture.DemonstrationBytes());
}

// A page to serve: the server needs its files, not what is in them.
void ServeAPage(const QTemporaryDir& page) {
    QDir(page.path()).mkdir(QStringLiteral("fonts"));
    for (const char* name : {"index.html", "hopscape.js", "hopscape.css", "hopscape-core.js",
                             "hopscape-core.wasm", "icon.svg", "fonts/LiberationSans-Regular.woff2",
                             "fonts/LiberationSans-Bold.woff2", "fonts/DejaVuSans-Bold.woff2"}) {
        QFile file(page.filePath(QString::fromLatin1(name) + QStringLiteral(".gz")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    qputenv("HOPSCAPE_PAGE", page.path().toLocal8Bit());
}

// Letting the hall follow: the window shows the address as a QR code a phone scans (read back
// here with zbarimg from the window's own picture), and the badge; the menu's extra stops it.
TEST(CommandLine, LettingTheHallFollowShowsTheAddressAsACodeAPhoneScans) {
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty()) {
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    }
    QTemporaryDir page;
    ServeAPage(page);
    const CommandLine::Result read =
        Read({QStringLiteral("--serve"), QStringLiteral("127.0.0.1:0")});
    ASSERT_EQ(read.exitCode, -1);
    FakePlatform platform;
    Program program(read.options, QSize(1366, 768), &platform);
    MainWindow& window = program.Window();
    window.show();
    ASSERT_EQ(window.Hall().Start(*read.options.serve), QString());
    const QString address = window.Hall().Address();
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^http://127\\.0\\.0\\.1:[0-9]+/\\?follow=[A-HJ-NP-Z2-9]{6}$"))
                    .match(address)
                    .hasMatch())
        << address.toStdString();
    auto* badge = window.findChild<QAbstractButton*>(QStringLiteral("HallBadge"));
    ASSERT_NE(badge, nullptr);
    EXPECT_TRUE(badge->isVisible());
    EXPECT_EQ(badge->text(), QStringLiteral("Hall: 0 following"));

    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("window.png"));
    ASSERT_TRUE(Picture::Bitmap(window, 1.0).save(shot));
    QProcess scan;
    scan.start(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), shot});
    ASSERT_TRUE(scan.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(scan.readAllStandardOutput()).trimmed(), address);
    // Served on one address, A has no other to show; Esc hides the card, the badge brings it back.
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(window.Hall().Address(), address);
    const auto* card = window.findChild<QWidget*>(QStringLiteral("HallCard"));
    EXPECT_TRUE(card->isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(card->isVisible());
    badge->click();
    EXPECT_TRUE(card->isVisible());

    // The menu's extra stops it, and the card and the badge go.
    window.Lecture().Action(Extras::Id::HallFollows)->trigger();
    EXPECT_FALSE(window.Hall().Following());
    EXPECT_FALSE(badge->isVisible());
    EXPECT_FALSE(card->isVisible());
    qunsetenv("HOPSCAPE_PAGE");
}

// The hall answers: phones on loopback follow, the lecturer asks a prediction, each phone's last
// answer counts once, the badge counts them, and what a phone sends beyond an answer changes
// nothing.
TEST(CommandLine, TheHallsAnswersAreCountedOnceAPhoneAndNeverChangeTheLecture) {
    QTemporaryDir page;
    ServeAPage(page);
    const CommandLine::Result read =
        Read({QStringLiteral("--serve"), QStringLiteral("127.0.0.1:0"),
              QStringLiteral("--scenario"), QStringLiteral("Example 1")});
    FakePlatform platform;
    Program program(read.options, QSize(1366, 768), &platform);
    MainWindow& window = program.Window();
    window.show();
    ASSERT_EQ(window.Hall().Start(*read.options.serve), QString());
    const QUrl address(window.Hall().Address());
    const QString origin = QStringLiteral("http://127.0.0.1:%1").arg(address.port());
    const QString stream =
        QStringLiteral("ws://127.0.0.1:%1/stream?%2").arg(address.port()).arg(address.query());
    std::vector<std::unique_ptr<QWebSocket>> phones;
    for (int i = 0; i < 3; ++i) {
        phones.push_back(std::make_unique<QWebSocket>(origin));
        phones.back()->open(QUrl(stream));
    }
    const auto until = [](const std::function<bool()>& done) {
        QDeadlineTimer deadline(30000);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    };
    ASSERT_TRUE(until([&] { return window.Hall().Server().Following() == 3; }));

    // Two Updates, then the lecturer asks (Ctrl+K): a table with tables on their way.
    window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click();
    for (int t = 0; t < 26; ++t) {
        window.Tick();
    }
    window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click();
    window.Lecture().Action(Extras::Id::MarkPrediction)->trigger();
    const Demonstration& demonstration = window.Demonstration();
    ASSERT_TRUE(demonstration.Asking());
    const int number = demonstration.Questions().Number();
    const std::vector<std::string> right = demonstration.Questions().Asked()->Answer();
    const std::string before = window.Stream().Lecture().DemonstrationBytes();
    const auto send = [&](int phone, const std::string& text) {
        phones[static_cast<std::size_t>(phone)]->sendTextMessage(QString::fromStdString(text));
    };
    std::vector<std::string> wrong = right;
    wrong[0] = wrong[0] == "9" ? "8" : "9";
    send(0, Hall::Answer(number, wrong));
    send(1, Hall::Answer(number, right));
    send(2, "act 9 0 1 0 0 = 5"); // a click, as if it were an answer: refused
    ASSERT_TRUE(until([&] { return window.Hall().Answers().Answered() == 2; }));
    QTest::qWait(1100);                       // one message a second a phone
    send(0, Hall::Answer(number, right));     // the last answer counts
    send(2, Hall::Answer(number + 1, right)); // another question's: not counted
    ASSERT_TRUE(
        until([&] { return window.Hall().Answers().Shares(0, right[0]).front().count == 2; }));
    QTest::qWait(200);
    EXPECT_EQ(window.Hall().Answers().Answered(), 2);
    EXPECT_EQ(window.findChild<QAbstractButton*>(QStringLiteral("HallBadge"))->text(),
              QStringLiteral("Hall: 3 following, 2 of 3 answered"));
    EXPECT_TRUE(window.Stream().Lecture().DemonstrationBytes() == before)
        << "nothing a phone sent changed the lecture";
    // No one sees the hall's answers before the reveal; Page Down reveals them over the table.
    const auto* histogram = window.findChild<QWidget*>(QStringLiteral("HallHistogram"));
    ASSERT_NE(histogram, nullptr);
    EXPECT_FALSE(histogram->isVisible());
    // The join card, open again from the badge, gives way to the hall's answers at the reveal.
    const auto* card = window.findChild<QWidget*>(QStringLiteral("HallCard"));
    window.findChild<QAbstractButton*>(QStringLiteral("HallBadge"))->click();
    EXPECT_TRUE(card->isVisible());
    window.Lecture().Action(Extras::Id::NextStep)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(histogram->isVisible());
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(histogram->accessibleName(), QStringLiteral("The hall: 2 answers"));
    window.Hall().Stop();
    qunsetenv("HOPSCAPE_PAGE");
}
