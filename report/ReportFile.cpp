#include "report/ReportFile.h"

#include <QFile>
#include <vector>

#include "project/SafeWrite.h"

namespace corvane {

bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* error) {
    const std::vector<unsigned char> content(bytes.begin(), bytes.end());
    std::string reason;
    if (writeFileSafely(QFile::encodeName(path).toStdString(), content, OldTail::Discard, &reason,
                        WriteKind::NoProject))
        return true;
    if (error) *error = QString::fromStdString(reason);
    return false;
}

}  // namespace corvane
