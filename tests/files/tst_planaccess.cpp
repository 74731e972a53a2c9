// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/keycodes.h"
#include "files/planaccess.h"
#include "files/planfile.h"
#include "support/scriptedservices.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace rumbario;

Q_DECLARE_METATYPE(rumbario::Answer)

namespace {

const QString openFilter =
    QStringLiteral("Archivos de plano (*.pln)|*.pln|Todos los archivos (*.*)|*.*");
const QString saveFilter = QStringLiteral("Archivos de plano (*.pln)|*.pln");
const QString diskQuestion = QStringLiteral(
    "input [acceso a disco] Elija una opción: \r\n1. Abrir un mapa.\r\n2. guardar mapa actual. {}");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/** A three-room map drawn with the keyboard: 1, 2 east of it, 3 north of 2. */
void drawThreeRooms(Session &session)
{
    session.pressLetters(" EU ");
    session.services.clearLogs();
}

} // namespace

class TestPlanAccess : public QObject
{
    Q_OBJECT

private slots:
    void diskChooser_data();
    void diskChooser();
    void saveAndOpenAgain();
    void openThroughF2EndsWithOrdinaryView();
    void cancelledDialogsChangeNothing();
    void emptyNameFromOpenDialog();
    void openingAFileWithTrailingLine();
    void damagedFileLeavesAConsistentEditor();
    void failedSaveIsSilentAndClearsModified();
    void closingQuestion_data();
    void closingQuestion();

private:
    QTemporaryDir mDir;
};

// clang-format off
void TestPlanAccess::diskChooser_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("1 opens") << "1" << "open";
    QTest::newRow("2 saves") << "2" << "save";
    QTest::newRow("a 1 among other text opens") << "opción 1!" << "open";
    QTest::newRow("12 does nothing") << "12" << "";
    QTest::newRow("21 does nothing") << "21" << "";
    QTest::newRow("3 does nothing") << "3" << "";
    QTest::newRow("cancel does nothing") << "" << "";
}
// clang-format on

void TestPlanAccess::diskChooser()
{
    QFETCH(QString, answer);
    QFETCH(QString, dialog);
    Session session;
    session.services.inputAnswers = {answer};
    session.services.fileAnswers = {std::nullopt};
    session.services.setText(TextBox::Text2, QStringLiteral("antes"));
    session.press(Key::F2);
    QCOMPARE(session.services.dialogs.first(), diskQuestion);
    if (dialog.isEmpty()) {
        QCOMPARE(session.services.dialogs.size(), 1);
        // The event ended at once: no redraw.
        QCOMPARE(session.text2(), QStringLiteral("antes"));
    } else {
        QVERIFY(session.services.dialogs.at(1).startsWith(QStringLiteral("file ") + dialog));
        QCOMPARE(session.text2(), QStringLiteral("S 1: (0, 0)"));
    }
}

void TestPlanAccess::saveAndOpenAgain()
{
    const QString path = mDir.filePath(QStringLiteral("tres.pln"));
    Session session;
    drawThreeRooms(session);
    QVERIFY(session.store.modified);
    session.services.fileAnswers = {path};
    savePlan(session.editor);
    QCOMPARE(
        session.services.dialogs,
        (QStringList{
            QStringLiteral("file save [%1] folder=/opt/rumbario name= mustExist=no")
                .arg(saveFilter),
            QStringLiteral("message Ok [] Mapa %1 guardado correctamente, 3 salas").arg(path)}));
    QVERIFY(!session.store.modified);
    QCOMPARE(session.editor.mapName, path);

    Session reopened;
    reopened.services.fileAnswers = {path};
    reopened.services.clearLogs();
    openPlan(reopened.editor);
    QCOMPARE(
        reopened.services.dialogs,
        (QStringList{
            QStringLiteral("file open [%1] folder=/opt/rumbario name= mustExist=yes")
                .arg(openFilter),
            QStringLiteral("message Ok [] Mapa %1 cargado correctamente.3 salas.").arg(path)}));
    QCOMPARE(reopened.store.roomCount, qint16(3));
    QCOMPARE(reopened.store.currentRoom, qint16(1));
    for (qint16 room = 1; room <= 3; ++room)
        QCOMPARE(reopened.store.room(room).exits, session.store.room(room).exits);
    // Coordinates rebuilt, shown one higher; the after-open view puts a blank before the
    // never-described room's zero characters, which end the shown text.
    QCOMPARE(reopened.text2(), QStringLiteral("S 1: Este (1, 1)"));
    QCOMPARE(reopened.text1(), QStringLiteral(" "));
    QVERIFY(!reopened.store.modified);

    // The next dialog starts at the chosen file.
    reopened.services.clearLogs();
    reopened.services.fileAnswers = {std::nullopt};
    savePlan(reopened.editor);
    QVERIFY(reopened.services.dialogs.first().contains(QStringLiteral("name=") + path));
}

