#include "files/PictureFile.h"

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
    return "The " + what + " could not be saved to " + file + ": " + reason + ".";
}

} // namespace PictureFile
