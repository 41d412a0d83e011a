#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/errors.h"
#include "platform/forms/msgbox.h"
#include "platform/testing/messageboxes.h"
#include "tests/data/checks.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <functional>

using namespace testsupport;
using namespace items;
using records::DataControl;

namespace {

// A window with a data control and one bound box a column, as the record window has.
class Window final : public QWidget
{
public:
    Window()
    {
        auto* layout = new QVBoxLayout(this);
        data = new DataControl(this);
        data->setObjectName(QStringLiteral("Data1"));
        data->setMinimumSize(360, 32);
        layout->addWidget(data);
        for (const items::Column& c : items::kColumns) {
            records::BoundField* box = nullptr;
            if (c.multiLine)
                box = new records::BoundTextEdit(this);
            else
                box = new records::BoundLineEdit(this);
            box->widget()->setObjectName(QStringLiteral("txtfields%1").arg(c.ordinal));
            box->setDataSource(QStringLiteral("Data1"));
            box->setDataField(QString::fromLatin1(c.name));
            layout->addWidget(box->widget());
            boxes[static_cast<std::size_t>(c.ordinal)] = box;
        }
        connect(data, &DataControl::Validate, this, [this](int& action, bool& save) {
            validates.push_back({action, save});
            namesWhenLeaving.append(boxes[items::NAME]->Text());
            if (onValidate)
                onValidate(action, save);
        });
        connect(data, &DataControl::Error, this, [this](int& number, int& response) {
            errors.push_back(number);
            response = errorResponse;
        });
    }

    void open(const QString& path)
    {
        data->setDatabaseName(path);
        data->setRecordSource(items::recordSource());
        data->setBusyTimeout(100);
        data->Refresh();
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }

    records::Recordset& rs() { return *data->Recordset(); }
    records::BoundField& box(int ordinal) { return *boxes[static_cast<std::size_t>(ordinal)]; }
    // What the box shows once the window has caught up with the record.
    QString text(int ordinal)
    {
        data->syncBound();
        return box(ordinal).Text();
    }
    int position() { return rs().AbsolutePosition(); }

