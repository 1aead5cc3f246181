#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Puts `bytes` at `path` whole or not at all (writeFileSafely, the whole file replaced): an existing
// file keeps its permissions; on any failure `path` is left as it was and `error` says why.
bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace corvane
