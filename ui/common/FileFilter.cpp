#include "ui/common/FileFilter.h"

#include <QStringList>

namespace corvane {

namespace {

// "a.qdl; *.bak" -> "a.qdl *.bak"; an empty list lists every file.
QString cleanPatterns(const QString& patterns) {
    QStringList parts = QString(patterns)
                            .replace(QLatin1Char(';'), QLatin1Char(' '))
                            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return parts.isEmpty() ? QStringLiteral("*") : parts.join(QLatin1Char(' '));
}

// The description without a trailing "( ... )": the toolkit reads the patterns from the last
// parentheses, so only the real pattern list may stand there.
QString bareDescription(const QString& description) {
    QString text = description.trimmed();
    if (text.endsWith(QLatin1Char(')'))) {
        const qsizetype open = text.lastIndexOf(QLatin1Char('('));
        if (open >= 0) text = text.left(open).trimmed();
    }
    return text;
}

}  // namespace

QString toQtFileFilter(const QString& filter) {
    if (filter.trimmed().isEmpty()) return QString();
    const QStringList fields = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        const QString patterns = cleanPatterns(i + 1 < fields.size() ? fields[i + 1] : QString());
        QString description = bareDescription(fields[i]);
        if (description.isEmpty()) description = patterns;
        entries << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace corvane
