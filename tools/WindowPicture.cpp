// Renders the main window offscreen to a PNG:
//   hopscape_snapshot FILE [SCENARIO | DEMONSTRATION.json] [ZOOM] [ACTIONS...]
// A demonstration's file opens the moment it holds, as --open does.
// ACTIONS, in order: "update", "ticks:N", "router:I", "network:I", "many", "break:I",
// "pause", "step:N" (N ticks while paused), "highlight:N" (the highlighting's N-th choice: 1 until
// the next tick, 2 for three seconds, 3 until the next change), "split" (the check box),
// "rip:N" (RIP's rule N on, 0 infinity to 5 timeout only; 6 all), "paths" (the true costs),
// "projector" (the look for a hall's projector).
#include "common/NumberText.h"
#include "desktop/MainWindow.h"
#include "desktop/Program.h"
#include "form/Platform.h"
#include "session/Demonstration.h"
#include "session/StartOptions.h"

#include <QApplication>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

// Runs one action; false for an action it does not know.
bool Run(MainWindow& window, const std::string& verb, int n) {
    Demonstration& demonstration = window.Demonstration();
    using Control = Action::Control;
    const auto click = [&](Control control, int index = 0) {
        demonstration.Act(Action::Click(control, index), window.Now());
    };
    if (verb == "update") {
        click(Control::Update);
    } else if (verb == "ticks") {
        for (int t = 0; t < n; ++t) {
            window.Tick();
        }
    } else if (verb == "router") {
        click(Control::Router, n);
    } else if (verb == "network") {
        click(Control::Network, n);
    } else if (verb == "many") {
        click(Control::Many);
    } else if (verb == "break") {
        click(Control::Break, n);
    } else if (verb == "pause") {
        click(Control::Pause);
    } else if (verb == "step") {
        demonstration.Step(n, window.Now());
    } else if (verb == "split") {
        demonstration.Act(Action::Split(!demonstration.State().SplitHorizon), window.Now());
    } else if (verb == "rip") {
        demonstration.Act(Action::Rule(n, true), window.Now());
    } else if (verb == "paths") {
        demonstration.ShowShortestPaths(true, window.Now());
    } else if (verb == "projector") {
        demonstration.SetProjector(!demonstration.Projector());
        window.SyncLook();
    } else if (verb == "highlight") {
        for (int i = 0; i < n; ++i) {
            demonstration.CycleHighlight(window.Now());
        }
    } else {
        return false;
    }
    window.Sync();
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s FILE.png [SCENARIO | DEMONSTRATION.json] [ZOOM] [ACTIONS...]\n",
                     argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    Program::SetUpApplication();
    StartOptions options;
    options.seed = 1;
    if (argc > 2) {
        const std::string named = argv[2];
        std::ifstream file(named, std::ios::binary);
        if (named.ends_with(".json") && file) {
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            if (const std::string problem = options.TakeFile(named, bytes, false);
                !problem.empty()) {
                std::fprintf(stderr, "%s\n", problem.c_str());
                return 2;
            }
        } else {
            options.scenario = named;
        }
    }
    if (const std::string problem = options.Problem(); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    ConsolePlatform console;
    Program program(options, QSize(), &console);
    MainWindow& window = program.Window();
    if (argc > 3) {
        const double zoom = ReadNumber(argv[3]); // "1.5" means the same in every locale
        window.resize(static_cast<int>(window.width() * zoom),
                      static_cast<int>(window.height() * zoom));
    }
    for (int a = 4; a < argc; ++a) {
        const std::string action = argv[a];
        const auto colon = action.find(':');
        int n = 0;
        if (colon != std::string::npos) {
            std::from_chars(action.data() + colon + 1, action.data() + action.size(), n);
        }
        if (!Run(window, action.substr(0, colon), n)) {
            std::fprintf(stderr, "unknown action: %s\n", action.c_str());
            return 2;
        }
    }
    window.Sync();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
