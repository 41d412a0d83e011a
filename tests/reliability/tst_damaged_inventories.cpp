// Every kind of damaged, foreign or unwritable inventory, made here byte by byte, opened by
// the main window as the program opens it. Each must give a numbered message that names
// the file; the window either does not open, leaving nothing behind, or opens for looking
// and searching and refuses every write; and the file's bytes stay as they were.
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/datagrid.h"
#include "platform/data/recordset.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"
#include "platform/testing/messageboxes.h"
#include "tests/data/checks.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <functional>
#include <memory>

using namespace testsupport;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

int rawExec(const QString& path, const char* sql, int flags = SQLITE_OPEN_READWRITE)
{
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    const int rc = sqlite3_exec(raw, sql, nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    return rc;
}

// The last page of the table of a kind ("leaf", "internal", "overflow"): far from the
// records a window shows first.
int pageOf(const QString& path, const char* kind)
{
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "SELECT max(pageno) FROM dbstat WHERE name = 'TOLMIREKS' AND pagetype = ?1", -1,
                       &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, kind, -1, SQLITE_STATIC);
    const int page = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
    return page;
}

void scramble(const QString& path, qsizetype from, qsizetype length)
{
    QByteArray bytes = readBytes(path);
    for (qsizetype i = from; i < from + length && i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919) & 0xff);
    writeBytes(path, bytes);
}

void scramblePage(const QString& path, int page)
{
    QVERIFY(page > 1);
    scramble(path, static_cast<qsizetype>(page - 1) * 4096, 4096);
}

// An inventory of 300 chemicals; every tenth has hazards long enough to take overflow pages.
std::vector<Row> manyRows()
{
    std::vector<Row> rows;
    for (int i = 0; i < 300; ++i) {
        Row r =
            chemical(QStringLiteral("Composto %1").arg(i, 3, 10, QLatin1Char('0')),
                     QStringLiteral("Compound %1").arg(i), QStringLiteral("C%1H%2").arg(i % 20).arg(i % 7));
        if (i % 10 == 0)
            r[store::HAZARDS] =
                QStringLiteral("H225 Líquido e vapor altamente inflamáveis.\r\n").repeated(150);
        rows.push_back(r);
    }
    return rows;
}

// The main window loaded over the folder; null when the load failed, with its error.
std::unique_ptr<Tamsel> load(const QString& folder, int* error, QString* text)
{
    forms::setPath(folder);
    auto w = std::make_unique<Tamsel>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->Data1()->setBusyTimeout(200);
    try {
        w->Form_Load();
    } catch (const base::RuntimeError& e) {
        *error = e.number();
        *text = e.text();
        return nullptr;
    }
    *error = 0;
    return w;
}

struct Kind
{
    const char* what;
    std::function<std::shared_ptr<void>(const QString& path)> make; // returns what must live on
    int error;  // the number the load fails with; 0 when the window opens
    int notice; // the number of the notice a window that opens gives; 0 for none
};

// A read-only file system of its own for the test, as a disc or a read-only share is.
class ReadOnlyMount
{
public:
    explicit ReadOnlyMount(const QString& folder) : folder_(folder)
    {
        const QByteArray target = QFile::encodeName(folder);
        mounted_ = geteuid() == 0 && ::mount("tmpfs", target.constData(), "tmpfs", 0, "size=4m") == 0;
    }
    ~ReadOnlyMount()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    ReadOnlyMount(const ReadOnlyMount&) = delete;
    ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;
    bool mounted() const { return mounted_; }
    bool makeReadOnly()
    {
        const QByteArray target = QFile::encodeName(folder_);
        return ::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=4m") == 0;
    }

private:
    QString folder_;
    bool mounted_ = false;
};

} // namespace

