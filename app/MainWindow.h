#pragma once

#include "common/TwipsTransform.h"

#include <QWidget>

#include <array>
#include <vector>

class MainForm;
class QCheckBox;
class QComboBox;
class QPushButton;
class QTimer;
class RouterTable;
struct ButtonControl;

// The main window on screen. It draws the form's state, one twips-to-pixels transform for
// everything, and forwards each click and timer tick to the handler of the same name. Resizing
// scales the whole drawing uniformly.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(MainForm& form, QWidget* parent = nullptr);

    // Pixels per twip at the window's opening size (1440 twips per logical inch).
    double BaseScale() const;
    const TwipsTransform& Transform() const { return transform_; }
    // Brings every widget and the drawing up to date with the form's state.
    void Sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct BoundButton {
        QPushButton* widget;
        const ButtonControl* control;
    };
    QPushButton* AddButton(const ButtonControl& control, const QString& name);
    void Place();
    void SyncButton(const BoundButton& button);

    MainForm& form_;
    TwipsTransform transform_;
    std::vector<BoundButton> buttons_;
    std::array<RouterTable*, 6> panels_{};
    QCheckBox* split_ = nullptr;
    QComboBox* scenarios_ = nullptr;
};
