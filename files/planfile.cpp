// SPDX-License-Identifier: GPL-3.0-or-later
#include "planfile.h"

#include "codepage.h"
#include "model/mapstore.h"
#include "model/runtimeerror.h"

#include <QFile>
#include <QSaveFile>

namespace rumbario {

namespace {

constexpr int fieldsPerRecord = exitCount + 1;

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
    bool lastFieldEndedLine() const { return mLineEnded; }

    Outcome readNumber(qint16 &value)
    {
        skipBlanks();
        if (atEnd())
            return Outcome::EndOfFile;
        const QByteArrayView token = trimmedRight(takeUntilDelimiter());
        consumeDelimiter();
        return parseNumber(token, value) ? Outcome::Read : Outcome::NotANumber;
    }

    Outcome readText(QString &text)
    {
        skipBlanks();
        if (atEnd())
            return Outcome::EndOfFile;
        QByteArrayView raw;
        if (mBytes[mPos] == '"') {
            ++mPos;
            // A quote left open ends at the line end, so that one damaged record cannot
            // swallow the rest of the map.
            const qsizetype start = mPos;
            while (!atEnd() && mBytes[mPos] != '"' && !isLineEnd(mBytes[mPos]))
                ++mPos;
            raw = mBytes.sliced(start, mPos - start);
            if (!atEnd() && mBytes[mPos] == '"') {
                ++mPos;
                takeUntilDelimiter();
            }
        } else {
            raw = trimmedRight(takeUntilDelimiter());
        }
        consumeDelimiter();
        text = decode(raw);
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

    QString decode(QByteArrayView raw) const
    {
        if (mUtf8)
            return QString::fromUtf8(raw).left(descriptionLength);
        return fromWindows1252(raw.first(qMin<qsizetype>(raw.size(), descriptionLength)));
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
    for (int field = 0; field < exitCount; ++field) {
        switch (reader.readNumber(room.exits[field])) {
        case FieldReader::Outcome::Read:
            continue;
        case FieldReader::Outcome::EndOfFile:
            room.description = QString(descriptionLength, u' ');
            return ReadFailure::EndOfFileInRecord;
        case FieldReader::Outcome::NotANumber:
            room.exits[field] = 0;
            room.description = QString(descriptionLength, u' ');
            reader.skipLine();
            return ReadFailure::Other;
        }
    }
    QString text;
    if (reader.readText(text) == FieldReader::Outcome::EndOfFile) {
        room.description = QString(descriptionLength, u' ');
        return ReadFailure::EndOfFileInRecord;
    }
    room.setDescription(text);
    // Fields beyond the thirteenth are ignored: the next record starts on the next line.
    reader.skipLine();
    return ReadFailure::None;
}

void resetForRead(MapStore &store)
{
    store.resetTables();
    store.coordinateBase = {1, 1, 1};
}

ReadResult readRecords(MapStore &store, QByteArrayView bytes)
{
    FieldReader reader(bytes, isUtf8Text(bytes));
    ReadResult result;
    for (int record = 1; !reader.atEnd(); ++record) {
        const auto number = static_cast<qint16>(record);
        if (number > store.tableSize()) {
            store.Lista.append(Room::zeroed());
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
    if (file.size() == 0)
        return {};
    // Mapping avoids a copy of a large file; a device that cannot be mapped is read instead.
    if (const uchar *mapped = file.map(0, file.size()))
        return readPlanBytes(store, QByteArrayView(mapped, file.size()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ReadFailure::Other, file.errorString()};
    return readPlanBytes(store, bytes);
}

QByteArray planRecord(const Room &room)
{
    QByteArray record;
    record.reserve(exitCount * 7 + descriptionLength + 4);
    for (qint16 exit : room.exits) {
        record += QByteArray::number(exit);
        record += ',';
    }
    // Only blanks are trimmed: the zero characters of a never-described room are written as such.
    const QStringView description(room.description);
    qsizetype begin = 0;
    qsizetype end = description.size();
    while (begin < end && description[begin] == u' ')
        ++begin;
    while (end > begin && description[end - 1] == u' ')
        --end;
    record += '"';
    record += toWindows1252(description.sliced(begin, end - begin));
    record += "\"\r\n";
    return record;
}

bool writePlanRecords(const MapStore &store, QIODevice &device)
{
    bool allWritten = true;
    for (int number = 1; number <= store.roomCount; ++number) {
        const QByteArray record = planRecord(store.room(static_cast<qint16>(number)));
        if (device.write(record) != record.size())
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
