// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codepage.h"
#include "core/mapstore.h"
#include "core/planfile.h"
#include "support/failingallocation.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
    void badRecordsCountedFromTheFirst();
    void moreThanTheRoomLimit();
    void codePageRoundTrip();
    void textInEitherEncoding_data();
    void textInEitherEncoding();
    void utf8DetectedAfterAnyAsciiStretch();
    void unreadableFilesResetAndFail_data();
    void unreadableFilesResetAndFail();
    void memoryRunningOutLeavesTablesConsistent();
    void failedWriteGoesOnAndReports();
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
    // reached by its up exit; 6 leads south to 2 and west to 1: south comes first; 7 leads
    // south to 2 and north to 3: north comes first.
    const QByteArray file = "0,0,0,0,2,0,0,0,0,0,0,0,\"\"\r\n"
                            "0,0,0,0,1,0,0,0,0,5,0,0,\"\"\r\n"
                            "0,0,0,0,0,2,0,0,0,0,0,0,\"\"\r\n"
                            "0,0,0,0,0,0,3,0,0,0,0,0,\"\"\r\n"
                            "0,0,0,0,0,0,0,0,2,0,0,0,\"\"\r\n"
                            "0,0,0,0,2,0,1,0,0,0,0,0,\"\"\r\n"
                            "3,0,0,0,2,0,0,0,0,0,0,0,\"\"\r\n";
    MapStore store;
    QCOMPARE(readPlanBytes(store, file).failure, ReadFailure::None);
    const QVector<Coordinates> expected = {{0, 0, 0},  {0, 1, 0}, {0, 0, 0}, {1, 0, 0},
                                           {0, 1, -1}, {0, 2, 0}, {0, -1, 0}};
    QCOMPARE(store.coordinates, expected);
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
    QTest::newRow("carriage return alone") << QByteArray("1,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r2,0,0,0,0,0,0,0,0,0,0,0,\"b\"\r") << ReadFailure::None << 2 << padded(QStringLiteral("b")) << 2;
    QTest::newRow("line ends mixed, blanks at line starts") << QByteArray(" 1,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r 2,0,0,0,0,0,0,0,0,0,0,0,\"b\"\n 3,0,0,0,0,0,0,0,0,0,0,0,\"c\"\r\n") << ReadFailure::None << 3 << padded(QStringLiteral("c")) << 3;
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

void TestPlanFile::badRecordsCountedFromTheFirst()
{
    const QByteArray good = "1,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n";
    const QByteArray bad = "1,x,0,0,0,0,0,0,0,0,0,0,\"b\"\r\n";
    MapStore store;
    ReadResult result = readPlanBytes(store, good + bad + good + good + bad + bad + good);
    QCOMPARE(result.failure, ReadFailure::Other);
    QCOMPARE(result.firstBadRecord, qint16(2));
    QCOMPARE(result.badRecords, 3);
    QVERIFY(result.incomplete());
    // The last failure decides how the read counts; what was lost is still known.
    result = readPlanBytes(store, good + bad + "0,0");
    QCOMPARE(result.failure, ReadFailure::EndOfFileInRecord);
    QCOMPARE(result.badRecords, 1);
    QVERIFY(result.incomplete());
    QVERIFY(!readPlanBytes(store, good + "0,0").incomplete());
}

