// SPDX-License-Identifier: GPL-3.0-or-later
#include "safesave.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace rumbario {

namespace {

/** Writes bytes at the start of an open file, whole or not at all as far as the device tells. */
bool writeFrom(QFile &file, qint64 offset, QByteArrayView bytes)
{
    return file.seek(offset) && file.write(bytes.data(), bytes.size()) == bytes.size() &&
           file.flush();
}

/** Makes what was written reach the disk before anything counts on it. */
bool reachDisk(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

/** Puts the old content back after an in-place write failed; false when even that failed. */
bool restore(const QString &path, QByteArrayView oldContent)
{
    // A file of its own: the failed one may still hold bytes it could not write.
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) &&
           writeFrom(file, 0, oldContent) && file.resize(oldContent.size()) && reachDisk(file);
}

/**
 * Writes new content over the file itself. The file is first grown to the new size with real
 * bytes, so that a full disk shows before any old byte is touched; then the content is written
 * and the file cut to its length.
 */
QString writeInPlace(const QString &path, QByteArrayView newContent, const OldContentKeeper &keeper)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray oldContent = file.readAll();
    const QString kept = keeper.keep ? keeper.keep(oldContent) : QString();
    if (keeper.keep && kept.isEmpty())
        return QStringLiteral("no se pudo guardar aparte el contenido anterior del archivo");
    const auto fail = [&](const QString &reason) {
        // Where the old content cannot be put back, the kept copy stays for the user to recover.
        file.close();
        if (restore(path, oldContent) && keeper.release)
            keeper.release(kept);
        return reason;
    };
    const qint64 growth = newContent.size() - oldContent.size();
    if (growth > 0 && !writeFrom(file, oldContent.size(), QByteArray(qsizetype(growth), '\0')))
        return fail(file.errorString());
    if (!writeFrom(file, 0, newContent) || !file.resize(newContent.size()) || !reachDisk(file))
        return fail(file.errorString());
    if (keeper.release)
        keeper.release(kept);
    return QString();
}

} // namespace

QString saveSafely(const QString &path, const std::function<bool(QIODevice &)> &write,
                   const OldContentKeeper &keeper)
{
    // Replacing a device or a pipe by a regular file is never what saving a map means.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return notAFileText();
    QSaveFile file(path);
    const auto failure = [&file] {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    };
    if (!file.open(QIODevice::WriteOnly)) {
        if (!target.exists() || !target.isWritable())
            return failure();
        // No new file can be made beside it: the new content is made first, then written over.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!write(buffer))
            return QStringLiteral("no se pudo preparar el contenido");
        return writeInPlace(path, buffer.data(), keeper);
    }
    if (!write(file))
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
