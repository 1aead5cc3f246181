#include "project/JobSession.h"

#include <gtest/gtest.h>

#include <cmath>

#include "JobTestSupport.h"
#include "project/RecordChanges.h"
#include "project/ViewOptions.h"

namespace corvane {
namespace {

// A NaN kept in a field (even the hidden one) is the same job after a save as before it, so the job
// is not changed for good.
TEST(JobSession, ANaNInTheJobIsTheSameJobAfterASave) {
    ProjectRecord r = job();
    r.Reserved1 = std::nanf("");
    r.dial1(2, 3) = std::nanf("");
    JobSession session;
    session.start(r);
    EXPECT_FALSE(session.changed());
    r.Machine = "P-102";
    EXPECT_TRUE(session.noteEdit(r));
    EXPECT_TRUE(session.changed());
    session.markSaved(r);
    EXPECT_FALSE(session.changed());
    EXPECT_FALSE(session.noteEdit(r));
    EXPECT_FALSE(session.changed());
}

// Undo gives back the job as it was and keeps what the program keeps up by itself as it is now: the
// date stamp of the last save, the span, the stationary feet's growth copies and the view options.
// Back at the saved job, it is unchanged.
TEST(JobSession, UndoPutsBackTheJobAndKeepsTheStampSpanAndView) {
    ProjectRecord r = job();
    JobSession session;
    session.start(r);
    r.dial1(0, 1) = 12;
    session.noteEdit(r);
    r.Comments = "shimmed";
    session.noteEdit(r);
    EXPECT_EQ(session.undoText(), "comments");

    r.DateStamp = 46000.5;
    r.Span = 7;
    r.growth(0, 5) = 2;
    r.ReservedText = encodeViewOptions(ViewOptions{.method = 2, .toleranceOn = true}, "");
    const ProjectRecord back = session.undo(r).value();
    EXPECT_EQ(back.Comments, "");
    EXPECT_EQ(back.dial1(0, 1), 12.0f);
    EXPECT_EQ(back.DateStamp, 46000.5);
    EXPECT_EQ(back.Span, 7.0f);
    EXPECT_EQ(back.growth(0, 5), 2.0f);
    EXPECT_EQ(decodeViewOptions(back.ReservedText), (ViewOptions{.method = 2, .toleranceOn = true}));
    const ProjectRecord first = session.undo(back).value();
    EXPECT_EQ(first.dial1(0, 1), 20.0f);
    EXPECT_FALSE(session.changed());
    EXPECT_FALSE(session.canUndo());
    const ProjectRecord again = session.redo(first).value();
    EXPECT_EQ(again.dial1(0, 1), 12.0f);
    EXPECT_TRUE(session.changed());
    EXPECT_EQ(session.redoText(), "comments");
}

// 3,000 knob steps on a job with a 60 KB comment: the history stays small, every step can still be
// undone, and a budget smaller than the steps drops the oldest ones.
TEST(JobSession, TheHistoryStaysWithinItsBudget) {
    ProjectRecord r = job();
    r.Comments = std::string(60000, 'c');
    JobSession session;
    session.start(r);
    for (int i = 1; i <= 3000; ++i) {
        r.dial2(0, 1) = static_cast<float>(i);
        session.noteEdit(r);
    }
    EXPECT_EQ(session.stepCount(), 3000u);
    EXPECT_LT(session.historyBytes(), 1u << 20);

    JobSession small(20000);
    small.start(r);
    for (int i = 0; i < 4; ++i) {
        r.Comments = std::string(60000, static_cast<char>('d' + i));
        small.noteEdit(r);
    }
    EXPECT_EQ(small.stepCount(), 1u) << "only the newest step, however large";
    const ProjectRecord back = small.undo(r).value();
    EXPECT_EQ(back.Comments, std::string(60000, 'f'));
    EXPECT_FALSE(small.canUndo());
}

// What the program keeps up by itself is no edit of the job; everything the user types is.
TEST(RecordChanges, TheJobIsWhatTheUserEdits) {
    const struct {
        const char* name;
        void (*change)(ProjectRecord&);
        bool sameJob;
        const char* description;
    } cases[] = {
        {"span from the geometry", [](ProjectRecord& r) { r.Span = 20; }, true, "changes"},
        {"date stamp of a save", [](ProjectRecord& r) { r.DateStamp = 46000; }, true, "changes"},
        {"growth copies of the stationary feet", [](ProjectRecord& r) { r.growth(0, 4) = 3; }, true,
         "changes"},
        {"view", [](ProjectRecord& r) { r.ReservedText = encodeViewOptions({.method = 2}, ""); }, true,
         "changes"},
        {"a reading", [](ProjectRecord& r) { r.dial2(1, 3) = 4.5f; }, false, "reading"},
        {"a length", [](ProjectRecord& r) { r.length(0, 4) = 21; }, false, "length"},
        {"a foot's growth", [](ProjectRecord& r) { r.growth(2, 3) = 1; }, false, "growth"},
        {"the speed", [](ProjectRecord& r) { r.RPM = 1800; }, false, "speed"},
        {"a temperature", [](ProjectRecord& r) { r.HotTemp[2] = 150; }, false, "temperatures and heights"},
        {"the machine", [](ProjectRecord& r) { r.Machine = "P-102"; }, false, "names"},
        {"another program's text", [](ProjectRecord& r) { r.ReservedText = "notes"; }, false, "changes"},
    };
    for (const auto& c : cases) {
        ProjectRecord changed = job();
        c.change(changed);
        EXPECT_EQ(sameJob(job(), changed), c.sameJob) << c.name;
        EXPECT_EQ(describeChange(job(), changed), c.description) << c.name;
    }
}

}  // namespace
}  // namespace corvane
