#pragma once

#include <string>

namespace corvane {

// What the rim-and-face bracket choice means at the machine: on which shaft the bracket is clamped
// and which coupling half its dials run on. The list's own items ("Fixed Mach", "Moveable Machine")
// name the half the dials run on, which is easily misread as the bracket's shaft, and a misread
// choice turns a shim in into a shim out; the window's caption and the report say it in full.
std::string bracketArrangement(int bracketSide);

}  // namespace corvane
