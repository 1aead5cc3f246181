#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace corvane {

// Where a history lives: an SQLite file, or a PostgreSQL database named by a URL.
struct HistoryLocation {
    enum class Kind { Sqlite, Postgres };
    Kind kind = Kind::Sqlite;
    QString path;  // Sqlite
    QUrl url;      // Postgres: postgresql://[user@][host][:port]/database[?key=value&...]

    // How the user names it: the path, or the URL.
    QString display() const;
};

// Reads what the user typed: a path, "sqlite:PATH", or a "postgresql://" (or "postgres://") URL. A URL
// with a password is refused: passwords belong in PostgreSQL's own password or service file, never in
// Corvane's settings or a command line that others can see. Empty text is refused too.
std::optional<HistoryLocation> parseHistoryLocation(const QString& text, QString* error);

// history.sqlite in the user's data folder of the desktop program (the same for corvane-cli).
QString defaultHistoryFile();

// The history to use: `chosen` when given (a --db option), else the CORVANE_HISTORY environment
// variable, else the user's preference, else the default file.
std::optional<HistoryLocation> resolveHistoryLocation(const QString& chosen, const QString& preference,
                                                      QString* error);

}  // namespace corvane
