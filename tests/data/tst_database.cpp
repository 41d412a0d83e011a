#include "platform/data/database.h"
#include "platform/data/errors.h"
#include "platform/data/recordset.h"
#include "tests/data/checks.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace testsupport;
using namespace items;
using records::Database;
using records::Recordset;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A raw connection of another program, outside the engine.
struct RawConnection
{
    explicit RawConnection(const QString& path, int flags = SQLITE_OPEN_READWRITE)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    }
    ~RawConnection() { sqlite3_close(db); }
    int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
    sqlite3* db = nullptr;
};

// An inventory of many rows whose pages the engine has to read, without its write-ahead log.
void makeRollbackInventory(const QString& path)
{
    items::createEmptyFile(path);
    RawConnection raw(path);
    QCOMPARE(raw.exec("PRAGMA journal_mode=DELETE"), SQLITE_OK);
    QCOMPARE(raw.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 400) "
                      "INSERT INTO ITEMS (NAME, NOTES) SELECT 'Chemical ' || i, hex(randomblob(200)) FROM n"),
             SQLITE_OK);
}

struct BadFile
{
    const char* what;
    std::function<std::shared_ptr<void>(const QString& path)> make; // returns what must live on
    int error;
};

// Opens the file as a window does: the file, then the cursor on the table.
int openAsAWindow(const QString& path, QString* text)
{
    records::OpenOptions options;
    options.busyTimeoutMs = 100;
    return errorNumber(
        [&] {
            auto db = Database::open(path, options);
            Recordset rs(*db, items::recordSource());
            if (rs.RecordCount() > 0)
                rs.Fields(items::NOTES).Value();
        },
        text);
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT
private slots:
    void badFilesAreRefusedAndLeftAsTheyWere();
    void readOnlyFileOpensForReadingOnly();
    void aLinkedFileIsJudgedByTheFolderItLeadsTo();
    void aDamagedFileOpensForReadingAndTakesNoWrite();
    void aWriteWaitsForAnotherProgramThenGivesUp();
    void aFailedWriteLeavesNothingBehind();
    void writesNeverChangeTheJournalMode();
};

