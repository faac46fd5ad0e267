#pragma once

#include "common/Translate.h"

#include <QString>

// A message in the program's language as Qt takes a text (see common/Translate.h).
inline QString QtText(std::string_view message, MessageArguments arguments = {}) {
    return QString::fromStdString(Translate(message, arguments));
}
