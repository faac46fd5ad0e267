#include "desktop/LaidWords.h"

#include <QFontMetricsF>
#include <QPainter>

void LaidWords::SetFont(const QFont& font, const QPaintDevice* device) {
    // Measured and laid out as the painter will draw them: a font in points takes its size from
    // the device's resolution.
    font_ = QFont(font, device);
    device_ = device;
    space_ = QFontMetricsF(font_, device_).horizontalAdvance(QLatin1Char(' '));
    words_.clear();
}

const LaidWords::Word& LaidWords::Laid(QStringView word) {
    const QString key = word.toString();
    auto found = words_.find(key);
    if (found != words_.end()) {
        return *found;
    }
    if (words_.size() >= kMostWords) {
        words_.clear();
    }
    Word laid{QStaticText(key), QFontMetricsF(font_, device_).horizontalAdvance(key)};
    laid.text.setTextFormat(Qt::PlainText);
    laid.text.prepare(QTransform(), font_);
    return *words_.insert(key, std::move(laid));
}

template <typename Visit> double LaidWords::Walk(const QString& line, Visit visit) {
    double x = 0;
    qsizetype start = 0;
    while (start <= line.size()) {
        qsizetype end = line.indexOf(QLatin1Char(' '), start);
        if (end < 0) {
            end = line.size();
        }
        if (end > start) {
            const Word& word = Laid(QStringView(line).mid(start, end - start));
            visit(word, x);
            x += word.advance;
        }
        if (end < line.size()) {
            x += space_;
        }
        start = end + 1;
    }
    return x;
}

double LaidWords::Width(const QString& line) {
    return Walk(line, [](const Word&, double) {});
}

void LaidWords::Draw(QPainter& painter, QPointF at, const QString& line) {
    Walk(line, [&](const Word& word, double x) {
        painter.drawStaticText(QPointF(at.x() + x, at.y()), word.text);
    });
}
