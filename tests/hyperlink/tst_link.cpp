#include "platform/controls/hyperlink.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/twips.h"
#include "platform/testing/hyperlink.h"
#include "platform/testing/messageboxes.h"
#include "tests/controls/zorbel_fixture.h"
#include "tests/support/test_main.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

using controls::ControlInstance;

namespace {

constexpr int kClickDispId = 1;
const QColor kLightYellow(255, 255, 192);
const QColor kFlash(255, 128, 128);

// A host window with one link in it, shown, the way the main window has it.
struct Hosted
{
    QWidget window;
    std::unique_ptr<ControlInstance> link;
    int clicks = 0;

    explicit Hosted(const controls::PropertyBag* saved = nullptr)
    {
        window.resize(400, 200);
        link = saved ? controls::createControl(RegisteredZorbel::link(), &window, *saved)
                     : controls::createControl(RegisteredZorbel::link(), &window);
        link->connectEvent(QStringLiteral("Click"), [this](const QVariantList&) { ++clicks; });
        window.show();
        QApplication::processEvents();
    }
};

// Runs fn as soon as a modal window is open, from inside its event loop.
void whenModal(std::function<void(QWidget*)> fn)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, fn] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            fn(w);
        }
    });
    poll->start(5);
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void init() { zorbel_ = std::make_unique<RegisteredZorbel>(); }
    void cleanup() { zorbel_.reset(); }

    void aFreshControlShowsTheDisabledButtonAndSavesItsValues();
    void theHostsBagShowsTheUnderlinedLabelInItsColour();
    void aLabelClickRaisesClickAtOnceAndOpensAfterTheFlash();
    void aButtonClickOpensAtOnceWithoutAFlash();
    void aDoubleClickIsOneClickInBothLooks();
    void theAddressReadIsTheOneTheClickHandlerSet();
    void aDisabledControlDoesNothingWhenClicked();
    void styleSelectsTheLookAndRefusesWhatIsNoNumber();
    void aSmallFontSizeIsHeldButNotShownAndLoadsAsEight();
    void colourChangesTheLabelOnlyAndNotifiesNothing();
    void everyOtherLetNotifiesItsName();
    void resizingGivesTheButtonTheControlsSize();
    void eachAboutBoxIsAFreshModalWindow();
    void twoLinksKeepTheirOwnValues();
    void aBagWithMissingOrWrongKeys();
    void aFailingNavigationIsReportedOnce();

private:
    std::unique_ptr<RegisteredZorbel> zorbel_;
};

void TestLink::aFreshControlShowsTheDisabledButtonAndSavesItsValues()
{
    Hosted h;
    QPushButton* button = Command1(*h.link);
    QLabel* label = Label1(*h.link);
    QVERIFY(button->isVisible());
    QVERIFY(!label->isVisible());
    QVERIFY(!button->isEnabled());
    QVERIFY(!label->isEnabled());
    QCOMPARE(button->text(), QStringLiteral("Dorwen's ActiveX"));
    QCOMPARE(label->text(), QStringLiteral("Dorwen's ActiveX"));
    QCOMPARE(button->font().pointSize(), 8);
    QCOMPARE(label->font().pointSize(), 8);
    QVERIFY(!button->font().bold());
    QCOMPARE(h.link->widget()->size(), forms::twipsSize(1125, 630));

    // Every key is saved, with its type, though each holds what a fresh control has.
    controls::PropertyBag bag;
    h.link->save(bag);
    QCOMPARE(bag.names(),
             QStringList({QStringLiteral("_extentx"), QStringLiteral("_extenty"), QStringLiteral("caption"),
                          QStringLiteral("url"), QStringLiteral("enable"), QStringLiteral("font_size"),
                          QStringLiteral("bold"), QStringLiteral("style"), QStringLiteral("Color")}));
    QCOMPARE(bag.ReadProperty(QStringLiteral("caption")), QVariant(QStringLiteral("Dorwen's ActiveX")));
    QCOMPARE(bag.ReadProperty(QStringLiteral("url")), QVariant(QString()));
    QCOMPARE(bag.ReadProperty(QStringLiteral("enable")), QVariant(false));
    QCOMPARE(bag.ReadProperty(QStringLiteral("font_size")), controls::integerValue(8));
    QCOMPARE(bag.ReadProperty(QStringLiteral("bold")), QVariant(false));
    QCOMPARE(bag.ReadProperty(QStringLiteral("style")), controls::integerValue(0));
    QCOMPARE(bag.ReadProperty(QStringLiteral("Color")), controls::longValue(0));
}

