#include "UserData.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef VERADEX_SHIPPED_DATA
#define VERADEX_SHIPPED_DATA "../share/veradex"
#endif

namespace userdata {

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/veradex");
}

QString shippedFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QString::fromUtf8(VERADEX_SHIPPED_DATA));
}

bool fill(const QString& shipped, const QString& target, QString* failedPath) {
    const auto fail = [failedPath](const QString& path) {
        if (failedPath)
            *failedPath = path;
        return false;
    };
    const QDir from(shipped);
    if (!from.exists())
        return fail(shipped);
    if (!QDir().mkpath(target))
        return fail(target);
    QDirIterator it(shipped, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo source(it.next());
        const QString dest = target + u'/' + from.relativeFilePath(source.filePath());
        const QString destDir = QFileInfo(dest).absolutePath();
        if (!QDir().mkpath(destDir))
            return fail(destDir);
        // exists() is false for a dangling link, which copy() would then replace; treat any entry as the
        // user's own.
        if (QFileInfo(dest).exists() || QFileInfo(dest).isSymLink())
            continue;
        if (!QFile::copy(source.filePath(), dest))
            return fail(dest);
        // The installed lists are read-only for the user; the copy is theirs to edit and save.
        QFile::setPermissions(dest, QFile::permissions(dest) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}

} // namespace userdata
