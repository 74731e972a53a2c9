// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/planfile.h"
#include "model/codepage.h"
#include "model/mapstore.h"
#include "support/fieldbyfield.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace rumbario;

Q_DECLARE_METATYPE(rumbario::ReadFailure)

namespace {

/** A device that accepts a given number of bytes and then fails every write. */
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity)
        : mCapacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (written.size() + size > mCapacity)
            return -1;
        written.append(data, size);
        return size;
    }

private:
    qint64 mCapacity;
};

MapStore mapOf(const QList<Room> &rooms)
{
    MapStore store;
    store.Lista = QVector<Room>(rooms.begin(), rooms.end());
    store.coordinates.resize(rooms.size());
    store.roomCount = static_cast<qint16>(rooms.size());
    return store;
}

/** A description as the map stores it: cut or padded with blanks to 100 characters. */
QString padded(const QString &text)
{
    return text.leftJustified(descriptionLength, u' ', true);
}

Room roomWith(std::initializer_list<std::pair<int, qint16>> exits, const QString &description)
{
    Room room = Room::blank();
    for (const auto &[slot, target] : exits)
        room.exits[slot] = target;
    room.description.setText(description);
    return room;
}

QByteArray writtenBytes(const MapStore &store)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writePlanRecords(store, buffer);
    return buffer.data();
}

/** The editor's invariant after any read: every room of the table has its coordinates. */
void verifyConsistent(const MapStore &store)
{
    QVERIFY(!store.Lista.isEmpty());
    QCOMPARE(store.coordinates.size(), store.Lista.size());
}

} // namespace

class TestPlanFile : public QObject
{
    Q_OBJECT

private slots:
    void goldenBytes_data();
    void goldenBytes();
    void roundTripOfGeneratedMaps();
    void placementRebuildsCoordinates();
    void readingRules_data();
    void readingRules();
    void wholeRecordsReadAsFieldByField();
    void moreThanTheRoomLimit();
    void codePageRoundTrip();
    void utf8FilesKeepAccents();
    void utf8DetectedAfterAnyAsciiStretch();
    void unopenableFileResetsAndFails();
    void failedWriteGoesOnAndReports();
    void failedSaveKeepsOldFile();
    void realMapOpens();
};

// clang-format off
void TestPlanFile::goldenBytes_data()
{
    QTest::addColumn<QList<Room>>("rooms");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two rooms") << QList<Room>{roomWith({{East, 2}}, QStringLiteral("Entrada")), roomWith({{West, 1}}, QString())} << QByteArray("0,0,2,0,0,0,0,0,0,0,0,0,\"Entrada\"\r\n" "0,0,0,0,0,0,1,0,0,0,0,0,\"\"\r\n");
    QTest::newRow("one blank room") << QList<Room>{Room::blank()} << QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"\"\r\n");
    QTest::newRow("zero characters written as they are") << QList<Room>{Room::zeroed()} << QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"") + QByteArray(100, '\0') + "\"\r\n";
    QTest::newRow("only blanks trimmed, quote unescaped, negative exit") << QList<Room>{roomWith({{North, -3}, {Out, 32767}}, QStringLiteral("  a \"b\"  c\t "))} << QByteArray("-3,0,0,0,0,0,0,0,0,0,0,32767,\"a \"b\"  c\t\"\r\n");
    QTest::newRow("accents in the code page") << QList<Room>{roomWith({}, QStringLiteral("¿Dónde? ¡Año! €"))} << QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"\xBF" "D\xF3nde? \xA1" "A\xF1o! \x80\"\r\n");
    QTest::newRow("character outside the code page") << QList<Room>{roomWith({}, QStringLiteral("Ω"))} << QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"?\"\r\n");
}
// clang-format on

void TestPlanFile::goldenBytes()
{
    QFETCH(QList<Room>, rooms);
    QFETCH(QByteArray, bytes);
    const MapStore store = mapOf(rooms);
    QCOMPARE(writtenBytes(store), bytes);
}

