#pragma once

#include <QString>
#include <string_view>

#include "calc/format/DisplayFormat.h"

namespace corvane {

// A text of the core (UTF-8) as the toolkit takes it.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// How the windows show values: in the unit system the user chose (the run-time EngUnits).
inline DisplayFormat displayFormat(int engUnits) { return DisplayFormat{unitSystemOf(engUnits)}; }

}  // namespace corvane
