#pragma once

#include <string>
#include <vector>

#include "project/ProjectRecord.h"

namespace corvane {

// What of a record is the job the user edits, as opposed to what the program keeps up by itself:
// the span (taken from the geometry at every refresh), the date stamp (set by saving and opening),
// the growth copies of the stationary feet (written by the calculation) and the view options in
// ReservedText (how the job is looked at). Two records hold the same job when this part is equal.
// Compared as bytes, so that a NaN kept in a field is the same job as itself.
bool sameJob(const ProjectRecord& a, const ProjectRecord& b);

// The job part of a record as bytes (equal bytes, the same job), and back. Texts are kept whole as
// typed, not as the file's code page would hold them.
std::vector<unsigned char> jobBytes(const ProjectRecord& record);
ProjectRecord jobFromBytes(const std::vector<unsigned char>& bytes);

// `edited` with what the program keeps up by itself taken from `current`: what undoing or redoing
// an edit puts back, so that it moves the job and leaves the rest as it is now.
ProjectRecord withKeptState(const ProjectRecord& edited, const ProjectRecord& current);

// A few words for an undo step that turns `before` into `after`: "reading", "lengths", "comments",
// ... or "changes" when several kinds of field changed.
std::string describeChange(const ProjectRecord& before, const ProjectRecord& after);

}  // namespace corvane
