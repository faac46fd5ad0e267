#include "desktop/LogView.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

namespace {

// A log of its own on the screen, lines added a few at a time as ticks add them.
class LogScreen : public ::testing::Test {
protected:
    LogScreen() : view(60) {
        view.resize(420, 230);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // Line `n`: short ones, and every seventh long enough to be broken where the view wraps.
    static QString Line(int n) {
        QString text = QStringLiteral("%1 B: route to a now cost %2 via A").arg(n).arg(n % 16);
        if (n % 7 == 0) {
            text += QStringLiteral(" (A offers 1, link A-B adds 3, and the route it replaces "
                                   "was worse by far)");
        }
        return text;
    }
    void Add(int count) {
        std::deque<QString> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back(Line(next++));
        }
        view.Append(lines);
    }
    // What reached the screen, and the view drawn afresh from its lines: the pixels that differ.
    int Stale() {
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::processEvents();
        }
        const QImage shown =
            view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        QImage fresh(shown.size(), QImage::Format_RGB32);
        fresh.setDevicePixelRatio(view.devicePixelRatioF());
        view.render(&fresh);
        int differ = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                differ += shown.pixel(x, y) != fresh.pixel(x, y) ? 1 : 0;
            }
        }
        return differ;
    }

    LogView view;
    int next = 1;
};

// Lines added at the end scroll what is drawn up and only they are drawn: the screen stays what
// a full drawing shows while the view fills, once it is full, when a batch is taller than the
// view, when the oldest lines go, with a selection moving up, wrapped and not, and while a
// reader scrolled up stays where they read.
TEST_F(LogScreen, WhatIsShownIsWhatAFreshDrawingShows) {
    for (const bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "wrapped" : "one row a line");
        view.Clear();
        view.SetWrap(wrap);
        for (int batch = 0; batch < 12; ++batch) {
            Add(batch % 4 + 1);
            ASSERT_EQ(Stale(), 0) << "after batch " << batch;
        }
        Add(25); // more than the view shows at once
        EXPECT_EQ(Stale(), 0);
        view.SelectAll();
        for (int batch = 0; batch < 40; ++batch) { // past the 60 lines kept
            Add(3);
            ASSERT_EQ(Stale(), 0) << "after batch " << batch << ", the oldest going";
        }
        EXPECT_EQ(view.Text().count(QLatin1Char('\n')), 59);
        QScrollBar* bar = view.verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int read = bar->value();
        Add(2);
        EXPECT_EQ(Stale(), 0);
        EXPECT_EQ(bar->value(), read - 2) << "the same lines in view as older ones go";
        bar->setValue(bar->maximum());
        Add(1);
        EXPECT_EQ(Stale(), 0);
    }
}

// A line reaches as far as the view's font sets it, in the font it is given after lines were
// drawn (docked beside the drawing, the log takes the projector's larger font), wrapped or not.
TEST_F(LogScreen, TheLinesAreSetInTheViewsFont) {
    for (const bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "wrapped" : "one row a line");
        view.Clear();
        view.SetWrap(wrap);
        Add(3);
        QFont large = view.font();
        large.setPointSize(20);
        view.setFont(large);
        view.Clear();
        const QString line = QStringLiteral("tick 12  B <- Z: 1:B");
        view.Append({line});
        ASSERT_EQ(Stale(), 0);
        QImage fresh(view.viewport()->size(), QImage::Format_RGB32);
        view.viewport()->render(&fresh);
        // Where its ink ends.
        int right = 0;
        for (int y = 0; y < fresh.height(); ++y) {
            for (int x = 0; x < fresh.width(); ++x) {
                right = qGray(fresh.pixel(x, y)) < 128 ? std::max(right, x) : right;
            }
        }
        const double expected =
            QFontMetrics(large).averageCharWidth() + QFontMetricsF(large).horizontalAdvance(line);
        EXPECT_NEAR(right, expected, expected * 0.03);
    }
}

} // namespace
