// SPDX-License-Identifier: GPL-3.0-or-later
#include "planfile.h"

#include "codepage.h"
#include "mapstore.h"
#include "safesave.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <new>

namespace rumbario {

namespace {

/**
 * Reads the fields of a plan file. A comma or a line end (CR LF, LF or CR alone) ends a field
 * and blanks before a field are skipped. Every byte is looked at a bounded number of times: the
 * next CR and the next LF are each searched for once and remembered until the reading passes
 * them, so a file of any shape reads in time linear in its size.
 */
class FieldReader
{
public:
    enum class Outcome { Read, EndOfFile, NotANumber };

    FieldReader(QByteArrayView bytes, bool utf8)
        : mBytes(bytes)
        , mUtf8(utf8)
    {
        if (utf8 && bytes.startsWith("\xEF\xBB\xBF"))
            mPos = 3;
    }

    bool atEnd() const { return mPos >= mBytes.size(); }

    /** Only blanks and line ends are left: an empty last line, not a record. */
    bool onlyBlankLinesLeft() const
    {
        for (qsizetype i = mPos; i < mBytes.size(); ++i) {
            if (!isBlank(mBytes[i]) && !isLineEnd(mBytes[i]))
                return false;
        }
        return true;
    }

    /** The last field read ended its line. */
    bool lineEnded() const { return mLineEnded; }

    Outcome readNumber(qint16 &value)
    {
        skipBlanks();
        if (atEnd())
            return Outcome::EndOfFile;
        const QByteArrayView token = trimmedRight(takeUntilDelimiter());
        consumeDelimiter();
        return parseNumber(token, value) ? Outcome::Read : Outcome::NotANumber;
    }

    Outcome readDescription(Description &description)
    {
        skipBlanks();
        if (atEnd())
            return Outcome::EndOfFile;
        const QByteArrayView raw =
            mBytes[mPos] == '"' ? takeQuoted() : trimmedRight(takeUntilDelimiter());
        consumeDelimiter();
        // A file is read in the encoding most of it has; a line of it that another editor wrote
        // in UTF-8 keeps its accents all the same.
        if (mUtf8 || isWhollyUtf8(raw))
            description.setUtf8Text(raw);
        else
            description.setCodePageText(raw);
        return Outcome::Read;
    }

    /** Skips what is left of the current line; returns whether it held anything but blanks. */
    bool skipLine()
    {
        if (mLineEnded)
            return false;
        skipBlanks();
        const qsizetype end = lineEnd();
        const bool skippedSomething = end > mPos;
        mPos = end;
        consumeDelimiter();
        return skippedSomething;
    }

private:
    static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }

    static QByteArrayView trimmedRight(QByteArrayView token)
    {
        while (!token.isEmpty() && isBlank(token.back()))
            token.chop(1);
        return token;
    }

    static bool parseNumber(QByteArrayView token, qint16 &value)
    {
        if (token.isEmpty()) {
            value = 0;
            return true;
        }
        qsizetype i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
        if (i == token.size())
            return false;
        int number = 0;
        for (; i < token.size(); ++i) {
            if (token[i] < '0' || token[i] > '9')
                return false;
            number = number * 10 + (token[i] - '0');
            if (number > 32768)
                return false;
        }
        if (token[0] == '-')
            number = -number;
        if (number > 32767)
            return false;
        value = static_cast<qint16>(number);
        return true;
    }

    /**
     * A quoted text runs to the last quote of its line: descriptions are written unescaped, so
     * a quote typed inside one must not end it. A quote left open ends at the line end, so that
     * one damaged record cannot swallow the rest of the map.
     */
    QByteArrayView takeQuoted()
    {
        const qsizetype start = ++mPos;
        const qsizetype end = lineEnd();
        qsizetype quote = end;
        while (quote > start && mBytes[quote - 1] != '"')
            --quote;
        if (quote == start) {
            mPos = end;
            return mBytes.sliced(start, end - start);
        }
        mPos = quote;
        takeUntilDelimiter();
        return mBytes.sliced(start, quote - 1 - start);
    }

    /** Where the line that holds the read position ends: its CR or LF, or the end of the bytes. */
    qsizetype lineEnd()
    {
        return qMin(nextFrom(mPos, '\r', mNextCarriageReturn), nextFrom(mPos, '\n', mNextLineFeed));
    }

