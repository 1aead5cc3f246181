#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "project/AppState.h"
#include "project/Recovery.h"

namespace corvane {

// Keeps a recovery copy of the open job while it has unsaved changes: written a few seconds after
// the last change, and at least every half minute while changes keep coming (safely, so a crash
// during the write leaves the previous copy), private to the user, removed once the
// job is saved, discarded or the program ends normally. Each running program has its own copy and
// holds a lock on it, so a second program never offers to restore a job that is still open.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // How long the job must stay unchanged before the copy is written.
    static constexpr int kQuietSeconds = 2;
    // The longest unsaved work goes without a copy while edits keep coming.
    static constexpr int kLongestWithoutCopy = 30;

    RecoveryKeeper(AppState& state, QString folder, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Copies left by programs that ended without saving (their lock is gone), newest first. Each one
    // found stays locked by this program until it is restored or discarded.
    std::vector<RecoveryCopy> abandonedCopies();
    // The user answered the restore question: the copy goes either way (restored work now lives in
    // this program and gets its own copy).
    void forget(const RecoveryCopy& copy);
    // Lets go of the copies found but not answered, so that the next start offers them again.
    void releaseUnanswered();

    // Looks at the job now: writes or removes this program's copy as the state asks. Runs every
    // second by itself; the window calls it after a save so that the copy goes at once.
    void sync();
    // A normal end: the job was saved or the user chose not to.
    void removeOwnCopy();

    QString ownCopyFile() const { return ownCopy_; }

    // Marks `projectFile` as open in this program (letting go of the one marked before). False when
    // another running Corvane has it open: two windows saving one job would wipe each other's work.
    bool holdProject(const std::string& projectFile);

private:
    void tick();
    void makeFolder();
    void writeOwnCopy();

    AppState& state_;
    QString folder_;
    QString ownCopy_;
    std::unique_ptr<QLockFile> ownLock_;
    std::vector<std::unique_ptr<QLockFile>> heldLocks_;
    std::unique_ptr<QLockFile> projectLock_;  // the open project's mark, while this program holds it  //
                                              // locks of abandoned copies being offered
    QTimer timer_;
    // The record as last seen by the timer and as last written, to wait for a quiet moment and to
    // write only what changed.
    // Compared as the bytes a copy holds, so that a NaN in the job is still the same job.
    std::optional<std::vector<unsigned char>> lastSeen_;
    std::optional<std::vector<unsigned char>> written_;
    std::string writtenFor_;
    int quietSeconds_ = 0;
    int secondsWithoutCopy_ = 0;
    bool copyExists_ = false;
};

}  // namespace corvane
