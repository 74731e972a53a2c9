// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace rumbario {

class MapStore;

/** A copy of a map with unsaved changes, kept so that a crash does not lose it. */
struct RecoveryCopy
{
    /** The copy itself, a plan file. */
    QString path;
    /** The file the map belongs to, or its name when it never had one; empty when unknown. */
    QString original;
    QDateTime written;
    /** The rooms the copy holds whole. */
    int rooms = 0;
    /** Cut short: fewer rooms than were written, or a last record without its line end. */
    bool damaged = false;
};

/**
 * Writes the map as a plan file at path and, beside it, what the copy is of, when it was written
 * and its room count; both atomically. Returns why it failed, or nothing.
 */
QString writeRecoveryCopy(const QString &path, const MapStore &store, const QDateTime &when);

/**
 * Keeps bytes of a plan file (the old content of a file about to be written in place) as a
 * recovery copy at path, of the file original. Returns why it failed, or nothing.
 */
QString keepAsRecoveryCopy(const QString &path, const QString &original, QByteArrayView bytes,
                           const QDateTime &when);

/**
 * The copies in a folder, newest first. A copy whose description beside it is missing or damaged
 * is still listed, of an unknown file, with the time the copy was last written.
 */
std::vector<RecoveryCopy> recoveryCopies(const QString &folder);

/** Removes a copy and its description. */
void removeRecoveryCopy(const QString &path);

} // namespace rumbario
