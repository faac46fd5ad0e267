#include "session/Fingerprint.h"

#include "common/JsonWriter.h"
#include "files/DemonstrationFile.h"
#include "session/Lecture.h"

#include <string>

std::uint64_t Fingerprint::Of(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

std::uint64_t Fingerprint::Of(const Lecture& lecture) {
    const Demonstration& demonstration = lecture.Demonstration();
    const LessonPlayer& player = lecture.Player();
    // The status line is in each copy's own language: the rest of the window says the same.
    Snapshot window = demonstration.Capture();
    window.status.clear();
    std::string text = JsonWriter::WriteCompact(DemonstrationFile::ToJson(window));
    const auto add = [&text](const std::string& part) {
        text += '\n';
        text += part;
    };
    add(player.Playing() ? player.Script().title : "-");
    add(std::to_string(player.Position()) + (player.Waiting() ? "w" : ""));
    add(player.Caption());
    add(std::to_string(demonstration.Questions().Number()) + (demonstration.Asking() ? "?" : "") +
        (demonstration.Held() ? "h" : ""));
    add(std::to_string(demonstration.LogLinesDropped() + demonstration.LogLines().size()));
    add(std::to_string(demonstration.UndoPosition()) + (demonstration.Projector() ? "p" : ""));
    if (const Practice* practice = lecture.Practising()) {
        add(std::to_string(practice->Level()) + " " + std::to_string(practice->Seed()));
    }
    return Of(text);
}
