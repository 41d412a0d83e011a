// quillarbon-data's --out on what is not a regular file: a FIFO gets the bytes, a device
// is never replaced by a file, and a write the device refuses is a failure.
#include "inventory/store/chemical_table.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace testsupport;

namespace {

mode_t typeOf(const QString& path)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// A character device like /dev/full or /dev/null (major 1), made in the test's own folder
// so that no fault can replace the machine's. Empty when the test may not make one.
QString deviceNode(const QString& path, unsigned minor)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0 ? path
                                                                                                : QString();
}

} // namespace

class TestOutputs : public QObject
{
    Q_OBJECT
private slots:
    void anOutputThatIsNoFileIsWrittenIntoOrRefused();
};

void TestOutputs::anOutputThatIsNoFileIsWrittenIntoOrRefused()
{
    Row row(store::kColumnCount);
    row[store::NOME] = QStringLiteral("Acetona");
    row[store::HAZARDS] = QStringLiteral("H225");
    TempInventory inv({row});
    QTemporaryDir dir;
    const QString regular = dir.filePath(QStringLiteral("list.csv"));
    auto exportTo = [&](const QString& out, QProcess& p) {
        p.start(QStringLiteral(QB_DATATOOL), {QStringLiteral("--file"), inv.path(),
                                              QStringLiteral("export-csv"), QStringLiteral("--out"), out});
    };
    QProcess toFile;
    exportTo(regular, toFile);
    QVERIFY(toFile.waitForFinished(60000) && toFile.exitCode() == 0);
    QFile expectedFile(regular);
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    const QByteArray expected = expectedFile.readAll();

    // A FIFO: its reader gets the whole CSV, and it stays a FIFO.
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    QProcess toFifo;
    exportTo(fifo, toFifo);
    QByteArray got;
    for (bool finished = false;;) {
        char chunk[4096];
        const ssize_t n = ::read(reader, chunk, sizeof chunk);
        if (n > 0) {
            got.append(chunk, static_cast<qsizetype>(n));
            continue;
        }
        if (finished)
            break;
        finished = toFifo.waitForFinished(20);
    }
    ::close(reader);
    QCOMPARE(toFifo.exitCode(), 0);
    QCOMPARE(got, expected);
    QCOMPARE(typeOf(fifo), mode_t(S_IFIFO));

    // A device that takes every byte is written into; one that refuses them (a full
    // disk) is a numbered error. Either way the device is still a device.
    const QString null = deviceNode(dir.filePath(QStringLiteral("null")), 3);
    const QString full = deviceNode(dir.filePath(QStringLiteral("full")), 7);
    if (null.isEmpty() || full.isEmpty())
        QSKIP("This test may not make device nodes (it runs as root in CI).");
    QProcess toNull;
    exportTo(null, toNull);
    QVERIFY(toNull.waitForFinished(60000));
    QCOMPARE(toNull.exitCode(), 0);
    QProcess toFull;
    exportTo(full, toFull);
    QVERIFY(toFull.waitForFinished(60000));
    const QString err = QString::fromUtf8(toFull.readAllStandardError());
    QCOMPARE(toFull.exitCode(), 1);
    QVERIFY2(err.startsWith(QStringLiteral("Error 702: ")) && err.contains(QStringLiteral("space")),
             qPrintable(err));
    QVERIFY(toFull.readAllStandardOutput().isEmpty());
    QCOMPARE(typeOf(null), mode_t(S_IFCHR));
    QCOMPARE(typeOf(full), mode_t(S_IFCHR));

    // A disk is never written into (this node names no disk that exists).
    const QString disk = dir.filePath(QStringLiteral("disk"));
    QCOMPARE(::mknod(QFile::encodeName(disk).constData(), S_IFBLK | 0600, makedev(7, 250)), 0);
    QProcess toDisk;
    exportTo(disk, toDisk);
    QVERIFY(toDisk.waitForFinished(60000));
    QCOMPARE(toDisk.exitCode(), 1);
    QVERIFY(toDisk.readAllStandardError().startsWith("Error 710: "));
    QCOMPARE(typeOf(disk), mode_t(S_IFBLK));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 5);
}

QB_TEST_MAIN(TestOutputs)
#include "tst_outputs.moc"