void TestPlanFile::roundTripOfGeneratedMaps()
{
    QRandomGenerator random(20261205);
    for (int map = 0; map < 20; ++map) {
        QList<Room> rooms;
        const int count = 1 + random.bounded(60);
        for (int i = 0; i < count; ++i) {
            Room room;
            for (qint16 &exit : room.exits)
                exit = static_cast<qint16>(random.bounded(-2, count + 3));
            QString text;
            for (int c = random.bounded(120); c > 0; --c)
                text += QChar(u"abc ñÁé,;\"x"[random.bounded(11)]);
            room.description.setText(text);
            rooms << room;
        }
        const MapStore written = mapOf(rooms);
        MapStore read;
        QCOMPARE(readPlanBytes(read, writtenBytes(written)).failure, ReadFailure::None);
        QCOMPARE(read.Lista.size(), written.Lista.size());
        for (int i = 0; i < count; ++i) {
            QCOMPARE(read.Lista[i].exits, written.Lista[i].exits);
            // Leading blanks are lost; everything else survives.
            QString expected = written.Lista[i].description.text();
            while (expected.startsWith(u' '))
                expected.remove(0, 1);
            QCOMPARE(read.Lista[i].description.text(), padded(expected));
        }
        QCOMPARE(read.coordinateBase, (Coordinates{1, 1, 1}));
    }
}

void TestPlanFile::placementRebuildsCoordinates()
{
    // 1; 2 north of 1; 3 north-east of 2 (only a diagonal back); 4 east of 3; 5 below 2
    // reached by its up exit; 6 leads south to 2 and west to 1: south comes first.
    const QByteArray file = "0,0,0,0,2,0,0,0,0,0,0,0,\"\"\r\n"
                            "0,0,0,0,1,0,0,0,0,5,0,0,\"\"\r\n"
                            "0,0,0,0,0,2,0,0,0,0,0,0,\"\"\r\n"
                            "0,0,0,0,0,0,3,0,0,0,0,0,\"\"\r\n"
                            "0,0,0,0,0,0,0,0,2,0,0,0,\"\"\r\n"
                            "0,0,0,0,2,0,1,0,0,0,0,0,\"\"\r\n";
    MapStore store;
    store.modified = false;
    QCOMPARE(readPlanBytes(store, file).failure, ReadFailure::None);
    const QVector<Coordinates> expected = {{0, 0, 0}, {0, 1, 0},  {0, 0, 0},
                                           {1, 0, 0}, {0, 1, -1}, {0, 2, 0}};
    QCOMPARE(store.coordinates, expected);
    QVERIFY(store.modified);
}

// clang-format off
void TestPlanFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ReadFailure>("failure");
    QTest::addColumn<int>("rooms");
    QTest::addColumn<QString>("lastDescription");
    QTest::addColumn<int>("lastNorth");

    QTest::newRow("empty file") << QByteArray() << ReadFailure::None << 1 << QString(100, QChar(0)) << 0;
    QTest::newRow("trailing empty line adds a room") << QByteArray("5,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n\r\n") << ReadFailure::EndOfFileInRecord << 2 << QString(100, u' ') << 0;
    QTest::newRow("file ends inside a record") << QByteArray("7,0,0") << ReadFailure::EndOfFileInRecord << 1 << QString(100, u' ') << 7;
    QTest::newRow("line feed alone") << QByteArray("1,0,0,0,0,0,0,0,0,0,0,0,\"a\"\n2,0,0,0,0,0,0,0,0,0,0,0,\"b\"\n") << ReadFailure::None << 2 << padded(QStringLiteral("b")) << 2;
    QTest::newRow("blanks before fields and unquoted text") << QByteArray(" 3, 0,0,0,0,0,0,0,0,0,0,0,  Pasillo largo  \r\n") << ReadFailure::None << 1 << padded(QStringLiteral("Pasillo largo")) << 3;
    QTest::newRow("no final line end") << QByteArray("4,0,0,0,0,0,0,0,0,0,0,0,\"x\"") << ReadFailure::None << 1 << padded(QStringLiteral("x")) << 4;
    QTest::newRow("record split over two lines") << QByteArray("6,0,0,0,0,0\r\n0,0,0,0,0,0,\"y\"\r\n") << ReadFailure::None << 1 << padded(QStringLiteral("y")) << 6;
    QTest::newRow("extra fields ignored") << QByteArray("1,0,0,0,0,0,0,0,0,0,0,0,\"a\",9,9\r\n2,0,0,0,0,0,0,0,0,0,0,0,\"b\"\r\n") << ReadFailure::None << 2 << padded(QStringLiteral("b")) << 2;
    QTest::newRow("long description cut") << QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"") + QByteArray(150, 'z') + "\"\r\n" << ReadFailure::None << 1 << QString(100, u'z') << 0;
    QTest::newRow("exit that is not a number") << QByteArray("1,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n9,x,0,0,0,0,0,0,0,0,0,0,\"b\"\r\n3,0,0,0,0," "0,0,0,0,0,0,0,\"c\"\r\n") << ReadFailure::Other << 3 << padded(QStringLiteral("c")) << 3;
    QTest::newRow("number beyond 16 bits") << QByteArray("40000,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n") << ReadFailure::Other << 1 << QString(100, u' ') << 0;
    QTest::newRow("quotes inside a description are kept") << QByteArray("2,0,0,0,0,0,0,0,0,0,0,0,\"Dijo \"hola\", y se fue\"  \r\n") << ReadFailure::None << 1 << padded(QStringLiteral("Dijo \"hola\", y se fue")) << 2;
    QTest::newRow("quote left open ends at the line") << QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"abierta\r\n8,0,0,0,0,0,0,0,0,0,0,0,\"b\"\r\n") << ReadFailure::None << 2 << padded(QStringLiteral("b")) << 8;
}
// clang-format on

