// SPDX-License-Identifier: GPL-3.0-or-later
#include "planfile.h"

#include "bytescan.h"
#include "model/codepage.h"
#include "model/mapstore.h"
#include "model/runtimeerror.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace rumbario {

namespace {

/** Bit i set for the i lowest bits; count may be 64. */
constexpr std::uint64_t lowBits(int count)
{
    return count >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << count) - 1;
}

/** The value of count (1..8) decimal digits at the start of eight little-endian bytes. */
std::uint32_t digitsValue(std::uint64_t bytes, int count)
{
    // The digits are moved to the top bytes, so the bytes after them fall out; then pairs,
    // quads and octets of digits are combined with one multiplication each.
    std::uint64_t value = (bytes & 0x0F0F0F0F0F0F0F0F) << (8 * (8 - count));
    value = ((value * (10 * 256 + 1)) >> 8) & 0x00FF00FF00FF00FF;
    value = ((value * (100 * 65536 + 1)) >> 16) & 0x0000FFFF0000FFFF;
    return std::uint32_t((value * (10000 * (std::uint64_t(1) << 32) + 1)) >> 32);
}

std::uint64_t loadLittleEndian(const char *data)
{
    std::uint64_t bytes;
    std::memcpy(&bytes, data, sizeof bytes);
    return qFromLittleEndian(bytes);
}

/**
 * The longest quoted text readWrittenRecord takes. The editor writes at most 100 bytes; a few
 * more are cut to 100 characters the same way the field by field reading cuts them.
 */
constexpr int maxWrittenText = 110;
/** The bytes readWrittenRecord may look at: the exits' 80, then the text in blocks of 16. */
constexpr int writtenRecordWindow = 80 + 128;

/**
 * Reads twelve exits of one to five digits, each followed by a comma, from the start of record
 * (at least 80 readable bytes). Returns the position after the last comma, or -1 when the
 * record does not start that way.
 */
int readWrittenExits(const char *record, std::array<qint16, exitCount> &exits)
{
    std::uint64_t commas = 0;
    std::uint64_t digitsOrCommas = 0;
    for (int block = 0; block < 4; ++block) {
        const std::uint64_t blockCommas = equalMask16(record + 16 * block, ',');
        commas |= blockCommas << (16 * block);
        digitsOrCommas |= (blockCommas | digitMask16(record + 16 * block)) << (16 * block);
    }
    std::uint64_t farCommas = equalMask16(record + 64, ',');
    const std::uint64_t farDigitsOrCommas = farCommas | digitMask16(record + 64);

    int fieldStart = 0;
    for (qint16 &exit : exits) {
        int comma;
        if (commas != 0) {
            comma = qCountTrailingZeroBits(commas);
            commas &= commas - 1;
        } else if (farCommas != 0) {
            comma = 64 + qCountTrailingZeroBits(farCommas);
            farCommas &= farCommas - 1;
        } else {
            return -1;
        }
        const int length = comma - fieldStart;
        if (length < 1 || length > 5)
            return -1;
        const std::uint32_t value = digitsValue(loadLittleEndian(record + fieldStart), length);
        if (value > 32767)
            return -1;
        exit = static_cast<qint16>(value);
        fieldStart = comma + 1;
    }
    // The values above are only right if every byte up to the last comma is a digit or a comma.
    const bool near = (digitsOrCommas & lowBits(fieldStart)) == lowBits(fieldStart);
    const bool far = fieldStart <= 64 ||
                     (farDigitsOrCommas & lowBits(fieldStart - 64)) == lowBits(fieldStart - 64);
    return near && far ? fieldStart : -1;
}

/** Where the first CR or LF among the first length bytes of data is, or -1. */
int lineEndWithin(const char *data, int length)
{
    for (int block = 0; block < length; block += 16) {
        const std::uint32_t ends =
            equalMask16(data + block, '\r') | equalMask16(data + block, '\n');
        if (ends != 0) {
            const int at = block + qCountTrailingZeroBits(ends);
            return at < length ? at : -1;
        }
    }
    return -1;
}