    void type(int ordinal, const QString& text)
    {
        QWidget* editor = box(ordinal).widget();
        QTest::keyClick(editor, Qt::Key_End,
                        items::kColumns[static_cast<std::size_t>(ordinal)].multiLine ? Qt::ControlModifier
                                                                                     : Qt::NoModifier);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            typeText(editor, lines.at(i));
        }
    }
    void clear(int ordinal)
    {
        QWidget* editor = box(ordinal).widget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
    }
    void press(int action)
    {
        QTest::mouseClick(data->button(action), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QList<bool> flags()
    {
        QList<bool> f;
        for (records::BoundField* b : boxes)
            f.append(b->DataChanged());
        return f;
    }

    DataControl* data = nullptr;
    std::array<records::BoundField*, items::kColumnCount> boxes{};
    std::vector<std::pair<int, bool>> validates;
    QStringList namesWhenLeaving;
    std::function<void(int&, bool&)> onValidate;
    std::vector<int> errors;
    int errorResponse = 0;
};

using Validates = std::vector<std::pair<int, bool>>;

std::vector<Row> threeRows()
{
    return {item(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6")),
            item(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
            item(QStringLiteral("Cicloexano"), QStringLiteral("Cyclohexane"), QStringLiteral("C6H12"))};
}

// The stored row whose NAME is nome.
Row stored(const TempTable& inv, const QString& nome)
{
    for (const Row& r : inv.rows())
        if (r[items::NAME].toString() == nome)
            return r;
    return Row(items::kColumnCount);
}

QList<bool> only(std::initializer_list<int> ordinals)
{
    QList<bool> f(items::kColumnCount, false);
    for (int o : ordinals)
        f[o] = true;
    return f;
}

// Another program that holds the file's write lock while it lives.
struct WriteLock
{
    explicit WriteLock(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        held = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    void release()
    {
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        held = false;
    }
    ~WriteLock() { sqlite3_close_v2(db); }
    sqlite3* db = nullptr;
    bool held = false;
};

} // namespace

class TestDataControl : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup() { boxes.reset(); }

    void refreshShowsTheFirstRecord();
    void buttonsMoveWithTheirCodesAndStayWithinTheRecords();
    void everyWayOfLeavingARecordRaisesItsCode();
    void onlyTypingSetsTheChangedFlag();
    void validateDecidesWhatIsWritten();
    void newRecordIsAddedAtTheEnd();
    void newRecordReadsEmptyWhileItIsShown();
    void aFailedWriteKeepsTheRecordAndTheEdits();
    void closingWithAFailedWriteKeepsTheWindow();
    void errorsGoToTheErrorEventAndAMessageOnlyWhenAsked();
    void aRecordDeletedInAnotherWindowIsReportedNotShown();
    void anEditNeverOverwritesAChangeMadeElsewhere();
    void aFailedRefreshLeavesTheControlAsItWas();
    void whatAWindowReadsEndsWithItsEvent();
    void textRoundTripsThroughTheBoxes();
    void aBoxThatHeldNoLineTakesTheFilesLineEnding();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestDataControl::refreshShowsTheFirstRecord()
{
    Window w;
    QCOMPARE(errorNumber([&] { w.data->Recordset(); }), int(records::NotOpen));
    TempTable inv(threeRows());
    QSignalSpy reposition(w.data, &DataControl::Reposition);
    w.open(inv.path());
    QCOMPARE(reposition.count(), 1);
    QCOMPARE(w.position(), 0);
    QCOMPARE(w.text(items::NAME), QStringLiteral("Acetona"));
    QCOMPARE(w.text(items::LABEL), QStringLiteral("Acetone"));
    QCOMPARE(w.text(items::WEIGHT), QString()); // Null shows empty
    QCOMPARE(w.flags(), only({}));
    QVERIFY(w.validates.empty());

    // Opening again after another window added a record that sorts first.
    inv.insert({item(QStringLiteral("Acetaldeído"))});
    w.data->Refresh();
    QCOMPARE(reposition.count(), 2);
    QCOMPARE(w.rs().RecordCount(), 4);
    QCOMPARE(w.text(items::NAME), QStringLiteral("Acetaldeído"));
    QVERIFY(w.validates.empty());

    // An empty table: nothing current and every box empty.
    TempTable empty;
    Window e;
    e.open(empty.path());
    QCOMPARE(e.position(), -1);
    QCOMPARE(e.text(items::NAME), QString());
    e.press(records::ActionMoveNext);
    QVERIFY(e.validates.empty());
    QVERIFY(e.errors.empty());
}

void TestDataControl::buttonsMoveWithTheirCodesAndStayWithinTheRecords()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    QSignalSpy reposition(w.data, &DataControl::Reposition);

    const std::vector<std::tuple<int, int, QString>> steps = {
        {records::ActionMoveNext, 1, QStringLiteral("Benzeno")},
        {records::ActionMoveLast, 2, QStringLiteral("Cicloexano")},
        {records::ActionMoveNext, 2, QStringLiteral("Cicloexano")},
        {records::ActionMovePrevious, 1, QStringLiteral("Benzeno")},
        {records::ActionMoveFirst, 0, QStringLiteral("Acetona")},
        {records::ActionMovePrevious, 0, QStringLiteral("Acetona")},
    };
    Validates expected;
    QStringList left;
    QString previous = w.text(items::NAME);
    for (const auto& [action, position, name] : steps) {
        w.press(action);
        expected.push_back({action, false});
        left.append(previous);
        QCOMPARE(w.position(), position);
        QCOMPARE(w.text(items::NAME), name);
        previous = name;
    }
    QCOMPARE(w.validates, expected);
    // Validate runs while the boxes still show the record being left.
    QCOMPARE(w.namesWhenLeaving, left);
    QCOMPARE(reposition.count(), int(steps.size()));
    QVERIFY(w.errors.empty());
}

void TestDataControl::everyWayOfLeavingARecordRaisesItsCode()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());

    // Without edits: the cursor's own moves raise their codes; closing asks nothing.
    w.rs().setAbsolutePosition(2);
    w.rs().MoveNext();
    w.rs().setAbsolutePosition(1);
    w.rs().AddNew();
    w.rs().setAbsolutePosition(0);
    w.data->UpdateRecord();
    w.data->Refresh();
    QCOMPARE(w.validates, Validates({{records::ActionBookmark, false},
                                     {records::ActionMoveNext, false},
                                     {records::ActionAddNew, false},
                                     {records::ActionBookmark, false},
                                     {records::ActionUpdate, false}}));

    // With edits: each of them carries the save flag, and closing is asked about too.
    const std::vector<std::pair<int, std::function<void()>>> ways = {
        {records::ActionMoveNext,
         [&] {
             w.rs().MoveNext();
         }},
        {records::ActionBookmark,
         [&] {
             w.rs().setAbsolutePosition(0);
         }},
        {records::ActionAddNew,
         [&] {
             w.rs().AddNew();
         }},
        {records::ActionUpdate,
         [&] {
             w.data->UpdateRecord();
         }},
        {records::ActionClose,
         [&] {
             w.data->Refresh();
         }},
        {records::ActionMoveLast,
         [&] {
             w.press(records::ActionMoveLast);
         }},
        {records::ActionDelete,
         [&] {
             w.rs().Delete();
         }},
    };
    for (const auto& [code, leave] : ways) {
        w.validates.clear();
        if (!w.rs().hasRecordToLeave())
            w.rs().setAbsolutePosition(0);
        w.validates.clear();
        w.type(items::PLACE, QStringLiteral("*"));
        leave();
        QVERIFY2(w.validates == Validates({{code, true}}), qPrintable(QString::number(code)));
    }

    // Unloading the window: asked only with edits.
    w.rs().setAbsolutePosition(0);
    w.validates.clear();
    w.type(items::PLACE, QStringLiteral("!"));
    QVERIFY(w.close());
    QCOMPARE(w.validates, Validates({{records::ActionUnload, true}}));
    QVERIFY(w.errors.empty());
}

void TestDataControl::onlyTypingSetsTheChangedFlag()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());

    // A program's own setting of a box is not an edit.
    w.box(items::CODE).setText(QStringLiteral("C3H6O (dry)"));
    QCOMPARE(w.flags(), only({}));
    w.type(items::AMOUNT, QStringLiteral("2 L"));
    w.type(items::NOTES, QStringLiteral("Flammable"));
    QCOMPARE(w.flags(), only({items::AMOUNT, items::NOTES}));

    // Moving fills the boxes from the record and clears the flags, once the move is shown.
    w.onValidate = [](int&, bool& save) {
        save = false;
    };
    w.press(records::ActionMoveNext);
    QCOMPARE(w.flags(), only({}));
    QCOMPARE(w.text(items::AMOUNT), QString());
    QCOMPARE(w.text(items::CODE), QStringLiteral("C6H6"));
    QCOMPARE(w.box(items::AMOUNT).DataChanged(), false);
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[items::CODE].toString(), QStringLiteral("C3H6O"));

    // Filling a multi-line box and then a single-line one by moves sets nothing either.
    w.onValidate = nullptr;
    w.rs().setAbsolutePosition(2);
    w.rs().setAbsolutePosition(0);
    QCOMPARE(w.text(items::NOTES), QString());
    QCOMPARE(w.flags(), only({}));
}

