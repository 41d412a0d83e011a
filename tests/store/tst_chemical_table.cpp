#include "inventory/store/chemical_table.h"
#include "inventory/store/format.h"
#include "platform/data/boundfield.h"
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/errors.h"
#include "platform/data/recordset.h"
#include "platform/forms/identity.h"
#include "tests/data/checks.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <sqlite3.h>

using namespace testsupport;

namespace {

// A window's data control with one box bound by the name its design gives.
struct Window
{
    explicit Window(const QString& boundAs = QStringLiteral("NOME"))
    {
        data = new records::DataControl(&top);
        data->setObjectName(QStringLiteral("Data1"));
        box = new records::BoundLineEdit(&top);
        box->setDataSource(QStringLiteral("Data1"));
        box->setDataField(boundAs);
    }
    QWidget top;
    records::DataControl* data;
    records::BoundLineEdit* box;
};

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Another program's access to the file, outside the engine.
int rawExec(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    nullptr);
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

std::int64_t pragma(const QString& path, const char* name)
{
    auto db = records::Database::open(path, {true});
    return db->pragma(name);
}

// Deletes the record with the largest id through one connection and adds another, while
// a second connection still holds the deleted one: true when that one then finds its
// record deleted rather than showing the new one.
bool staleCursorSeesItsRecordDeleted(const QString& path)
{
    auto list = store::openInventory(path);
    list->setReadBursts([] {});
    records::Recordset held(*list, store::recordSource());
    const int last = held.RecordCount() - 1;
    held.setAbsolutePosition(last);
    list->endReadBurst();

    auto main = store::openInventory(path);
    {
        records::Recordset rs(*main, store::recordSource());
        rs.setAbsolutePosition(last);
        rs.Delete();
    }
    records::Recordset rs(*main, store::recordSource());
    rs.AddNew();
    rs.writeCurrent({{store::NOME, QStringLiteral("Dioxano")}});
    held.setAbsolutePosition(last);
    return errorNumber([&] { held.Fields(store::NOME).Value(); }) == records::RecordDeleted;
}

} // namespace

class TestChemicalTable : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { forms::setPath({}); }

    void bothFilePartsReachOneFile();
    void gridBindingsReachTheirColumns();
    void aTableOfAnotherShapeIsRefused();
    void creatingRefusesToTouchWhatIsThere();
    void anInventoryOnANetworkShareIsToldOnce();
    void inventoriesCarryTheirIdentityAndOldOnesAreBroughtOver();
};

void TestChemicalTable::bothFilePartsReachOneFile()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno")), chemical(QStringLiteral("Acetona"))});

    // The folder as the system gives it, and with the separator a root folder ends in.
    for (const QString& folder : {inv.folder(), inv.folder() + QStringLiteral("/")}) {
        forms::setPath(folder);
        const QString main = store::databasePath(forms::Path(), store::mainFilePart());
        const QString list = store::databasePath(forms::Path(), store::listFilePart());
        QVERIFY(main.endsWith(QStringLiteral("\\QBData.mdb")));
        QCOMPARE(records::normalizePath(main), inv.path());
        QCOMPARE(records::normalizePath(list), inv.path());

        Window a, b;
        store::openCursor(*a.data, forms::Path(), store::mainFilePart());
        store::openCursor(*b.data, forms::Path(), store::listFilePart());
        a.data->syncBound();
        QCOMPARE(a.box->Text(), QStringLiteral("Acetona"));
        a.data->Recordset()->writeCurrent({{store::QUANTIDADE, folder}});
        b.data->Recordset()->setAbsolutePosition(0);
        QCOMPARE(b.data->Recordset()->Fields(store::QUANTIDADE).Value().toString(), folder);
        // The cursor opened again stands on the first record.
        b.data->Recordset()->setAbsolutePosition(1);
        store::reopenCursor(*b.data);
        QCOMPARE(b.data->Recordset()->AbsolutePosition(), 0);
        QCOMPARE(b.data->RecordSource(), store::recordSource());
    }
    // No second file was made under another spelling of the name.
    const QStringList files = QDir(inv.folder()).entryList(QDir::Files);
    QVERIFY2(files == QStringList({QStringLiteral("QBData.mdb")}), qPrintable(files.join(QLatin1Char(' '))));

    // A program kept in the root folder joins two separators, which name the file below root.
    forms::setPath(QStringLiteral("/"));
    QCOMPARE(store::databasePath(forms::Path(), store::mainFilePart()), QStringLiteral("/\\QBData.mdb"));
    QCOMPARE(records::normalizePath(store::databasePath(forms::Path(), store::mainFilePart())),
             QStringLiteral("/QBData.mdb"));
    QCOMPARE(records::normalizePath(store::databasePath(forms::Path(), store::listFilePart())),
             QStringLiteral("/QBData.mdb"));
}

