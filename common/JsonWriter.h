#pragma once

#include "common/JsonValue.h"

#include <string>

// JSON text as files have always had it: indented by four blanks, keys in byte order, whole
// numbers up to 2^53 digit for digit and others in the shorter of the plain and the exponent
// form (Qt's form: "1e-04", "1.5e+16"), non-ASCII text as it stands, control characters escaped.
namespace JsonWriter {

std::string Write(const JsonValue& document);
// The same on one line, without blanks: for a program to read, such as the page's controls.
std::string WriteCompact(const JsonValue& document);

} // namespace JsonWriter
