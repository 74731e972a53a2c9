// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverycopy.h"

#include "mapstore.h"
#include "planfile.h"
#include "safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace rumbario {

namespace {

/** The copy's description: one "key=value" line each, in UTF-8. */
QString descriptionPath(const QString &copy)
{
    return copy + QStringLiteral(".info");
}

std::optional<RecoveryCopy> readDescription(const QString &copy)
{
    QFile file(descriptionPath(copy));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    RecoveryCopy read{copy, QString(), QDateTime(), 0};
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == QLatin1String("original"))
            read.original = value;
        else if (key == QLatin1String("written"))
            read.written = QDateTime::fromString(value, Qt::ISODate);
        else if (key == QLatin1String("rooms"))
            read.rooms = value.toInt();
    }
    if (!read.written.isValid())
        return std::nullopt;
    return read;
}

} // namespace

QString writeRecoveryCopy(const QString &path, const MapStore &store, const QDateTime &when)
{
    QString failure;
    if (!QDir().mkpath(QFileInfo(path).path()) || !writePlanFile(store, path, &failure))
        return failure.isEmpty() ? QStringLiteral("no se pudo escribir") : failure;
    const QByteArray description = QStringLiteral("original=%1\nwritten=%2\nrooms=%3\n")
                                       .arg(store.mapName, when.toString(Qt::ISODateWithMs))
                                       .arg(store.roomCount)
                                       .toUtf8();
    return saveSafely(descriptionPath(path), [&description](QIODevice &device) {
        return device.write(description) == description.size();
    });
}

std::vector<RecoveryCopy> recoveryCopies(const QString &folder)
{
    std::vector<RecoveryCopy> copies;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.pln")}, QDir::Files)) {
        if (auto copy = readDescription(dir.filePath(name)))
            copies.push_back(*copy);
    }
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
