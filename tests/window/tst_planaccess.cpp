// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gameexport.h"
#include "core/planfile.h"
#include "support/childprocess.h"
#include "support/scriptedservices.h"
#include "window/gameexportcommand.h"
#include "window/keycodes.h"
#include "window/planaccess.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no se puede leer)");
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
    void failedReadsSayWhatWasLost_data();
    void failedReadsSayWhatWasLost();
    void savingOverAPartlyReadFileKeepsItsOriginal();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void folderWithoutRoomForANewFileIsWrittenInPlace();
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

// clang-format off
void TestPlanAccess::failedReadsSayWhatWasLost_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const QByteArray good = "0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n";
    const QByteArray bad = "0,x,0,0,0,0,0,0,0,0,0,0,\"b\"\r\n";
    QTest::newRow("one room") << good + bad + good << QStringLiteral("No se pudo leer todo el mapa %1: la sala 2 tiene un dato que no es un número entre -32768 y 32767. Se muestran las 3 salas leídas.");
    QTest::newRow("several rooms") << good + bad + good + bad + bad << QStringLiteral("No se pudo leer todo el mapa %1: 3 salas tienen un dato que no es un número entre -32768 y 32767 (la primera, la sala 2). Se muestran las 5 salas leídas.");
    QTest::newRow("the only room") << bad << QStringLiteral("No se pudo leer todo el mapa %1: la sala 1 tiene un dato que no es un número entre -32768 y 32767. Se muestra la única sala leída.");
    QTest::newRow("not a file") << QByteArray() << QStringLiteral("No se pudo abrir el mapa %1: no es un archivo de datos, sino una carpeta, un dispositivo o una tubería.");
}
// clang-format on

void TestPlanAccess::failedReadsSayWhatWasLost()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QString path = mDir.filePath(QStringLiteral("roto-%1.pln").arg(QTest::currentDataTag()));
    if (file.isEmpty())
        QVERIFY(QDir(mDir.path()).mkdir(QFileInfo(path).fileName()));
    else
        writeFile(path, file);
    Session session;
    drawThreeRooms(session);
    session.store.selectRoom(3);
    session.services.fileAnswers = {path};
    openPlan(session.editor);
    QCOMPARE(session.services.dialogs.last(), QStringLiteral("message Ok [] ") + message.arg(path));
    // The editor goes on as after a good read of what could be read.
    QCOMPARE(session.store.roomCount, session.store.tableSize());
    QCOMPARE(session.store.currentRoom, qint16(1));
    QCOMPARE(session.text2().left(4), QStringLiteral("S 1:"));
    QVERIFY(!session.store.modified);
}

void TestPlanAccess::savingOverAPartlyReadFileKeepsItsOriginal()
{
    const QString path = mDir.filePath(QStringLiteral("a-medias.pln"));
    const QByteArray original =
        "0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n0,?,0,0,0,0,0,0,0,0,0,0,\"b\"\r\n";
    writeFile(path, original);
    writeFile(path + u'~', "una copia vieja");
    Session session;
    session.services.fileAnswers = {path, path, path};
    openPlan(session.editor);
    savePlan(session.editor);
    QCOMPARE(readFile(path + u'~'), original);
    QVERIFY(readFile(path).startsWith("0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n"));
    // Only the first save keeps it: the next one would keep the editor's own file.
    session.pressLetters(" E");
    savePlan(session.editor);
    QCOMPARE(readFile(path + u'~'), original);
    QCOMPARE(session.store.roomCount, qint16(3));
    QCOMPARE(readFile(path).count('\n'), 3);
}

// clang-format off
void TestPlanAccess::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("gameExport");
    QTest::addColumn<int>("rooms");
    QTest::addColumn<qint64>("roomOnDisk");
    // -1: every byte but the last, which the final flush writes.
    QTest::newRow("save, disk already full") << false << 3 << qint64(0);
    QTest::newRow("save, last byte missing") << false << 3 << qint64(-1);
    QTest::newRow("save, disk full half-way") << false << 3000 << qint64(4096);
    QTest::newRow("export, last byte missing") << true << 3 << qint64(-1);
    QTest::newRow("export, disk full half-way") << true << 3000 << qint64(4096);
}
// clang-format on

/** What a save or an export of the map writes: its size decides where a disk can fill up. */
QByteArray bytesOfCommand(Editor &editor, bool gameExport)
{
    if (gameExport)
        return exportGameSource(editor.store, GameFormat::Daad, QStringLiteral("Mapa1"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writePlanRecords(editor.store, buffer);
    return buffer.data();
}

void TestPlanAccess::fullDiskKeepsTheOldFile()
{
    QFETCH(bool, gameExport);
    QFETCH(int, rooms);
    QFETCH(qint64, roomOnDisk);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mapa.dsf"));
    const QByteArray old(12900, 'v');
    writeFile(path, old);
    QFile oldFile(path);
    QVERIFY(oldFile.open(QIODevice::ReadOnly));

    Session session;
    session.addRooms(rooms);
    session.editor.exportDialog.selectedFilter = QStringLiteral("DAAD (*.dsf)");
    session.services.fileAnswers = {path};
    const QByteArray written = bytesOfCommand(session.editor, gameExport);
    const rlim_t limit = rlim_t(roomOnDisk < 0 ? written.size() - 1 : roomOnDisk);
    const int successShown = runInChild([&] {
        // Writing past the limit fails with EFBIG, as on a full disk, instead of killing.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        if (gameExport)
            exportGame(session.editor);
        else
            savePlan(session.editor);
        const QString said = session.services.dialogs.join(u'\n');
        return said.contains(QStringLiteral("correctamente")) ||
               said.contains(QStringLiteral("exportado:"));
    });
    QCOMPARE(successShown, 0);
    QCOMPARE(oldFile.readAll(), old);
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("mapa.dsf")});

    // With room on the disk the file is replaced, not written over: the old handle still reads
    // the old bytes.
    session.services.fileAnswers = {path};
    if (gameExport)
        exportGame(session.editor);
    else
        savePlan(session.editor);
    QCOMPARE(readFile(path), written);
    QVERIFY(oldFile.seek(0));
    QCOMPARE(oldFile.readAll(), old);
}

void TestPlanAccess::folderWithoutRoomForANewFileIsWrittenInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mapa.pln"));
    writeFile(path, "antiguo");
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                            QFile::WriteOther));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther));
    QFile oldFile(path);
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    Session session;
    drawThreeRooms(session);
    session.services.fileAnswers = {path};
    const int outcome = runInChild([&session] {
        // Root may create files anywhere: the save runs as a user who may not.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 3;
        savePlan(session.editor);
        return session.services.dialogs.last().contains(QStringLiteral("correctamente")) ? 0 : 1;
    });
    QVERIFY(
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(outcome, 0);
    const QByteArray written = bytesOfCommand(session.editor, false);
    QCOMPARE(readFile(path), written);
    QCOMPARE(oldFile.readAll(), written);
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
