// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codepage.h"
#include "core/mapstore.h"
#include "core/planfile.h"
#include "support/failingallocation.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace rumbario;

class TestPlanFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripOfGeneratedMaps();
    void moreThanTheRoomLimit();
    void codePageRoundTrip();
    void utf8DetectedAfterAnyAsciiStretch();
    void memoryRunningOutLeavesTablesConsistent();
};

void TestPlanFile::roundTripOfGeneratedMaps()
{
    QRandomGenerator random(20261205);
    for (int map = 0; map < 20; ++map) {
        const int count = 1 + random.bounded(60);
        MapTables tables;
        for (int i = 0; i < count; ++i) {
            Room room;
            for (qint16 &exit : room.exits)
                exit = static_cast<qint16>(random.bounded(-2, count + 3));
            QString text;
            for (int c = random.bounded(120); c > 0; --c)
                text += QChar(u"abc ñÁé,;\"x"[random.bounded(11)]);
            room.description.setText(text);
            tables.rooms << room;
        }
        tables.coordinates.resize(count);
        MapStore written;
        written.replaceTables(std::move(tables));
        written.setRoomCount(qint16(count));
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        writePlanRecords(written, bytes);
        MapStore read;
        QCOMPARE(readPlanBytes(read, bytes.data()).failure, ReadFailure::None);
        QCOMPARE(read.rooms().size(), written.rooms().size());
        for (int i = 0; i < count; ++i) {
            QCOMPARE(read.rooms()[i].exits, written.rooms()[i].exits);
            // Leading blanks are lost; everything else survives.
            const QString expected = written.rooms()[i].description.text().trimmed();
            QCOMPARE(read.rooms()[i].description.text().trimmed(), expected);
        }
        QCOMPARE(read.coordinateBase(), (Coordinates{1, 1, 1}));
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
    QVERIFY(result.tooManyRecords);
    QCOMPARE(store.rooms().size(), int(maxRoomCount));

    QByteArray exact = file.left(file.size() / (maxRoomCount + 2) * maxRoomCount);
    QCOMPARE(readPlanBytes(store, exact).failure, ReadFailure::None);
    QCOMPARE(store.rooms().size(), int(maxRoomCount));
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
        QVERIFY(!store.rooms().isEmpty());
        QCOMPARE(store.coordinates().size(), store.rooms().size());
        if (!failed)
            break;
    }
}

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_planfile.moc"
