#include "calc/graph/ShaftLine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvane {
namespace {

TEST(ShaftPlot, DrawsBothFeetAndCarriesTheLineFromTheOutboardFoot) {
    const struct {
        const char* name;
        MachineShaft shaft;
        float reach;
        PlotData expected;
    } cases[] = {
        {"left to right", {0, 1, 10, 3}, 20, {{0, 10, 20}, {1, 3, 5}}},
        {"right to left", {40, -2, 30, 0}, 10, {{40, 30, 10}, {-2, 0, 4}}},
        {"back to the coupling plane", {30, -6, 20, -4}, 0, {{30, 20, 0}, {-6, -4, 0}}},
        {"feet at one place: level at the outboard foot", {5, 2, 5, 7}, 15, {{5, 5, 15}, {2, 7, 2}}},
    };
    for (const auto& c : cases) EXPECT_EQ(shaftPlot(c.shaft, c.reach), c.expected) << c.name;

    const PlotData zero = shaftPlot({0, -0.0F, 10, -0.0F}, 20);
    for (const float y : zero.y) EXPECT_FALSE(std::signbit(y)) << "no -0 reaches the graph";
}

}  // namespace
}  // namespace corvane
