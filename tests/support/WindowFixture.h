#pragma once

#include "support/FormFixture.h"

#include "app/Lesson.h"
#include "app/view/MainWindow.h"

#include <QColor>
#include <QImage>
#include <QString>

// A started main window shown offscreen, with helpers to look at its picture and reach its
// child widgets by name.
struct WindowView : FormFixture {
    Lesson lesson{form};
    MainWindow window{lesson};

    WindowView() { window.show(); }

    QImage Picture() { return window.grab().toImage(); }
    // The pixel under a point given in twips.
    QColor At(const QImage& image, double x, double y) {
        const QPointF p = window.Transform().Point(x, y);
        return image.pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
    }
    template <typename T> T* Child(const char* name) {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    template <typename T> T* Child(const std::string& name) { return Child<T>(name.c_str()); }
};
