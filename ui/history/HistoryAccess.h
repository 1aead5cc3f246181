#pragma once

#include <QString>
#include <memory>

#include "history/HistoryDb.h"
#include "project/AppState.h"

class QLabel;
class QWidget;

namespace corvane {

class DialogProvider;

// The history database the user chose in Edit > Preferences, kept in the user's own settings
// (never a password: PostgreSQL's password or service file holds that); empty for the default file.
QString historyPreference(const AppPaths& paths);
void setHistoryPreference(const AppPaths& paths, const QString& database);

// Opens the history the user works with (CORVANE_HISTORY first, then the preference, then the
// default file), with a wait cursor while a server is reached; none with the reason in `error`.
std::unique_ptr<HistoryDb> openUsersHistory(const AppPaths& paths, QString* error);

// The hidden red line of a history window that says why the history could not be reached or kept.
QLabel* makeProblemLabel(QWidget* parent);

// The PDF of a machine's latest as-found and as-left stages: asks where to write it, writes it whole
// or not at all, and says so in a message when it could not.
void exportStagesReport(QWidget* parent, const AppPaths& paths, const QString& machine, UnitSystem units,
                        DialogProvider& dialogs);

}  // namespace corvane