void TestLink::theHostsBagShowsTheUnderlinedLabelInItsColour()
{
    const controls::PropertyBag bag = hostBag();
    Hosted h(&bag);
    QLabel* label = Label1(*h.link);
    QVERIFY(label->isVisible());
    QVERIFY(!Command1(*h.link)->isVisible());
    QVERIFY(label->isEnabled());
    QCOMPARE(label->text(), QStringLiteral("WebSite: https://example.org/lab"));
    QCOMPARE(label->font().pointSize(), 10);
    QVERIFY(label->font().bold());
    QVERIFY(label->font().underline());
    // Saved under "color", read as Color.
    QCOMPARE(labelColor(*h.link), kLightYellow);
    QCOMPARE(h.link->get(QStringLiteral("Color")).toUInt(), 0x00C0FFFFu);
    QCOMPARE(h.link->widget()->size(), forms::twipsSize(4170, 495));
    QCOMPARE(label->pos(), QPoint(forms::px(120), forms::px(120)));

    const QCursor hand = label->cursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(12, 1));
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    // The hot spot is on the drawn fingertip, not on a transparent pixel beside it.
    QCOMPARE(qAlpha(hand.pixmap().toImage().pixel(12, 1)), 255);
    QCOMPARE(qAlpha(hand.pixmap().toImage().pixel(12, 0)), 0);
}

void TestLink::aLabelClickRaisesClickAtOnceAndOpensAfterTheFlash()
{
    controls::ScopedRecordingHyperlink opened;
    {
        controls::PropertyBag bag = hostBag();
        bag.WriteProperty(QStringLiteral("url"), QString());
        Hosted h(&bag);
        QTest::mouseClick(Label1(*h.link), Qt::LeftButton);
        QCOMPARE(h.clicks, 1);
        QCOMPARE(labelColor(*h.link), kFlash);
        QTRY_COMPARE(labelColor(*h.link), kLightYellow);
        QTest::qWait(100);
        QVERIFY(opened->navigations().isEmpty());
    }

    const controls::PropertyBag bag = hostBag();
    Hosted h(&bag);
    QColor colourWhenOpened;
    opened->onNavigate([&](const auto&) { colourWhenOpened = labelColor(*h.link); });
    QTest::mouseClick(Label1(*h.link), Qt::LeftButton);
    QCOMPARE(h.clicks, 1);
    QVERIFY(opened->navigations().isEmpty());
    QCOMPARE(labelColor(*h.link), kFlash);
    QTRY_COMPARE(opened->navigations().size(), 1);
    QCOMPARE(opened->navigations().front().target, QStringLiteral("https://example.org/lab"));
    QCOMPARE(opened->navigations().front().location, QString());
    QCOMPARE(opened->navigations().front().frameName, QString());
    QCOMPARE(colourWhenOpened, kLightYellow);
    QCOMPARE(h.clicks, 1);
}

void TestLink::aButtonClickOpensAtOnceWithoutAFlash()
{
    controls::ScopedRecordingHyperlink opened;
    controls::PropertyBag bag = hostBag();
    bag.WriteProperty(QStringLiteral("style"), controls::integerValue(0));
    Hosted h(&bag);
    QTest::mouseClick(Command1(*h.link), Qt::LeftButton);
    QCOMPARE(h.clicks, 1);
    QCOMPARE(opened->targets(), QStringList{QStringLiteral("https://example.org/lab")});
    QCOMPARE(labelColor(*h.link), kLightYellow);
}

