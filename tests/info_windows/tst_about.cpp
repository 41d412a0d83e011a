#include "inventory/info_windows/frmabout.h"
#include "inventory/info_windows/sysinfo.h"
#include "platform/forms/msgbox.h"
#include "platform/testing/messageboxes.h"
#include "tests/info_windows/fake_system.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

using testsupport::FakeSystem;
using testsupport::makeProgram;

namespace {

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Lets a closed box finish unloading.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses "System Info..." in a freshly opened about box, as the user does.
void pressSystemInfo()
{
    QPointer<info::frmAbout> box = info::showAbout();
    QVERIFY(box);
    QTest::mouseClick(box->cmdSysInfo(), Qt::LeftButton);
    box->close();
    settle();
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        settle();
    }

    // Loaded on first use, brought forward when asked again; closed, it loads anew and
    // reads the program's identity again.
    void showsTheProgramsIdentityAndPurpose()
    {
        QPointer<info::frmAbout> box = info::showAbout();
        QCOMPARE(box->windowTitle(), QStringLiteral("About Quillarbon"));
        QCOMPARE(box->lblTitle()->text(), QStringLiteral("Quillarbon"));
        QCOMPARE(box->lblVersion()->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(box->lblDescription()->text(),
                 QStringLiteral(
                     "This software is a chemical database. You can maintain a listing of all the "
                     "chemicals existing in your chemistry lab. Store useful chemical information  such "
                     "as, formula, chemical name, vendor, quanties and location in the lab. Some "
                     "physical properties, hazards data, etc. "));
        QVERIFY(!box->isModal());
        QCOMPARE(info::showAbout(), box.data());

        box->close();
        settle();
        QVERIFY(!box);
        QCoreApplication::setApplicationVersion(QStringLiteral("2.3.5"));
        box = info::showAbout();
        QCOMPARE(box->lblVersion()->text(), QStringLiteral("Version 2.5"));
    }

    // Enter and Escape both press OK, which closes the box; so does a click on it.
    void okEnterAndEscapeClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("click on OK") << 0;
    }
    void okEnterAndEscapeClose()
    {
        QFETCH(int, key);
        QPointer<info::frmAbout> box = info::showAbout();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QCOMPARE(box->focusWidget(), box->cmdOK());
        if (key)
            QTest::keyClick(box->windowHandle(), Qt::Key(key));
        else
            QTest::mouseClick(box->cmdOK(), Qt::LeftButton);
        settle();
        QVERIFY(!box);
    }

    // The tool starts from the path the registry names, and then its folder is never
    // asked; without a usable path, from the folder that holds its program.
    void startsTheTool_data()
    {
        QTest::addColumn<QString>("path"); // relative to the test's folder, or as it stands
        QTest::addColumn<QString>("started");
        QTest::newRow("from its path") << QStringLiteral("tool") << QStringLiteral("tool");
        QTest::newRow("no path") << QString() << QStringLiteral("MSINFO32.EXE");
        QTest::newRow("path longer than the buffer")
            << QString(1100, QLatin1Char('/')) << QStringLiteral("MSINFO32.EXE");
    }
    void startsTheTool()
    {
        QFETCH(QString, path);
        QFETCH(QString, started);
        FakeSystem sys;
        forms::ScopedScriptedMessageBoxes boxes;
        QTemporaryDir dir;
        makeProgram(dir.filePath(QStringLiteral("tool")));
        makeProgram(dir.filePath(QStringLiteral("MSINFO32.EXE")));
        if (!path.isEmpty())
            sys.setToolPath(path.startsWith(QLatin1Char('/')) ? path : dir.filePath(path));
        sys.setToolFolder(dir.path());

        pressSystemInfo();
        QCOMPARE(sys.launcher().started, QStringList{dir.filePath(started)});
        QCOMPARE(sys.folderLookedUp(), started != path);
        QCOMPARE(boxes->shown().size(), 0);
    }

    // Whatever stands in the way, the user gets the one message and nothing starts.
    void saysUnavailableAndStartsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"nothing in the registry", "folder without the program", "folder of that name",
              "path of another type", "path to a missing file", "path to a folder", "path not executable",
              "relative path", "empty path", "start fails", "registry calls missing"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void saysUnavailableAndStartsNothing()
    {
        QFETCH(QString, kind);
        FakeSystem sys;
        forms::ScopedScriptedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("tool"));
        makeProgram(program);

        if (kind == QStringLiteral("folder without the program")) {
            QDir(dir.path()).mkdir(QStringLiteral("empty"));
            sys.setToolFolder(dir.filePath(QStringLiteral("empty")));
        } else if (kind == QStringLiteral("path of another type")) {
            sys.registry().setValue(registry::HKEY_LOCAL_MACHINE, testsupport::kToolKey,
                                    testsupport::kToolValue, 3, program.toLocal8Bit());
        } else if (kind == QStringLiteral("path to a folder")) {
            sys.setToolPath(dir.path());
        } else if (kind == QStringLiteral("path not executable")) {
            makeProgram(dir.filePath(QStringLiteral("plain")), {}, false);
            sys.setToolPath(dir.filePath(QStringLiteral("plain")));
        } else if (kind == QStringLiteral("relative path")) {
            sys.setToolPath(QStringLiteral("tool"));
        } else if (kind == QStringLiteral("start fails")) {
            sys.setToolPath(program);
            sys.launcher().succeeds = false;
        } else if (kind == QStringLiteral("registry calls missing")) {
            registry::setLibrary(
                std::make_unique<registry::SharedLibrary>(QStringLiteral("no-such-library")));
        }
        // The relative name would be found in the current folder if it were looked up.
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        pressSystemInfo();
        QDir::setCurrent(before);

        QCOMPARE(boxes->shown().size(), 1);
        QCOMPARE(boxes->shown().at(0).prompt, kUnavailable);
        QCOMPARE(boxes->shown().at(0).style, int(forms::OkOnly));
        QCOMPARE(boxes->shown().at(0).title, QStringLiteral("Quillarbon"));
        if (kind == QStringLiteral("start fails"))
            QCOMPARE(sys.launcher().started, QStringList{program});
        else
            QCOMPARE(sys.launcher().started, QStringList());
    }

    // With the real launcher: a same-named program in the current folder never runs,
    // whether the registry names it bare or as a folder ".", while the same program named
    // by its full path does.
    void neverRunsAProgramFromTheCurrentFolder()
    {
        forms::ScopedScriptedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("ran"));
        makeProgram(dir.filePath(QStringLiteral("MSINFO32.EXE")), marker);
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        auto press = [](auto arrange) {
            FakeSystem sys;
            info::setLauncher(nullptr);
            arrange(sys);
            pressSystemInfo();
        };

        press([](FakeSystem& sys) { sys.setToolPath(QStringLiteral("MSINFO32.EXE")); });
        press([](FakeSystem& sys) { sys.setToolFolder(QStringLiteral(".")); });
        QTest::qWait(300);
        const bool ranFromHere = QFile::exists(marker);
        const int messages = static_cast<int>(boxes->shown().size());

        press([&](FakeSystem& sys) { sys.setToolPath(dir.filePath(QStringLiteral("MSINFO32.EXE"))); });
        QDir::setCurrent(before);

        QVERIFY(!ranFromHere);
        QCOMPARE(messages, 2);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
        QCOMPARE(boxes->shown().size(), 2);
    }
};

QB_TEST_MAIN(TestAbout)
#include "tst_about.moc"
