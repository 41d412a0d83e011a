#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/errors.h"
#include "platform/forms/identity.h"
#include "tests/data/checks.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>

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

QB_TEST_MAIN(TestChemicalTable)
#include "tst_chemical_table.moc"
