// Two programs on one file, each a real process: this test's main window and another copy
// of the program (qb_window_program), in both journal modes. No save may be lost without a
// word, and none may fail because the other program holds the file.
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/datagrid.h"
#include "platform/data/recordset.h"
#include "platform/forms/identity.h"
#include "platform/testing/messageboxes.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QProcess>
#include <QTimer>

#include <sqlite3.h>

#include <memory>

using namespace testsupport;

namespace {

std::vector<Row> fourRows()
{
    return {
        chemical(QStringLiteral("Tolueno"), QStringLiteral("Toluene"), QStringLiteral("C7H8")),
        chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
        chemical(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6")),
        chemical(QStringLiteral("Clorobenzeno"), QStringLiteral("Chlorobenzene"), QStringLiteral("C6H5Cl"))};
}

void useWal(const QString& path)
{
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(raw, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
}

QProcess* startOther(const QString& folder, const QStringList& steps)
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p->setProcessEnvironment(env);
    p->start(QCoreApplication::applicationDirPath() + QStringLiteral("/qb_window_program"),
             QStringList{folder} + steps);
    return p;
}

// The other program's lines ("box ...", "shown ...", "done"); empty when it failed.
QStringList finish(QProcess* p)
{
    std::unique_ptr<QProcess> owned(p);
    if (p->state() != QProcess::NotRunning)
        p->waitForFinished(120000);
    if (p->state() != QProcess::NotRunning || p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0) {
        qWarning("the other program failed: %s %s", p->readAllStandardOutput().constData(),
                 p->readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(p->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList runOther(const QString& folder, const QStringList& steps)
{
    return finish(startOther(folder, steps));
}

QStringList boxesIn(const QStringList& lines)
{
    QStringList boxes;
    for (const QString& l : lines)
        if (l.startsWith(QLatin1String("box ")))
            boxes.append(l.mid(4));
    return boxes;
}

void typeInto(Tamsel& w, int box, const QString& text)
{
    QWidget* editor = w.txtfields(box)->widget();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_End);
    typeText(editor, text);
    QCoreApplication::processEvents();
}

QString shown(Tamsel& w, int box)
{
    w.Data1()->syncBound();
    QCoreApplication::processEvents();
    return w.txtfields(box)->Text();
}

// A command, and the return to the event loop that follows it, as when the user clicks.
void run(Tamsel& w, const char* action)
{
    w.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    QCoreApplication::processEvents();
}

// The stored value of a column of the record named nome.
QString stored(const TempInventory& inv, const QString& nome, int ordinal)
{
    for (const Row& r : inv.rows())
        if (r[store::NOME].toString() == nome)
            return r[static_cast<std::size_t>(ordinal)].toString();
    return QStringLiteral("(no such record)");
}

void goTo(Tamsel& w, const QString& nome)
{
    for (std::size_t p = 0; p < w.chemNames.size(); ++p)
        if (w.chemNames[p] == nome)
            w.Data1()->Recordset()->setAbsolutePosition(static_cast<int>(p));
    QCoreApplication::processEvents();
}

bool saysLocked(const QStringList& boxes)
{
    for (const QString& b : boxes)
        if (b.contains(QLatin1String("locked")))
            return true;
    return false;
}

} // namespace

class TestTwoPrograms : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }
    void sameFieldOtherFieldsAndDeletes_data();
    void sameFieldOtherFieldsAndDeletes();
    void bothAtWorkNothingIsLockedOrLost_data();
    void bothAtWorkNothingIsLockedOrLost();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestTwoPrograms::sameFieldOtherFieldsAndDeletes_data()
{
    QTest::addColumn<bool>("wal");
    QTest::newRow("rollback journal") << false;
    QTest::newRow("write-ahead log") << true;
}

void TestTwoPrograms::sameFieldOtherFieldsAndDeletes()
{
    QFETCH(bool, wal);
    TempInventory inv(fourRows());
    if (wal)
        useWal(inv.path());
    forms::setPath(inv.folder());
    std::unique_ptr<Tamsel> w(Tamsel::Load());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    int saves = 0, toldChanged = 0;
    const QString quantity = QString::number(store::QUANTIDADE);

    // The same field of the same record: the other program saves first, this one is told
    // and keeps its edit on screen; after a Refresh it sees the other's value and adds to it.
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));
    typeInto(*w, store::QUANTIDADE, QStringLiteral("500 mL"));
    QStringList other =
        runOther(inv.folder(), {QStringLiteral("find:Acetona"), QStringLiteral("type:%1:1 L").arg(quantity),
                                QStringLiteral("save")});
    ++saves;
    QVERIFY(other.contains(QStringLiteral("done")));
    QVERIFY2(boxesIn(other).isEmpty(), qPrintable(boxesIn(other).join(QLatin1Char('|'))));
    run(*w, "mnusave");
    ++saves;
    QCOMPARE((*boxes)->shown().size(), 1);
    QVERIFY2((*boxes)->shown()[0].prompt.contains(QStringLiteral("changed this record")),
             qPrintable((*boxes)->shown()[0].prompt));
    ++toldChanged;
    QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("500 mL"));
    QCOMPARE(stored(inv, QStringLiteral("Acetona"), store::QUANTIDADE), QStringLiteral("1 L"));
    (*boxes)->answer({forms::No});
    run(*w, "mnurefresh");
    QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("1 L"));
    typeInto(*w, store::QUANTIDADE, QStringLiteral(" + 500 mL"));
    run(*w, "mnusave");
    ++saves;
    QCOMPARE(stored(inv, QStringLiteral("Acetona"), store::QUANTIDADE), QStringLiteral("1 L + 500 mL"));

    // Different fields of the same record: both saves are kept.
    goTo(*w, QStringLiteral("Benzeno"));
    typeInto(*w, store::LOCAL, QStringLiteral(" (alto)"));
    other = runOther(inv.folder(),
                     {QStringLiteral("find:Benzeno"), QStringLiteral("type:%1: anidro").arg(store::FORMULA),
                      QStringLiteral("save")});
    ++saves;
    QVERIFY2(boxesIn(other).isEmpty(), qPrintable(boxesIn(other).join(QLatin1Char('|'))));
    run(*w, "mnusave");
    ++saves;
    QCOMPARE((*boxes)->shown().size(), 2);
    QCOMPARE(stored(inv, QStringLiteral("Benzeno"), store::LOCAL), QStringLiteral("Cabinet 1 (alto)"));
    QCOMPARE(stored(inv, QStringLiteral("Benzeno"), store::FORMULA), QStringLiteral("C6H6 anidro"));

    // The other program deletes another record: this one's save lands on its own record.
    goTo(*w, QStringLiteral("Tolueno"));
    typeInto(*w, store::MP, QStringLiteral("-95"));
    other = runOther(inv.folder(), {QStringLiteral("find:Clorobenzeno"), QStringLiteral("delete")});
    QCOMPARE(boxesIn(other).size(), 1); // the question, answered OK
    run(*w, "mnusave");
    ++saves;
    QCOMPARE((*boxes)->shown().size(), 2);
    QCOMPARE(stored(inv, QStringLiteral("Tolueno"), store::MP), QStringLiteral("-95"));
    QCOMPARE(stored(inv, QStringLiteral("Clorobenzeno"), store::MP), QStringLiteral("(no such record)"));

    // It deletes the record being edited here: the save says so and keeps the edit on screen.
    goTo(*w, QStringLiteral("Benzeno"));
    typeInto(*w, store::BP, QStringLiteral("80"));
    other = runOther(inv.folder(), {QStringLiteral("find:Benzeno"), QStringLiteral("delete")});
    run(*w, "mnusave");
    ++saves;
    QCOMPARE((*boxes)->shown().size(), 3);
    QVERIFY2((*boxes)->shown()[2].prompt.contains(QStringLiteral("deleted")),
             qPrintable((*boxes)->shown()[2].prompt));
    QCOMPARE(shown(*w, store::BP), QStringLiteral("80"));
    w->Data1()->UpdateControls();

    const int lost = 0; // every value checked above is in the file, or was refused with a word
    qInfo("two programs (%s): %d saves, %d lost edits, %d told another program changed the record, "
          "0 locked",
          wal ? "WAL" : "rollback journal", saves, lost, toldChanged);
    for (const auto& box : (*boxes)->shown())
        QVERIFY2(!box.prompt.contains(QStringLiteral("locked")), qPrintable(box.prompt));
}

