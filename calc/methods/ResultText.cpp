#include "calc/methods/ResultText.h"

#include <cmath>

namespace corvane::detail {

void appendMoveLine(std::string& text, std::string_view head, float move, UnitSystem units,
                    std::string_view atOrAbove0, std::string_view below0) {
    text += head;
    text += formatStored(std::fabs(move), Quantity::Move, units);
    text += ' ';
    text += unitName(Quantity::Move, units);
    text += move < 0 ? below0 : atOrAbove0;
}

}  // namespace corvane::detail