void TestDataControl::validateDecidesWhatIsWritten()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    w.type(items::VENDOR, QStringLiteral(" Brasil"));
    w.type(items::AMOUNT, QStringLiteral("5 L"));
    w.type(items::GRADE, QStringLiteral("0.79"));
    w.clear(items::PLACE);

    // The handler drops two of the edits; the others are written, the emptied box as Null.
    w.onValidate = [&](int&, bool& save) {
        QVERIFY(save);
        w.box(items::VENDOR).setDataChanged(false);
        w.box(items::GRADE).setDataChanged(false);
    };
    w.press(records::ActionMoveNext);
    QCOMPARE(w.position(), 1);
    Row acetona = stored(inv, QStringLiteral("Acetona"));
    QCOMPARE(acetona[items::VENDOR].toString(), QStringLiteral("Sigma-Aldrich"));
    QCOMPARE(acetona[items::AMOUNT].toString(), QStringLiteral("5 L"));
    QVERIFY(acetona[items::GRADE].isNull());
    QVERIFY(acetona[items::PLACE].isNull());

    // Clearing the save flag writes nothing, and the move still happens.
    w.onValidate = [](int&, bool& save) {
        save = false;
    };
    w.type(items::AMOUNT, QStringLiteral("9 L"));
    w.press(records::ActionMovePrevious);
    QCOMPARE(w.position(), 0);
    QVERIFY(stored(inv, QStringLiteral("Benzeno"))[items::AMOUNT].isNull());
    QCOMPARE(w.text(items::AMOUNT), QStringLiteral("5 L"));

    // Cancelling keeps the record and the edits.
    w.onValidate = [](int& action, bool&) {
        action = records::ActionCancel;
    };
    w.type(items::AMOUNT, QStringLiteral("0"));
    w.press(records::ActionMoveNext);
    QCOMPARE(w.position(), 0);
    QCOMPARE(w.text(items::AMOUNT), QStringLiteral("5 L0"));
    QCOMPARE(w.flags(), only({items::AMOUNT}));
    QVERIFY(w.errors.empty());
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestDataControl::newRecordIsAddedAtTheEnd()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    w.rs().setAbsolutePosition(1);
    w.rs().AddNew();
    QCOMPARE(w.position(), -1);
    for (int i = 0; i < items::kColumnCount; ++i)
        QCOMPARE(w.text(i), QString());
    w.type(items::NAME, QStringLiteral("Ácido sulfúrico"));
    w.type(items::CODE, QStringLiteral("H2SO4"));
    w.data->UpdateRecord();
    QCOMPARE(w.rs().RecordCount(), 4);
    QCOMPARE(w.position(), 3);
    QCOMPARE(w.flags(), only({}));
    Row added = stored(inv, QStringLiteral("Ácido sulfúrico"));
    QCOMPARE(added[items::CODE].toString(), QStringLiteral("H2SO4"));
    QVERIFY(added[items::LABEL].isNull());

    // A new record left without edits is dropped.
    w.rs().AddNew();
    w.press(records::ActionMoveFirst);
    QCOMPARE(inv.rows().size(), std::size_t(4));
    // One left with edits is added as the record is left.
    w.rs().AddNew();
    w.type(items::NAME, QStringLiteral("Etanol"));
    w.press(records::ActionMoveFirst);
    QCOMPARE(inv.rows().size(), std::size_t(5));
    QCOMPARE(w.text(items::NAME), QStringLiteral("Acetona"));
    w.data->Refresh();
    QCOMPARE(w.text(items::NAME), QStringLiteral("Acetona"));
    w.rs().setAbsolutePosition(1);
    QCOMPARE(w.text(items::NAME), QStringLiteral("Ácido sulfúrico"));
}