void TestPlanAccess::openThroughF2EndsWithOrdinaryView()
{
    const QString path = mDir.filePath(QStringLiteral("f2.pln"));
    writeFile(path, "0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n0,0,0,0,0,0,0,1,0,0,0,0,\"b\"\r\n");
    Session session;
    session.services.inputAnswers = {QStringLiteral("1")};
    session.services.fileAnswers = {path};
    session.press(Key::F2);
    QCOMPARE(session.store.roomCount, qint16(2));
    QCOMPARE(session.text2(), QStringLiteral("S 1: (1, 1)"));
    QCOMPARE(session.text1(), QStringLiteral("a").leftJustified(descriptionLength, u' ', true));
}

void TestPlanAccess::cancelledDialogsChangeNothing()
{
    Session session;
    drawThreeRooms(session);
    session.services.fileAnswers = {std::nullopt, std::nullopt};
    openPlan(session.editor);
    savePlan(session.editor);
    QCOMPARE(session.store.roomCount, qint16(3));
    QVERIFY(session.store.modified);
    QCOMPARE(session.editor.mapName, QStringLiteral("Mapa1"));
    QCOMPARE(session.services.dialogs.size(), 2);
}

void TestPlanAccess::emptyNameFromOpenDialog()
{
    Session session;
    drawThreeRooms(session);
    session.services.fileAnswers = {QString()};
    openPlan(session.editor);
    QCOMPARE(session.text2(), QStringLiteral("Proceso de carga cancelado"));
    QCOMPARE(session.store.roomCount, qint16(3));
    QCOMPARE(session.editor.mapName, QString());
}

void TestPlanAccess::openingAFileWithTrailingLine()
{
    const QString path = mDir.filePath(QStringLiteral("extra.pln"));
    writeFile(path, "0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n\r\n");
    Session session;
    session.services.fileAnswers = {path};
    openPlan(session.editor);
    QCOMPARE(session.services.dialogs.last(),
             QStringLiteral("message Ok [] Mapa %1 cargado correctamente.2 salas.").arg(path));
    QCOMPARE(session.store.roomCount, qint16(2));
}

void TestPlanAccess::damagedFileLeavesAConsistentEditor()
{
    const QString path = mDir.filePath(QStringLiteral("roto.pln"));
    writeFile(path, "0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\nbasura\r\n");
    Session session;
    drawThreeRooms(session);
    session.store.selectRoom(3);
    session.services.fileAnswers = {path};
    openPlan(session.editor);
    QVERIFY(session.services.dialogs.last().startsWith(
        QStringLiteral("message Ok [] No se pudo leer todo el mapa ") + path));
    QCOMPARE(session.store.roomCount, session.store.tableSize());
    QCOMPARE(session.store.currentRoom, qint16(1));
    QVERIFY(!session.store.modified);
}

void TestPlanAccess::failedSaveIsSilentAndClearsModified()
{
    Session session;
    drawThreeRooms(session);
    session.services.fileAnswers = {mDir.filePath(QStringLiteral("no/such/folder.pln"))};
    savePlan(session.editor);
    QCOMPARE(session.services.dialogs.size(), 1);
    QVERIFY(!session.store.modified);
}

// clang-format off
void TestPlanAccess::closingQuestion_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("endedBySave");
    QTest::newRow("unmodified asks nothing") << false << Answer::Ok << false << false << false << false;
    QTest::newRow("yes saves and ends") << true << Answer::Yes << true << false << true << true;
    QTest::newRow("yes, save dialog cancelled, closes") << true << Answer::Yes << false << false << false << false;
    QTest::newRow("no closes without saving") << true << Answer::No << false << false << false << false;
    QTest::newRow("cancel stays open") << true << Answer::Cancel << false << true << false << false;
}
// clang-format on

void TestPlanAccess::closingQuestion()
{
    QFETCH(bool, modified);
    QFETCH(Answer, answer);
    QFETCH(bool, chooseFile);
    QFETCH(bool, staysOpen);
    QFETCH(bool, saved);
    QFETCH(bool, endedBySave);
    const QString path =
        mDir.filePath(QStringLiteral("cierre-%1.pln").arg(QTest::currentDataTag()));
    Session session;
    session.store.modified = modified;
    session.services.messageAnswers = {answer};
    session.services.fileAnswers = {chooseFile ? std::optional<QString>(path) : std::nullopt};
    QCOMPARE(Form_QueryUnload(session.editor), staysOpen);
    if (modified) {
        QCOMPARE(session.services.dialogs.first(),
                 QStringLiteral("message YesNoCancel [Rumbario] ¿Desea guardar los cambios?"));
    } else {
        QVERIFY(session.services.dialogs.isEmpty());
    }
    QCOMPARE(QFile::exists(path), saved);
    QCOMPARE(session.services.ended, endedBySave);
}

QTEST_GUILESS_MAIN(TestPlanAccess)
#include "tst_planaccess.moc"
