#include "ui/common/UserPreferences.h"

#include <QSettings>
#include <QString>

namespace corvane {

namespace {

const QString kUnitsKey = QStringLiteral("units");
const QString kMetric = QStringLiteral("metric");
const QString kEnglish = QStringLiteral("english");
const QString kWindowGeometryKey = QStringLiteral("MainWindow/geometry");

// The user's settings in the desktop's own format (an INI file on Linux, the registry on Windows);
// the file in the program folder that tests use is an INI file everywhere.
QSettings preferencesOf(const AppPaths& paths) {
    return QSettings(QString::fromStdString(paths.preferences()),
                     paths.preferencesFile.empty() ? QSettings::IniFormat : QSettings::NativeFormat);
}

}  // namespace

UnitSystem preferredUnits(const AppPaths& paths) {
    const QSettings settings = preferencesOf(paths);
    return settings.value(kUnitsKey).toString() == kMetric ? UnitSystem::Metric : UnitSystem::English;
}

void setPreferredUnits(const AppPaths& paths, UnitSystem units) {
    QSettings settings = preferencesOf(paths);
    settings.setValue(kUnitsKey, units == UnitSystem::Metric ? kMetric : kEnglish);
    settings.sync();
}

QByteArray windowGeometry(const AppPaths& paths) {
    return preferencesOf(paths).value(kWindowGeometryKey).toByteArray();
}

void setWindowGeometry(const AppPaths& paths, const QByteArray& geometry) {
    QSettings settings = preferencesOf(paths);
    settings.setValue(kWindowGeometryKey, geometry);
    settings.sync();
}

}  // namespace corvane