void TestDatabase::badFilesAreRefusedAndLeftAsTheyWere()
{
    const auto none = std::shared_ptr<void>();
    const std::vector<BadFile> cases = {
        {"missing file", [&](const QString&) { return none; }, records::FileNotFound},
        {"empty file",
         [&](const QString& path) {
             writeBytes(path, {});
             return none;
         },
         records::NotADatabase},
        {"not a database",
         [&](const QString& path) {
             writeBytes(path, "LABEL;NAME;CODE\nAcetone;Acetona;C3H6O\n");
             return none;
         },
         records::NotADatabase},
        {"a folder",
         [&](const QString& path) {
             QDir().mkdir(path);
             return none;
         },
         records::NotADatabase},
        {"Access file of the earlier version",
         [&](const QString& path) {
             QByteArray jet(4096, '\0');
             jet.replace(0, 4, QByteArray("\x00\x01\x00\x00", 4));
             jet.replace(4, 15, "Standard Jet DB");
             writeBytes(path, jet);
             return none;
         },
         records::OldAccessFormat},
        {"another program's database",
         [&](const QString& path) {
             Database::create(path, QStringLiteral("CREATE TABLE REAGENTS (NAME TEXT);"));
             return none;
         },
         records::TableNotFound},
        {"no column to order by",
         [&](const QString& path) {
             Database::create(path, QStringLiteral("CREATE TABLE ITEMS (LABEL TEXT, CODE TEXT);"));
             return none;
         },
         records::ColumnNotFound},
        {"locked by another program",
         [&](const QString& path) {
             makeRollbackInventory(path);
             auto locker = std::make_shared<RawConnection>(path);
             locker->exec("PRAGMA locking_mode=EXCLUSIVE");
             if (locker->exec("BEGIN EXCLUSIVE") != SQLITE_OK)
                 qWarning("the lock was not taken");
             return std::static_pointer_cast<void>(locker);
         },
         records::Locked},
        {"damaged from its first page",
         [&](const QString& path) {
             makeRollbackInventory(path);
             QByteArray bytes = readBytes(path);
             for (qsizetype i = 100; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>((i * 7919) & 0xff);
             writeBytes(path, bytes);
             return none;
         },
         records::Damaged},
        {"cut short in a copy",
         [&](const QString& path) {
             makeRollbackInventory(path);
             writeBytes(path, readBytes(path).left(3 * 4096));
             return none;
         },
         records::Damaged},
        {"damaged after its schema",
         [&](const QString& path) {
             makeRollbackInventory(path);
             QByteArray bytes = readBytes(path);
             const int pageSize = 4096;
             for (qsizetype i = 2 * pageSize; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>((i * 104729) & 0xff);
             writeBytes(path, bytes);
             return none;
         },
         records::Damaged},
    };

    for (const BadFile& c : cases) {
        TempTable inv;
        QFile::remove(inv.path());
        const auto keep = c.make(inv.path());
        const auto before = folderState(inv.folder());
        QString text;
        const int error = openAsAWindow(inv.path(), &text);
        QVERIFY2(
            error == c.error,
            qPrintable(QStringLiteral("%1: error %2, %3").arg(QLatin1String(c.what)).arg(error).arg(text)));
        // The text names the file and its folder.
        QVERIFY2(text.contains(QStringLiteral("items.db")), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(inv.folder())), qPrintable(text));
        QVERIFY2(folderState(inv.folder()) == before, c.what);
    }

    // A missing folder is named, and nothing is made in its place.
    TempTable inv;
    const QString path = inv.folder() + QStringLiteral("/Quillarbon/items.db");
    QString text;
    QCOMPARE(openAsAWindow(path, &text), int(records::FolderNotFound));
    QVERIFY(text.contains(QDir::toNativeSeparators(inv.folder() + QStringLiteral("/Quillarbon"))));
    QVERIFY(text.contains(QStringLiteral("items.db")));
    QVERIFY(!QFileInfo::exists(inv.folder() + QStringLiteral("/Quillarbon")));
    QCOMPARE(openAsAWindow(QStringLiteral("  "), &text), int(records::FileNotFound));
}

void TestDatabase::readOnlyFileOpensForReadingOnly()
{
    TempTable inv({item(QStringLiteral("Acetona"))});
    QFile::setPermissions(inv.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    records::OpenOptions options;
    options.readOnly = true;
    auto db = Database::open(inv.path(), options);
    Recordset rs(*db, items::recordSource());
    QCOMPARE(rs.Fields(items::NAME).Value().toString(), QStringLiteral("Acetona"));
    const QByteArray before = readBytes(inv.path());
    QCOMPARE(errorNumber([&] {
                 rs.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 2")}});
             }),
             int(records::ReadOnlyRecordset));
    QCOMPARE(errorNumber([&] { rs.Delete(); }), int(records::ReadOnlyRecordset));
    QCOMPARE(readBytes(inv.path()), before);
    QFile::setPermissions(inv.path(), QFile::ReadOwner | QFile::WriteOwner);
}

void TestDatabase::aLinkedFileIsJudgedByTheFolderItLeadsTo()
{
    // As the Debian package lays it out: the program's folder takes no writes, and its
    // file is a link into a data folder where SQLite keeps the journal.
    TempTable inv({item(QStringLiteral("Acetona"))});
    QTemporaryDir program;
    const QString link = program.filePath(QStringLiteral("items.db"));
    QVERIFY(QFile::link(inv.path(), link));
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
    const auto writable = readOnly | QFile::WriteOwner;
    QFile::setPermissions(program.path(), readOnly);
    QString refusal;
    {
        auto db = Database::open(link);
        Recordset rs(*db, items::recordSource());
        errorNumber([&] { rs.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 2")}}); }, &refusal);
    }
    QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
    QCOMPARE(inv.column(items::PLACE), QStringList(QStringLiteral("Cabinet 2")));
    QCOMPARE(QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(QStringLiteral("items.db")));

    // The data folder read-only: that is the folder the refusal names.
    QFile::setPermissions(inv.folder(), readOnly);
    int error = 0;
    {
        auto db = Database::open(link);
        Recordset rs(*db, items::recordSource());
        error = errorNumber(
            [&] {
                rs.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 3")}});
            },
            &refusal);
    }
    QFile::setPermissions(inv.folder(), writable);
    QFile::setPermissions(program.path(), writable);
    QCOMPARE(error, int(records::ReadOnlyFile));
    QVERIFY2(refusal.contains(QDir::toNativeSeparators(QFileInfo(inv.folder()).canonicalFilePath())),
             qPrintable(refusal));
    QCOMPARE(inv.column(items::PLACE), QStringList(QStringLiteral("Cabinet 2")));
}

namespace {

// A freelist whose first page lies past the end of the file: reads go on, but a write
// that takes a free page would make it worse.
void breakFreelist(const QString& path)
{
    QByteArray bytes = readBytes(path);
    bytes.replace(32, 8, QByteArray("\x00\x00\x7f\xf0\x00\x00\x00\x05", 8));
    writeBytes(path, bytes);
}

} // namespace

void TestDatabase::aDamagedFileOpensForReadingAndTakesNoWrite()
{
    // The window's suite tries every kind of damage; here, every kind of write, and both
    // ways the check runs.
    for (const bool exclusive : {false, true}) {
        TempTable inv({item(QStringLiteral("Acetona")), item(QStringLiteral("Benzeno"))});
        breakFreelist(inv.path());
        const auto before = folderState(inv.folder());
        records::OpenOptions options;
        options.exclusive = exclusive;
        auto db = Database::open(inv.path(), options);
        Recordset rs(*db, items::recordSource());
        QCOMPARE(rs.Fields(items::NAME).Value().toString(), QStringLiteral("Acetona"));
        db->startCheck();
        const records::DataError* refusal = db->writeRefusal();
        QVERIFY(refusal && refusal->number() == records::Damaged);
        QVERIFY2(refusal->text().contains(QDir::toNativeSeparators(inv.path())) &&
                     refusal->text().contains(QStringLiteral("last backup")),
                 qPrintable(refusal->text()));
        QCOMPARE(errorNumber([&] {
                     rs.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 2")}});
                 }),
                 int(records::Damaged));
        QCOMPARE(errorNumber([&] { rs.Delete(); }), int(records::Damaged));
        QCOMPARE(errorNumber([&] {
                     rs.AddNew();
                     rs.writeCurrent({{items::NAME, QStringLiteral("Dioxano")}});
                 }),
                 int(records::Damaged));
        QVERIFY(folderState(inv.folder()) == before);
    }
}

void TestDatabase::aWriteWaitsForAnotherProgramThenGivesUp()
{
    TempTable inv({item(QStringLiteral("Acetona")), item(QStringLiteral("Benzeno"))});
    records::OpenOptions options;
    options.busyTimeoutMs = 100;
    auto db = Database::open(inv.path(), options);
    Recordset rs(*db, items::recordSource());

    // Another program is in the middle of a write.
    RawConnection other(inv.path());
    QCOMPARE(other.exec("BEGIN IMMEDIATE"), SQLITE_OK);
    QCOMPARE(other.exec("UPDATE ITEMS SET PLACE = 'Cabinet 5'"), SQLITE_OK);
    // Reading goes on meanwhile.
    rs.setAbsolutePosition(1);
    QCOMPARE(rs.Fields(items::NAME).Value().toString(), QStringLiteral("Benzeno"));
    QString text;
    QCOMPARE(errorNumber(
                 [&] {
                     rs.writeCurrent({{items::AMOUNT, QStringLiteral("1 kg")}});
                 },
                 &text),
             int(records::Locked));
    QVERIFY(text.contains(QDir::toNativeSeparators(inv.path())));
    QCOMPARE(errorNumber([&] { rs.Delete(); }), int(records::Locked));
    QCOMPARE(other.exec("COMMIT"), SQLITE_OK);

    // Once it has finished, the same write goes through.
    rs.writeCurrent({{items::AMOUNT, QStringLiteral("1 kg")}});
    QCOMPARE(inv.column(items::AMOUNT), QStringList({QString(), QStringLiteral("1 kg")}));
    QCOMPARE(inv.column(items::PLACE),
             QStringList({QStringLiteral("Cabinet 5"), QStringLiteral("Cabinet 5")}));
}

void TestDatabase::aFailedWriteLeavesNothingBehind()
{
    TempTable inv({item(QStringLiteral("Acetona"))});
    auto db = Database::open(inv.path());
    const int error = errorNumber([&] {
        db->write([&] {
            records::Statement add(*db, QStringLiteral("INSERT INTO ITEMS (NAME) VALUES (?1)"));
            records::Statement::Reset done(add);
            add.bind(1, QVariant(QStringLiteral("Benzeno")));
            add.step();
            // The second half of the write fails.
            records::Statement bad(*db, QStringLiteral("INSERT INTO ITEMS (PESO) VALUES (1)"));
        });
    });
    QCOMPARE(error, int(records::DatabaseError));
    QCOMPARE(inv.column(items::NAME), QStringList({QStringLiteral("Acetona")}));
    // The connection is not left inside the failed transaction.
    Recordset rs(*db, items::recordSource());
    rs.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 6")}});
    QCOMPARE(inv.column(items::PLACE), QStringList({QStringLiteral("Cabinet 6")}));
}

void TestDatabase::writesNeverChangeTheJournalMode()
{
    // Bytes 18 and 19 of the header say which journal a file uses: 1 rollback, 2 WAL.
    auto modeBytes = [](const QString& path) {
        return readBytes(path).mid(18, 2);
    };
    auto writeThrough = [](const QString& path) {
        auto db = Database::open(path);
        Recordset rs(*db, items::recordSource());
        rs.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 3")}});
        rs.AddNew();
        rs.writeCurrent({{items::NAME, QStringLiteral("Dioxano")}});
        rs.setAbsolutePosition(0);
        rs.Delete();
    };

    // A file the program makes keeps the rollback journal through every kind of write.
    TempTable made({item(QStringLiteral("Acetona")), item(QStringLiteral("Benzeno"))});
    QCOMPARE(modeBytes(made.path()), QByteArray("\x01\x01", 2));
    writeThrough(made.path());
    QCOMPARE(modeBytes(made.path()), QByteArray("\x01\x01", 2));
    QVERIFY(!QFileInfo::exists(made.path() + QStringLiteral("-wal")));

    // A file another tool (or an earlier version) put in WAL mode stays in it.
    TempTable wal({item(QStringLiteral("Acetona")), item(QStringLiteral("Benzeno"))});
    {
        RawConnection raw(wal.path());
        QCOMPARE(raw.exec("PRAGMA journal_mode=WAL; PRAGMA application_id=0; PRAGMA user_version=0"),
                 SQLITE_OK);
    }
    QCOMPARE(modeBytes(wal.path()), QByteArray("\x02\x02", 2));
    writeThrough(wal.path());
    QCOMPARE(modeBytes(wal.path()), QByteArray("\x02\x02", 2));
    QCOMPARE(wal.column(items::NAME), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Dioxano")}));
}

QB_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
