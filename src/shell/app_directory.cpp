#include "shell/app_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace revtal {

namespace {
QString& overrideDirectory()
{
    static QString directory;
    return directory;
}

bool canWriteInto(const QString& directory)
{
    // Permission bits lie on some file systems; a real file tells the truth.
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".revtal-write-probe-XXXXXX")));
    return probe.open();
}

QString join(const QString& directory, const QString& backslashName)
{
    QString name = backslashName;
    while (name.startsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return QDir(directory).filePath(name);
}
}  // namespace

QString applicationDirectory()
{
    if (!overrideDirectory().isEmpty())
        return overrideDirectory();
    return QCoreApplication::applicationDirPath();
}

void setApplicationDirectory(const QString& directory) { overrideDirectory() = directory; }

QString databaseDirectory()
{
    const QString appDir = applicationDirectory();
    if (canWriteInto(appDir))
        return appDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString applicationFile(const QString& backslashName) { return join(applicationDirectory(), backslashName); }
QString databaseFile(const QString& backslashName) { return join(databaseDirectory(), backslashName); }

}  // namespace revtal
