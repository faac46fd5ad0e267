#pragma once

#include <string>

// Where and in which format the window's picture is saved: the format the lecturer chose in the
// save dialog decides, whatever the name typed ends in. The names of the other files the
// lecturer saves follow the same rules.
namespace PictureFile {

enum class Format { Png, Svg };

// ".png" or ".svg".
const char* Extension(Format format);
// The name typed, with the format's extension added unless it already ends in it (in any case):
// "slide" as SVG is "slide.svg", "slide.PNG" as PNG stays as it is.
std::string WithExtension(const std::string& typed, Format format);
// The same with any extension (".json"), written in lower case.
std::string WithExtension(const std::string& typed, const std::string& extension);
// What the lecturer is told when the picture could not be written.
std::string SaveFailed(const std::string& file, const std::string& reason);
// The same for whatever else the lecturer saves ("demonstration", "lesson", "log").
std::string SaveFailed(const std::string& what, const std::string& file, const std::string& reason);

} // namespace PictureFile
