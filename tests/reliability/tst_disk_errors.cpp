// A full disk and failing writes, with the main window open. The disk is a small file
// system the test mounts where it may (root), else the writes of this process fail on
// purpose through libfiu (CTest runs the test under fiu-run -x). An I/O error can only be
// made the second way.
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/errors.h"
#include "platform/forms/identity.h"
#include "platform/testing/messageboxes.h"
#include "tests/data/checks.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

using namespace testsupport;

namespace {

// A file system of its own with little room, mounted over a temporary folder.
class SmallDisk
{
public:
    SmallDisk(const QString& folder, const char* size) : folder_(QFile::encodeName(folder))
    {
        mounted_ = geteuid() == 0 && ::mount("tmpfs", folder_.constData(), "tmpfs", 0,
                                             (QByteArray("size=") + size).constData()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return mounted_; }

    // Fills what room is left, leaving about `room` bytes.
    void fill(qint64 room = 0)
    {
        QFile filler(QString::fromLocal8Bit(folder_) + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        const QByteArray block(4096, 'x');
        qint64 written = 0;
        while (filler.write(block) == block.size() && filler.flush())
            written += block.size();
        filler.close();
        if (room > 0)
            filler.resize(std::max<qint64>(0, filler.size() - room));
    }
    void makeRoom() { QFile::remove(QString::fromLocal8Bit(folder_) + QStringLiteral("/filler")); }

private:
    QByteArray folder_;
    bool mounted_ = false;
};

// Writes of this process made to fail by libfiu, when the test runs under fiu-run -x.
struct Faults
{
    static bool available()
    {
        return qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("fiu_posix_preload")) &&
               !QStandardPaths::findExecutable(QStringLiteral("fiu-ctrl")).isEmpty();
    }
    static bool control(const QString& command)
    {
        return QProcess::execute(
                   QStringLiteral("fiu-ctrl"),
                   {QStringLiteral("-c"), command, QString::number(QCoreApplication::applicationPid())}) == 0;
    }
    // Every write of the file's data (and its syncs) fails with errnum until disable().
    static bool enable(int errnum)
    {
        bool ok = true;
        for (const char* name : kNames)
            ok = control(QStringLiteral("enable name=%1,failinfo=%2").arg(QLatin1String(name)).arg(errnum)) &&
                 ok;
        return ok;
    }
    static void disable()
    {
        for (const char* name : kNames)
            control(QStringLiteral("disable name=%1").arg(QLatin1String(name)));
    }
    // SQLite writes its files with pwrite; write() is left alone, as the test's own output
    // and the pipes of fiu-ctrl use it.
    static constexpr const char* kNames[] = {"posix/io/rw/pwrite", "posix/io/rw/ftruncate",
                                             "posix/io/sync/fdatasync", "posix/io/sync/fsync"};
};

// Whichever way this machine allows, a disk that has no room for what comes next.
class FullDisk
{
public:
    FullDisk(const QString& folder, const char* size) : disk_(folder, size) {}
    ~FullDisk() { makeRoom(); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool possible() const { return disk_.mounted() || Faults::available(); }
    bool mounted() const { return disk_.mounted(); }
    void fill()
    {
        if (disk_.mounted())
            disk_.fill();
        else
            faulted_ = Faults::enable(ENOSPC);
    }
    void makeRoom()
    {
        if (disk_.mounted())
            disk_.makeRoom();
        else if (faulted_)
            Faults::disable();
        faulted_ = false;
    }

private:
    SmallDisk disk_;
    bool faulted_ = false;
};

const char* const kNoWay =
    "This machine can neither mount a small file system (root only) nor make writes fail "
    "(run the test under fiu-run -x, from Debian's fiu-utils).";

std::vector<Row> someRows()
{
    std::vector<Row> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(chemical(QStringLiteral("Composto %1").arg(i, 2, 10, QLatin1Char('0'))));
    return rows;
}

// An inventory made elsewhere and copied into the folder.
void putInventory(const QString& folder, bool wal)
{
    TempInventory made(someRows());
    if (wal) {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(QFile::encodeName(made.path()).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(raw, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
    }
    QFile::copy(made.path(), folder + QStringLiteral("/QBData.mdb"));
}

std::unique_ptr<Tamsel> load(const QString& folder, QString* error)
{
    forms::setPath(folder);
    auto w = std::make_unique<Tamsel>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    try {
        w->Form_Load();
    } catch (const base::RuntimeError& e) {
        *error = QStringLiteral("%1 %2").arg(e.number()).arg(e.text());
        return nullptr;
    }
    w->show();
    return w;
}

QStringList integrity(const QString& path)
{
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "PRAGMA integrity_check", -1, &stmt, nullptr);
    QStringList out;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        out.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))));
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
    return out;
}

QString megabyte()
{
    QString text;
    while (text.size() < 1024 * 1024)
        text += QStringLiteral("H225 Líquido e vapor altamente inflamáveis.\n");
    return text;
}

} // namespace

class TestDiskErrors : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }
    void aFullDiskAtStartIsSaidAndLeavesNothing();
    void aFailedSaveKeepsTheEditAndTheFile_data();
    void aFailedSaveKeepsTheEditAndTheFile();

