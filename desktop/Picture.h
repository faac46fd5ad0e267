#pragma once

#include "files/PictureFile.h"

#include <QImage>
#include <QString>

class QWidget;

// The window's picture for slides, drawn straight at the scale asked for so that it stays
// sharp: as a bitmap (PNG, clipboard) or as a vector drawing (SVG) of shapes and text only. The
// window draws itself so while its "directPainting" property is set, and without the style's
// bitmaps while "vectorPainting" is.
class Picture {
public:
    static QImage Bitmap(QWidget& window, double scale);
    // Writes the picture whole or not at all. Returns the empty text, or why it could not be
    // written ("Permission denied").
    static QString Save(QWidget& window, const QString& file, PictureFile::Format format,
                        double scale);
};
