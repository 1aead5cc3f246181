#pragma once

#include <string>

#include "project/ProjectRecord.h"

namespace corvane {

// The bar sag of the rim-and-face bracket, in mils. The record's one sag field belongs to the
// reverse dial, so the rim-and-face sag is kept as a line of its own in ReservedText:
//   CorvaneSag=1;rimface=4.5
// A sag of 0 keeps no line, so a job that never had one is saved byte for byte as before.
float rimFaceSag(const ProjectRecord& record);
// The field with the rim-and-face sag set to `sag`; 0 or a value that is not a finite float removes
// the line. Our other lines and another program's text are kept.
std::string encodeRimFaceSag(float sag, const std::string& reservedText);

}  // namespace corvane