/**
 * Reads the fields of a plan file. A comma or a line end (CR LF, LF or CR alone) ends a field
 * and blanks before a field are skipped. Every call consumes at least one byte unless the input
 * is at its end, so a read over any bytes at all ends in time linear in their size.
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

    /**
     * Reads a whole record at once when it has the form the editor writes: twelve exits of one
     * to five digits each followed by a comma, then a quoted description that closes right
     * before the line end. Returns false, having read nothing, for anything else, which the
     * field by field reading then handles; where both apply they read the same.
     */
    bool readWrittenRecord(Room &room)
    {
        if (mBytes.size() - mPos < writtenRecordWindow)
            return false;
        const char *record = mBytes.data() + mPos;
        std::array<qint16, exitCount> exits;
        const int textStart = readWrittenExits(record, exits) + 1;
        if (textStart == 0 || record[textStart - 1] != '"')
            return false;
        const int lineEnd = lineEndWithin(record + textStart, maxWrittenText + 2);
        const int closingQuote = textStart + lineEnd - 1;
        if (lineEnd < 1 || record[closingQuote] != '"')
            return false;
        room.exits = exits;
        const QByteArrayView text(record + textStart, closingQuote - textStart);
        if (mUtf8)
            room.description.setText(QString::fromUtf8(text));
        else
            room.description.setCodePageText(text);
        mPos += closingQuote + 1;
        consumeDelimiter();
        return true;
    }

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
        QByteArrayView raw;
        if (mBytes[mPos] == '"') {
            raw = takeQuoted();
        } else {
            raw = trimmedRight(takeUntilDelimiter());
        }
        consumeDelimiter();
        if (mUtf8)
            description.setText(QString::fromUtf8(raw));
        else
            description.setCodePageText(raw);
        return Outcome::Read;
    }

    /** Skips what is left of the current line. */
    void skipLine()
    {
        if (mLineEnded)
            return;
        while (!atEnd() && !isLineEnd(mBytes[mPos]))
            ++mPos;
        consumeDelimiter();
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
        mPos = lineEndFrom(start);
        const char *begin = mBytes.data() + start;
        const auto *lastQuote =
            static_cast<const char *>(memrchr(begin, '"', size_t(mPos - start)));
        if (!lastQuote)
            return mBytes.sliced(start, mPos - start);
        const qsizetype quote = lastQuote - mBytes.data();
        mPos = quote + 1;
        takeUntilDelimiter();
        return mBytes.sliced(start, quote - start);
    }

    /** Where the line that holds position from ends: its CR or LF, or the end of the bytes. */
    qsizetype lineEndFrom(qsizetype from) const
    {
        const char *begin = mBytes.data() + from;
        const size_t length = size_t(mBytes.size() - from);
        const auto *feed = static_cast<const char *>(std::memchr(begin, '\n', length));
        const size_t untilFeed = feed ? size_t(feed - begin) : length;
        const auto *carriage = static_cast<const char *>(std::memchr(begin, '\r', untilFeed));
        return from + qsizetype(carriage ? size_t(carriage - begin) : untilFeed);
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

void placeRoom(MapStore &store, qint16 number)
{
    store.setCoordinates(number, 0, 0, 0);
    const Room &room = store.room(number);
    for (const Placement &placement : placements) {
        const qint16 earlier = room.exits[placement.slot];
        if (earlier > 0 && earlier < number) {
            store.copyCoordinates(earlier, number);
            qint16 &coordinate = store.coordinatesOf(number)[placement.axis];
            coordinate = checkedAdd(coordinate, placement.step);
            return;
        }
    }
}

/** Reads one record into room; returns the failure it met. */
ReadFailure readRecord(FieldReader &reader, Room &room)
{
    if (reader.readWrittenRecord(room))
        return ReadFailure::None;
    for (int field = 0; field < exitCount; ++field) {
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
    if (reader.readDescription(room.description) == FieldReader::Outcome::EndOfFile) {
        room.description = Description::blanks();
        return ReadFailure::EndOfFileInRecord;
    }
    // Fields beyond the thirteenth are ignored: the next record starts on the next line.
    reader.skipLine();
    return ReadFailure::None;
}

void resetForRead(MapStore &store)
{
    store.resetTables();
    store.coordinateBase = {1, 1, 1};
}

/** The shortest record: twelve one-digit exits, two quotes and a line feed. */
constexpr int minRecordLength = exitCount * 2 + 3;

ReadResult readRecords(MapStore &store, QByteArrayView bytes)
{
    FieldReader reader(bytes, isUtf8Text(bytes));
    // Enough for every record the bytes can hold, so that the table grows only once.
    store.Lista.reserve(qMin<qsizetype>(bytes.size() / minRecordLength + 1, maxRoomCount));
    store.coordinates.reserve(store.Lista.capacity());
    ReadResult result;
    for (int record = 1; !reader.atEnd(); ++record) {
        const auto number = static_cast<qint16>(record);
        if (number > store.tableSize()) {
            store.Lista.append(Room());
            store.coordinates.append(Coordinates{});
        }
        const ReadFailure failure = readRecord(reader, store.room(number));
        if (failure == ReadFailure::Other) {
            result = {failure, QStringLiteral("la sala %1 tiene un dato que no es un número "
                                              "entre -32768 y 32767")
                                   .arg(number)};
        } else if (failure == ReadFailure::EndOfFileInRecord) {
            result.failure = failure;
        }
        placeRoom(store, number);
        if (number == maxRoomCount && !reader.atEnd()) {
            return {ReadFailure::Other,
                    QStringLiteral("el archivo tiene más de %1 salas").arg(maxRoomCount)};
        }
    }
    return result;
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
    resetForRead(store);
    try {
        return readRecords(store, bytes);
    } catch (const RuntimeError &error) {
        return {ReadFailure::Other, error.description()};
    }
}

ReadResult readPlanFile(MapStore &store, const QString &fileName)
{
    resetForRead(store);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {ReadFailure::Other, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ReadFailure::Other, file.errorString()};
    return readPlanBytes(store, bytes);
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
    for (int number = 1; number <= store.roomCount; ++number) {
        const int length = formatPlanRecord(store.room(static_cast<qint16>(number)), buffer);
        if (device.write(buffer, length) != length)
            allWritten = false;
    }
    return allWritten;
}

bool writePlanFile(const MapStore &store, const QString &fileName, QString *errorText)
{
    QSaveFile file(fileName);
    const auto fail = [&](const QString &reason) {
        if (errorText)
            *errorText = reason;
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!writePlanRecords(store, file))
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace rumbario
