#include "platform/data/database.h"
#include "platform/data/errors.h"
#include "platform/data/recordset.h"
#include "tests/data/checks.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"

#include <QFile>

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
    explicit RawConnection(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
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
    void aWriteWaitsForAnotherProgramThenGivesUp();
    void aFailedWriteLeavesNothingBehind();
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
        {"read-only file",
         [&](const QString& path) {
             items::createEmptyFile(path);
             QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
             return none;
         },
         records::ReadOnlyFile},
        {"read-only folder",
         [&](const QString& path) {
             items::createEmptyFile(path);
             const QString folder = QFileInfo(path).absolutePath();
             QFile::setPermissions(folder,
                                   QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
             return std::shared_ptr<void>(nullptr, [folder](void*) {
                 QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
             });
         },
         records::ReadOnlyFile},
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

QB_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