void TestLink::aDoubleClickIsOneClickInBothLooks()
{
    controls::ScopedRecordingHyperlink opened;
    for (int style : {1, 0}) {
        opened->clear();
        controls::PropertyBag bag = hostBag();
        bag.WriteProperty(QStringLiteral("style"), controls::integerValue(static_cast<qint16>(style)));
        Hosted h(&bag);
        QWidget* target = style == 1 ? static_cast<QWidget*>(Label1(*h.link)) : Command1(*h.link);
        // What a double-click sends: press, release, the second press as a double-click, release.
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
        // After the flash and well beyond it: one Click, one browser tab.
        QTest::qWait(250);
        QCOMPARE(h.clicks, 1);
        QCOMPARE(opened->targets(), QStringList{QStringLiteral("https://example.org/lab")});
        // A later single click is a click again.
        QTest::mouseClick(target, Qt::LeftButton);
        QTRY_COMPARE(opened->targets().size(), 2);
        QCOMPARE(h.clicks, 2);
    }
}

void TestLink::theAddressReadIsTheOneTheClickHandlerSet()
{
    controls::ScopedRecordingHyperlink opened;
    for (int style : {1, 0}) {
        opened->clear();
        controls::PropertyBag bag = hostBag();
        bag.WriteProperty(QStringLiteral("style"), controls::integerValue(static_cast<qint16>(style)));
        Hosted h(&bag);
        ControlInstance* link = h.link.get();
        link->connectEvent(QStringLiteral("Click"), [link](const QVariantList&) {
            link->put(QStringLiteral("url"), QStringLiteral("https://example.org/other"));
        });
        QTest::mouseClick(style == 1 ? static_cast<QWidget*>(Label1(*link)) : Command1(*link),
                          Qt::LeftButton);
        QTRY_COMPARE(opened->targets(), QStringList{QStringLiteral("https://example.org/other")});
    }
}

void TestLink::aDisabledControlDoesNothingWhenClicked()
{
    controls::ScopedRecordingHyperlink opened;
    controls::PropertyBag bag = hostBag();
    bag.WriteProperty(QStringLiteral("enable"), false);
    Hosted h(&bag);
    QVERIFY(!Label1(*h.link)->isEnabled());
    QVERIFY(!Command1(*h.link)->isEnabled());
    QTest::mouseClick(Label1(*h.link), Qt::LeftButton);
    QCOMPARE(labelColor(*h.link), kLightYellow);
    h.link->put(QStringLiteral("style"), 0);
    QTest::mouseClick(Command1(*h.link), Qt::LeftButton);
    QTest::qWait(100);
    QCOMPARE(h.clicks, 0);
    QVERIFY(opened->navigations().isEmpty());

    // Enabled again, the same clicks work.
    h.link->put(QStringLiteral("enable"), true);
    QTest::mouseClick(Command1(*h.link), Qt::LeftButton);
    QCOMPARE(h.clicks, 1);
    QCOMPARE(opened->navigations().size(), 1);
}

void TestLink::styleSelectsTheLookAndRefusesWhatIsNoNumber()
{
    const controls::PropertyBag bag = hostBag();
    Hosted h(&bag);
    h.link->put(QStringLiteral("style"), 2);
    QCOMPARE(h.link->get(QStringLiteral("style")), controls::integerValue(2));
    QVERIFY(Command1(*h.link)->isVisible());
    QVERIFY(!Label1(*h.link)->isVisible());
    h.link->put(QStringLiteral("style"), QStringLiteral("1"));
    QVERIFY(Label1(*h.link)->isVisible());
    QVERIFY(!Command1(*h.link)->isVisible());

    h.link->clearChanged();
    QCOMPARE(testsupport::errorNumber([&] { h.link->put(QStringLiteral("style"), QStringLiteral("label")); }),
             controls::TypeMismatch);
    QCOMPARE(testsupport::errorNumber([&] { h.link->put(QStringLiteral("style"), 40000); }),
             controls::Overflow);
    QCOMPARE(h.link->get(QStringLiteral("style")), controls::integerValue(1));
    QVERIFY(Label1(*h.link)->isVisible());
    QVERIFY(h.link->changedProperties().isEmpty());
}