class TestDamagedInventories : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }
    void everyKindIsNamedAndNoneIsChanged();
    void numbersAndBlobsInTheNamesReadAsText();
    void aReadOnlyDiscOpensForLooking();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestDamagedInventories::everyKindIsNamedAndNoneIsChanged()
{
    const auto none = std::shared_ptr<void>();
    const auto inventory = [](const QString& path) {
        QFile::remove(path);
        store::createEmptyInventory(path);
        TempInventory::insertInto(path, manyRows());
    };
    const std::vector<Kind> kinds = {
        {"missing", [&](const QString&) { return none; }, records::FileNotFound, 0},
        {"empty",
         [&](const QString& path) {
             writeBytes(path, {});
             return none;
         },
         records::NotADatabase, 0},
        {"text, not a database",
         [&](const QString& path) {
             writeBytes(path, "NOME;FORMULA\r\nAcetona;C3H6O\r\n");
             return none;
         },
         records::NotADatabase, 0},
        {"all zeros",
         [&](const QString& path) {
             writeBytes(path, QByteArray(8192, '\0'));
             return none;
         },
         records::NotADatabase, 0},
        {"a folder of that name",
         [&](const QString& path) {
             QDir().mkdir(path);
             return none;
         },
         records::NotADatabase, 0},
        {"Access file of the earlier version",
         [&](const QString& path) {
             QByteArray jet(4096, '\0');
             jet.replace(0, 4, QByteArray("\x00\x01\x00\x00", 4));
             jet.replace(4, 15, "Standard Jet DB");
             writeBytes(path, jet);
             return none;
         },
         records::OldAccessFormat, 0},
        {"another program's database",
         [&](const QString& path) {
             rawExec(path, "CREATE TABLE REAGENTS (NAME TEXT)", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
             return none;
         },
         records::TableNotFound, 0},
        {"the table without a column the window shows",
         [&](const QString& path) {
             rawExec(path, "CREATE TABLE TOLMIREKS (ALDRICH TEXT, NOME TEXT, FORMULA TEXT)",
                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
             return none;
         },
         records::ColumnNotFound, 0},
        {"made by a newer version",
         [&](const QString& path) {
             inventory(path);
             rawExec(path, "PRAGMA user_version = 9");
             return none;
         },
         records::NewerFormat, 0},
        {"first byte of the header damaged",
         [&](const QString& path) {
             inventory(path);
             scramble(path, 0, 1);
             return none;
         },
         records::NotADatabase, 0},
        {"page size in the header damaged",
         [&](const QString& path) {
             inventory(path);
             QByteArray bytes = readBytes(path);
             bytes[16] = '\x03';
             bytes[17] = '\x01';
             writeBytes(path, bytes);
             return none;
         },
         records::Damaged, 0},
        {"cut short in a copy",
         [&](const QString& path) {
             inventory(path);
             writeBytes(path, readBytes(path).left(3 * 4096));
             return none;
         },
         records::Damaged, 0},
        {"schema page damaged",
         [&](const QString& path) {
             inventory(path);
             scramble(path, 100, 4096 - 100);
             return none;
         },
         records::Damaged, 0},
        {"a page of records damaged",
         [&](const QString& path) {
             inventory(path);
             scramblePage(path, pageOf(path, "leaf"));
             return none;
         },
         records::Damaged, 0},
        {"an inner page of the table damaged",
         [&](const QString& path) {
             inventory(path);
             scramblePage(path, pageOf(path, "internal"));
             return none;
         },
         records::Damaged, 0},
        {"locked by another program",
         [&](const QString& path) {
             inventory(path);
             struct Locker
             {
                 sqlite3* db = nullptr;
                 ~Locker() { sqlite3_close(db); }
             };
             auto locker = std::make_shared<Locker>();
             sqlite3_open_v2(QFile::encodeName(path).constData(), &locker->db, SQLITE_OPEN_READWRITE,
                             nullptr);
             sqlite3_exec(locker->db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE", nullptr, nullptr,
                          nullptr);
             return std::static_pointer_cast<void>(locker);
         },
         records::Locked, 0},
        {"broken freelist",
         [&](const QString& path) {
             inventory(path);
             QByteArray bytes = readBytes(path);
             bytes.replace(32, 8, QByteArray("\x00\x00\x7f\xf0\x00\x00\x00\x05", 8));
             writeBytes(path, bytes);
             return none;
         },
         0, records::Damaged},
        {"a long value's overflow page damaged",
         [&](const QString& path) {
             inventory(path);
             scramblePage(path, pageOf(path, "overflow"));
             return none;
         },
         0, records::Damaged},
        {"a page that belongs to nothing",
         [&](const QString& path) {
             inventory(path);
             const QByteArray bytes = readBytes(path);
             QByteArray grown = bytes + QByteArray(4096, '\0');
             // The header's page count follows, as a copy tool would leave it.
             const quint32 pages = static_cast<quint32>(grown.size() / 4096);
             for (int i = 0; i < 4; ++i)
                 grown[28 + i] = static_cast<char>((pages >> (24 - 8 * i)) & 0xff);
             writeBytes(path, grown);
             return none;
         },
         0, records::Damaged},
        {"read-only file",
         [&](const QString& path) {
             inventory(path);
             QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
             return std::shared_ptr<void>(nullptr, [path](void*) {
                 QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
             });
         },
         0, records::ReadOnlyFile},
        {"read-only folder",
         [&](const QString& path) {
             inventory(path);
             const QString folder = QFileInfo(path).absolutePath();
             QFile::setPermissions(folder,
                                   QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
             return std::shared_ptr<void>(nullptr, [folder](void*) {
                 QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
             });
         },
         0, records::ReadOnlyFile},
        {"in WAL mode, as an earlier version left it",
         [&](const QString& path) {
             inventory(path);
             rawExec(path, "PRAGMA journal_mode=WAL; PRAGMA application_id=0; PRAGMA user_version=0;");
             return none;
         },
         0, 0},
    };

    int refused = 0, opened = 0;
    for (const Kind& k : kinds) {
        QTemporaryDir dir;
        const QString path = dir.filePath(store::fileName());
        const auto keep = k.make(path);
        const auto before = folderState(dir.path());
        (*boxes)->clear();
        int error = 0;
        QString text;
        std::unique_ptr<Tamsel> w = load(dir.path(), &error, &text);
        QVERIFY2(
            error == k.error,
            qPrintable(QStringLiteral("%1: error %2 %3").arg(QLatin1String(k.what)).arg(error).arg(text)));
        if (k.error != 0) {
            // A clean failure: the message names the file, and no window is left.
            ++refused;
            QVERIFY2(text.contains(QDir::toNativeSeparators(path)) ||
                         text.contains(QDir::toNativeSeparators(dir.path())),
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(k.what), text)));
            QVERIFY(w == nullptr);
        } else {
            // The window is there to look at and search.
            ++opened;
            w->show();
            QCOMPARE(w->chemNames.size(), std::size_t(301));
            w->Text2()->setText(QStringLiteral("Composto 025"));
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
            QVERIFY2(QTest::qWaitFor([&] { return w->hitCount > 0; }, 5000), k.what);
            // The file's check has run, and the window has had the time to say what it found.
            const records::Connection& db = w->Data1()->Recordset()->database();
            QVERIFY(QTest::qWaitFor([&] { return !db.checkPending(); }, 30000));
            QVERIFY(QTest::qWaitFor([&] { return !(*boxes)->shown().isEmpty(); },
                                    k.notice == 0 ? 300 : 10000) == (k.notice != 0));
            if (k.notice == 0) {
                QVERIFY2((*boxes)->shown().isEmpty(), k.what);
            } else {
                // Said once, with the file's name; every save says the same.
                QCOMPARE((*boxes)->shown().size(), 1);
                const QString why = (*boxes)->shown()[0].prompt;
                QVERIFY2(why.contains(QDir::toNativeSeparators(path)) ||
                             why.contains(QDir::toNativeSeparators(dir.path())),
                         qPrintable(why));
                QVERIFY2(why.contains(k.notice == records::Damaged ? QStringLiteral("is damaged")
                                                                   : QStringLiteral("read-only")),
                         qPrintable(why));
                QWidget* place = w->txtfields(store::LOCAL)->widget();
                QTest::keyClick(place, Qt::Key_End);
                typeText(place, QStringLiteral(" (alto)"));
                w->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
                QCOMPARE((*boxes)->shown().size(), 2);
                QVERIFY2((*boxes)->shown()[1].prompt.endsWith(why), qPrintable((*boxes)->shown()[1].prompt));
                QVERIFY(w->txtfields(store::LOCAL)->DataChanged());
                w->Data1()->UpdateControls();
                // The list window opens without saying it again; a removal says the same.
                QPointer<list_window::frmDataGrid> list = list_window::showDataGrid();
                QVERIFY(list && list->grdDataGrid()->model()->rowCount() == 300);
                list->close();
                (*boxes)->answer(forms::Ok);
                w->findChild<QAction*>(QStringLiteral("mnudel"))->trigger();
                QCOMPARE((*boxes)->shown().size(), 4);
                QVERIFY2((*boxes)->shown()[3].prompt.endsWith(why), qPrintable((*boxes)->shown()[3].prompt));
            }
            w.reset();
        }
        if (k.notice != 0 || k.error != 0)
            QVERIFY2(folderState(dir.path()) == before, k.what);
    }
    qInfo("%d kinds refused at opening, %d opened for looking; every file's bytes unchanged", refused,
          opened);
}

void TestDamagedInventories::numbersAndBlobsInTheNamesReadAsText()
{
    // Another tool made the table without column types, so the names keep their storage
    // class: INTEGER, REAL, BLOB (some bytes not UTF-8) and TEXT. Forty of each, so the
    // window's load reads the names a whole column at a time too.
    QTemporaryDir dir;
    const QString path = dir.filePath(store::fileName());
    QCOMPARE(
        rawExec(
            path,
            "CREATE TABLE TOLMIREKS (ALDRICH, NOME, FORNECEDOR, FORMULA, LOCAL, QUANTIDADE, MW, MP, BP, "
            "DENSITY, HAZARDS, CARACTERISTIC);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
            "INSERT INTO TOLMIREKS (NOME, FORMULA) SELECT column1, column2 FROM n, (VALUES (42, 'n'), "
            "(1.2345678901234567e300, 'r'), (x'ff00fe41', 'b'), (x'41636574616e61', 'bt'), ('Acetona', 't'), "
            "(NULL, 'null'), (-7, 'neg'));",
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE),
        SQLITE_OK);
    int error = 0;
    QString text;
    std::unique_ptr<Tamsel> w = load(dir.path(), &error, &text);
    QVERIFY2(w, qPrintable(text));
    w->show();
    // As the user reads them, in the person's order: Null first, numbers before letters.
    QStringList names;
    for (const QString& n : w->chemNames.toVector())
        names.append(n);
    QCOMPARE(names.size(), 281);
    QCOMPARE(names.first(), QString());
    const QStringList readable{QStringLiteral("-7"), QStringLiteral("1.23456789012346e+300"),
                               QStringLiteral("42"), QStringLiteral("Acetana"), QStringLiteral("Acetona")};
    qsizetype last = 0;
    for (const QString& name : readable) {
        QVERIFY2(names.indexOf(name) > last && names.count(name) == 40, qPrintable(name));
        last = names.indexOf(name);
    }
    QCOMPARE(names.count(QString::fromUtf8(QByteArray("\xff\x00\xfe\x41", 4))), 40);
    w->Text2()->setText(QStringLiteral("e+300"));
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return w->hitCount == 40; }, 5000));
    w->Data1()->syncBound();
    QCOMPARE(w->txtfields(store::FORMULA)->Text(), QStringLiteral("r"));

    // Saving another box of that record leaves the number as it was stored.
    QWidget* place = w->txtfields(store::LOCAL)->widget();
    typeText(place, QStringLiteral("Armário 2"));
    w->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
    QVERIFY((*boxes)->shown().isEmpty());
    w.reset();
    auto db = records::Database::open(path);
    records::Statement saved(*db,
                             QStringLiteral("SELECT typeof(NOME), NOME FROM TOLMIREKS WHERE LOCAL = ?1"));
    records::Statement::Reset done(saved);
    saved.bind(1, QVariant(QStringLiteral("Armário 2")));
    QVERIFY(saved.step());
    QCOMPARE(saved.value(0).toString(), QStringLiteral("real"));
    // The engine's own statements read it as the window shows it.
    QCOMPARE(saved.value(1).toString(), QStringLiteral("1.23456789012346e+300"));
}

