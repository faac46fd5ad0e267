// Renders the main window offscreen to a PNG:
//   hopscape_snapshot FILE [SCENARIO] [ZOOM] [ACTIONS...]
// ACTIONS, in order: "update", "ticks:N", "router:I", "network:I", "many", "break:I",
// "pause", "step:N" (N ticks while paused), "highlight:N" (the highlighting's N-th choice: 1 until
// the next tick, 2 for three seconds, 3 until the next change).
#include "app/MainForm.h"
#include "app/view/MainWindow.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "form/Platform.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// No one is there to dismiss a message: it is printed instead.
class ConsolePlatform : public Platform {
public:
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
    }
    std::uint64_t ClockSeed() override { return 1; }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.png [SCENARIO] [ZOOM] [ACTIONS...]\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ConsolePlatform platform;
    SeededRandom random(1);
    MainForm form(platform, random);
    form.Form_Load();
    if (argc > 2) {
        form.State().cmbSims.text = argv[2];
        form.cmbSims_Change();
    }
    MainWindow window(form);
    if (argc > 3) {
        const double zoom = ReadNumber(argv[3]); // "1.5" means the same in every locale
        window.resize(static_cast<int>(window.width() * zoom),
                      static_cast<int>(window.height() * zoom));
    }
    for (int a = 4; a < argc; ++a) {
        const std::string action = argv[a];
        const auto colon = action.find(':');
        const int n = colon == std::string::npos ? 0 : std::atoi(action.c_str() + colon + 1);
        const std::string verb = action.substr(0, colon);
        if (verb == "update") {
            form.Command4_Click();
        } else if (verb == "ticks") {
            for (int t = 0; t < n; ++t) {
                window.Tick();
            }
        } else if (verb == "router") {
            form.btnRouter_Click(n);
        } else if (verb == "network") {
            form.btnNetwork_Click(n);
        } else if (verb == "many") {
            form.Command2_Click();
        } else if (verb == "break") {
            form.cmdBreak_Click(n);
        } else if (verb == "pause") {
            form.Command3_Click();
        } else if (verb == "step") {
            form.StepTicks(n);
        } else if (verb == "highlight") {
            for (int i = 0; i < n; ++i) {
                window.Log().SetHighlight(ChangeLog::Next(window.Log().CurrentHighlight()));
            }
        } else {
            std::fprintf(stderr, "unknown action: %s\n", action.c_str());
            return 2;
        }
    }
    window.Sync();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
