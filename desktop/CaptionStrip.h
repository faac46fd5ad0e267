#pragma once

#include "session/Lecture.h"

#include "desktop/TwipsTransform.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

class QLabel;

// A lesson's caption in a strip under the drawing: the caption in a large font, under it (in the
// design's own look, not a projector's) its longer line for a student reading alone, and below
// them which step the lesson is at and which keys step it, in smaller print. A screen reader
// hears each new caption.
class CaptionStrip : public QWidget {
    Q_OBJECT

public:
    explicit CaptionStrip(QWidget* parent);
    // Sizes the strip and its fonts for the transform; the strip lies under the form's drawing,
    // `height` twips down, a row of pad keys included while there is one.
    void Place(const TwipsTransform& transform, int height);
    // The caption, its longer line and the step; the pad's keys in a row under them (none: no
    // row), which answer while `answering`.
    void Show(const QString& caption, const QString& detail, const QString& step,
              const QStringList& pad = {}, bool answering = false);
    // What the lecture's strip says, shown.
    void Show(const ::Lecture::Strip& shows);

    QString Caption() const;
    QString Detail() const;

signals:
    // A pad key was pressed, by its text.
    void PadPressed(const QString& key);

private:
    // Sizes the caption's letters to the room it has.
    void Fit();

    QLabel* caption_ = nullptr;
    QLabel* detail_ = nullptr;
    QLabel* step_ = nullptr;
    QWidget* pad_ = nullptr;
    QStringList padKeys_;
    QFont captionFont_; // the caption's letters at their full size
    int margin_ = 0;
};
