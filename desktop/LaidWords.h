#pragma once

#include <QFont>
#include <QHash>
#include <QPointF>
#include <QStaticText>
#include <QString>

class QPaintDevice;
class QPainter;

// Lines of plain text drawn a word at a time, each word laid out once and kept: the log's lines
// share most of their words ("route", "to", "via", the letters, the costs), so that a new line
// costs little more than copying its glyphs. Words are separated by single spaces.
class LaidWords {
public:
    // The font, at the resolution of the `device` the words are drawn on.
    void SetFont(const QFont& font, const QPaintDevice* device);
    // How wide a line is, in pixels.
    double Width(const QString& line);
    // Draws a line with its top left corner at `at`.
    void Draw(QPainter& painter, QPointF at, const QString& line);
    // How wide a space is, in pixels.
    double Space() const { return space_; }

private:
    struct Word {
        QStaticText text;
        double advance = 0;
    };
    const Word& Laid(QStringView word);
    // Walks the line's words, giving each with how far along the line it starts.
    template <typename Visit> double Walk(const QString& line, Visit visit);

    static constexpr qsizetype kMostWords = 4096;
    QFont font_;
    const QPaintDevice* device_ = nullptr;
    double space_ = 0;
    QHash<QString, Word> words_;
};
