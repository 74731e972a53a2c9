// SPDX-License-Identifier: GPL-3.0-or-later
// Each game format written from three maps and compared with its golden file: three rooms with
// every kind of exit and the characters each format escapes; rooms named by every rule of room
// names and identifiers (cut at the first stop, empty, never described, long, repeated, reserved
// words); and the real map. The export command itself is played in tests/data/scenarios.
#include "core/gameexport.h"
#include "core/mapstore.h"
#include "core/planfile.h"

#include <QFile>
#include <QTest>

using namespace rumbario;

Q_DECLARE_METATYPE(rumbario::GameFormat)

class TestGameExport : public QObject
{
    Q_OBJECT

private slots:
    void goldenFiles_data();
    void goldenFiles();
};

void TestGameExport::goldenFiles_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<GameFormat>("format");
    QTest::addColumn<QString>("extension");
    for (const char *map : {"tres-salas", "nombres", "colossal-cave"}) {
        for (const GameFormatInfo &info : gameFormats())
            QTest::addRow("%s.%s", map, qPrintable(info.extension))
                << QString::fromLatin1(map) << info.format << info.extension;
    }
}

void TestGameExport::goldenFiles()
{
    QFETCH(QString, map);
    QFETCH(GameFormat, format);
    QFETCH(QString, extension);
    MapStore store;
    QCOMPARE(readPlanFile(store, QStringLiteral(RUMBARIO_TEST_DATA "/maps/") + map +
                                     QStringLiteral(".pln"))
                 .failure,
             ReadFailure::None);
    store.roomCount = store.tableSize();
    const MapStore before = store;
    QFile golden(QStringLiteral(RUMBARIO_TEST_DATA "/export/") + map + u'.' + extension);
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(exportGameSource(store, format, map), golden.readAll());
    QCOMPARE(store.Lista, before.Lista);
}

QTEST_GUILESS_MAIN(TestGameExport)
#include "tst_gameexport.moc"