void TestLink::aSmallFontSizeIsHeldButNotShownAndLoadsAsEight()
{
    const controls::PropertyBag bag = hostBag();
    Hosted h(&bag);
    h.link->put(QStringLiteral("font_size"), 6);
    QCOMPARE(h.link->get(QStringLiteral("font_size")), controls::integerValue(6));
    QCOMPARE(Label1(*h.link)->font().pointSize(), 10);
    QCOMPARE(Command1(*h.link)->font().pointSize(), 10);
    QCOMPARE(h.link->changedProperties().last(), QStringLiteral("font_size"));

    controls::PropertyBag saved;
    h.link->save(saved);
    QCOMPARE(saved.ReadProperty(QStringLiteral("font_size")), controls::integerValue(6));
    Hosted reloaded(&saved);
    QCOMPARE(reloaded.link->get(QStringLiteral("font_size")), controls::integerValue(8));
    QCOMPARE(Label1(*reloaded.link)->font().pointSize(), 8);

    h.link->put(QStringLiteral("font_size"), 12);
    QCOMPARE(Label1(*h.link)->font().pointSize(), 12);
    QCOMPARE(Command1(*h.link)->font().pointSize(), 12);
}

void TestLink::colourChangesTheLabelOnlyAndNotifiesNothing()
{
    Hosted h; // the button look
    const QColor buttonText = Command1(*h.link)->palette().color(QPalette::Active, QPalette::ButtonText);
    h.link->clearChanged();
    h.link->put(QStringLiteral("Color"), QStringLiteral("&H0000FF&"));
    QVERIFY(h.link->changedProperties().isEmpty());
    QCOMPARE(h.link->get(QStringLiteral("Color")).toUInt(), 0x0000FFu);
    QCOMPARE(Command1(*h.link)->palette().color(QPalette::Active, QPalette::ButtonText), buttonText);
    h.link->put(QStringLiteral("style"), 1);
    QVERIFY(Label1(*h.link)->isVisible());
    QCOMPARE(labelColor(*h.link), QColor(255, 0, 0));
}

void TestLink::everyOtherLetNotifiesItsName()
{
    Hosted h;
    h.link->clearChanged();
    h.link->put(QStringLiteral("url"), QStringLiteral("https://example.org/"));
    h.link->put(QStringLiteral("caption"), QStringLiteral("Our site"));
    h.link->put(QStringLiteral("enable"), true);
    h.link->put(QStringLiteral("font_size"), 9);
    h.link->put(QStringLiteral("bold"), true);
    h.link->put(QStringLiteral("style"), 1);
    QCOMPARE(h.link->changedProperties(),
             QStringList({QStringLiteral("url"), QStringLiteral("caption"), QStringLiteral("enable"),
                          QStringLiteral("font_size"), QStringLiteral("bold"), QStringLiteral("style")}));
    // The caption reaches the hidden child as well.
    QCOMPARE(Command1(*h.link)->text(), QStringLiteral("Our site"));
    QCOMPARE(Label1(*h.link)->text(), QStringLiteral("Our site"));
    QVERIFY(Command1(*h.link)->font().bold());
    QVERIFY(Label1(*h.link)->font().bold());

    // Members are reached by number as well as by name.
    h.link->put(0x68030006, QStringLiteral("https://example.org/by-number"));
    QCOMPARE(h.link->get(QStringLiteral("URL")).toString(), QStringLiteral("https://example.org/by-number"));
}

void TestLink::resizingGivesTheButtonTheControlsSize()
{
    Hosted h;
    for (const QSize twips : {QSize(3000, 900), QSize(600, 300), QSize(5000, 2000)}) {
        h.link->setExtentTwips(twips.width(), twips.height());
        QApplication::processEvents();
        QCOMPARE(Command1(*h.link)->geometry(),
                 QRect(QPoint(0, 0), forms::twipsSize(twips.width(), twips.height())));
        QCOMPARE(Label1(*h.link)->pos(), QPoint(forms::px(120), forms::px(120)));
    }
}

