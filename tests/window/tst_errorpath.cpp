// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of event handler, with each call it makes to the window failing in turn as when
// memory runs out: nothing may escape into the event loop, the failure is reported as error 7,
// and the map stays consistent.
#include "core/runtimeerror.h"
#include "support/scriptedservices.h"
#include "window/descriptionentry.h"
#include "window/gameexportcommand.h"
#include "window/keycodes.h"
#include "window/menutable.h"
#include "window/openandsave.h"
#include "window/planmodel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace rumbario;

/** Queues the answers the handler will need, then arms the failure, then runs the handler. */
using Handler =
    std::function<void(Session &, const QString &folder, const std::function<void()> &arm)>;
Q_DECLARE_METATYPE(Handler)

class TestErrorPath : public QObject
{
    Q_OBJECT

private slots:
    void allocationFailureInEveryHandler_data();
    void allocationFailureInEveryHandler();
};

void TestErrorPath::allocationFailureInEveryHandler_data()
{
    QTest::addColumn<Handler>("handler");
    const auto plan = [](const QString &folder) {
        return folder + QStringLiteral("/mapa.pln");
    };
    QTest::newRow("key") << Handler([](Session &session, const QString &, const auto &arm) {
        session.services.inputAnswers = {QStringLiteral("1")};
        session.services.messageAnswers = {Answer::Yes};
        arm();
        session.press('Z');
    });
    QTest::newRow("description box")
        << Handler([](Session &session, const QString &, const auto &arm) {
               session.services.setText(TextBox::Text1, QStringLiteral("Torre"));
               arm();
               Text1_KeyDown(session.editor, Key::Enter, 0);
           });
    QTest::newRow("menu") << Handler([](Session &session, const QString &, const auto &arm) {
        const MenuItem &coordinates = menuTable().at(1).items.at(5);
        arm();
        runMenuItem(session.editor, coordinates);
    });
    QTest::newRow("plan click") << Handler([](Session &session, const QString &, const auto &arm) {
        arm();
        showRoomFromPlan(session.editor, 2);
    });
    QTest::newRow("export") << Handler(
        [plan](Session &session, const QString &folder, const auto &arm) {
            session.services.fileAnswers = {plan(folder) + QStringLiteral(".ni")};
            arm();
            exportGame(session.editor);
        });
    QTest::newRow("save") << Handler(
        [plan](Session &session, const QString &folder, const auto &arm) {
            session.services.fileAnswers = {plan(folder)};
            arm();
            savePlan(session.editor);
        });
    QTest::newRow("open") << Handler(
        [plan](Session &session, const QString &folder, const auto &arm) {
            session.services.fileAnswers = {plan(folder)};
            arm();
            openPlan(session.editor);
        });
    QTest::newRow("closing") << Handler(
        [plan](Session &session, const QString &folder, const auto &arm) {
            session.services.messageAnswers = {Answer::Yes};
            session.services.fileAnswers = {plan(folder)};
            arm();
            Form_QueryUnload(session.editor);
        });
}

void TestErrorPath::allocationFailureInEveryHandler()
{
    QFETCH(Handler, handler);
    QTemporaryDir folder;
    QFile plan(folder.filePath(QStringLiteral("mapa.pln")));
    QVERIFY(plan.open(QIODevice::WriteOnly));
    plan.write("0,0,2,0,0,0,0,0,0,0,0,0,\"a\"\r\n0,0,0,0,0,0,1,0,0,0,0,0,\"b\"\r\n\"c\"\r\n");
    plan.close();
    for (int call = 0;; ++call) {
        Session session;
        session.pressLetters(" E");
        session.services.clearLogs();
        handler(session, folder.path(),
                [&session, call] { session.services.callsBeforeFailure = call; });
        const bool failed = session.services.callsBeforeFailure < 0;
        session.services.callsBeforeFailure = -1;
        const MapStore &store = session.store;
        QCOMPARE(store.roomCount, store.tableSize());
        QVERIFY(store.coordinates.size() >= store.Lista.size());
        QCOMPARE(session.services.dialogs.contains(
                     QStringLiteral("message Ok [] error 7: Memoria insuficiente")),
                 failed);
        session.services.unanswered = 0;
        if (!failed)
            break;
    }
}

QTEST_GUILESS_MAIN(TestErrorPath)
#include "tst_errorpath.moc"
