#include "project/RecordChanges.h"

#include <gtest/gtest.h>

#include "JobTestSupport.h"
#include "project/ViewOptions.h"

namespace corvane {
namespace {

// What the program keeps up by itself is no edit of the job; everything the user types is.
TEST(RecordChanges, TheJobIsWhatTheUserEdits) {
    struct Case {
        const char* name;
        void (*change)(ProjectRecord&);
        bool sameJob;
        const char* description;
    };
    const Case cases[] = {
        {"span from the geometry", [](ProjectRecord& r) { r.Span = 20; }, true, "changes"},
        {"date stamp of a save", [](ProjectRecord& r) { r.DateStamp = 46000; }, true, "changes"},
        {"growth copies of the stationary feet", [](ProjectRecord& r) { r.growth(0, 4) = 3; }, true,
         "changes"},
        {"view options",
         [](ProjectRecord& r) {
             r.ReservedText = encodeViewOptions(ViewOptions{.method = 2}, r.ReservedText);
         },
         true, "changes"},
        {"a reading", [](ProjectRecord& r) { r.dial2(1, 3) = 4.5f; }, false, "reading"},
        {"a length", [](ProjectRecord& r) { r.length(0, 4) = 21; }, false, "length"},
        {"a foot's growth", [](ProjectRecord& r) { r.growth(2, 3) = 1; }, false, "growth"},
        {"the speed", [](ProjectRecord& r) { r.RPM = 1800; }, false, "speed"},
        {"a temperature", [](ProjectRecord& r) { r.HotTemp[2] = 150; }, false, "temperatures and heights"},
        {"the machine", [](ProjectRecord& r) { r.Machine = "P-102"; }, false, "names"},
        {"another program's text", [](ProjectRecord& r) { r.ReservedText = "notes"; }, false, "changes"},
    };
    for (const Case& c : cases) {
        ProjectRecord changed = job();
        c.change(changed);
        EXPECT_EQ(sameJob(job(), changed), c.sameJob) << c.name;
        EXPECT_EQ(describeChange(job(), changed), c.description) << c.name;
    }
}

}  // namespace
}  // namespace corvane