void TestPlanFile::readingRules()
{
    QFETCH(QByteArray, file);
    QFETCH(ReadFailure, failure);
    QFETCH(int, rooms);
    QFETCH(QString, lastDescription);
    QFETCH(int, lastNorth);
    MapStore store;
    QCOMPARE(readPlanBytes(store, file).failure, failure);
    QCOMPARE(store.Lista.size(), rooms);
    QCOMPARE(store.Lista.last().description.text(), lastDescription);
    QCOMPARE(int(store.Lista.last().exits[North]), lastNorth);
    verifyConsistent(store);
}

/** An exit as a file may hold it: mostly what the editor writes, sometimes what it never does. */
QByteArray randomExit(QRandomGenerator &random)
{
    switch (random.bounded(8)) {
    case 0:
    case 1:
        return "0";
    case 2:
        return QByteArray::number(random.bounded(1, 100));
    case 3:
    case 4:
        return QByteArray::number(random.bounded(1, 32768));
    case 5:
        return QByteArray::number(random.bounded(32768, 100000));
    case 6:
        return QByteArray::number(-random.bounded(1, 32769));
    default:
        return QByteArray::number(random.bounded(1000)).rightJustified(6, '0');
    }
}

QByteArray randomPlanFile(QRandomGenerator &random)
{
    const bool utf8 = random.bounded(4) == 0;
    const QByteArray letters =
        utf8 ? QByteArray("ab ,\"\xC3\xB1\x01") : QByteArray("ab ,\"\xF1\x93");
    QByteArray bytes;
    for (int record = 1 + random.bounded(8); record > 0; --record) {
        for (int slot = 0; slot < exitCount; ++slot)
            bytes += randomExit(random) + ',';
        bytes += '"';
        for (int c = random.bounded(115); c > 0; --c)
            bytes += letters[random.bounded(letters.size())];
        bytes += "\"\r\n";
    }
    const QByteArray damage("\",  \r\n-+0x9\t");
    for (int hits = random.bounded(3); hits > 0; --hits) {
        const auto at = qsizetype(random.bounded(int(bytes.size())));
        const char byte = damage[random.bounded(damage.size())];
        if (random.bounded(2) == 0)
            bytes[at] = byte;
        else
            bytes.insert(at, byte);
    }
    return bytes;
}

void TestPlanFile::wholeRecordsReadAsFieldByField()
{
    QRandomGenerator random(51226);
    for (int file = 0; file < 2000; ++file) {
        const QByteArray bytes = randomPlanFile(random);
        MapStore asItIs;
        MapStore fieldByField;
        const ReadResult expected = readPlanBytes(fieldByField, withBlankAtLineStarts(bytes));
        const ReadResult result = readPlanBytes(asItIs, bytes);
        const QByteArray context = "file " + QByteArray::number(file) + ": " + bytes.toHex();
        QVERIFY2(result.failure == expected.failure, context.constData());
        QCOMPARE(result.reason, expected.reason);
        QVERIFY2(asItIs.Lista == fieldByField.Lista, context.constData());
        QVERIFY2(asItIs.coordinates == fieldByField.coordinates, context.constData());
    }
}

void TestPlanFile::moreThanTheRoomLimit()
{
    QByteArray file;
    for (int i = 0; i < maxRoomCount + 2; ++i)
        file += "0,0,0,0,0,0,0,0,0,0,0,0,\"\"\r\n";
    MapStore store;
    const ReadResult result = readPlanBytes(store, file);
    QCOMPARE(result.failure, ReadFailure::Other);
    QVERIFY(result.reason.contains(QStringLiteral("32767")));
    QCOMPARE(store.Lista.size(), int(maxRoomCount));

    QByteArray exact = file.left(file.size() / (maxRoomCount + 2) * maxRoomCount);
    QCOMPARE(readPlanBytes(store, exact).failure, ReadFailure::None);
    QCOMPARE(store.Lista.size(), int(maxRoomCount));
}

