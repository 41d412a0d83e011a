#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"
#include "platform/forms/look.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/windows.h"
#include "platform/testing/messageboxes.h"

#include <QAbstractItemModelTester>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

namespace {

// What a person sees of a real message box before pressing a key on it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows a box through the default backend and answers it with a key once it is up.
int showAndPress(int style, const QString& title, Qt::Key key, SeenBox& seen)
{
    std::function<void()> answer;
    answer = [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = box->standardButtons();
            seen.defaultButton = box->standardButton(box->defaultButton());
            QTest::keyClick(box, key);
            return;
        }
        QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(0, answer);
    return forms::MsgBox(QStringLiteral("Prompt"), style, title);
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT
private slots:
    void scriptedBoxesRecordAndAnswer();
    void realBoxesFollowTheStyle();
    void anEscapingErrorIsShownOnce();
    void noExceptionCrossesTheEventLoop();
    void theHourglassShowsAtOnceAndGoesWithoutStacking();
    void versionTextIsMajorAndRevision();
    void aModelessWindowIsLoadedOnceUntilClosed();
    void aLongListIsShownAndChosenFrom();
    void looksDressControlsByName();
};

void TestForms::scriptedBoxesRecordAndAnswer()
{
    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer(forms::No);
    QCOMPARE(forms::MsgBox(QStringLiteral("Update?"), forms::YesNo, QStringLiteral("Save")), int(forms::No));
    // Boxes the script has no answer for take their default button, and are counted.
    QCOMPARE(forms::MsgBox(QStringLiteral("a"), forms::YesNo), int(forms::Yes));
    QCOMPARE(forms::MsgBox(QStringLiteral("b"), forms::YesNo | forms::DefaultButton2), int(forms::No));
    QCOMPARE(forms::MsgBox(QStringLiteral("c"), forms::OkCancel), int(forms::Ok));
    QCOMPARE(forms::MsgBox(QStringLiteral("d"), forms::OkCancel | forms::DefaultButton2), int(forms::Cancel));
    QCOMPARE(forms::MsgBox(QStringLiteral("e"), forms::Critical), int(forms::Ok));
    QCOMPARE(boxes->unscripted(), 5);
    QCOMPARE(boxes->shown().size(), 6);
    QCOMPARE(boxes->shown().at(0).prompt, QStringLiteral("Update?"));
    QCOMPARE(boxes->shown().at(0).style, int(forms::YesNo));
    QCOMPARE(boxes->shown().at(0).title, QStringLiteral("Save"));
    // No title of its own: the program's.
    QCOMPARE(boxes->shown().at(5).title, QStringLiteral("Quillarbon"));

    // A scope inside another takes the boxes while it lasts, then gives them back.
    {
        forms::ScopedScriptedMessageBoxes inner;
        inner->answer(forms::Cancel);
        QCOMPARE(forms::MsgBox(QStringLiteral("inner"), forms::OkCancel), int(forms::Cancel));
        QCOMPARE(inner->shown().size(), 1);
    }
    forms::MsgBox(QStringLiteral("outer"));
    QCOMPARE(boxes->shown().size(), 7);
    QCOMPARE(boxes->shown().last().prompt, QStringLiteral("outer"));
}

void TestForms::realBoxesFollowTheStyle()
{
    SeenBox seen;
    QCOMPARE(showAndPress(forms::YesNo, QStringLiteral("Save"), Qt::Key_Return, seen), int(forms::Yes));
    QCOMPARE(seen.title, QStringLiteral("Save"));
    QCOMPARE(seen.text, QStringLiteral("Prompt"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.defaultButton, QMessageBox::Yes);

    QCOMPARE(showAndPress(forms::YesNo | forms::DefaultButton2, {}, Qt::Key_Return, seen), int(forms::No));
    QCOMPARE(seen.defaultButton, QMessageBox::No);
    QCOMPARE(seen.title, QStringLiteral("Quillarbon"));

    // Closing a box counts as its last button.
    QCOMPARE(showAndPress(forms::OkCancel, QStringLiteral("Remove"), Qt::Key_Escape, seen),
             int(forms::Cancel));
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(seen.defaultButton, QMessageBox::Ok);
    QCOMPARE(showAndPress(forms::YesNo, {}, Qt::Key_Escape, seen), int(forms::No));

    QCOMPARE(showAndPress(forms::Critical, {}, Qt::Key_Return, seen), int(forms::Ok));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::Ok);
    QCOMPARE(seen.title, QStringLiteral("Quillarbon"));
}

void TestForms::anEscapingErrorIsShownOnce()
{
    forms::ScopedScriptedMessageBoxes boxes;
    forms::setMousePointer(forms::Pointer::Hourglass);
    QVERIFY(!forms::guarded([] { throw base::RuntimeError(302, QStringLiteral("Record is deleted.")); }));
    QCOMPARE(boxes->shown().size(), 1);
    QCOMPARE(boxes->shown().at(0).prompt, QStringLiteral("Error 302: Record is deleted."));
    QCOMPARE(boxes->shown().at(0).style, int(forms::Critical));
    QCOMPARE(boxes->shown().at(0).title, QStringLiteral("Quillarbon"));
    // The failed handler may have left the hourglass on; the user gets the pointer back.
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Default));

    // An error already shown to the user stops the handler without a second message.
    forms::setMousePointer(forms::Pointer::Hourglass);
    QVERIFY(!forms::guarded([] {
        base::RuntimeError e(317, QStringLiteral("locked"));
        e.markReported();
        throw e;
    }));
    QCOMPARE(boxes->shown().size(), 1);
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Default));

    QVERIFY(!forms::guarded([] { throw std::runtime_error("bad_alloc in the list"); }));
    QCOMPARE(boxes->shown().last().prompt, QStringLiteral("Error 1: bad_alloc in the list"));
    QVERIFY(!forms::guarded([] { throw 42; }));
    QCOMPARE(boxes->shown().last().prompt,
             QStringLiteral("Error 1: An unexpected error stopped the last action."));
    QVERIFY(forms::guarded([] {}));
    QCOMPARE(boxes->shown().size(), 3);
    QCOMPARE(boxes->unscripted(), 3);
}