void TestDataControl::newRecordReadsEmptyWhileItIsShown()
{
    // A window that reads its boxes as a record arrives must find the new record empty,
    // also in an empty table.
    for (const bool emptyTable : {false, true}) {
        TempTable inv(emptyTable ? std::vector<Row>{} : threeRows());
        Window w;
        w.open(inv.path());
        QStringList seen;
        connect(w.data, &DataControl::Reposition, &w, [&] {
            if (w.rs().isNewRecord())
                seen << w.rs().Fields(items::NAME).Value().toString() << w.text(items::CODE);
        });
        w.rs().AddNew();
        QCOMPARE(seen, QStringList({QString(), QString()}));
        QCOMPARE(w.text(items::NAME), QString());
        QVERIFY(w.errors.empty());
    }
}

void TestDataControl::aFailedWriteKeepsTheRecordAndTheEdits()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    w.type(items::AMOUNT, QStringLiteral("250 g"));
    {
        WriteLock other(inv.path());
        QVERIFY(other.held);
        w.press(records::ActionMoveNext);
        QCOMPARE(w.errors, std::vector<int>({records::Locked}));
        QCOMPARE(w.position(), 0);
        QCOMPARE(w.text(items::NAME), QStringLiteral("Acetona"));
        QCOMPARE(w.text(items::AMOUNT), QStringLiteral("250 g"));
        QCOMPARE(w.flags(), only({items::AMOUNT}));
        // Saving by program fails the same way, and still loses nothing.
        QCOMPARE(errorNumber([&] { w.data->UpdateRecord(); }), int(records::Locked));
        QCOMPARE(w.flags(), only({items::AMOUNT}));
        other.release();
    }
    // When the other program is done, the same move writes the edit.
    w.press(records::ActionMoveNext);
    QCOMPARE(w.position(), 1);
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[items::AMOUNT].toString(), QStringLiteral("250 g"));

    // The same for a record that another window deleted meanwhile.
    w.type(items::AMOUNT, QStringLiteral("1 L"));
    {
        auto db = records::Database::open(inv.path());
        records::Recordset other(*db, items::recordSource());
        other.setAbsolutePosition(1);
        other.Delete();
    }
    w.errors.clear();
    w.press(records::ActionMoveNext);
    QCOMPARE(w.errors, std::vector<int>({records::RecordDeleted}));
    QCOMPARE(w.text(items::AMOUNT), QStringLiteral("1 L"));
    QCOMPARE(inv.rows().size(), std::size_t(2));

    // And for a control opened read-only.
    w.data->setReadOnly(true);
    w.onValidate = [](int&, bool& save) {
        save = false;
    };
    w.data->Refresh();
    w.onValidate = nullptr;
    w.errors.clear();
    w.type(items::AMOUNT, QStringLiteral("2 L"));
    w.press(records::ActionMoveNext);
    QCOMPARE(w.errors, std::vector<int>({records::ReadOnlyRecordset}));
    QCOMPARE(w.position(), 0);
    QCOMPARE(w.text(items::AMOUNT), QStringLiteral("250 g2 L"));
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[items::AMOUNT].toString(), QStringLiteral("250 g"));
}