void TestPlanFile::moreThanTheRoomLimit()
{
    QByteArray file;
    for (int i = 0; i < maxRoomCount + 2; ++i)
        file += "0,0,0,0,0,0,0,0,0,0,0,0,\"\"\r\n";
    MapStore store;
    const ReadResult result = readPlanBytes(store, file);
    QCOMPARE(result.failure, ReadFailure::Other);
    QVERIFY(result.tooManyRecords);
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

/** A plan file of one room per text, with each description in the given encoding. */
QByteArray fileOfTexts(const QStringList &texts, QByteArray (*encode)(QStringView))
{
    QByteArray file;
    for (const QString &text : texts)
        file += "0,0,0,0,0,0,0,0,0,0,0,0,\"" + encode(text) + "\"\r\n";
    return file;
}

QByteArray utf8(QStringView text)
{
    return text.toUtf8();
}

QByteArray codePage(QStringView text)
{
    return toWindows1252(text);
}

// clang-format off
void TestPlanFile::textInEitherEncoding_data()
{
    QTest::addColumn<QStringList>("texts");
    // Real descriptions, chosen for the pairs a Windows-1252 text shares with UTF-8: a capital
    // accented letter before a closing guillemet or quote, and every Spanish letter and sign.
    QTest::newRow("guillemets after capitals") << QStringList{QStringLiteral("El cartel dice «AQUÍ NO»; el guarda grita «¡SÍ!» y «ALLÍ»."), QStringLiteral("Un pasillo húmedo.")};
    QTest::newRow("curly quotes after capitals") << QStringList{QStringLiteral("La puerta dice “SALÓN” y debajo “PELIGRO: RADIACIÓN”."), QStringLiteral("Está todo oscuro.")};
    QTest::newRow("every Spanish letter and sign") << QStringList{QStringLiteral("¿Qué año es? ¡Mañana! Pingüino, cigüeña, ÁÉÍÓÚÜÑ áéíóúüñ."), QStringLiteral("El precio: 5 € – barato… ‘o no’.")};
    QTest::newRow("one accent in a long map") << QStringList{QStringLiteral("Sala grande"), QStringLiteral("Cueva"), QStringLiteral("Túnel"), QStringLiteral("Bosque")};
}
// clang-format on

void TestPlanFile::textInEitherEncoding()
{
    QFETCH(QStringList, texts);
    const auto verifyTexts = [&texts](const QByteArray &file, const char *what) {
        MapStore store;
        QCOMPARE(readPlanBytes(store, file).failure, ReadFailure::None);
        QCOMPARE(store.Lista.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(store.Lista[i].description.text() == padded(texts[i]), what);
    };
    verifyTexts(fileOfTexts(texts, codePage), "Windows-1252");
    verifyTexts(fileOfTexts(texts, utf8), "UTF-8");
    verifyTexts("\xEF\xBB\xBF" + fileOfTexts(texts, utf8), "UTF-8 with a byte-order mark");
    // A UTF-8 map into which one room came in Windows-1252: both keep their accents.
    QStringList longer = texts;
    for (int i = 0; i < 6; ++i)
        longer << QStringLiteral("Habitación %1, con ñandúes").arg(i);
    const QByteArray mixed =
        fileOfTexts(longer.mid(1), utf8) + fileOfTexts(longer.mid(0, 1), codePage);
    texts = longer.mid(1) + longer.mid(0, 1);
    verifyTexts(mixed, "UTF-8 with a room in Windows-1252");
}

void TestPlanFile::utf8DetectedAfterAnyAsciiStretch()
{
    // ASCII is skipped eight bytes at a time: the first other byte may fall anywhere in a word.
    for (int ascii = 0; ascii < 20; ++ascii) {
        const QByteArray prefix(ascii, 'a');
        QVERIFY(!isMostlyUtf8(prefix));
        QVERIFY(isMostlyUtf8(prefix + "\xC3\xA9" + prefix));
        QVERIFY(!isMostlyUtf8(prefix + "\xE9" + prefix));
        QVERIFY(!isMostlyUtf8(prefix + "\xC3\xA9" + prefix + "\xE9"));
        QVERIFY(isMostlyUtf8(prefix + "\xC3\xA9" + prefix + "\xE9\xC3\xB1"));
    }
}

void TestPlanFile::unreadableFilesResetAndFail_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("pipe") << QStringLiteral("pipe");
    QTest::newRow("device") << QStringLiteral("device");
    QTest::newRow("larger than any plan") << QStringLiteral("large");
}

void TestPlanFile::unreadableFilesResetAndFail()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("mapa.pln"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mapa.pln")));
    } else if (kind == QLatin1String("pipe")) {
        // Opening a pipe waits for a writer: a read that tried would never come back.
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else if (kind == QLatin1String("large")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(maxPlanFileSize + 1));
    }
    MapStore store;
    store.Lista = {Room::blank(), Room::blank()};
    store.coordinates.resize(2);
    const ReadResult result = readPlanFile(store, path);
    QCOMPARE(result.failure, ReadFailure::Other);
    QVERIFY(!result.openError.isEmpty());
    QVERIFY(result.incomplete());
    QCOMPARE(store.Lista, QVector<Room>{Room::zeroed()});
    QCOMPARE(store.coordinates, QVector<Coordinates>{Coordinates{}});
    QCOMPARE(store.coordinateBase, (Coordinates{1, 1, 1}));
}

void TestPlanFile::memoryRunningOutLeavesTablesConsistent()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mapa.pln"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "0,0,2,0,0,0,0,0,0,0,0,0,\"Entrada\"\r\n0,0,0,0,0,0,1,0,0,0,0,0,\"Jard\xC3\xADn\"\r\n");
    file.close();
    // Every allocation a read makes fails in turn, until a read gets through; the tables always
    // agree, holding the old map, the reset room, or what was read.
    for (long allocation = 0;; ++allocation) {
        MapStore store;
        store.replaceTables({{Room::blank(), Room::blank()}, {Coordinates{}, Coordinates{}}});
        failAllocationAfter(allocation);
        readPlanFile(store, path);
        const bool failed = allocationFailed();
        QVERIFY(!store.Lista.isEmpty());
        QCOMPARE(store.coordinates.size(), store.Lista.size());
        if (!failed)
            break;
    }
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

void TestPlanFile::realMapOpens()
{
    const QString path = QStringLiteral(RUMBARIO_TEST_DATA "/maps/colossal-cave.pln");
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