void TestDamagedInventories::aReadOnlyDiscOpensForLooking()
{
    for (const bool wal : {false, true}) {
        QTemporaryDir dir;
        ReadOnlyMount disc(dir.path());
        if (!disc.mounted())
            QSKIP("A read-only file system needs a mount, which only root may make here; the read-only "
                  "file and folder are tested above.");
        const QString path = dir.filePath(store::fileName());
        store::createEmptyInventory(path);
        TempInventory::insertInto(path, manyRows());
        if (wal)
            QCOMPARE(rawExec(path, "PRAGMA journal_mode=WAL"), SQLITE_OK);
        QVERIFY(disc.makeReadOnly());
        const auto before = folderState(dir.path());
        (*boxes)->clear();
        int error = 0;
        QString text;
        std::unique_ptr<Tamsel> w = load(dir.path(), &error, &text);
        QVERIFY2(w, qPrintable(text));
        QCOMPARE(w->chemNames.size(), std::size_t(301));
        QCOMPARE((*boxes)->shown().size(), 1);
        QVERIFY2((*boxes)->shown()[0].prompt.contains(QStringLiteral("read-only disc")),
                 qPrintable((*boxes)->shown()[0].prompt));
        w->findChild<QAction*>(QStringLiteral("nmunew"))->trigger();
        typeText(w->txtfields(store::NOME)->widget(), QStringLiteral("Antraceno"));
        w->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
        QCOMPARE((*boxes)->shown().size(), 2);
        QVERIFY((*boxes)->shown()[1].prompt.endsWith((*boxes)->shown()[0].prompt));
        w->Data1()->UpdateControls();
        w.reset();
        QCOMPARE(folderState(dir.path()), before);
    }
}

QB_TEST_MAIN(TestDamagedInventories)
#include "tst_damaged_inventories.moc"
