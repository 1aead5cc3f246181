#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Puts `bytes` at `path` whole or not at all: they are written to a new file beside it, flushed and
// synced to the disk, and only then renamed over `path`. An existing file keeps its permissions; on
// any failure the new file is removed, `path` is left as it was and `error` says why.
bool writeFileReplacing(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace corvane
