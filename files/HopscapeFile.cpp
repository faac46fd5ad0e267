#include "files/HopscapeFile.h"

#include "common/JsonText.h"
#include "common/JsonWriter.h"
#include "common/Translate.h"
#include "files/DemonstrationFile.h"
#include "files/LessonFile.h"

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

HopscapeFile::Read HopscapeFile::FromBytes(std::string_view bytes) {
    Read read;
    read.fault = DemonstrationFile::CheckSize(bytes.size());
    if (!read.fault.empty()) {
        return read;
    }
    const JsonText::Parsed parsed = JsonText::Parse(bytes);
    if (!parsed.document) {
        read.fault = Translate("is not valid JSON: {fault}", {{"fault", parsed.fault}});
        return read;
    }
    return FromJson(*parsed.document);
}

std::string HopscapeFile::Bytes(const JsonValue& document) {
    return JsonWriter::Write(document);
}

std::string HopscapeFile::Problem(const std::string& file, const std::string& fault) {
    return file + ": " + fault;
}

std::string HopscapeFile::IgnoredLine(const std::string& file, const std::string& member) {
    return Translate("{file}: {member} ignored (not a member this program reads)",
                     {{"file", file}, {"member", member}});
}