void TestTwoPrograms::bothAtWorkNothingIsLockedOrLost_data()
{
    QTest::addColumn<bool>("wal");
    QTest::newRow("rollback journal") << false;
    QTest::newRow("write-ahead log") << true;
}

void TestTwoPrograms::bothAtWorkNothingIsLockedOrLost()
{
    QFETCH(bool, wal);
    TempInventory inv(fourRows());
    if (wal)
        useWal(inv.path());
    forms::setPath(inv.folder());
    std::unique_ptr<Tamsel> w(Tamsel::Load());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    QPointer<list_window::frmDataGrid> list = list_window::showDataGrid();

    // The other program saves twelve edits, one after another, while this one's two
    // windows move from record to record faster than anyone clicks.
    const QStringList names{QStringLiteral("Acetona"), QStringLiteral("Benzeno"),
                            QStringLiteral("Clorobenzeno"), QStringLiteral("Tolueno")};
    QStringList steps;
    QMap<QString, QString> expected;
    for (int k = 0; k < 12; ++k) {
        const QString& name = names.at(k % 4);
        const QString part = QStringLiteral("[%1]").arg(k);
        steps << QStringLiteral("find:") + name << QStringLiteral("type:%1:%2").arg(store::MW).arg(part)
              << QStringLiteral("save") << QStringLiteral("wait:20");
        expected[name] += part;
    }
    QTimer mover;
    int moves = 0;
    QObject::connect(&mover, &QTimer::timeout, [&] {
        records::Recordset* rs = w->Data1()->Recordset();
        rs->setAbsolutePosition(moves % rs->RecordCount());
        w->Data1()->syncBound();
        if (list) {
            auto* grid = list->grdDataGrid();
            grid->setCurrentIndex(grid->model()->index(moves % grid->model()->rowCount(), 0));
        }
        ++moves;
    });
    mover.start(5);
    QProcess* other = startOther(inv.folder(), steps);
    QVERIFY(QTest::qWaitFor([&] { return other->state() == QProcess::NotRunning; }, 120000));
    mover.stop();
    const QStringList lines = finish(other);
    QVERIFY(lines.contains(QStringLiteral("done")));

    // Then this program saves its own edit.
    goTo(*w, QStringLiteral("Tolueno"));
    typeInto(*w, store::DENSITY, QStringLiteral("0,87"));
    run(*w, "mnusave");

    int lost = 0;
    for (const QString& name : names)
        if (stored(inv, name, store::MW) != expected[name])
            ++lost;
    if (stored(inv, QStringLiteral("Tolueno"), store::DENSITY) != QStringLiteral("0,87"))
        ++lost;
    QStringList said = boxesIn(lines);
    for (const auto& box : (*boxes)->shown())
        said.append(box.prompt);
    const int locked = saysLocked(said) ? 1 : 0;
    qInfo("two programs at work (%s): 13 saves while this one moved %d times; %d lost, %d locked, "
          "%lld messages",
          wal ? "WAL" : "rollback journal", moves, lost, locked, static_cast<long long>(said.size()));
    QCOMPARE(said, QStringList());
    QCOMPARE(lost, 0);
    QVERIFY(moves > 0);
    if (list)
        list->close();
}

QB_TEST_MAIN(TestTwoPrograms)
#include "tst_two_programs.moc"
