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

/** Queues the answers a handler needs and runs it; the plan file it may open or save given. */
using Handler = std::function<void(Session &, const QString &plan)>;
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
    QTest::newRow("key") << Handler([](Session &session, const QString &) {
        session.services.inputAnswers = {QStringLiteral("1")};
        session.services.messageAnswers = {Answer::Yes};
        session.press('Z');
    });
    QTest::newRow("description box") << Handler(
        [](Session &session, const QString &) { Text1_KeyDown(session.editor, Key::Enter, 0); });
    QTest::newRow("menu") << Handler([](Session &session, const QString &) {
        runMenuItem(session.editor, menuTable().at(1).items.at(5));
    });
    QTest::newRow("plan click") << Handler(
        [](Session &session, const QString &) { showRoomFromPlan(session.editor, 2); });
    QTest::newRow("export") << Handler([](Session &session, const QString &plan) {
        session.services.fileAnswers = {plan + QStringLiteral(".ni")};
        exportGame(session.editor);
    });
    QTest::newRow("save") << Handler([](Session &session, const QString &plan) {
        session.services.fileAnswers = {plan};
        savePlan(session.editor);
    });
    QTest::newRow("open") << Handler([](Session &session, const QString &plan) {
        session.services.fileAnswers = {plan};
        openPlan(session.editor);
    });
    QTest::newRow("closing") << Handler([](Session &session, const QString &plan) {
        session.services.messageAnswers = {Answer::Yes};
        session.services.fileAnswers = {plan};
        Form_QueryUnload(session.editor);
    });
}

void TestErrorPath::allocationFailureInEveryHandler()
{
    QFETCH(Handler, handler);
    QTemporaryDir folder;
    const QString plan = folder.filePath(QStringLiteral("mapa.pln"));
    QFile file(plan);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0,0,2,0,0,0,0,0,0,0,0,0,\"a\"\r\n0,0,0,0,0,0,1,0,0,0,0,0,\"b\"\r\n\"c\"\r\n");
    file.close();
    int call = 0;
    for (;; ++call) {
        Session session;
        session.pressLetters(" E");
        // A description typed, for the handler of the description box.
        session.services.setText(TextBox::Text1, QStringLiteral("Torre"));
        session.services.clearLogs();
        session.services.callsBeforeFailure = call;
        handler(session, plan);
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
    QVERIFY2(call > 0, "the handler made no call that could fail");
}

QTEST_GUILESS_MAIN(TestErrorPath)
#include "tst_errorpath.moc"
