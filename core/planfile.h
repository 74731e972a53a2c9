// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include "safesave.h"

class QIODevice;

namespace rumbario {

class MapStore;
struct Room;

/** How a read went, as the open operation judges it: by the last failure of the read. */
enum class ReadFailure {
    None,
    /** The file ended inside a record: what was read is kept and the read counts as good. */
    EndOfFileInRecord,
    /** Anything else: a field that is not a number, an unopenable file, too many records. */
    Other,
};

/** A plan file refused before reading: anything larger cannot be a map the editor wrote. */
constexpr qint64 maxPlanFileSize = 64 * 1024 * 1024;

struct ReadResult
{
    ReadFailure failure = ReadFailure::None;
    /** Why nothing could be read, in Spanish: the file could not be opened or is no plan file. */
    QString openError;
    /** The first record with a field that is not a 16-bit number, and how many records had one. */
    qint16 firstBadRecord = 0;
    int badRecords = 0;
    /** The file holds more records than a map can: only the first ones were read. */
    bool tooManyRecords = false;
    /**
     * The read may not be what the file meant: a line that held more or less than one record
     * (twelve numbers and a text), a record cut by the end of the file, or a file that changed
     * while it was read.
     */
    bool doubtful = false;

    /** Whether the map lacks something the file holds. */
    bool incomplete() const { return !openError.isEmpty() || badRecords > 0 || tooManyRecords; }
};

/**
 * Replaces the room table and the coordinates with a plan file's records, rebuilding the
 * coordinates from the exits; the display base becomes (1, 1, 1). What replaces the map starts
 * from the reset tables, so it holds at least one room whatever happens, and every room of it has
 * its coordinates even when memory runs out; the old map is gone either way. What is not a regular
 * file, or is larger than maxPlanFileSize, is refused unread. roomCount, currentRoom and the
 * working copy are left to the caller.
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
 * failure leaves it as it was; where it must be written in place, the keeper holds its old
 * content meanwhile (see saveSafely). On failure, errorText (when given) says why, in Spanish.
 */
bool writePlanFile(const MapStore &store, const QString &fileName, QString *errorText = nullptr,
                   const OldContentKeeper &keeper = {});

} // namespace rumbario
