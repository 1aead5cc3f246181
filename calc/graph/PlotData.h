#pragma once

#include <vector>

namespace corvane {

// A graph's vertical range, as the axis holds it.
struct YRange {
    double min = 0;
    double max = 0;
    bool operator==(const YRange&) const = default;
};

// Points of one line of a graph, joined in the order given (not sorted by x): a machine line may
// run right to left, and the tolerance band closes on itself.
struct PlotData {
    std::vector<float> x;
    std::vector<float> y;
    bool operator==(const PlotData&) const = default;
};

}  // namespace corvane
