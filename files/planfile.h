// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace rumbario {

struct MapStore;
struct Room;

/** How a read went; only the last failure of a read is reported. */
enum class ReadFailure {
    None,
    /** The file ended inside a record: what was read is kept and the read counts as good. */
    EndOfFileInRecord,
    /** Anything else: a field that is not a number, an unopenable file, too many records. */
    Other,
};

struct ReadResult
{
    ReadFailure failure = ReadFailure::None;
    /** For the user, in Spanish, when failure is Other. */
    QString reason;
};

/**
 * Replaces the room table and the coordinates with a plan file's records, rebuilding the
 * coordinates from the exits; the display base becomes (1, 1, 1). The table is reset before the
 * file is opened, so it holds at least one room whatever happens. roomCount, currentRoom and
 * the working copy are left to the caller.
 */
ReadResult readPlanFile(MapStore &store, const QString &fileName);

/** The same from bytes already in memory, after the same reset. */
ReadResult readPlanBytes(MapStore &store, QByteArrayView bytes);

/** One room's record, CR LF included, in the code page of plan files. */
QByteArray planRecord(const Room &room);

/** Writes rooms 1..roomCount; goes on after a failed write and returns whether all succeeded. */
bool writePlanRecords(const MapStore &store, QIODevice &device);

/**
 * Writes the map to a file. The old file is replaced only once every byte is written, so a
 * failure leaves it as it was. On failure, errorText (when given) says why, in Spanish.
 */
bool writePlanFile(const MapStore &store, const QString &fileName, QString *errorText = nullptr);

} // namespace rumbario