void TestForms::noExceptionCrossesTheEventLoop()
{
    forms::ScopedScriptedMessageBoxes boxes;
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Go"), &window);
    button->resize(80, 30);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        ++clicks;
        if (clicks % 2 == 1)
            throw base::RuntimeError(339, QStringLiteral("The database reported an error."));
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(boxes->shown().size(), 1);
    QCOMPARE(boxes->shown().at(0).prompt, QStringLiteral("Error 339: The database reported an error."));
    // The window is still usable.
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks, 3);
    QCOMPARE(boxes->shown().size(), 2);

    // A timer's handler too; the event loop goes on afterwards.
    bool after = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("tick failed"); });
    QTimer::singleShot(5, [&] { after = true; });
    QVERIFY(QTest::qWaitFor([&] { return after; }, 2000));
    QCOMPARE(boxes->shown().size(), 3);
    QCOMPARE(boxes->shown().last().prompt, QStringLiteral("Error 1: tick failed"));
}

void TestForms::theHourglassShowsAtOnceAndGoesWithoutStacking()
{
    auto shown = [] {
        const QCursor* c = QGuiApplication::overrideCursor();
        return c ? c->shape() : Qt::ArrowCursor;
    };
    forms::setMousePointer(forms::Pointer::Hourglass);
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Hourglass));
    QCOMPARE(shown(), Qt::WaitCursor);

    forms::setMousePointer(forms::Pointer::Default);
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Default));
    QCoreApplication::processEvents();
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    // A loop of moves, each turning the pointer busy and back, leaves no cursor behind.
    for (int i = 0; i < 200; ++i) {
        forms::setMousePointer(forms::Pointer::Hourglass);
        forms::setMousePointer(forms::Pointer::Default);
    }
    QCoreApplication::processEvents();
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    // Busy again before the return to the event loop: the hourglass stays.
    forms::setMousePointer(forms::Pointer::Hourglass);
    forms::setMousePointer(forms::Pointer::Default);
    forms::setMousePointer(forms::Pointer::Hourglass);
    QCoreApplication::processEvents();
    QCOMPARE(shown(), Qt::WaitCursor);
    forms::setMousePointer(forms::Pointer::Default);
    QCoreApplication::processEvents();
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestForms::versionTextIsMajorAndRevision()
{
    QCOMPARE(forms::Title(), QStringLiteral("Quillarbon"));
    QCOMPARE(forms::VersionText(), QStringLiteral("Version 1.0"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.5.17"));
    QCOMPARE(forms::VersionText(), QStringLiteral("Version 2.17"));
    QCOMPARE(forms::Minor(), 5);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
}

void TestForms::aModelessWindowIsLoadedOnceUntilClosed()
{
    QPointer<QWidget> holder;
    int made = 0;
    auto make = [&] {
        ++made;
        return new QWidget;
    };
    QWidget* first = forms::showModeless(holder, make);
    QCOMPARE(forms::showModeless(holder, make), first);
    QCOMPARE(made, 1);
    QVERIFY(first->isVisible());
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(holder.isNull());
    QWidget* second = forms::showModeless(holder, make);
    QCOMPARE(made, 2);
    QVERIFY(second->isVisible());
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestForms::aLongListIsShownAndChosenFrom()
{
    forms::ListBox box;
    QAbstractItemModelTester tester(box.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    box.resize(240, 300);
    box.show();
    QSignalSpy chosen(&box, &forms::ListBox::currentRowChanged);

    QStringList entries;
    for (int i = 0; i < 50000; ++i)
        entries.append(QStringLiteral("entry %1").arg(i));
    box.setItems(entries);
    QCOMPARE(box.count(), 50000);
    QCOMPARE(box.text(49999), QStringLiteral("entry 49999"));
    QCOMPARE(box.currentRow(), -1);

    box.setCurrentRow(0);
    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(box.currentRow(), 1);
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.last().first().toInt(), 1);

    // Entries are placed a batch at a time: the last one must still be reachable and shown.
    box.setCurrentRow(49999);
    box.scrollTo(box.currentIndex());
    QTRY_VERIFY(box.viewport()->rect().contains(box.visualItemRect(49999).center()));
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(box.currentRow(), 49998);

    // New entries start with none chosen, so a stale row never picks from the new list.
    chosen.clear();
    box.setItems({QStringLiteral("only")});
    QCOMPARE(box.currentRow(), -1);
    box.clear();
    QCOMPARE(box.count(), 0);
    for (const QList<QVariant>& signal : std::as_const(chosen))
        QVERIFY(signal.first().toInt() < 0);

    // Entries are not edited in place.
    box.setItems({QStringLiteral("fixed")});
    box.setCurrentRow(0);
    QTest::keyClick(&box, Qt::Key_F2);
    QTest::keyClicks(box.focusWidget() ? box.focusWidget() : &box, QStringLiteral("x"));
    QCOMPARE(box.text(0), QStringLiteral("fixed"));
}

void TestForms::looksDressControlsByName()
{
    QWidget window;
    window.setObjectName(QStringLiteral("Form"));
    auto* label = new QLabel(&window);
    label->setObjectName(QStringLiteral("Label1"));
    auto* edit = new QLineEdit(&window);
    edit->setObjectName(QStringLiteral("Text1"));
    const forms::ControlLook looks[] = {
        {.name = "Form", .back = 0x00C0C0C0},
        {.name = "Label1", .font = {"Arial", 9.75, true}, .fore = 0x00FF0000},
        {.name = "Text1", .back = 0x0000FFFF, .editor = true},
        {.name = "Command9", .font = {"Arial", 12}},
    };
    // A name the window does not have is reported, and the others are still dressed.
    QCOMPARE(forms::applyLooks(&window, looks), QStringList({QStringLiteral("Command9")}));
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    // An editor's colour is its own base, not the window around it.
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(edit->palette().color(QPalette::Window), window.palette().color(QPalette::Window));
}

// The program's own application object, so that its guard under every event is tested.
int main(int argc, char** argv)
{
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    TestForms tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_forms.moc"
