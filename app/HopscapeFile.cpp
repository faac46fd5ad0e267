#include "app/HopscapeFile.h"

#include "app/DemonstrationFile.h"
#include "app/LessonFile.h"

HopscapeFile::Read HopscapeFile::FromJson(const JsonValue& document) {
    Read read;
    const JsonValue* format = document.Find("format");
    const bool lesson = format != nullptr && format->kind == JsonValue::Kind::String &&
                        format->text == LessonFile::kFormat;
    if (lesson) {
        LessonFile::Read file = LessonFile::FromJson(document);
        read.lesson = std::move(file.lesson);
        read.fault = std::move(file.fault);
        read.ignored = std::move(file.ignored);
    } else {
        DemonstrationFile::Read file = DemonstrationFile::FromJson(document);
        read.demonstration = std::move(file.demonstration);
        read.fault = std::move(file.fault);
        read.ignored = std::move(file.ignored);
    }
    return read;
}

std::string HopscapeFile::Problem(const std::string& file, const std::string& fault) {
    return file + ": " + fault;
}

std::string HopscapeFile::IgnoredLine(const std::string& file, const std::string& member) {
    return file + ": " + member + " ignored (not a member this program reads)";
}
