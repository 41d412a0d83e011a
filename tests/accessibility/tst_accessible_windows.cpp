#include "inventory/info_windows/frmabout.h"
#include "inventory/info_windows/frmsplash.h"
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/storage_window/storagecheckwindow.h"
#include "inventory/store/chemical_table.h"
#include "platform/controls/host.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/datagrid.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"
#include "platform/forms/timer.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <cmath>
#include <map>
#include <memory>

using namespace testsupport;

namespace {

QAccessibleInterface* accessible(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

QString nameOf(QObject* o)
{
    QAccessibleInterface* i = accessible(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no accessible interface>");
}

QString describe(QAccessibleInterface* i)
{
    const QObject* o = i->object();
    return QStringLiteral("%1 (role 0x%2)")
        .arg(o ? QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(' ') + o->objectName()
               : QStringLiteral("child of ") +
                     (i->parent() && i->parent()->object() ? i->parent()->object()->objectName() : QString()))
        .arg(static_cast<int>(i->role()), 0, 16);
}

// Each object a person could reach with the keyboard now (focusable, shown, enabled) that
// a screen reader would announce without a name. Item views are not entered: their cells
// are data and read as their text.
void collectUnnamed(QAccessibleInterface* i, QStringList& unnamed)
{
    const QAccessible::State state = i->state();
    if (state.focusable && !state.invisible && !state.disabled &&
        i->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(describe(i));
    const QAccessible::Role role = i->role();
    if (role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree)
        return;
    for (int c = 0; c < i->childCount(); ++c)
        if (QAccessibleInterface* child = i->child(c))
            collectUnnamed(child, unnamed);
}

QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    QAccessibleInterface* root = accessible(window);
    if (!root)
        return {QStringLiteral("no accessible window")};
    collectUnnamed(root, unnamed);
    return unnamed;
}

// The WCAG relative luminance of an sRGB colour, and the contrast ratio of two.
double luminance(const QColor& c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most pixels of the area have: what lies behind a line of text.
QColor mostCommonColor(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor::fromRgb(most->first);
}

std::unique_ptr<Tamsel> openMainWindow(const TempInventory& inventory)
{
    forms::setPath(inventory.folder());
    auto w = std::unique_ptr<Tamsel>(Tamsel::Load());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    w->activateWindow();
    return w;
}

QLabel* linkLabel(const Tamsel& w)
{
    return w.link1() && w.link1()->widget()
               ? w.link1()->widget()->findChild<QLabel*>(QStringLiteral("Label1"))
               : nullptr;
}

QString caption(const Tamsel& w)
{
    return w.Data1()->Caption();
}

} // namespace

class TestAccessibleWindows : public QObject
{
    Q_OBJECT
private slots:
    void mainWindowNamesEveryControlOnEveryTab();
    void mainWindowMovesBetweenRecordsFromTheKeyboard();
    void theLinkReadsOnItsBackground();
    void listWindowNamesEveryControl();
    void storageCheckNamesEveryControl();
    void aboutBoxAndSplashAreNamed();
};

void TestAccessibleWindows::mainWindowNamesEveryControlOnEveryTab()
{
    TempInventory inv(
        {chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O"))});
    auto w = openMainWindow(inv);
    auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        const QStringList unnamed = unnamedControls(w.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("tab %1: ").arg(tab) + unnamed.join(u", ")));
    }

    // Each box by the label or frame caption beside it, whether its tab is shown or not.
    for (const store::Column& column : store::kColumns)
        QCOMPARE(nameOf(w->txtfields(column.ordinal)->widget()), QString::fromLatin1(column.caption));
    // The design's tooltips describe the boxes that have one.
    QCOMPARE(accessible(w->txtfields(store::NOME)->widget())->text(QAccessible::Description),
             QStringLiteral("NAME IN THE LINGUAGE OF YOUR CHOICE"));

    // The picture-only buttons by their tooltips.
    auto* toolbar = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    const auto buttons = toolbar->actions();
    QCOMPARE(buttons.size(), 6);
    for (QAction* a : buttons) {
        QVERIFY(!a->toolTip().isEmpty());
        QCOMPARE(nameOf(toolbar->widgetForAction(a)), a->toolTip());
    }

    // The data control, its four buttons, and its caption as the description.
    const QStringList moves{QStringLiteral("First record"), QStringLiteral("Previous record"),
                            QStringLiteral("Next record"), QStringLiteral("Last record")};
    for (int action = records::ActionMoveFirst; action <= records::ActionMoveLast; ++action)
        QCOMPARE(nameOf(w->Data1()->button(action)), moves.at(action - records::ActionMoveFirst));
    QCOMPARE(nameOf(w->Data1()), QStringLiteral("Chemical record"));
    QCOMPARE(caption(*w), QStringLiteral("Chemical #: 1"));
    // Told once the window is back in its event loop, as a screen reader asks.
    QCoreApplication::processEvents();
    QCOMPARE(accessible(w->Data1())->text(QAccessible::Description), caption(*w));

    // The search box, its hit list (hidden until a search finds something), the link.
    QCOMPARE(nameOf(w->Text2()), QStringLiteral("Search text"));
    QCOMPARE(accessible(w->Text2())->text(QAccessible::Description), w->Text2()->toolTip());
    QCOMPARE(nameOf(w->List1()), QStringLiteral("Chemicals found"));
    QLabel* label = linkLabel(*w);
    QVERIFY(label);
    QCOMPARE(nameOf(label), w->link1()->get(QStringLiteral("caption")).toString());
    QVERIFY(!accessible(w->link1()->widget())->text(QAccessible::Description).isEmpty());
}

void TestAccessibleWindows::mainWindowMovesBetweenRecordsFromTheKeyboard()
{
    TempInventory inv({chemical(QStringLiteral("Acetona")), chemical(QStringLiteral("Benzeno")),
                       chemical(QStringLiteral("Tolueno"))});
    auto w = openMainWindow(inv);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    // From inside a box, where Home and End belong to the text.
    w->txtfields(store::NOME)->widget()->setFocus();
    QCOMPARE(caption(*w), QStringLiteral("Chemical #: 1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::AltModifier);
    QTRY_COMPARE(caption(*w), QStringLiteral("Chemical #: 2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::AltModifier);
    QTRY_COMPARE(caption(*w), QStringLiteral("Chemical #: 3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::AltModifier);
    QTRY_COMPARE(caption(*w), QStringLiteral("Chemical #: 2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::AltModifier);
    QTRY_COMPARE(caption(*w), QStringLiteral("Chemical #: 1"));
    w->Data1()->syncBound();
    QCOMPARE(w->txtfields(store::NOME)->Text(), QStringLiteral("Acetona"));
    // A screen reader hears the keys with the buttons.
    const QKeySequence next = w->Data1()->button(records::ActionMoveNext)->shortcut();
    QCOMPARE(next, QKeySequence(Qt::ALT | Qt::Key_PageDown));
}

void TestAccessibleWindows::theLinkReadsOnItsBackground()
{
    // The measure itself: black on white is the largest contrast there is.
    QCOMPARE(contrast(Qt::black, Qt::white), 21.0);

    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openMainWindow(inv);
    QLabel* label = linkLabel(*w);
    QVERIFY(label && label->isVisible());
    const QColor text = label->palette().color(QPalette::Active, QPalette::WindowText);
    // The design's light yellow stays.
    QCOMPARE(text, QColor(0xff, 0xff, 0xc0));

    // What is painted behind the text, as the window shows it.
    const QImage shot = w->grab().toImage();
    const QRect area(label->mapTo(w.get(), QPoint(0, 0)), label->size());
    QVERIFY(shot.rect().contains(area));
    const QColor back = mostCommonColor(shot, area);
    QVERIFY2(contrast(text, back) >= 3.0, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                                         .arg(text.name(), back.name())
                                                         .arg(contrast(text, back), 0, 'f', 2)));
    // The text itself is drawn in its colour on that background.
    bool drawn = false;
    for (int y = area.top(); y <= area.bottom() && !drawn; ++y)
        for (int x = area.left(); x <= area.right() && !drawn; ++x)
            drawn = QColor(shot.pixel(x, y)) == text;
    QVERIFY(drawn);
}

void TestAccessibleWindows::listWindowNamesEveryControl()
{
    TempInventory inv({chemical(QStringLiteral("Acetona")), chemical(QStringLiteral("Benzeno"))});
    forms::setPath(inv.folder());
    std::unique_ptr<list_window::frmDataGrid> list(list_window::frmDataGrid::Load());
    list->setAttribute(Qt::WA_DeleteOnClose, false);
    list->show();
    const QStringList unnamed = unnamedControls(list.get());
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QCOMPARE(nameOf(list->grdDataGrid()), QStringLiteral("Chemicals"));
    QCOMPARE(nameOf(list->Text1()), QStringLiteral("Seek text"));
    QCOMPARE(nameOf(list->Data1()), QStringLiteral("Record position"));
    QCoreApplication::processEvents();
    QCOMPARE(accessible(list->Data1())->text(QAccessible::Description), list->Data1()->Caption());
    QCOMPARE(list->Data1()->Caption(), QStringLiteral("1"));
}

void TestAccessibleWindows::storageCheckNamesEveryControl()
{
    Row nitric = chemical(QStringLiteral("Ácido nítrico 65%"), {}, QStringLiteral("HNO3"));
    nitric[store::LOCAL] = QStringLiteral("Armário de ácidos");
    nitric[store::HAZARDS] = QStringLiteral("H272 H290 H314");
    Row anhydride = chemical(QStringLiteral("Anidrido acético"), {}, QStringLiteral("C4H6O3"));
    anhydride[store::LOCAL] = QStringLiteral("Armário de ácidos");
    anhydride[store::HAZARDS] = QStringLiteral("H226 H314");
    TempInventory inv({nitric, anhydride});
    auto w = openMainWindow(inv);
    w->mnustoragecheck_Click();
    storage_window::StorageCheckWindow* check = w->storageCheck();
    QVERIFY(check && check->isVisible());
    const QStringList unnamed = unnamedControls(check);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QCOMPARE(nameOf(check->tree()), QStringLiteral("Places and chemicals to check"));
    // A screen reader hears the summary when it enters the list.
    QVERIFY(accessible(check->tree())->text(QAccessible::Description).contains(QStringLiteral("kept apart")));
    // From the list, Tab reaches the buttons; on a place's line there is no chemical to show.
    QApplication::setActiveWindow(check);
    QVERIFY(QTest::qWaitForWindowActive(check));
    check->tree()->setFocus();
    QVERIFY(!check->showButton()->isEnabled());
    QTest::keyClick(check->tree(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(check->refreshButton()));
}

void TestAccessibleWindows::aboutBoxAndSplashAreNamed()
{
    info::frmAbout about;
    about.Form_Load();
    about.show();
    QStringList unnamed = unnamedControls(&about);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QCOMPARE(nameOf(&about), about.windowTitle());

    // The splash has no title bar and takes the keys itself.
    info::frmSplash splash([] {});
    splash.Form_Load();
    splash.Timer1()->stop();
    splash.show();
    unnamed = unnamedControls(&splash);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    QCOMPARE(nameOf(&splash), QStringLiteral("Quillarbon"));
}

QB_TEST_MAIN(TestAccessibleWindows)
#include "tst_accessible_windows.moc"
