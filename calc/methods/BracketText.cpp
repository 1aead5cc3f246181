#include "calc/methods/BracketText.h"

namespace corvane {

std::string bracketArrangement(int bracketSide) {
    switch (bracketSide) {
        case 0:
            return "Bracket on the moveable shaft, dials on the fixed half";
        case 1:
            return "Bracket on the fixed shaft, dials on the moveable half";
        default:
            return "No bracket side chosen";
    }
}

}  // namespace corvane
