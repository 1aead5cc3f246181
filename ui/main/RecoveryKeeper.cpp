#include "ui/main/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include "project/FileIdentity.h"
#include "project/ProjectFile.h"

namespace corvane {

namespace {

// A lock that names no program (empty, or garbled by a crash while it was written) would keep its
// copy from ever being offered; it goes, so that the copy is offered like any other.
void removeUnreadableLock(const QString& lockFile) {
    QFile file(lockFile);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
    const QByteArray pid = file.readLine().trimmed();
    file.close();
    bool number = false;
    if (pid.isEmpty() || pid.toLongLong(&number) <= 0 || !number) QFile::remove(lockFile);
}

void makePrivate(const QString& file) { QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner); }

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
        removeUnreadableLock(file + QStringLiteral(".lock"));
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

void RecoveryKeeper::makeFolder() {
    // Copies hold every text of a job: the folder and its files are the user's alone.
    QDir().mkpath(folder_);
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool RecoveryKeeper::holdProject(const std::string& projectFile) {
    projectLock_.reset();
    if (projectFile.empty()) return true;
    // One mark per file, whatever name or link it was opened by.
    const FileIdentity id = identifyFile(projectFile);
    const QByteArray key = id.exists ? QByteArray::number(static_cast<qulonglong>(id.device)) + '-' +
                                           QByteArray::number(static_cast<qulonglong>(id.inode))
                                     : QByteArray::fromStdString(projectFile);
    const QString name =
        QStringLiteral("open-%1.lock")
            .arg(QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()));
    makeFolder();
    auto lock = std::make_unique<QLockFile>(QDir(folder_).filePath(name));
    lock->setStaleLockTime(0);
    removeUnreadableLock(lock->fileName());
    if (!lock->tryLock(0)) return lock->error() != QLockFile::LockFailedError;
    makePrivate(lock->fileName());
    projectLock_ = std::move(lock);
    return true;
}

void RecoveryKeeper::tick() {
    if (!state_.Session.changed()) {
        removeOwnCopy();
        return;
    }
    std::vector<unsigned char> now = encodeProject(state_.Project);
    if (lastSeen_ && *lastSeen_ == now) {
        ++quietSeconds_;
    } else {
        lastSeen_ = std::move(now);
        quietSeconds_ = 0;
    }
    ++secondsWithoutCopy_;
    if (quietSeconds_ >= kQuietSeconds || secondsWithoutCopy_ >= kLongestWithoutCopy) sync();
}

void RecoveryKeeper::sync() {
    if (!state_.Session.changed()) {
        removeOwnCopy();
        return;
    }
    const bool current = copyExists_ && written_ && *written_ == encodeProject(state_.Project) &&
                         writtenFor_ == state_.CurrentFile;
    if (current) {
        secondsWithoutCopy_ = 0;
        return;
    }
    writeOwnCopy();
}

void RecoveryKeeper::writeOwnCopy() {
    // The folder and the lock come with the first copy: a program that never has unsaved work
    // leaves nothing behind.
    if (!ownLock_) {
        makeFolder();
        ownLock_ = lockFor(ownCopy_);
        if (!ownLock_->tryLock(0)) {
            ownLock_.reset();
            return;
        }
        makePrivate(ownCopy_ + QStringLiteral(".lock"));
    }
    const std::string file = QFile::encodeName(ownCopy_).toStdString();
    // Nowhere to keep a copy (a full disk): the job itself is still open and can be saved; the
    // next tick tries again. An older copy stays as it was.
    if (!writeRecovery(file, state_.CurrentFile, state_.Project)) return;
    copyExists_ = true;
    written_ = encodeProject(state_.Project);
    writtenFor_ = state_.CurrentFile;
    secondsWithoutCopy_ = 0;
}

void RecoveryKeeper::removeOwnCopy() {
    lastSeen_.reset();
    quietSeconds_ = 0;
    secondsWithoutCopy_ = 0;
    if (!copyExists_) return;
    QFile::remove(ownCopy_);
    copyExists_ = false;
    written_.reset();
}

}  // namespace corvane
