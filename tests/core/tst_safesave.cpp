// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recoverycopy.h"
#include "core/safesave.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rumbario;

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    void writtenInPlaceAndKilledAnywhereLeavesAWholeFileOrAKeptCopy();
};

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/** Saves the two contents in turn, for ever, where no new file can be made beside the file. */
[[noreturn]] void saveForEver(const QString &path, const QString &keptFolder,
                              const QByteArray (&contents)[2], int ready)
{
    const OldContentKeeper keeper{[&](QByteArrayView old) {
                                      const QString kept = keptFolder + QStringLiteral("/a.pln");
                                      return keepAsRecoveryCopy(kept, path, old, {}).isEmpty()
                                                 ? kept
                                                 : QString();
                                  },
                                  [](const QString &kept) {
                                      removeRecoveryCopy(kept);
                                  }};
    const char started = 1;
    if (write(ready, &started, 1) != 1)
        _exit(3);
    for (int turn = 1;; turn ^= 1) {
        const QString failure = saveSafely(
            path,
            [&](QIODevice &device) {
                return device.write(contents[turn]) == contents[turn].size();
            },
            keeper);
        if (!failure.isEmpty())
            _exit(2);
    }
}

} // namespace

void TestSafeSave::writtenInPlaceAndKilledAnywhereLeavesAWholeFileOrAKeptCopy()
{
    if (geteuid() != 0)
        QSKIP("only root can run the writer as a user who may not make files in the folder");
    QTemporaryDir dir;
    // The writer runs as another user: it must reach the folders.
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const QString folder = dir.filePath(QStringLiteral("mapas"));
    const QString keptFolder = dir.filePath(QStringLiteral("aparte"));
    const QString path = folder + QStringLiteral("/mapa.pln");
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(keptFolder));
    // Lines of different lengths, so that the new content both grows and shrinks the file.
    const QByteArray contents[2] = {
        QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,\"a\"\r\n").repeated(60000),
        QByteArray("1,1,1,1,1,1,1,1,1,1,1,1,\"b\"\r\n").repeated(90000)};
    QRandomGenerator moments(20261206);
    for (int round = 0; round < 12; ++round) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents[0]) == contents[0].size());
        file.close();
        chmod(QFile::encodeName(path).constData(), 0666);
        chmod(QFile::encodeName(folder).constData(), 0555);
        chmod(QFile::encodeName(keptFolder).constData(), 0777);
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t writer = fork();
        if (writer == 0) {
            close(ready[0]);
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(4);
            saveForEver(path, keptFolder, contents, ready[1]);
        }
        close(ready[1]);
        char started = 0;
        QCOMPARE(read(ready[0], &started, 1), ssize_t(1));
        close(ready[0]);
        // Once the file has been written over at least once, at a moment of its own each round.
        int status = 0;
        while (contentOf(path) == contents[0])
            QVERIFY2(waitpid(writer, &status, WNOHANG) == 0, "the writer could not write");
        for (quint32 spin = moments.bounded(2000000u); spin > 0; --spin)
            asm volatile("");
        kill(writer, SIGKILL);
        waitpid(writer, &status, 0);
        QVERIFY2(WIFSIGNALED(status), "the writer stopped before it was killed");

        const QByteArray left = contentOf(path);
        const QByteArray kept = contentOf(keptFolder + QStringLiteral("/a.pln"));
        const bool whole = left == contents[0] || left == contents[1];
        const bool recoverable = kept == contents[0] || kept == contents[1];
        QVERIFY2(whole || recoverable, qPrintable(QStringLiteral("round %1: %2 bytes left, %3 kept")
                                                      .arg(round)
                                                      .arg(left.size())
                                                      .arg(kept.size())));
        if (recoverable)
            QCOMPARE(recoveryCopies(keptFolder).front().original, path);
        chmod(QFile::encodeName(folder).constData(), 0755);
        removeRecoveryCopy(keptFolder + QStringLiteral("/a.pln"));
    }
}

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
