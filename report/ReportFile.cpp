#include "report/ReportFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace corvane {

namespace {

// Flushes the operating system's buffers of an open file to the disk.
bool syncToDisk(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

}  // namespace

bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* error) {
    const auto failed = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QFileInfo target(path);
    if (target.isDir()) return failed(QStringLiteral("it is a folder"));
    const QDir folder = target.absoluteDir();
    if (!folder.exists()) return failed(QStringLiteral("the folder %1 does not exist").arg(folder.path()));

    // A hidden name of our own beside the target: the rename is then within one file system.
    QFile temp;
    for (int attempt = 0;; ++attempt) {
        temp.setFileName(
            folder.filePath(QStringLiteral(".%1.%2.part")
                                .arg(target.fileName())
                                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        if (temp.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        if (!temp.exists() || attempt >= 20) return failed(temp.errorString());
    }
    const QString tempPath = temp.fileName();
    const auto discard = [&](const QString& why) {
        temp.close();
        QFile::remove(tempPath);
        return failed(why);
    };

    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = temp.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return discard(temp.errorString());
        done += n;
    }
    if (!temp.flush()) return discard(temp.errorString());
    if (!syncToDisk(temp.handle())) return discard(QString::fromLocal8Bit(std::strerror(errno)));
    temp.close();
    if (temp.error() != QFileDevice::NoError) return discard(temp.errorString());
    if (target.exists() && !QFile::setPermissions(tempPath, QFile::permissions(path)))
        return discard(QStringLiteral("its permissions cannot be kept"));

    std::error_code renameError;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(tempPath).toStdString()),
                            std::filesystem::path(QFile::encodeName(path).toStdString()), renameError);
    if (renameError) {
        QFile::remove(tempPath);
        return failed(QString::fromLocal8Bit(renameError.message().c_str()));
    }
    return true;
}

}  // namespace corvane