    /** The first wanted byte at or after from, searched for again only once the last is passed. */
    qsizetype nextFrom(qsizetype from, char wanted, qsizetype &remembered) const
    {
        if (remembered < from) {
            const char *begin = mBytes.data() + from;
            const auto *found =
                static_cast<const char *>(std::memchr(begin, wanted, size_t(mBytes.size() - from)));
            remembered = found ? found - mBytes.data() : mBytes.size();
        }
        return remembered;
    }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(mBytes[mPos]))
            ++mPos;
    }

    QByteArrayView takeUntilDelimiter()
    {
        const qsizetype start = mPos;
        while (!atEnd() && mBytes[mPos] != ',' && !isLineEnd(mBytes[mPos]))
            ++mPos;
        return mBytes.sliced(start, mPos - start);
    }

    void consumeDelimiter()
    {
        mLineEnded = false;
        if (atEnd())
            return;
        if (mBytes[mPos] == ',') {
            ++mPos;
            return;
        }
        mLineEnded = true;
        if (mBytes[mPos] == '\r')
            ++mPos;
        if (!atEnd() && mBytes[mPos] == '\n')
            ++mPos;
    }

    QByteArrayView mBytes;
    bool mUtf8;
    qsizetype mPos = 0;
    bool mLineEnded = false;
    qsizetype mNextCarriageReturn = -1;
    qsizetype mNextLineFeed = -1;
};

struct Placement
{
    int slot;
    int axis;
    qint16 step;
};

// A room is placed beside the first earlier room it leads to in one of these directions.
constexpr Placement placements[] = {
    {North, 1, -1}, {South, 1, 1}, {East, 0, -1}, {West, 0, 1}, {Up, 2, -1}, {Down, 2, 1},
};

/** Room number's coordinates: beside the earlier room it leads to, or (0, 0, 0). */
void placeRoom(MapTables &tables, int number)
{
    Coordinates &position = tables.coordinates[number - 1];
    position = {0, 0, 0};
    const Room &room = tables.rooms[number - 1];
    for (const Placement &placement : placements) {
        const qint16 earlier = room.exits[placement.slot];
        if (earlier > 0 && earlier < number) {
            position = tables.coordinates[earlier - 1];
            qint16 &coordinate = position[size_t(placement.axis)];
            coordinate = checkedAdd(coordinate, placement.step);
            return;
        }
    }
}

/** Reads the fields of one record into room; see readRecord. */
ReadFailure readRecordFields(FieldReader &reader, Room &room, bool &misaligned)
{
    for (int field = 0; field < exitCount; ++field) {
        // A field after a line end belongs to the next line: this record runs on across it.
        if (field > 0 && reader.lineEnded())
            misaligned = true;
        switch (reader.readNumber(room.exits[field])) {
        case FieldReader::Outcome::Read:
            continue;
        case FieldReader::Outcome::EndOfFile:
            room.description = Description::blanks();
            return ReadFailure::EndOfFileInRecord;
        case FieldReader::Outcome::NotANumber:
            room.exits[field] = 0;
            room.description = Description::blanks();
            reader.skipLine();
            return ReadFailure::Other;
        }
    }
    if (reader.lineEnded())
        misaligned = true;
    if (reader.readDescription(room.description) == FieldReader::Outcome::EndOfFile) {
        room.description = Description::blanks();
        return ReadFailure::EndOfFileInRecord;
    }
    // Fields beyond the thirteenth are ignored: the next record starts on the next line.
    if (reader.skipLine())
        misaligned = true;
    return ReadFailure::None;
}

/**
 * Reads one record into room; returns the failure it met. doubtful is set when the record did not
 * fill its line exactly: it ran on across a line end, left fields over, or was cut by the end of
 * the file (an empty last line is no record, only the room one more that every reader counts).
 */
ReadFailure readRecord(FieldReader &reader, Room &room, bool &doubtful)
{
    const bool emptyLastLine = reader.onlyBlankLinesLeft();
    bool misaligned = false;
    const ReadFailure failure = readRecordFields(reader, room, misaligned);
    if (!emptyLastLine && (misaligned || failure == ReadFailure::EndOfFileInRecord))
        doubtful = true;
    return failure;
}

/** The shortest record: twelve one-digit exits, two quotes and a line feed. */
constexpr int minRecordLength = exitCount * 2 + 3;

/** Reads the records into tables that hold the reset room. */
ReadResult readRecords(MapTables &tables, QByteArrayView bytes)
{
    FieldReader reader(bytes, isMostlyUtf8(bytes));
    // Enough for every record the bytes can hold, so that the table grows only once.
    tables.rooms.reserve(qMin<qsizetype>(bytes.size() / minRecordLength + 1, maxRoomCount));
    tables.coordinates.reserve(tables.rooms.capacity());
    ReadResult result;
    for (int record = 1; !reader.atEnd(); ++record) {
        const auto number = static_cast<qint16>(record);
        if (number > tables.rooms.size()) {
            tables.rooms.append(Room());
            tables.coordinates.append(Coordinates{});
        }
        const ReadFailure failure = readRecord(reader, tables.rooms[number - 1], result.doubtful);
        if (failure != ReadFailure::None)
            result.failure = failure;
        if (failure == ReadFailure::Other && result.badRecords++ == 0)
            result.firstBadRecord = number;
        placeRoom(tables, number);
        if (number == maxRoomCount && !reader.atEnd()) {
            result.failure = ReadFailure::Other;
            result.tooManyRecords = true;
            break;
        }
    }
    return result;
}

