// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverycopy.h"

#include "mapstore.h"
#include "planfile.h"
#include "safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace rumbario {

namespace {

/** The copy's description: one "key=value" line each, in UTF-8. */
QString descriptionPath(const QString &copy)
{
    return copy + QStringLiteral(".info");
}

/** What the description beside a copy says, as far as it can be read. */
void readDescription(RecoveryCopy &copy, int &roomsWritten)
{
    QFile file(descriptionPath(copy.path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QString &line : QString::fromUtf8(file.read(64 * 1024)).split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == QLatin1String("original"))
            copy.original = value;
        else if (key == QLatin1String("written"))
            copy.written = QDateTime::fromString(value, Qt::ISODate);
        else if (key == QLatin1String("rooms"))
            roomsWritten = value.toInt();
    }
}

/** The records a copy holds whole: the editor writes one a line, each ended by CR LF. */
void countRooms(RecoveryCopy &copy)
{
    QFile file(copy.path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    char buffer[64 * 1024];
    char last = '\n';
    for (qint64 read; (read = file.read(buffer, sizeof buffer)) > 0;) {
        copy.rooms += int(std::count(buffer, buffer + read, '\n'));
        last = buffer[read - 1];
    }
    copy.damaged = last != '\n';
}

RecoveryCopy readCopy(const QString &path)
{
    RecoveryCopy copy{path, QString(), QDateTime(), 0, false};
    int roomsWritten = 0;
    readDescription(copy, roomsWritten);
    if (!copy.written.isValid())
        copy.written = QFileInfo(path).lastModified();
    countRooms(copy);
    copy.damaged = copy.damaged || copy.rooms < roomsWritten;
    return copy;
}

QString writeDescription(const QString &path, const QString &original, int rooms,
                         const QDateTime &when)
{
    const QByteArray description = QStringLiteral("original=%1\nwritten=%2\nrooms=%3\n")
                                       .arg(original, when.toString(Qt::ISODateWithMs))
                                       .arg(rooms)
                                       .toUtf8();
    return saveSafely(descriptionPath(path), [&description](QIODevice &device) {
        return device.write(description) == description.size();
    });
}

} // namespace

QString writeRecoveryCopy(const QString &path, const MapStore &store, const QDateTime &when)
{
    QString failure;
    if (!QDir().mkpath(QFileInfo(path).path()) || !writePlanFile(store, path, &failure))
        return failure.isEmpty() ? QStringLiteral("no se pudo escribir") : failure;
    return writeDescription(path, store.mapName(), store.roomCount(), when);
}

QString keepAsRecoveryCopy(const QString &path, const QString &original, QByteArrayView bytes,
                           const QDateTime &when)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QStringLiteral("no se pudo crear la carpeta");
    // The description first: whenever the copy exists, it is listed with the file it is of.
    const QString failure =
        writeDescription(path, original, int(std::count(bytes.begin(), bytes.end(), '\n')), when);
    if (!failure.isEmpty())
        return failure;
    return saveSafely(path, [bytes](QIODevice &device) {
        return device.write(bytes.data(), bytes.size()) == bytes.size();
    });
}

std::vector<RecoveryCopy> recoveryCopies(const QString &folder)
{
    std::vector<RecoveryCopy> copies;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.pln")}, QDir::Files))
        copies.push_back(readCopy(dir.filePath(name)));
    // Names begin with the time of the run's first copy: they break ties of the same moment.
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy &a, const RecoveryCopy &b) {
        return a.written != b.written ? a.written > b.written : a.path > b.path;
    });
    return copies;
}

void removeRecoveryCopy(const QString &path)
{
    QFile::remove(path);
    QFile::remove(descriptionPath(path));
}

} // namespace rumbario
