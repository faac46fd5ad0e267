#include "desktop/CheckBox.h"
#include "desktop/ColourButton.h"
#include "desktop/CommandLine.h"
#include "desktop/MainWindow.h"
#include "desktop/Program.h"

#include "common/Translate.h"
#include "support/FakePlatform.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

// How far a button's caption runs beyond its room, in pixels (0 where it fits).
int Overrun(const QAbstractButton& button) {
    const int text = QFontMetrics(button.font()).horizontalAdvance(button.text());
    if (qobject_cast<const CheckBox*>(&button) != nullptr) {
        const QStyle& style = *button.style();
        const int tick = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) +
                         style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
        return std::max(0, tick + text - button.width());
    }
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    return std::max(0, text - (button.width() - 2 * margin));
}

// In every language, the made-up one 40 % longer included, at a laptop's size and a projector's,
// every command's and the check box's caption fits its button, Many's and Pause's other captions
// too; and the window speaks the language (the check box's caption is not English).
TEST(Languages, EveryCaptionFitsItsButton) {
    for (const char* language : {"de", "fr", "es", "en-XA"}) {
        const CommandLine::Result read = CommandLine::Read(
            {QStringLiteral("hopscape"), QStringLiteral("--lang"), QString::fromLatin1(language)},
            QStringLiteral("1.0"));
        ASSERT_EQ(read.exitCode, -1) << language << ": " << read.message.toStdString();
        for (const QSize size : {QSize(1366, 768), QSize(2732, 1536)}) {
            FakePlatform platform;
            Program program(read.options, size, &platform);
            MainWindow& window = program.Window();
            window.show();
            const auto check = [&](const char* when) {
                for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
                    if (button->isVisible() && !button->text().isEmpty() &&
                        (qobject_cast<const ColourButton*>(button) != nullptr ||
                         qobject_cast<const CheckBox*>(button) != nullptr)) {
                        EXPECT_EQ(Overrun(*button), 0)
                            << language << " " << size.width() << " " << when << ": "
                            << button->text().toStdString() << " in " << button->width();
                    }
                }
            };
            check("at start");
            EXPECT_NE(window.findChild<QAbstractButton*>(QStringLiteral("chkSplit"))->text(),
                      QStringLiteral("Split Horizons"))
                << language;
            window.findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
            window.findChild<QAbstractButton*>(QStringLiteral("Command3"))->click();
            check("sending, paused");
        }
    }
    UseCatalogue(std::nullopt);
}

} // namespace
