#include "app/PictureFile.h"

#include <algorithm>
#include <cctype>

namespace PictureFile {

const char* Extension(Format format) {
    return format == Format::Svg ? ".svg" : ".png";
}

std::string WithExtension(const std::string& typed, Format format) {
    const std::string extension = Extension(format);
    const bool ends =
        typed.size() > extension.size() &&
        std::equal(extension.rbegin(), extension.rend(), typed.rbegin(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    return ends ? typed : typed + extension;
}

std::string SaveFailed(const std::string& file, const std::string& reason) {
    return "The picture could not be saved to " + file + ": " + reason + ".";
}

} // namespace PictureFile
