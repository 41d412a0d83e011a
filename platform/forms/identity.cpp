#include "platform/forms/identity.h"

#include <QCoreApplication>
#include <QStringList>

namespace forms {

namespace {

QString& pathOverride()
{
    static QString folder;
    return folder;
}

int versionPart(int index)
{
    const QStringList parts = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    return index < parts.size() ? parts.at(index).toInt() : 0;
}

} // namespace

QString Path()
{
    if (!pathOverride().isEmpty())
        return pathOverride();
    return QCoreApplication::applicationDirPath();
}

void setPath(const QString& folder)
{
    pathOverride() = folder;
}

QString Title()
{
    return QCoreApplication::applicationName();
}

int Major()
{
    return versionPart(0);
}
int Minor()
{
    return versionPart(1);
}
int Revision()
{
    return versionPart(2);
}

QString VersionText()
{
    return QCoreApplication::translate("forms", "Version %1.%2").arg(Major()).arg(Revision());
}

} // namespace forms
