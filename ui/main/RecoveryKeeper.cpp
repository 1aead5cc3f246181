#include "ui/main/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

namespace corvane {

namespace {

std::unique_ptr<QLockFile> lockFor(const QString& copyFile) {
    auto lock = std::make_unique<QLockFile>(copyFile + QStringLiteral(".lock"));
    // A lock is stale only when its program is gone, never because it is old: a program may keep
    // a job open for days.
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(AppState& state, QString folder, QObject* parent)
    : QObject(parent), state_(state), folder_(std::move(folder)) {
    ownCopy_ = QDir(folder_).filePath(QStringLiteral("session-%1-%2%3")
                                          .arg(QCoreApplication::applicationPid())
                                          .arg(QDateTime::currentMSecsSinceEpoch())
                                          .arg(QLatin1String(kRecoverySuffix)));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::tick);
    timer_.start();
}

RecoveryKeeper::~RecoveryKeeper() = default;

std::vector<RecoveryCopy> RecoveryKeeper::abandonedCopies() {
    std::vector<RecoveryCopy> abandoned;
    for (RecoveryCopy& copy : findRecoveryCopies(QFile::encodeName(folder_).toStdString())) {
        const QString file = QFile::decodeName(copy.copyFile.c_str());
        if (file == ownCopy_) continue;
        std::unique_ptr<QLockFile> lock = lockFor(file);
        // Held by a program that is still running: its job is not lost.
        if (!lock->tryLock(0)) continue;
        heldLocks_.push_back(std::move(lock));
        abandoned.push_back(std::move(copy));
    }
    return abandoned;
}

void RecoveryKeeper::forget(const RecoveryCopy& copy) {
    const QString file = QFile::decodeName(copy.copyFile.c_str());
    QFile::remove(file);
    for (auto it = heldLocks_.begin(); it != heldLocks_.end(); ++it) {
        if ((*it)->fileName() == file + QStringLiteral(".lock")) {
            heldLocks_.erase(it);  // unlocking removes the lock file
            break;
        }
    }
}

void RecoveryKeeper::releaseUnanswered() { heldLocks_.clear(); }

void RecoveryKeeper::tick() {
    if (!state_.Changed) {
        removeOwnCopy();
        return;
    }
    if (lastSeen_ && *lastSeen_ == state_.Project) {
        ++quietSeconds_;
    } else {
        lastSeen_ = state_.Project;
        quietSeconds_ = 0;
    }
    if (quietSeconds_ >= kQuietSeconds) sync();
}

void RecoveryKeeper::sync() {
    if (!state_.Changed) {
        removeOwnCopy();
        return;
    }
    const bool current =
        copyExists_ && written_ && *written_ == state_.Project && writtenFor_ == state_.CurrentFile;
    if (!current) writeOwnCopy();
}

void RecoveryKeeper::writeOwnCopy() {
    // The folder and the lock come with the first copy: a program that never has unsaved work
    // leaves nothing behind.
    if (!ownLock_) {
        QDir().mkpath(folder_);
        ownLock_ = lockFor(ownCopy_);
        if (!ownLock_->tryLock(0)) {
            ownLock_.reset();
            return;
        }
    }
    const std::string file = QFile::encodeName(ownCopy_).toStdString();
    // Nowhere to keep a copy (a full disk): the job itself is still open and can be saved; the
    // next tick tries again. An older copy stays as it was.
    if (!writeRecovery(file, state_.CurrentFile, state_.Project)) return;
    copyExists_ = true;
    written_ = state_.Project;
    writtenFor_ = state_.CurrentFile;
}

void RecoveryKeeper::removeOwnCopy() {
    lastSeen_.reset();
    quietSeconds_ = 0;
    if (!copyExists_) return;
    QFile::remove(ownCopy_);
    copyExists_ = false;
    written_.reset();
}

}  // namespace corvane