void TestChemicalTable::gridBindingsReachTheirColumns()
{
    TempInventory inv(
        {chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O"))});
    forms::setPath(inv.folder());
    Window byName(QStringLiteral("Nome")), byFormula(QStringLiteral("Formula"));
    store::openCursor(*byName.data, forms::Path(), store::listFilePart());
    store::openCursor(*byFormula.data, forms::Path(), store::listFilePart());
    byName.data->syncBound();
    byFormula.data->syncBound();
    QCOMPARE(byName.box->Text(), QStringLiteral("Acetona"));
    QCOMPARE(byFormula.box->Text(), QStringLiteral("C3H6O"));
}

void TestChemicalTable::aTableOfAnotherShapeIsRefused()
{
    // A table of the right name lacking a column, or with its columns in another order.
    const QStringList shapes = {
        QStringLiteral(
            "CREATE TABLE TOLMIREKS (ALDRICH TEXT, NOME TEXT, FORNECEDOR TEXT, FORMULA TEXT, LOCAL TEXT, "
            "QUANTIDADE TEXT, MW TEXT, MP TEXT, BP TEXT, DENSITY TEXT, CARACTERISTIC TEXT);"),
        QStringLiteral(
            "CREATE TABLE TOLMIREKS (NOME TEXT, ALDRICH TEXT, FORNECEDOR TEXT, FORMULA TEXT, LOCAL TEXT, "
            "QUANTIDADE TEXT, MW TEXT, MP TEXT, BP TEXT, DENSITY TEXT, HAZARDS TEXT, CARACTERISTIC TEXT);"),
    };
    const QStringList named = {QStringLiteral("HAZARDS"), QStringLiteral("ALDRICH")};
    for (int i = 0; i < shapes.size(); ++i) {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/QBData.mdb");
        records::Database::create(path, shapes.at(i) +
                                            QStringLiteral("INSERT INTO TOLMIREKS (NOME) VALUES ('A');"));
        const auto before = folderState(dir.path());
        forms::setPath(dir.path());
        {
            Window w;
            QString text;
            QCOMPARE(
                errorNumber([&] { store::openCursor(*w.data, forms::Path(), store::mainFilePart()); }, &text),
                int(records::ColumnNotFound));
            QVERIFY2(text.contains(named.at(i)), qPrintable(text));
            QVERIFY2(text.contains(QDir::toNativeSeparators(path)), qPrintable(text));
        }
        QCOMPARE(folderState(dir.path()), before);
    }

    // The empty inventory this program makes has every column in its place.
    TempInventory inv;
    forms::setPath(inv.folder());
    Window w;
    store::openCursor(*w.data, forms::Path(), store::mainFilePart());
    QCOMPARE(w.data->Recordset()->RecordCount(), 0);
}

void TestChemicalTable::creatingRefusesToTouchWhatIsThere()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    const auto before = folderState(inv.folder());
    QString text;
    QVERIFY(errorNumber([&] { store::createEmptyInventory(inv.path()); }, &text) != 0);
    QVERIFY(text.contains(QDir::toNativeSeparators(inv.path())));
    QCOMPARE(folderState(inv.folder()), before);
    QCOMPARE(inv.column(store::NOME), QStringList({QStringLiteral("Acetona")}));

    // Nor under another spelling of the same path.
    QVERIFY(errorNumber(
                [&] { store::createEmptyInventory(inv.folder() + QStringLiteral("//QBData.mdb")); }) != 0);
    QVERIFY(errorNumber(
                [&] { store::createEmptyInventory(inv.folder() + QStringLiteral("\\QBData.mdb")); }) != 0);
    QCOMPARE(folderState(inv.folder()), before);

    // A script that fails leaves no file of any kind, nor does a missing folder.
    const QString other = inv.folder() + QStringLiteral("/Other.mdb");
    QCOMPARE(errorNumber([&] {
                 records::Database::create(other, store::schemaScript() + QStringLiteral("INSERT INTO X;"));
             }),
             int(records::DatabaseError));
    QCOMPARE(
        errorNumber([&] { store::createEmptyInventory(inv.folder() + QStringLiteral("/none/QBData.mdb")); }),
        int(records::FolderNotFound));
    QCOMPARE(folderState(inv.folder()), before);
}

void TestChemicalTable::anInventoryOnANetworkShareIsToldOnce()
{
    // The program's folder holds a link to the inventory in a share whose mount point has a
    // space, which the mount table writes as \040.
    QTemporaryDir dir;
    const QString share = dir.path() + QStringLiteral("/lab share");
    const QString program = dir.path() + QStringLiteral("/program");
    QVERIFY(QDir().mkpath(share) && QDir().mkpath(program));
    store::createEmptyInventory(share + QStringLiteral("/QBData.mdb"));
    QVERIFY(QFile::link(share + QStringLiteral("/QBData.mdb"), program + QStringLiteral("/QBData.mdb")));
    forms::setPath(program);
    Window w;
    store::openCursor(*w.data, forms::Path(), store::mainFilePart());

    const QString mountPoint =
        QFileInfo(share).canonicalFilePath().replace(QLatin1Char(' '), QStringLiteral("\\040"));
    auto table = [&](const QString& shareType) {
        const QString path = dir.path() + QStringLiteral("/mountinfo-") + shareType;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return QString();
        f.write(QStringLiteral("22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                               "40 22 0:50 / %1 rw,relatime shared:30 - %2 server:/lab rw\n")
                    .arg(mountPoint, shareType)
                    .toUtf8());
        return path;
    };
    QVERIFY(store::noticeOfNetworkShare(*w.data->Recordset(), table(QStringLiteral("ext4"))).isEmpty());
    const QString notice = store::noticeOfNetworkShare(*w.data->Recordset(), table(QStringLiteral("nfs4")));
    QVERIFY2(notice.startsWith(QStringLiteral("Warning 340: ")) && notice.contains(QStringLiteral("(nfs4)")),
             qPrintable(notice));
    QVERIFY(store::noticeOfNetworkShare(*w.data->Recordset(), table(QStringLiteral("nfs4"))).isEmpty());
}

void TestChemicalTable::inventoriesCarryTheirIdentityAndOldOnesAreBroughtOver()
{
    // A new inventory says what it is, in the header any SQLite tool reads.
    TempInventory fresh({chemical(QStringLiteral("Acetona"))});
    QCOMPARE(pragma(fresh.path(), "application_id"), std::int64_t(store::kApplicationId));
    QCOMPARE(pragma(fresh.path(), "user_version"), std::int64_t(store::kFormatVersion));

    // An inventory made the old way: no id, and the largest id ever deleted (7) in the user
    // version.
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("QBData.mdb"));
    QCOMPARE(rawExec(old, store::schemaScript() +
                              QStringLiteral("INSERT INTO TOLMIREKS (rowid, NOME) VALUES (1, 'Acetona'), "
                                             "(2, 'Benzeno'); PRAGMA user_version = 7;")),
             SQLITE_OK);
    // A window looking at it changes nothing.
    const QByteArray before = readBytes(old);
    {
        Window w;
        store::openCursor(*w.data, dir.path(), QStringLiteral("/QBData.mdb"));
        QCOMPARE(w.data->Recordset()->RecordCount(), 2);
    }
    QCOMPARE(readBytes(old), before);

    // Its first write carries the mark over, and leaves the journal mode another tool set
    // as it was: a record added after a delete takes an id above
    // every id ever used, so a cursor still holding the deleted record never shows the new one.
    QCOMPARE(rawExec(old, QStringLiteral("PRAGMA journal_mode = WAL")), SQLITE_OK);
    QVERIFY(staleCursorSeesItsRecordDeleted(old));
    {
        auto db = store::openInventory(old, store::openOptions(true));
        records::Statement ids(*db, QStringLiteral("SELECT max(rowid) FROM TOLMIREKS"));
        records::Statement::Reset done(ids);
        QVERIFY(ids.step());
        QCOMPARE(ids.int64(0), std::int64_t(8));
    }
    QCOMPARE(pragma(old, "application_id"), std::int64_t(store::kApplicationId));
    QCOMPARE(pragma(old, "user_version"), std::int64_t(store::kFormatVersion));
    QCOMPARE(readBytes(old).mid(18, 2), QByteArray("\x02\x02", 2));

    // Another program's file with a table of the right shape opens and keeps its header.
    const QString foreign = dir.filePath(QStringLiteral("foreign.mdb"));
    QCOMPARE(rawExec(foreign, store::schemaScript() +
                                  QStringLiteral("INSERT INTO TOLMIREKS (NOME) VALUES ('Acetona'); "
                                                 "PRAGMA application_id = 1234; PRAGMA user_version = 41;")),
             SQLITE_OK);
    {
        auto db = store::openInventory(foreign);
        records::Recordset rs(*db, store::recordSource());
        rs.writeCurrent({{store::LOCAL, QStringLiteral("Cabinet 2")}});
    }
    QCOMPARE(pragma(foreign, "application_id"), std::int64_t(1234));
    QCOMPARE(pragma(foreign, "user_version"), std::int64_t(41));

    // An inventory of a newer format is refused untouched, by a window and by the
    // companion's road alike, with a word on what to do.
    QCOMPARE(rawExec(fresh.path(), QStringLiteral("PRAGMA user_version = 3")), SQLITE_OK);
    const QByteArray newer = readBytes(fresh.path());
    QString text;
    QCOMPARE(errorNumber([&] { store::openInventory(fresh.path()); }, &text), int(records::NewerFormat));
    QVERIFY2(text.contains(QDir::toNativeSeparators(fresh.path())) && text.contains(QStringLiteral("newer")),
             qPrintable(text));
    Window w;
    QCOMPARE(errorNumber([&] { store::openCursor(*w.data, fresh.folder(), store::listFilePart()); }),
             int(records::NewerFormat));
    QCOMPARE(readBytes(fresh.path()), newer);
}

QB_TEST_MAIN(TestChemicalTable)
#include "tst_chemical_table.moc"
