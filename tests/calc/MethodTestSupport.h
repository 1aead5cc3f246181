#pragma once

// The calculation tests run on the default project with the user's edits, and write the expected
// result lines out as the labels show them.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <span>
#include <string>

#include "calc/methods/Alignment.h"

namespace corvane::methodtest {

using R = ProjectRecord;
using O = CalcOptions;
using Edit = std::function<void(R&, O&)>;

// The default project and options of one method after the edit.
struct Job {
    R record;
    O options;
};

inline Job job(int method, const Edit& edit) {
    Job j;
    setDefaults(j.record);
    j.options.method = method;
    if (edit) edit(j.record, j.options);
    return j;
}

inline CalcResult run(int method, const Edit& edit) {
    const Job j = job(method, edit);
    return calcAlignment(j.record, j.options);
}

inline Edit with(const Edit& base, const Edit& more) {
    return [=](R& r, O& o) { base(r, o), more(r, o); };
}

// Both dials of a method at 12:00, 3:00, 6:00, 9:00.
inline void readings(R& r, int method, std::array<float, 4> dial1, std::array<float, 4> dial2) {
    for (int p = 0; p < 4; ++p) {
        r.dial1(method, p) = dial1[static_cast<std::size_t>(p)];
        r.dial2(method, p) = dial2[static_cast<std::size_t>(p)];
    }
}

// One case of a method's two labels.
struct TextCase {
    const char* name;
    Edit edit;
    std::string vertical, horizontal;
};

// `also` checks more of each result.
inline void expectTexts(int method, std::span<const TextCase> cases,
                        const std::function<void(const CalcResult&)>& also = {}) {
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CalcResult r = run(method, c.edit);
        ASSERT_EQ(r.status, CalcStatus::Result);
        EXPECT_EQ(r.verticalText, c.vertical);
        EXPECT_EQ(r.horizontalText, c.horizontal);
        if (also) also(r);
    }
}

}  // namespace corvane::methodtest
