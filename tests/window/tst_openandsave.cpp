// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gameexport.h"
#include "core/planfile.h"
#include "support/childprocess.h"
#include "support/scriptedservices.h"
#include "window/gameexportcommand.h"
#include "window/keycodes.h"
#include "window/openandsave.h"

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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no se puede leer)");
}

} // namespace

// Saving where the disk fills up or no new file can be made; the rest of opening and saving is
// played by the scenarios in tests/data/scenarios/files.txt.
class TestOpenAndSave : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void folderWithoutRoomForANewFileIsWrittenInPlace();
};

// clang-format off
void TestOpenAndSave::fullDiskKeepsTheOldFile_data()
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

void TestOpenAndSave::fullDiskKeepsTheOldFile()
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

void TestOpenAndSave::folderWithoutRoomForANewFileIsWrittenInPlace()
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
    session.pressLetters(" EU ");
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

QTEST_GUILESS_MAIN(TestOpenAndSave)
#include "tst_openandsave.moc"
