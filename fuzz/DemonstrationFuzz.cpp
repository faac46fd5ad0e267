// Turns its bytes into a file the lecturer opens, read as the window reads it. Whatever the bytes,
// reading them must not crash; JSON text that parses must write out as text that parses and
// writes out the same; a demonstration it accepts must open in a window that keeps its
// invariants while it runs, and must save as a document that reads back the same; a lesson it
// accepts must play to its end the same way.
#include "FuzzCheck.h"
#include "app/MainForm.h"
#include "common/JsonText.h"
#include "common/JsonWriter.h"
#include "common/SeededRandom.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/Demonstration.h"
#include "session/LessonPlayer.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <cstdint>

namespace {

constexpr int kTicksRun = 60;    // ticks an opened demonstration runs for
constexpr int kMostPresses = 40; // presses a lesson is stepped through

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const JsonText::Parsed parsed = JsonText::Parse(bytes);
    if (parsed.document) {
        const std::string written = JsonWriter::Write(*parsed.document);
        const JsonText::Parsed again = JsonText::Parse(written);
        Check(again.document && JsonWriter::Write(*again.document) == written,
              "written JSON reads back otherwise:", again.fault);
    }
    const HopscapeFile::Read read = HopscapeFile::FromBytes(bytes);
    if (!parsed.document || !DemonstrationFile::CheckSize(size).empty()) {
        Check(!read.fault.empty(), "bytes that are no JSON document opened");
        return 0;
    }
    Check(read.fault.empty() == (read.demonstration || read.lesson), "a fault and a file",
          read.fault);
    if (!read.fault.empty()) {
        return 0;
    }

    FakePlatform platform(7);
    SeededRandom random;
    MainForm form(platform, random);
    std::vector<std::string> faults;
    WatchOutOfPackets(platform, form, faults);
    form.Form_Load();
    Demonstration demonstration(form);
    const auto invariants = [&](const char* when) {
        const std::string fault = CheckFormInvariants(form);
        Check(fault.empty() && faults.empty(), when,
              fault + (faults.empty() ? "" : faults.front()));
    };
    if (read.demonstration) {
        const DemonstrationFile::Read again =
            DemonstrationFile::FromJson(DemonstrationFile::ToJson(*read.demonstration));
        Check(again.demonstration && *again.demonstration == *read.demonstration,
              "saved again, the demonstration reads back otherwise:", again.fault);
        demonstration.Open(*read.demonstration, 0);
        Check(demonstration.Capture() == *read.demonstration, "opened, the window shows otherwise");
        invariants("opened:");
        for (int t = 0; t < kTicksRun; ++t) {
            form.MoveTimer_Timer();
            invariants("running:");
        }
        return 0;
    }
    LessonPlayer player(demonstration);
    player.Start(*read.lesson, 0);
    invariants("started:");
    for (int press = 0; press < kMostPresses && !player.AtEnd(); ++press) {
        player.Next(0);
        player.Finish(0);
        invariants("stepped:");
    }
    return 0;
}