void TestDataControl::closingWithAFailedWriteKeepsTheWindow()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    w.type(items::PLACE, QStringLiteral(" (top)"));
    WriteLock other(inv.path());
    QVERIFY(other.held);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(w.errors, std::vector<int>({records::Locked}));
    QCOMPARE(w.text(items::PLACE), QStringLiteral("Cabinet 1 (top)"));
    QCOMPARE(w.flags(), only({items::PLACE}));
    other.release();
    QVERIFY(w.close());
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[items::PLACE].toString(),
             QStringLiteral("Cabinet 1 (top)"));
}

void TestDataControl::errorsGoToTheErrorEventAndAMessageOnlyWhenAsked()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    w.errorResponse = 1;
    w.type(items::SIZE, QStringLiteral("-95 °C"));
    {
        WriteLock other(inv.path());
        w.press(records::ActionMoveLast);
        other.release();
    }
    QCOMPARE(w.errors, std::vector<int>({records::Locked}));
    QCOMPARE((*boxes)->shown().size(), 1);
    const forms::MessageBoxRequest box = (*boxes)->shown().first();
    QVERIFY2(box.prompt.startsWith(QStringLiteral("Error 317: ")), qPrintable(box.prompt));
    QVERIFY(box.prompt.contains(QDir::toNativeSeparators(inv.path())));
    QCOMPARE(box.title, QStringLiteral("Quillarbon"));

    // With response 0 the window's own handling is all the user sees.
    w.errorResponse = 0;
    {
        WriteLock other(inv.path());
        w.press(records::ActionMoveLast);
        other.release();
    }
    QCOMPARE(w.errors.size(), std::size_t(2));
    QCOMPARE((*boxes)->shown().size(), 1);
}

void TestDataControl::aRecordDeletedInAnotherWindowIsReportedNotShown()
{
    TempTable inv(threeRows());
    Window main, list;
    main.open(inv.path());
    list.open(inv.path());
    QCOMPARE(list.text(items::NAME), QStringLiteral("Acetona"));

    // The main window deletes Benzeno; the list window still holds it at position 1.
    main.rs().setAbsolutePosition(1);
    main.rs().Delete();
    main.rs().MoveNext();
    QCOMPARE(main.text(items::NAME), QStringLiteral("Cicloexano"));

    list.press(records::ActionMoveNext);
    QCOMPARE(list.position(), 1);
    QCOMPARE(list.errors, std::vector<int>({records::RecordDeleted}));
    QCOMPARE(list.text(items::NAME), QString());
    QCOMPARE(list.text(items::CODE), QString());
    // The list window goes on to the next record, which it reads as stored.
    list.press(records::ActionMoveNext);
    QCOMPARE(list.text(items::NAME), QStringLiteral("Cicloexano"));
    QCOMPARE(list.errors.size(), std::size_t(1));

    // An edit made in one window shows in the other at its next move.
    main.type(items::COLOR, QStringLiteral("80.7 °C"));
    main.press(records::ActionMoveFirst);
    list.press(records::ActionMoveFirst);
    list.press(records::ActionMoveLast);
    QCOMPARE(list.text(items::COLOR), QStringLiteral("80.7 °C"));
}