void TestPlanFile::codePageRoundTrip()
{
    QByteArray every(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        every[i] = static_cast<char>(i);
    QString decoded;
    for (char byte : every)
        decoded += fromWindows1252(byte);
    QCOMPARE(toWindows1252(decoded), every);
    QCOMPARE(decoded.mid(0x80, 1) + decoded.mid(0x9F, 1) + decoded.mid(0xE1, 1),
             QStringLiteral("€Ÿá"));
}

void TestPlanFile::utf8FilesKeepAccents()
{
    MapStore store;
    QCOMPARE(readPlanBytes(store, "0,0,0,0,0,0,0,0,0,0,0,0,\"Jardín\"\r\n").failure,
             ReadFailure::None);
    QCOMPARE(store.Lista[0].description.text(), padded(QStringLiteral("Jardín")));
    readPlanBytes(store, "\xEF\xBB\xBF"
                         "0,0,0,0,0,0,0,0,0,0,0,0,\"Sala\"\r\n");
    QCOMPARE(store.Lista[0].description.text(), padded(QStringLiteral("Sala")));
    // Invalid as UTF-8: the code page.
    readPlanBytes(store, "0,0,0,0,0,0,0,0,0,0,0,0,\"Jard\xEDn \xC3\xAD\"\r\n");
    QCOMPARE(store.Lista[0].description.text(), padded(QStringLiteral("Jardín Ã\u00AD")));
}

void TestPlanFile::utf8DetectedAfterAnyAsciiStretch()
{
    // ASCII is skipped eight bytes at a time: the first other byte may fall anywhere in a word.
    for (int ascii = 0; ascii < 20; ++ascii) {
        const QByteArray prefix(ascii, 'a');
        QVERIFY(!isUtf8Text(prefix));
        QVERIFY(isUtf8Text(prefix + "\xC3\xA9" + prefix));
        QVERIFY(!isUtf8Text(prefix + "\xE9" + prefix));
        QVERIFY(!isUtf8Text(prefix + "\xC3\xA9" + prefix + "\xE9"));
    }
}

void TestPlanFile::unopenableFileResetsAndFails()
{
    MapStore store;
    store.Lista = {Room::blank(), Room::blank()};
    store.coordinates.resize(2);
    const ReadResult result = readPlanFile(store, QStringLiteral("/nonexistent/mapa.pln"));
    QCOMPARE(result.failure, ReadFailure::Other);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(store.Lista, QVector<Room>{Room::zeroed()});
    QCOMPARE(store.coordinateBase, (Coordinates{1, 1, 1}));
}

void TestPlanFile::failedWriteGoesOnAndReports()
{
    const MapStore store = mapOf({Room::blank(), Room::blank(), Room::blank()});
    const QByteArray record = planRecord(Room::blank());
    FailingDevice device(record.size() * 2);
    QVERIFY(!writePlanRecords(store, device));
    QCOMPARE(device.written, record + record);
    FailingDevice roomy(1000);
    QVERIFY(writePlanRecords(store, roomy));
}

void TestPlanFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mapa.pln"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("antiguo");
    old.close();

    QString error;
    QVERIFY(!writePlanFile(mapOf({Room::blank()}), dir.filePath(QStringLiteral("no/such/dir.pln")),
                           &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(writePlanFile(mapOf({Room::blank()}), path));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), planRecord(Room::blank()));
}

void TestPlanFile::realMapOpens()
{
    const QString path = QStringLiteral(RUMBARIO_SHARED_MAPS "/colossal-cave.pln");
    if (!QFile::exists(path))
        QSKIP("the shared maps are not beside this checkout");
    MapStore store;
    QCOMPARE(readPlanFile(store, path).failure, ReadFailure::None);
    QCOMPARE(store.Lista.size(), 184);
    int exits = 0;
    for (const Room &room : store.Lista)
        exits += int(std::count_if(room.exits.begin(), room.exits.end(),
                                   [](qint16 exit) { return exit != 0; }));
    QCOMPARE(exits, 562);
    // Some descriptions of that file end in a blank, which the writer trims: compare maps.
    store.roomCount = store.tableSize();
    MapStore again;
    QCOMPARE(readPlanBytes(again, writtenBytes(store)).failure, ReadFailure::None);
    QCOMPARE(again.Lista, store.Lista);
    QCOMPARE(again.coordinates, store.coordinates);
}

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_planfile.moc"
