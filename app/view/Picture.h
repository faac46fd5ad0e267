#pragma once

#include <QImage>
#include <QString>

class MainWindow;

// The window's picture for slides: drawn straight at the scale asked for, so that it stays sharp,
// as a bitmap (PNG, clipboard) or as vector drawing (SVG).
class Picture {
public:
    static QImage Bitmap(MainWindow& window, double scale);
    static bool SavePng(MainWindow& window, const QString& file, double scale);
    static bool SaveSvg(MainWindow& window, const QString& file, double scale);
};
