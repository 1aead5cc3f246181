// Any bytes must load as a recent-files list without a crash, and a complete list must save
// to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const auto recent = decodeSettings(data, size);
    const std::vector<unsigned char> saved = encodeSettings(recent);
    if (decodeSettings(saved.data(), saved.size()) != recent) std::abort();

    // The list is complete when it saves no longer than the data and one more byte would not
    // change it (a cut last entry would take that byte); then it saves unchanged.
    if (saved.size() > size) return 0;
    std::vector<unsigned char> longer(data, data + size);
    longer.push_back('x');
    if (decodeSettings(longer.data(), longer.size()) != recent) return 0;
    if (std::memcmp(saved.data(), data, saved.size()) != 0) std::abort();
    return 0;
}
