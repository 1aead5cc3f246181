#include "project/JobSession.h"

#include <algorithm>

#include "project/RecordChanges.h"

namespace corvane {

namespace {

// The part of `to` that differs from `from`: what lies between their common start and end.
struct Difference {
    std::size_t offset = 0;
    std::size_t fromLength = 0;
    std::size_t toLength = 0;
};

Difference differenceOf(const std::vector<unsigned char>& from, const std::vector<unsigned char>& to) {
    const std::size_t shorter = std::min(from.size(), to.size());
    std::size_t head = 0;
    while (head < shorter && from[head] == to[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && from[from.size() - 1 - tail] == to[to.size() - 1 - tail]) ++tail;
    return {head, from.size() - head - tail, to.size() - head - tail};
}

void replaceAt(std::vector<unsigned char>& bytes, std::size_t offset, std::size_t length,
               const std::vector<unsigned char>& with) {
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    bytes.erase(at, at + static_cast<std::ptrdiff_t>(length));
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(offset), with.begin(), with.end());
}

}  // namespace

JobSession::JobSession(std::size_t budgetBytes) : budget_(budgetBytes) {}

void JobSession::start(const ProjectRecord& job, bool unsaved) {
    steps_.clear();
    position_ = 0;
    historyBytes_ = 0;
    last_ = saved_ = jobBytes(job);
    unsavedWithoutEdit_ = unsaved;
    updateChanged();
}

bool JobSession::noteEdit(const ProjectRecord& now) {
    std::vector<unsigned char> bytes = jobBytes(now);
    if (bytes == last_) {
        updateChanged();
        return false;
    }
    while (steps_.size() > position_) {
        historyBytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    const Difference d = differenceOf(last_, bytes);
    Step step;
    step.offset = d.offset;
    const auto from = last_.begin() + static_cast<std::ptrdiff_t>(d.offset);
    step.before.assign(from, from + static_cast<std::ptrdiff_t>(d.fromLength));
    const auto to = bytes.begin() + static_cast<std::ptrdiff_t>(d.offset);
    step.after.assign(to, to + static_cast<std::ptrdiff_t>(d.toLength));
    step.text = describeChange(jobFromBytes(last_), now);
    historyBytes_ += step.bytes();
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    last_ = std::move(bytes);
    dropOldest();
    updateChanged();
    return true;
}

void JobSession::markSaved(const ProjectRecord& now) {
    noteEdit(now);
    saved_ = last_;
    unsavedWithoutEdit_ = false;
    updateChanged();
}

std::string JobSession::undoText() const { return canUndo() ? steps_[position_ - 1].text : std::string(); }

std::string JobSession::redoText() const { return canRedo() ? steps_[position_].text : std::string(); }

std::optional<ProjectRecord> JobSession::undo(const ProjectRecord& current) {
    // An edit not yet reported is a step of its own, undone first.
    noteEdit(current);
    if (!canUndo()) return std::nullopt;
    const Step& step = steps_[--position_];
    replaceAt(last_, step.offset, step.after.size(), step.before);
    updateChanged();
    return withKeptState(jobFromBytes(last_), current);
}

std::optional<ProjectRecord> JobSession::redo(const ProjectRecord& current) {
    if (!canRedo()) return std::nullopt;
    const Step& step = steps_[position_++];
    replaceAt(last_, step.offset, step.before.size(), step.after);
    updateChanged();
    return withKeptState(jobFromBytes(last_), current);
}

void JobSession::updateChanged() { changed_ = unsavedWithoutEdit_ || last_ != saved_; }

void JobSession::dropOldest() {
    // The newest step always stays, however large: it is the one the user is most likely to undo.
    while (historyBytes_ > budget_ && steps_.size() > 1) {
        historyBytes_ -= steps_.front().bytes();
        steps_.pop_front();
        if (position_ > 0) --position_;
    }
}

}  // namespace corvane
