// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace rumbario {

struct MapStore;

/** A copy of a map with unsaved changes, kept so that a crash does not lose it. */
struct RecoveryCopy
{
    /** The copy itself, a plan file. */
    QString path;
    /** The file the map belongs to, or its name when it never had one. */
    QString original;
    QDateTime written;
    int rooms = 0;
};

/**
 * Writes the map as a plan file at path and, beside it, what the copy is of, when it was written
 * and its room count; both atomically. Returns why it failed, or nothing.
 */
QString writeRecoveryCopy(const QString &path, const MapStore &store, const QDateTime &when);

/** The copies in a folder, newest first; a copy without its description beside it is left out. */
std::vector<RecoveryCopy> recoveryCopies(const QString &folder);

/** Removes a copy and its description. */
void removeRecoveryCopy(const QString &path);

} // namespace rumbario
