#include "calc/ResultText.h"

#include <cmath>

#include "calc/NumberFormat.h"

namespace corvane::detail {

void appendMoveLine(std::string& text, std::string_view head, float move, std::string_view suffixAtOrAbove0,
                    std::string_view suffixBelow0) {
    text += head;
    text += formatValue(std::fabs(move));
    text += move < 0 ? suffixBelow0 : suffixAtOrAbove0;
}

}  // namespace corvane::detail