void TestDataControl::anEditNeverOverwritesAChangeMadeElsewhere()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    auto elsewhere = [&](int ordinal, const QString& value) {
        auto db = records::Database::open(inv.path());
        records::Recordset other(*db, items::recordSource());
        other.setAbsolutePosition(w.position());
        other.writeCurrent({{ordinal, value}});
    };

    // Another program changes one field while this window edits another: both are kept.
    w.type(items::AMOUNT, QStringLiteral("250 g"));
    elsewhere(items::PLACE, QStringLiteral("Geladeira"));
    w.press(records::ActionMoveNext);
    QVERIFY(w.errors.empty());
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[items::AMOUNT].toString(), QStringLiteral("250 g"));
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[items::PLACE].toString(), QStringLiteral("Geladeira"));

    // Both change the same field: the later save writes nothing and says why, by its number,
    // and the edit stays on screen, still to be saved.
    QCOMPARE(w.text(items::NAME), QStringLiteral("Benzeno"));
    w.type(items::AMOUNT, QStringLiteral("1 L"));
    elsewhere(items::AMOUNT, QStringLiteral("2 L"));
    w.press(records::ActionMoveNext);
    QCOMPARE(w.errors, std::vector<int>({records::RecordChanged}));
    QCOMPARE(w.position(), 1);
    QCOMPARE(w.text(items::AMOUNT), QStringLiteral("1 L"));
    QCOMPARE(w.flags(), only({items::AMOUNT}));
    QCOMPARE(stored(inv, QStringLiteral("Benzeno"))[items::AMOUNT].toString(), QStringLiteral("2 L"));
    QString text;
    QCOMPARE(errorNumber([&] { w.data->UpdateRecord(); }, &text), int(records::RecordChanged));
    QVERIFY2(text.contains(QDir::toNativeSeparators(inv.path())) && text.contains(QStringLiteral("AMOUNT")),
             qPrintable(text));
    QCOMPARE(w.errors.size(), std::size_t(2));

    // A Refresh that drops the edit shows the other program's value; an edit over it saves.
    w.onValidate = [](int&, bool& save) {
        save = false;
    };
    w.data->Refresh();
    w.onValidate = nullptr;
    w.rs().setAbsolutePosition(1);
    QCOMPARE(w.text(items::AMOUNT), QStringLiteral("2 L"));
    w.type(items::AMOUNT, QStringLiteral(" + 1 L"));
    w.data->UpdateRecord();
    // The window's own saves follow one another without a word.
    w.type(items::AMOUNT, QStringLiteral(" + 3 L"));
    w.data->UpdateRecord();
    QCOMPARE(stored(inv, QStringLiteral("Benzeno"))[items::AMOUNT].toString(),
             QStringLiteral("2 L + 1 L + 3 L"));

    // Another program that wrote the very same value loses nothing by this save.
    w.type(items::GRADE, QStringLiteral("P.A."));
    elsewhere(items::GRADE, QStringLiteral("P.A."));
    w.data->UpdateRecord();
    QCOMPARE(w.errors.size(), std::size_t(2));
    QCOMPARE(w.flags(), only({}));
}