QString outOfMemoryText()
{
    return QStringLiteral("no hay memoria suficiente para leerlo");
}

ReadResult openFailure(const QString &why)
{
    ReadResult result;
    result.failure = ReadFailure::Other;
    result.openError = why;
    return result;
}

/**
 * The whole file in bytes, or why not. A folder, a device or a pipe is refused before it is
 * opened (opening a pipe waits for a writer), and so is a file too large to be a plan.
 */
QString readWholeFile(const QString &fileName, QByteArray &bytes, bool &changed)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return QStringLiteral("el archivo no existe");
    if (!info.isFile())
        return notAFileText();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return info.isReadable() ? file.errorString()
                                 : QStringLiteral("no tiene permiso para leerlo");
    if (file.isSequential())
        return notAFileText();
    const qint64 size = file.size();
    if (size > maxPlanFileSize) {
        // Rounded up: a file one byte over the limit is over it.
        return QStringLiteral("ocupa %1 MB, y un plano no puede pasar de %2 MB")
            .arg(QString::number((size + 1024 * 1024 - 1) / (1024 * 1024)),
                 QString::number(maxPlanFileSize / (1024 * 1024)));
    }
    // Only the bytes the file held when it was opened: one that grows meanwhile cannot run on.
    bytes.resize(qsizetype(size));
    const qint64 read = file.read(bytes.data(), size);
    if (read < 0)
        return file.errorString();
    bytes.truncate(qsizetype(read));
    // Written to meanwhile: what was read may be half of one version and half of another.
    const QFileInfo after(fileName);
    changed = read != size || after.size() != size || after.lastModified() != info.lastModified();
    return QString();
}

/** The longest record: twelve exits of six characters and their commas, 100 characters quoted. */
constexpr int maxRecordLength = exitCount * 7 + descriptionLength + 4;

/** Writes one record into buffer and returns its length; nothing is allocated. */
int formatPlanRecord(const Room &room, char *buffer)
{
    char *out = buffer;
    for (qint16 exit : room.exits) {
        int value = exit;
        if (value < 0) {
            *out++ = '-';
            value = -value;
        }
        char digits[6];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (count > 0)
            *out++ = digits[--count];
        *out++ = ',';
    }
    // Only blanks are trimmed: the zero characters of a never-described room are written as such.
    const QByteArrayView text = room.description.trimmedCodePageText();
    *out++ = '"';
    std::memcpy(out, text.data(), size_t(text.size()));
    out += text.size();
    *out++ = '"';
    *out++ = '\r';
    *out++ = '\n';
    return int(out - buffer);
}

} // namespace

ReadResult readPlanBytes(MapStore &store, QByteArrayView bytes)
{
    MapTables tables = resetTables();
    const ReadResult result = readRecords(tables, bytes);
    store.replaceTables(std::move(tables));
    store.setCoordinateBase({1, 1, 1});
    return result;
}

ReadResult readPlanFile(MapStore &store, const QString &fileName)
{
    try {
        MapTables tables = resetTables();
        QByteArray bytes;
        bool changed = false;
        const QString error = readWholeFile(fileName, bytes, changed);
        ReadResult result = error.isEmpty() ? readRecords(tables, bytes) : openFailure(error);
        result.doubtful = result.doubtful || changed;
        store.replaceTables(std::move(tables));
        store.setCoordinateBase({1, 1, 1});
        return result;
    } catch (const std::bad_alloc &) {
        // The reset map when it can still be made; else the old map stays as it was.
        try {
            store.replaceTables(resetTables());
            store.setCoordinateBase({1, 1, 1});
        } catch (const std::bad_alloc &) {
        }
        return openFailure(outOfMemoryText());
    }
}

QByteArray planRecord(const Room &room)
{
    char buffer[maxRecordLength];
    return QByteArray(buffer, formatPlanRecord(room, buffer));
}

bool writePlanRecords(const MapStore &store, QIODevice &device)
{
    bool allWritten = true;
    char buffer[maxRecordLength];
    for (int number = 1; number <= store.roomCount(); ++number) {
        const int length = formatPlanRecord(store.room(static_cast<qint16>(number)), buffer);
        if (device.write(buffer, length) != length)
            allWritten = false;
    }
    return allWritten;
}

bool writePlanFile(const MapStore &store, const QString &fileName, QString *errorText,
                   const OldContentKeeper &keeper)
{
    const QString failure = saveSafely(
        fileName, [&store](QIODevice &device) { return writePlanRecords(store, device); }, keeper);
    if (errorText)
        *errorText = failure;
    return failure.isEmpty();
}

} // namespace rumbario
