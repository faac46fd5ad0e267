#pragma once

#include <string>

// Where and in which format the window's picture is saved: the format the lecturer chose in the
// save dialog decides, whatever the name typed ends in.
namespace PictureFile {

enum class Format { Png, Svg };

// ".png" or ".svg".
const char* Extension(Format format);
// The name typed, with the format's extension added unless it already ends in it (in any case):
// "slide" as SVG is "slide.svg", "slide.PNG" as PNG stays as it is.
std::string WithExtension(const std::string& typed, Format format);
// What the lecturer is told when the picture could not be written.
std::string SaveFailed(const std::string& file, const std::string& reason);

} // namespace PictureFile