void TestDataControl::aFailedRefreshLeavesTheControlAsItWas()
{
    TempTable inv(threeRows());
    Window w;
    w.open(inv.path());
    w.rs().setAbsolutePosition(2);

    // Another file that is missing, a source that is refused, a box on a column the
    // table lacks: each fails the Refresh and the window goes on as before.
    const std::vector<std::pair<int, std::function<void()>>> failures = {
        {records::UnsupportedConnect,
         [&] {
             w.data->setConnect(QStringLiteral("ODBC;DSN=Inventory"));
         }},
        {records::FileNotFound,
         [&] {
             w.data->setDatabaseName(inv.folder() + QStringLiteral("/items2.db"));
         }},
        {records::UnsupportedSource,
         [&] {
             w.data->setRecordSource(QStringLiteral("SELECT * FROM ITEMS WHERE 1; DROP TABLE ITEMS"));
         }},
        {records::ColumnNotFound,
         [&] {
             auto* extra = new records::BoundLineEdit(&w);
             extra->setObjectName(QStringLiteral("txtPeso"));
             extra->setDataSource(QStringLiteral("Data1"));
             extra->setDataField(QStringLiteral("PESO"));
         }},
    };
    for (const auto& [error, breakIt] : failures) {
        w.data->setConnect(QStringLiteral("Access"));
        w.data->setDatabaseName(inv.path());
        w.data->setRecordSource(items::recordSource());
        breakIt();
        QString text;
        QCOMPARE(errorNumber([&] { w.data->Refresh(); }, &text), error);
        if (error == records::ColumnNotFound)
            QVERIFY(text.contains(QStringLiteral("PESO")) && text.contains(QStringLiteral("txtPeso")));
        QCOMPARE(w.position(), 2);
        QCOMPARE(w.text(items::NAME), QStringLiteral("Cicloexano"));
        w.press(records::ActionMovePrevious);
        QCOMPARE(w.text(items::NAME), QStringLiteral("Benzeno"));
        w.press(records::ActionMoveNext);
    }
    QCOMPARE(inv.rows().size(), std::size_t(3));
}

void TestDataControl::whatAWindowReadsEndsWithItsEvent()
{
    std::vector<Row> rows;
    for (int i = 0; i < 300; ++i)
        rows.push_back(item(QStringLiteral("Chemical %1").arg(i, 3, 10, QLatin1Char('0')),
                            QStringLiteral("Aldrich %1").arg(i), QStringLiteral("F%1").arg(i)));
    TempTable inv(rows);
    Window main, list;
    main.open(inv.path());
    list.open(inv.path());

    // One event reads three columns of every record, as a window's load does.
    auto readAll = [&](Window& w) {
        QStringList names, formulas;
        for (int p = 0; p < w.rs().RecordCount(); ++p) {
            w.rs().setAbsolutePosition(p);
            names.append(w.rs().Fields(items::NAME).Value().toString());
            w.rs().Fields(items::LABEL).Value();
            formulas.append(w.rs().Fields(items::CODE).Value().toString());
        }
        w.data->Refresh();
        return std::pair{names, formulas};
    };
    QCOMPARE(readAll(list).second.at(7), QStringLiteral("F7"));
    QCoreApplication::processEvents();

    // The other window writes; this one's next event sees it and can write after it.
    main.rs().setAbsolutePosition(7);
    main.type(items::CODE, QStringLiteral(" (anidro)"));
    main.press(records::ActionMoveNext);
    QVERIFY(main.errors.empty());
    list.rs().setAbsolutePosition(7);
    QCOMPARE(list.text(items::CODE), QStringLiteral("F7 (anidro)"));
    list.type(items::PLACE, QStringLiteral(" B"));
    list.press(records::ActionMoveNext);
    QVERIFY(list.errors.empty());
    QCOMPARE(stored(inv, QStringLiteral("Chemical 007"))[items::PLACE].toString(),
             QStringLiteral("Cabinet 1 B"));
    const auto [names, formulas] = readAll(list);
    QCOMPARE(names.size(), 300);
    QCOMPARE(formulas.at(7), QStringLiteral("F7 (anidro)"));
    QCOMPARE(formulas.at(8), QStringLiteral("F8"));
}

