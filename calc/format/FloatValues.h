#pragma once

#include <cmath>

namespace corvane::detail {

inline bool isFinite(float v) { return std::isfinite(v); }

template <typename... T>
bool allFinite(T... values) {
    return (isFinite(values) && ...);
}

// A negative zero would reach the graphs and the JSON as "-0"; the sum with +0 turns it into +0
// and leaves every other value alone.
inline float plain(float v) { return v + 0.0f; }

// Reading a float as a double is exact; a double stored as a float is rounded once, here.
constexpr double widen(float v) { return v; }
constexpr float narrow(double v) { return static_cast<float>(v); }

}  // namespace corvane::detail
