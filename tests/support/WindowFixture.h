#pragma once

#include "support/FormFixture.h"

#include "desktop/MainWindow.h"
#include "session/Demonstration.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// A started main window shown offscreen, with helpers to look at its picture and reach its
// child widgets by name.
struct WindowView : FormFixture {
    Demonstration demonstration{form};
    MainWindow window{demonstration};

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
    // Reads and closes the next message box, whenever it opens: looked for again and again
    // until one is, so that a busy machine cannot leave it open for ever.
    static void CloseNextBox(QString& said) {
        auto* looking = new QTimer(qApp);
        QObject::connect(looking, &QTimer::timeout, looking, [looking, &said] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->accept();
                looking->deleteLater();
            }
        });
        looking->start(5);
    }
};