private:
    // Pastes a megabyte into the hazards of the first record and saves; returns the
    // messages the save gave.
    QStringList saveAMegabyte(Tamsel& w)
    {
        (*boxes)->clear();
        QGuiApplication::clipboard()->setText(megabyte());
        QTest::keyClick(w.txtfields(store::HAZARDS)->widget(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(w.txtfields(store::HAZARDS)->widget(), Qt::Key_V, Qt::ControlModifier);
        w.findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
        QStringList said;
        for (const auto& box : (*boxes)->shown())
            said.append(box.prompt);
        return said;
    }

    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestDiskErrors::aFullDiskAtStartIsSaidAndLeavesNothing()
{
    QTemporaryDir dir;
    FullDisk disk(dir.path(), "1m");
    if (!disk.possible())
        QSKIP(kNoWay);

    // An inventory in WAL mode needs room beside it to be read: the start says the disk is
    // full, and leaves no file behind.
    putInventory(dir.path(), true);
    disk.fill();
    const auto before = folderState(dir.path());
    QString error;
    std::unique_ptr<Tamsel> w = load(dir.path(), &error);
    QVERIFY(!w);
    QVERIFY2(error.startsWith(QString::number(records::DiskError)) &&
                 error.contains(QStringLiteral("is full")) &&
                 error.contains(QDir::toNativeSeparators(dir.path())),
             qPrintable(error));
    QCOMPARE(folderState(dir.path()), before);
    disk.makeRoom();
    QFile::remove(dir.filePath(store::fileName()));

    // One with the rollback journal is read without room, and its save says the disk is full.
    putInventory(dir.path(), false);
    disk.fill();
    const auto full = folderState(dir.path());
    w = load(dir.path(), &error);
    QVERIFY2(w, qPrintable(error));
    QCOMPARE(w->chemNames.size(), std::size_t(41));
    const QStringList said = saveAMegabyte(*w);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].contains(QStringLiteral("is full")), qPrintable(said[0]));
    QVERIFY(w->txtfields(store::HAZARDS)->DataChanged());
    w->Data1()->UpdateControls();
    w.reset();
    QCOMPARE(folderState(dir.path()), full);
}

void TestDiskErrors::aFailedSaveKeepsTheEditAndTheFile_data()
{
    QTest::addColumn<bool>("wal");
    QTest::addColumn<int>("errnum");
    QTest::newRow("disk full, rollback journal") << false << ENOSPC;
    QTest::newRow("disk full, write-ahead log") << true << ENOSPC;
    QTest::newRow("I/O error, rollback journal") << false << EIO;
    QTest::newRow("I/O error, write-ahead log") << true << EIO;
}

void TestDiskErrors::aFailedSaveKeepsTheEditAndTheFile()
{
    QFETCH(bool, wal);
    QFETCH(int, errnum);
    QTemporaryDir dir;
    FullDisk disk(dir.path(), "4m");
    if (errnum == EIO && !Faults::available())
        QSKIP("An I/O error is made by libfiu: run the test under fiu-run -x (Debian's fiu-utils), as CTest "
              "does when fiu-run is installed.");
    if (!disk.possible())
        QSKIP(kNoWay);
    putInventory(dir.path(), wal);
    const QString path = dir.filePath(store::fileName());
    QString error;
    std::unique_ptr<Tamsel> w = load(dir.path(), &error);
    QVERIFY2(w, qPrintable(error));
    w->Data1()->syncBound();
    const QString shownBefore = w->txtfields(store::HAZARDS)->Text();

    if (errnum == ENOSPC)
        disk.fill();
    else
        QVERIFY(Faults::enable(EIO));
    const QStringList said = saveAMegabyte(*w);
    if (errnum == EIO)
        Faults::disable();

    // One message, which says what happened; the edit is still on screen, to be saved.
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].contains(errnum == ENOSPC ? QStringLiteral("is full")
                                               : QStringLiteral("could not read or write")),
             qPrintable(said[0]));
    QVERIFY(w->txtfields(store::HAZARDS)->DataChanged());
    QCOMPARE(w->txtfields(store::HAZARDS)->Text().size(), shownBefore.size() + megabyte().size());

    // The file is whole and holds what it held; no journal is left to repair.
    QCOMPARE(integrity(path), QStringList({QStringLiteral("ok")}));
    {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(raw, "SELECT count(*), count(HAZARDS) FROM TOLMIREKS", -1, &stmt, nullptr);
        QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(stmt, 0), 40);
        QCOMPARE(sqlite3_column_int(stmt, 1), 0);
        sqlite3_finalize(stmt);
        sqlite3_close(raw);
    }
    QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));

    // With room again, the same save goes through.
    disk.makeRoom();
    (*boxes)->clear();
    w->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
    QCOMPARE((*boxes)->shown().size(), 0);
    QVERIFY(!w->txtfields(store::HAZARDS)->DataChanged());
    w.reset();
    QCOMPARE(integrity(path), QStringList({QStringLiteral("ok")}));
}

QB_TEST_MAIN(TestDiskErrors)
#include "tst_disk_errors.moc"
