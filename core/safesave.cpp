// SPDX-License-Identifier: GPL-3.0-or-later
#include "safesave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rumbario {

QString saveSafely(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // Replacing a device or a pipe by a regular file is never what saving a map means.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return notAFileText();
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const auto failure = [&file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    };
    if (!file.open(QIODevice::WriteOnly) || !write(file))
        return failure();
    // commit() writes out what is still buffered without checking it: a disk that fills up there
    // would still replace the old file with a cut one.
    if (!file.flush())
        return failure();
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString notAFileText()
{
    return QStringLiteral("no es un archivo de datos, sino una carpeta, un dispositivo o una "
                          "tubería");
}

QString keepOriginalBeside(const QString &path)
{
    const QFileInfo original(path);
    if (!original.exists())
        return QString();
    if (!original.isFile())
        return notAFileText();
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    return saveSafely(path + u'~', [&source](QIODevice &device) {
        char buffer[64 * 1024];
        for (;;) {
            const qint64 read = source.read(buffer, sizeof buffer);
            if (read <= 0)
                return read == 0;
            if (device.write(buffer, read) != read)
                return false;
        }
    });
}

} // namespace rumbario
