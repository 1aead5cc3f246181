// Any bytes must load as a project without a crash, and what loads must save and load again
// to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const ProjectRecord record = decodeProject(data, size);
    const std::vector<unsigned char> saved = encodeProject(record);

    // A complete record comes back byte for byte: every Windows-1252 byte survives the trip
    // through UTF-8. Only a cut record can save longer than the data it came from.
    if (saved.size() <= size && std::memcmp(saved.data(), data, saved.size()) != 0) std::abort();

    // Compared as bytes, so that a NaN equals itself.
    const ProjectRecord again = decodeProject(saved.data(), saved.size());
    if (encodeProject(again) != saved) std::abort();
    return 0;
}
