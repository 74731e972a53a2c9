// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mapstore.h"
#include "core/planfile.h"
#include "core/runtimeerror.h"
#include "support/scriptedservices.h"
#include "window/descriptionentry.h"
#include "window/keycodes.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace rumbario;

class TestMapStore : public QObject
{
    Q_OBJECT

private slots:
    void journalRevertsAndReappliesSessions();
};

namespace {

/**
 * What a revert must bring back: the plan file's bytes, the rooms as stored (with the blanks the
 * file trims), and what the file does not hold.
 */
using MapState =
    std::tuple<QByteArray, QVector<Room>, QVector<Coordinates>, Coordinates, qint16, qint16, Room>;

MapState stateOf(const MapStore &store)
{
    QBuffer plan;
    plan.open(QIODevice::WriteOnly);
    writePlanRecords(store, plan);
    return {plan.data(),     store.Lista,       store.coordinates,    store.coordinateBase,
            store.roomCount, store.currentRoom, store.currentRoomCopy};
}

/** One user action chosen at random, with the answers its questions will get. */
void playRandomAction(Session &session, QRandomGenerator &random, const QString &planPath)
{
    ScriptedServices &services = session.services;
    const auto number = [&random](int low, int high) {
        return QString::number(random.bounded(low, high + 1));
    };
    const qint16 rooms = session.store.roomCount;
    const char directionKeys[] = "UIESNWYQADF";
    switch (random.bounded(12)) {
    case 0:
        session.press(Key::Space);
        break;
    case 1: // a description, typed and entered
        session.press('T');
        services.setText(TextBox::Text1, QStringLiteral("Sala ") + number(1, 999));
        Text1_KeyDown(session.editor, Key::Enter, 0);
        break;
    case 2: // a link, sometimes to a room that does not exist, which the recovery clears
        services.inputAnswers = {number(0, 13), number(1, rooms + 2),
                                 QStringLiteral("NSEWUD").mid(random.bounded(6), 1)};
        services.messageAnswers = {random.bounded(2) ? Answer::Yes : Answer::No};
        session.press('X');
        break;
    case 3:
        services.inputAnswers = {number(1, 3), QString()};
        services.messageAnswers = {random.bounded(2) ? Answer::Yes : Answer::No};
        session.press('Z');
        break;
    case 4:
        services.messageAnswers = {Answer::Yes};
        session.press(Key::Delete);
        break;
    case 5:
        services.inputAnswers = {number(-9, 9), number(-9, 9), number(-9, 9)};
        session.press(Key::F3);
        break;
    case 6:
        if (random.bounded(4) == 0) {
            services.inputAnswers = {QStringLiteral("1")};
            services.fileAnswers = {planPath};
            session.press(Key::F2);
            break;
        }
        [[fallthrough]];
    default:
        session.press(directionKeys[random.bounded(11)]);
        break;
    }
    services.forgetAnswers();
}

} // namespace

void TestMapStore::journalRevertsAndReappliesSessions()
{
    QTemporaryDir dir;
    const QString planPath = dir.filePath(QStringLiteral("mapa.pln"));
    QFile plan(planPath);
    QVERIFY(plan.open(QIODevice::WriteOnly));
    // Three rooms with an exit to a room the file lacks.
    plan.write("0,0,2,0,0,0,0,0,0,0,0,0,\"a\"\r\n0,0,0,0,9,0,1,0,0,0,0,0,\"b\"\r\n"
               "2,0,0,0,0,0,0,0,0,0,0,0,\"c\"\r\n");
    plan.close();
    QRandomGenerator random(141205);
    for (int run = 0; run < 40; ++run) {
        Session session;
        MapStore &store = session.store;
        // The state after each entry; an action makes at most one.
        std::vector<MapState> states{stateOf(store)};
        for (int action = 0; action < 80; ++action) {
            playRandomAction(session, random, planPath);
            const size_t entries = store.journal.entries().size();
            QVERIFY(entries <= states.size());
            if (entries == states.size())
                states.push_back(stateOf(store));
        }
        const std::vector<JournalEntry> entries = store.journal.entries();
        const QByteArray where = "run " + QByteArray::number(run) + ", entry ";
        for (size_t entry = entries.size(); entry-- > 0;) {
            store.revert(entries[entry]);
            QVERIFY2(stateOf(store) == states[entry], where + QByteArray::number(entry));
        }
        for (size_t entry = 0; entry < entries.size(); ++entry) {
            store.reapply(entries[entry]);
            QVERIFY2(stateOf(store) == states[entry + 1], where + QByteArray::number(entry));
        }
    }
}

QTEST_GUILESS_MAIN(TestMapStore)
#include "tst_mapstore.moc"
