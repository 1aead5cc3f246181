#include "project/RimFaceSag.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// A sag of 0 leaves the field as it was, so a job without one is saved byte for byte as before;
// another sag replaces the line where it stands and keeps the view line and another tool's text.
TEST(RimFaceSag, IsALineOnlyWhenThereIsASag) {
    const struct {
        const char* name;
        float sag;
        const char* before;
        const char* after;
    } cases[] = {
        {"no sag, empty field", 0, "", ""},
        {"no sag, view line and notes", 0, "CorvaneView=1;method=1\nnotes", "CorvaneView=1;method=1\nnotes"},
        {"sag added after the view line", 2.5f, "CorvaneView=1;method=1\nnotes",
         "CorvaneView=1;method=1\nCorvaneSag=1;rimface=2.5\nnotes"},
        {"sag replaced", -0.25f, "CorvaneSag=1;rimface=2.5\nnotes", "CorvaneSag=1;rimface=-0.25\nnotes"},
        {"sag back to 0 removes the line", 0, "CorvaneSag=1;rimface=2.5\nnotes", "notes"},
        {"a float's shortest digits", 0.1f, "", "CorvaneSag=1;rimface=0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = encodeRimFaceSag(c.sag, c.before);
        EXPECT_EQ(text, c.after);
        ProjectRecord r;
        r.ReservedText = text;
        EXPECT_EQ(rimFaceSag(r), c.sag);
    }
}

TEST(RimFaceSag, ReadsOnlyWhatItCanTrust) {
    const std::pair<const char*, float> cases[] = {
        {"notes CorvaneSag=1;rimface=3", 0},  // another tool's text
        {"CorvaneSag=2;rimface=3", 0},        // a later version
        {"CorvaneSag=1;rimface=3e39", 0},     // past what a float holds
        {"CorvaneSag=1;rimface=nan", 0},     {"CorvaneSag=1;colour=red;rimface=3", 3},
    };
    for (const auto& [text, sag] : cases) {
        ProjectRecord r;
        r.ReservedText = text;
        EXPECT_EQ(rimFaceSag(r), sag) << text;
    }
}

}  // namespace
}  // namespace corvane
