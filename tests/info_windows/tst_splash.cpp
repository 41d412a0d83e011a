#include "inventory/info_windows/frmsplash.h"
#include "platform/forms/errors.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/timer.h"
#include "platform/testing/messageboxes.h"
#include "tests/support/test_main.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs the event loop as main() does, then: true when the program ended by itself, as it
// does when its last window closes, false when it still ran at the deadline.
bool endsByItself(int deadlineMs)
{
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    deadline.start(deadlineMs);
    return QApplication::exec() == 0;
}

// Runs f once the event loop is running.
template <class F> void soon(QObject* context, F f)
{
    QTimer::singleShot(50, context, f);
}

// What the hand-over saw: when it ran, and whether the splash was still on the screen.
struct HandOver
{
    int calls = 0;
    qint64 atMs = -1;
    bool splashShown = false;
    QPointer<QMainWindow> window;
};

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

    QPointer<info::frmSplash> splash;
    HandOver handOver;
    QElapsedTimer clock;

    // Starts the program's way: the splash loaded and shown, its hand-over a main window.
    void start()
    {
        handOver = HandOver{};
        splash = info::frmSplash::Load([this] {
            ++handOver.calls;
            handOver.atMs = clock.elapsed();
            handOver.splashShown = splash && splash->isVisible();
            auto window = std::make_unique<QMainWindow>();
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
            handOver.window = window.release();
        });
        clock.start();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }

    // A point of the frame itself, clear of its labels and logo.
    QPoint bareFramePoint() const
    {
        QFrame* frame = splash->Frame1();
        const QPoint p(frame->width() - 12, frame->height() - 12);
        return frame->childAt(p) ? QPoint() : frame->mapTo(splash.data(), p);
    }

private slots:
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        settle();
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    }

    void showsTitleAndVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("this release") << QStringLiteral("1.0.0") << QStringLiteral("Version 1.0");
        QTest::newRow("minor not shown") << QStringLiteral("2.3.5") << QStringLiteral("Version 2.5");
    }
    void showsTitleAndVersion()
    {
        QFETCH(QString, version);
        QFETCH(QString, shown);
        QCoreApplication::setApplicationVersion(version);
        start();
        QCOMPARE(splash->lblVersion()->text(), shown);
        QCOMPARE(splash->lblProductName()->text(), QStringLiteral("Quillarbon"));
        // Sized to its text, so no part of it is cut off.
        QVERIFY(splash->lblVersion()->width() >= splash->lblVersion()->sizeHint().width());
    }

    // Left alone, the splash hands over after two seconds: the main window is loaded and
    // shown while the splash is still up, then the splash goes and the program runs on.
    void handsOverToTheMainWindowAfterTwoSeconds()
    {
        start();
        bool runningAfterHandOver = false;
        QTimer look;
        look.setSingleShot(true);
        connect(&look, &QTimer::timeout, this, [&] {
            runningAfterHandOver = !splash && handOver.window && handOver.window->isVisible();
            // The program ends with its last window.
            if (handOver.window)
                handOver.window->close();
        });
        look.start(3000);
        QVERIFY(endsByItself(6000));
        QVERIFY(runningAfterHandOver);
        QCOMPARE(handOver.calls, 1);
        QVERIFY2(handOver.atMs >= 1900, qPrintable(QString::number(handOver.atMs)));
        QVERIFY(handOver.splashShown);
    }

    // A key, or a click on the frame, closes the splash before the hand-over: no main
    // window ever comes, and with no window left the program ends.
    void keyOrFrameClickEndsTheProgram_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("letter") << int(Qt::Key_A);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("click on the frame") << 0;
    }
    void keyOrFrameClickEndsTheProgram()
    {
        QFETCH(int, key);
        start();
        const QPoint at = bareFramePoint();
        QVERIFY(!at.isNull());
        soon(splash, [&] {
            if (key)
                QTest::keyClick(splash->windowHandle(), Qt::Key(key));
            else
                QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, at);
        });
        QVERIFY(endsByItself(1500));
        settle();
        QVERIFY(!splash);
        QCOMPARE(handOver.calls, 0);
    }

    // Clicks on the labels and on the logo change nothing; the hand-over still comes.
    void clicksOnLabelsAndLogoDoNothing()
    {
        start();
        const auto labels = splash->Frame1()->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 6);
        for (QLabel* label : labels) {
            const QPoint at = label->mapTo(splash.data(), label->rect().center());
            QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, at);
            settle();
            QVERIFY2(splash && splash->isVisible(), qPrintable(label->objectName()));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!splash, 6000);
        QCOMPARE(handOver.calls, 1);
    }

    // A main window that cannot be loaded is reported once, even while the user takes
    // longer than two seconds to read the message; then the splash closes and the
    // program ends instead of trying again.
    void failedHandOverIsReportedOnceAndEnds()
    {
        forms::ScopedScriptedMessageBoxes boxes;
        boxes->setNestedLoopMs(2600);
        int calls = 0;
        splash = info::frmSplash::Load([&calls] {
            ++calls;
            throw base::RuntimeError(310, QStringLiteral("The inventory file could not be found."));
        });
        splash->show();
        QVERIFY(endsByItself(10000));
        settle();
        QVERIFY(!splash);
        QCOMPARE(calls, 1);
        QCOMPARE(boxes->shown().size(), 1);
        QVERIFY(
            boxes->shown().at(0).prompt.contains(QStringLiteral("The inventory file could not be found.")));
    }
};

QB_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