void TestLink::eachAboutBoxIsAFreshModalWindow()
{
    Hosted h;
    QList<QPointer<QWidget>> windows;
    bool returned = false;
    auto clickOk = [&](QWidget* w) {
        windows.append(w);
        QVERIFY(!returned);
        QCOMPARE(w->windowTitle(), QStringLiteral("Zorbel"));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    };
    whenModal(clickOk);
    h.link->invoke(QStringLiteral("ShowAboutBox"));
    returned = true;
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows[0].isNull()); // released on return

    // By the standard number, and closed by its title bar's button this time.
    returned = false;
    whenModal([&](QWidget* w) {
        windows.append(w);
        QVERIFY(!returned);
        w->close();
    });
    h.link->invoke(controls::kDispIdAboutBox);
    returned = true;
    QCOMPARE(windows.size(), 2);
    QVERIFY(windows[1].isNull());
}

void TestLink::twoLinksKeepTheirOwnValues()
{
    controls::ScopedRecordingHyperlink opened;
    controls::PropertyBag first = hostBag(QStringLiteral("https://example.org/first"));
    first.WriteProperty(QStringLiteral("style"), controls::integerValue(0));
    controls::PropertyBag second = hostBag(QStringLiteral("https://example.org/second"));
    second.WriteProperty(QStringLiteral("style"), controls::integerValue(0));
    Hosted a(&first);
    Hosted b(&second);
    QTest::mouseClick(Command1(*a.link), Qt::LeftButton);
    QCOMPARE(opened->targets(), QStringList{QStringLiteral("https://example.org/first")});
    controls::PropertyBag saved;
    a.link->save(saved);
    QCOMPARE(saved.ReadProperty(QStringLiteral("url")).toString(),
             QStringLiteral("https://example.org/first"));
}

void TestLink::aBagWithMissingOrWrongKeys()
{
    // An older design with an address only keeps what initialisation left for the rest.
    controls::PropertyBag urlOnly;
    urlOnly.WriteProperty(QStringLiteral("url"), QStringLiteral("https://example.org/"));
    Hosted h(&urlOnly);
    QCOMPARE(h.link->get(QStringLiteral("caption")).toString(), QStringLiteral("Dorwen's ActiveX"));
    QCOMPARE(h.link->get(QStringLiteral("font_size")), controls::integerValue(8));
    QCOMPARE(h.link->get(QStringLiteral("url")).toString(), QStringLiteral("https://example.org/"));
    QVERIFY(Command1(*h.link)->isVisible());

    // A value that does not convert stops the load; the host tells the user once and
    // shows its window without the control.
    controls::PropertyBag wrong = hostBag();
    wrong.WriteProperty(QStringLiteral("enable"), QStringLiteral("maybe"));
    forms::ScopedScriptedMessageBoxes boxes;
    QWidget window;
    const auto placed =
        controls::placeControl(QStringLiteral("Zorbel.link"), &window, wrong, {7680, 480, {}, {}});
    QVERIFY(!placed);
    QCOMPARE(boxes->shown().size(), 1);
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("410")));
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("enable")));
    QVERIFY(window.findChildren<QPushButton*>().isEmpty());
}

void TestLink::aFailingNavigationIsReportedOnce()
{
    forms::ScopedScriptedMessageBoxes boxes;
    controls::ScopedRecordingHyperlink opened;
    controls::PropertyBag bag = hostBag();
    bag.WriteProperty(QStringLiteral("url"), QStringLiteral("javascript:alert(1)"));
    Hosted h(&bag);
    QTest::mouseClick(Label1(*h.link), Qt::LeftButton);
    QTRY_COMPARE(boxes->shown().size(), 1);
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("430")));
    QVERIFY(opened->navigations().isEmpty());
    QCOMPARE(labelColor(*h.link), kLightYellow);

    // A browser that cannot be started: one message, and the control still works.
    boxes->clear();
    opened->failWith(controls::BrowserFailed, QStringLiteral("No web browser could be started."));
    h.link->put(QStringLiteral("url"), QStringLiteral("https://example.org/"));
    h.link->put(QStringLiteral("style"), 0);
    QTest::mouseClick(Command1(*h.link), Qt::LeftButton);
    QCOMPARE(boxes->shown().size(), 1);
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("431")));
    QCOMPARE(h.clicks, 2);
}

QB_TEST_MAIN(TestLink)
#include "tst_link.moc"