void TestDataControl::textRoundTripsThroughTheBoxes()
{
    // Hazards data as the user pastes it from a safety sheet: about 1 MB of lines.
    QString hazards;
    const QString line =
        QStringLiteral("H225 Líquido e vapor altamente inflamáveis. Ponto de fulgor: −20\u00a0°C. "
                       "P210 Manter afastado do calor ⚠️ «sic» 'quoted' \"twice\"\n");
    while (hazards.toUtf8().size() < 1024 * 1024)
        hazards += line;

    const std::vector<std::pair<int, QString>> values = {
        {items::NAME, QStringLiteral("O'Neil's \"reagent\"")},
        {items::LABEL, QStringLiteral("x'; DROP TABLE ITEMS; --")},
        {items::VENDOR, QStringLiteral("Laboratório 🧪⚗️ 𝛼-Pineno")},
        {items::CODE, QStringLiteral("حمض الكبريتيك H2SO4 חומצה")},
        {items::PLACE, QStringLiteral("  two  spaces  kept  ")},
        {items::REMARKS, QStringLiteral("Sólido branco;\nsolúvel em água (1\u00a0g/mL)\n\nfim")},
    };
    // Text kept from earlier, with a line separator and no-break spaces inside.
    const QString earlier =
        QStringLiteral("Linha 1\u2028linha 2;\u00a0ponto\u00a0de fusão 5,5\u00a0°C\nfim\n");
    Row benzeno = item(QStringLiteral("Benzeno"));
    benzeno[items::REMARKS] = earlier;
    TempTable inv({item(QStringLiteral("Acetona")), benzeno});
    {
        Window w;
        w.open(inv.path());
        for (const auto& [ordinal, value] : values) {
            w.clear(ordinal);
            w.type(ordinal, value);
        }
        QGuiApplication::clipboard()->setText(hazards);
        QTest::keyClick(w.box(items::NOTES).widget(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(w.box(items::NOTES).DataChanged());
        w.press(records::ActionMoveNext);
        QVERIFY(w.errors.empty());
    }
    QCOMPARE(inv.rows().size(), std::size_t(2));
    const Row row = inv.rows().front();
    for (const auto& [ordinal, value] : values)
        QCOMPARE(row[static_cast<std::size_t>(ordinal)].toString(), value);
    QCOMPARE(row[items::NOTES].toString(), hazards);

    // Shown again in a new window (the record now sorts after Benzeno), edited elsewhere
    // in the text, and written back with nothing else changed.
    Window again;
    again.open(inv.path());
    again.rs().setAbsolutePosition(1);
    for (const auto& [ordinal, value] : values)
        QCOMPARE(again.text(ordinal), value);
    QCOMPARE(again.text(items::NOTES), hazards);
    again.type(items::NOTES, QStringLiteral("."));
    again.type(items::REMARKS, QStringLiteral("."));
    again.press(records::ActionMoveFirst);
    const Row back = inv.rows().front();
    QCOMPARE(back[items::NOTES].toString(), hazards + QStringLiteral("."));
    QCOMPARE(back[items::REMARKS].toString(), values.back().second + QStringLiteral("."));

    // The earlier text shows as it is, and an edit at its end changes nothing else in it.
    QCOMPARE(again.text(items::NAME), QStringLiteral("Benzeno"));
    QCOMPARE(again.text(items::REMARKS), earlier);
    again.type(items::REMARKS, QStringLiteral("!"));
    again.press(records::ActionMoveLast);
    QCOMPARE(inv.rows().back()[items::REMARKS].toString(), earlier + QStringLiteral("!"));
}

void TestDataControl::aBoxThatHeldNoLineTakesTheFilesLineEnding()
{
    // The suite's round trips keep each value's own endings; a value with none takes the
    // ending most of the file's values use: CRLF in a file from the earlier platform...
    Row crlf = item(QStringLiteral("Acetona"));
    crlf[items::NOTES] = QStringLiteral("H225\r\nH319");
    TempTable inv({crlf, item(QStringLiteral("Benzeno"))});
    Window w;
    w.open(inv.path());
    w.press(records::ActionMoveNext);
    w.type(items::REMARKS, QStringLiteral("Sólido\nbranco"));
    w.press(records::ActionMoveFirst);
    QCOMPARE(stored(inv, QStringLiteral("Benzeno"))[items::REMARKS].toString(),
             QStringLiteral("Sólido\r\nbranco"));
    // ...and LF in one whose values end their lines with LF.
    Row lf = item(QStringLiteral("Acetona"));
    lf[items::NOTES] = QStringLiteral("H225\nH319");
    lf[items::REMARKS] = QStringLiteral("a\nb");
    TempTable lfFile({lf, item(QStringLiteral("Benzeno"))});
    w.data->setDatabaseName(lfFile.path());
    w.data->Refresh();
    w.press(records::ActionMoveNext);
    w.type(items::NOTES, QStringLiteral("H304\nH340"));
    w.press(records::ActionMoveFirst);
    QCOMPARE(stored(lfFile, QStringLiteral("Benzeno"))[items::NOTES].toString(),
             QStringLiteral("H304\nH340"));
    QVERIFY(w.errors.empty());
}

QB_TEST_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
