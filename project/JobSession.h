#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "project/ProjectRecord.h"

namespace corvane {

// The one open job's history and the one answer to "does it differ from what was last opened or
// saved". The windows change the record and report that they did; this says whether that made a
// step to undo and whether the job now counts as changed. Jobs are compared by their bytes (the job
// part of the record: see RecordChanges.h), so a NaN kept in a field equals itself.
//
// The history is kept small: each step holds only the bytes that differ between the job before and
// after it, and the oldest steps go once the whole history holds more than its budget.
class JobSession {
public:
    static constexpr std::size_t kDefaultBudget = 32u << 20;

    JobSession() : JobSession(kDefaultBudget) {}
    explicit JobSession(std::size_t budgetBytes);

    // A job was opened, created, restored or reset: the history starts anew from it. `unsaved`: it
    // differs from its file already (a restored copy, a file that could not be written), and
    // counts as changed until it is saved.
    void start(const ProjectRecord& job, bool unsaved = false);
    // The record may have been edited: a difference from the last step becomes a new step (redo
    // steps past it go). True when it did.
    bool noteEdit(const ProjectRecord& now);
    // The job as it is now was written to its file.
    void markSaved(const ProjectRecord& now);

    // Whether the job differs from what was last opened or saved (as of the last report).
    bool changed() const { return changed_; }

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // "reading", "lengths", ... of the step undo or redo would take; empty when there is none.
    std::string undoText() const;
    std::string redoText() const;
    // The record to put in place of `current`: the job as it was before the last step (or after the
    // next one), with what the program keeps up by itself (span, date stamp, view options) taken
    // from `current`. Nullopt when there is nothing to undo or redo.
    std::optional<ProjectRecord> undo(const ProjectRecord& current);
    std::optional<ProjectRecord> redo(const ProjectRecord& current);

    // Bytes the history holds now; never much more than the budget.
    std::size_t historyBytes() const { return historyBytes_; }
    std::size_t stepCount() const { return steps_.size(); }

private:
    // One edit: at `offset`, `before` was replaced by `after` in the job's bytes.
    struct Step {
        std::size_t offset = 0;
        std::vector<unsigned char> before;
        std::vector<unsigned char> after;
        std::string text;
        std::size_t bytes() const { return before.size() + after.size() + text.size() + sizeof(Step); }
    };

    void updateChanged();
    void dropOldest();

    std::size_t budget_;
    std::deque<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, the rest can be redone
    std::size_t historyBytes_ = 0;
    std::vector<unsigned char> last_;   // the job's bytes as of the last step
    std::vector<unsigned char> saved_;  // the job's bytes as last opened or saved
    bool unsavedWithoutEdit_ = false;
    bool changed_ = false;
};

}  // namespace corvane
