#include "history/HistoryLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QUrlQuery>

namespace corvane {

QString HistoryLocation::display() const {
    return kind == Kind::Sqlite ? QDir::toNativeSeparators(path) : url.toDisplayString();
}

std::optional<HistoryLocation> parseHistoryLocation(const QString& typed, QString* error) {
    const QString text = typed.trimmed();
    auto refuse = [error](const QString& why) -> std::optional<HistoryLocation> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (text.isEmpty()) return refuse(QStringLiteral("no history database is named"));
    HistoryLocation location;
    if (text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://"))) {
        const QUrl url(text, QUrl::StrictMode);
        if (!url.isValid())
            return refuse(QStringLiteral("not a valid PostgreSQL URL: %1").arg(url.errorString()));
        if (!url.password().isEmpty() || QUrlQuery(url).hasQueryItem(QStringLiteral("password")))
            return refuse(QStringLiteral(
                "the PostgreSQL URL holds a password; put it in PostgreSQL's password file (~/.pgpass) or "
                "service file instead"));
        location.kind = HistoryLocation::Kind::Postgres;
        location.url = url;
        return location;
    }
    QString path = text;
    if (path.startsWith(QLatin1String("sqlite:"))) path = path.mid(7);
    if (path.isEmpty()) return refuse(QStringLiteral("sqlite: names no file"));
    location.path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    return location;
}

QString defaultHistoryFile() {
    // The desktop program's names decide its data folder; corvane-cli runs under its own name, so
    // it asks with the program's names for a moment.
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    return QDir(folder).filePath(QStringLiteral("history.sqlite"));
}

std::optional<HistoryLocation> resolveHistoryLocation(const QString& chosen, const QString& preference,
                                                      QString* error) {
    if (!chosen.isEmpty()) return parseHistoryLocation(chosen, error);
    const QString environment = qEnvironmentVariable("CORVANE_HISTORY");
    if (!environment.trimmed().isEmpty()) return parseHistoryLocation(environment, error);
    if (!preference.trimmed().isEmpty()) return parseHistoryLocation(preference, error);
    HistoryLocation location;
    location.path = defaultHistoryFile();
    return location;
}

}  // namespace corvane
