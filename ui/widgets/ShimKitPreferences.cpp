#include "ui/widgets/ShimKitPreferences.h"

#include <QSettings>
#include <QString>

namespace corvane {

namespace {

// The same settings the unit system is kept in: the desktop's own format, or the test folder's file.
QSettings preferencesOf(const AppPaths& paths) {
    return QSettings(QString::fromStdString(paths.preferences()),
                     paths.preferencesFile.empty() ? QSettings::IniFormat : QSettings::NativeFormat);
}

QString kitKey(UnitSystem units) {
    return units == UnitSystem::Metric ? QStringLiteral("ShimKit/metric") : QStringLiteral("ShimKit/english");
}

const QString kMostKey = QStringLiteral("ShimKit/mostUnderFoot");

}  // namespace

ShimKit preferredShimKit(const AppPaths& paths, UnitSystem units) {
    ShimKit kit = defaultShimKit(units);
    const QSettings settings = preferencesOf(paths);
    const QString text = settings.value(kitKey(units)).toString();
    if (!text.isEmpty()) {
        const KitReading reading = readKitText(text.toStdString());
        if (reading.sizes) kit.sizes = *reading.sizes;
    }
    bool ok = false;
    const int most = settings.value(kMostKey).toInt(&ok);
    if (ok && most >= 1 && most <= 6) kit.mostUnderFoot = most;
    return kit;
}

void setPreferredShimKit(const AppPaths& paths, const ShimKit& kit) {
    QSettings settings = preferencesOf(paths);
    settings.setValue(kitKey(kit.units), QString::fromStdString(kitText(kit)));
    settings.setValue(kMostKey, kit.mostUnderFoot);
    settings.sync();
}

}  // namespace corvane
