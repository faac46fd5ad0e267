#include "files/PictureFile.h"
#include "common/Translate.h"

#include <algorithm>
#include <cctype>

namespace PictureFile {

const char* Extension(Format format) {
    return format == Format::Svg ? ".svg" : ".png";
}

std::string WithExtension(const std::string& typed, Format format) {
    return WithExtension(typed, std::string(Extension(format)));
}

std::string WithExtension(const std::string& typed, const std::string& extension) {
    const bool ends =
        typed.size() > extension.size() &&
        std::equal(extension.rbegin(), extension.rend(), typed.rbegin(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    return ends ? typed : typed + extension;
}

std::string SaveFailed(const std::string& file, const std::string& reason) {
    return SaveFailed("picture", file, reason);
}

std::string SaveFailed(const std::string& what, const std::string& file,
                       const std::string& reason) {
    // A sentence each: a language may need another word order or article for each.
    const MessageArguments said = {{"file", file}, {"reason", reason}};
    if (what == "demonstration") {
        return Translate("The demonstration could not be saved to {file}: {reason}.", said);
    }
    if (what == "lesson") {
        return Translate("The lesson could not be saved to {file}: {reason}.", said);
    }
    if (what == "log") {
        return Translate("The log could not be saved to {file}: {reason}.", said);
    }
    if (what == "tables") {
        return Translate("The tables could not be saved to {file}: {reason}.", said);
    }
    return Translate("The picture could not be saved to {file}: {reason}.", said);
}

} // namespace PictureFile
