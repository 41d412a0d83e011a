#include "platform/controls/hyperlink.h"
#include "platform/controls/server.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/twips.h"
#include "platform/testing/hyperlink.h"
#include "platform/testing/messageboxes.h"
#include "platform/testing/registrationfile.h"
#include "tests/controls/zorbel_fixture.h"
#include "tests/support/test_main.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>

namespace {

const QString kFile = QStringLiteral(ZORBEL_PATH);
const QUuid kLink = QUuid::fromString(QStringLiteral("{05212b15-d49b-4e58-9b64-bd71dba2d04e}"));
const QUuid kLinkStyle = QUuid::fromString(QStringLiteral("{87928ecd-fbd6-4fb4-9735-bf567315ca06}"));

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

// Receives what the system's web browser would be asked to open.
class UrlCatcher final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class TestControlHost : public QObject
{
    Q_OBJECT
private slots:
    void registeringWritesTheTableAndUnregisteringRemovesExactlyIt();
    void whatIsNoControlLibraryIsRefusedWithTheFileUntouched();
    void librariesBesideTheFileAreNamedRelativeToItSoTheFolderCanMove();
    void aWindowWhoseControlCannotBeMadeShowsOneMessage();
    void theLibraryCannotUnloadWhileAControlLives();
    void callsAreCheckedBeforeTheMemberRuns();
    void onlyWebAddressesAreOpened_data();
    void onlyWebAddressesAreOpened();
    void theDefaultServiceHandsTheAddressToTheBrowser();
};

void TestControlHost::registeringWritesTheTableAndUnregisteringRemovesExactlyIt()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("controls.reg"));
    // Another library's registration, already there, must survive ours coming and going.
    writeAll(
        file,
        R"({"classes": {"{11111111-2222-3333-4444-555555555555}": {"name": "other", "progId": "Other.thing",
        "library": "/opt/other.ocx", "control": true}}, "progIds": {"Other.thing": "{11111111-2222-3333-4444-555555555555}"}})");
    controls::ScopedRegistrationFile scoped(file);

    controls::registerLibrary(kFile);
    QCOMPARE(controls::classIdFromProgId(QStringLiteral("zorbel.LINK")), kLink);
    const auto link = controls::ControlRegistry::findClass(kLink);
    QVERIFY(link);
    QCOMPARE(link->progId, QStringLiteral("Zorbel.link"));
    QCOMPARE(link->library, QFileInfo(kFile).canonicalFilePath());
    QCOMPARE(link->miscStatus, 0x28191u);
    QCOMPARE(link->toolboxBitmap, 30000);
    QCOMPARE(link->typeLibraryVersion, QStringLiteral("76.0"));
    QCOMPARE(controls::ControlRegistry::interfaceName(link->interfaceId), QStringLiteral("_link"));
    QCOMPARE(controls::ControlRegistry::interfaceName(link->eventInterfaceId), QStringLiteral("__link"));
    QCOMPARE(link->propertyPages, QList<QUuid>{kLinkStyle});
    const auto page = controls::ControlRegistry::findClass(kLinkStyle);
    QVERIFY(page && !page->control);
    QCOMPARE(controls::ControlRegistry::interfaceName(page->interfaceId), QStringLiteral("_Link_style"));
    const auto lib = controls::ControlRegistry::findTypeLibrary(link->typeLibrary);
    QVERIFY(lib);
    QCOMPARE(lib->name, QStringLiteral("Zorbel"));
    QVERIFY(
        lib->versionInfo.contains({QStringLiteral("FileDescription"), QStringLiteral("ActiveX control")}));
    QVERIFY(lib->versionInfo.contains({QStringLiteral("OriginalFilename"), QStringLiteral("Zorbel.ocx")}));
    QVERIFY(!controls::toolboxPicture(kLink).isNull());

    // Registering again changes nothing.
    const QByteArray once = readAll(file);
    controls::registerLibrary(kFile);
    QCOMPARE(readAll(file), once);

    controls::unregisterLibrary(kFile);
    QCOMPARE(testsupport::errorNumber([] { controls::classIdFromProgId(QStringLiteral("Zorbel.link")); }),
             controls::ProgIdNotRegistered);
    QVERIFY(!controls::ControlRegistry::findClass(kLink));
    QVERIFY(!controls::ControlRegistry::findClass(kLinkStyle));
    QVERIFY(!controls::ControlRegistry::findTypeLibrary(link->typeLibrary));
    QVERIFY(controls::ControlRegistry::interfaceName(link->interfaceId).isEmpty());
    QCOMPARE(controls::classIdFromProgId(QStringLiteral("Other.thing")),
             QUuid::fromString(QStringLiteral("{11111111-2222-3333-4444-555555555555}")));
}

void TestControlHost::whatIsNoControlLibraryIsRefusedWithTheFileUntouched()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("controls.reg"));
    controls::ScopedRegistrationFile scoped(file);
    const QString garbage = dir.filePath(QStringLiteral("Broken.ocx"));
    writeAll(garbage, "this is no library");

    QCOMPARE(testsupport::errorNumber(
                 [&] { controls::registerLibrary(dir.filePath(QStringLiteral("Absent.ocx"))); }),
             controls::LibraryMissing);
    QCOMPARE(testsupport::errorNumber([&] { controls::registerLibrary(garbage); }),
             controls::LibraryNotLoadable);
    QCOMPARE(
        testsupport::errorNumber([] { controls::registerLibrary(QStringLiteral(NOT_A_CONTROL_LIBRARY)); }),
        controls::NotAControlLibrary);
    QVERIFY(!QFile::exists(file));

    // A damaged registration file is reported, and left for the user to look at.
    writeAll(file, "{ half a file");
    QCOMPARE(testsupport::errorNumber([] { controls::registerLibrary(kFile); }),
             controls::RegistrationRefused);
    QCOMPARE(testsupport::errorNumber([] { controls::classIdFromProgId(QStringLiteral("Zorbel.link")); }),
             controls::RegistrationUnreadable);
    QCOMPARE(readAll(file), QByteArray("{ half a file"));
}

void TestControlHost::librariesBesideTheFileAreNamedRelativeToItSoTheFolderCanMove()
{
    // A library table of its own: registering it writes paths without loading anything.
    controls::ProjectHeader header;
    header.typeLibrary.name = QStringLiteral("Moving");
    header.typeLibrary.libid = QUuid::createUuid();
    controls::ClassEntry thing;
    thing.name = QStringLiteral("thing");
    thing.clsid = QUuid::createUuid();
    header.classes.append(thing);
    const auto registered = [&] {
        const auto found = controls::ControlRegistry::findClass(thing.clsid);
        return found ? found->library : QString();
    };
    const auto stored = [](const QString& file) {
        const QJsonObject root = QJsonDocument::fromJson(readAll(file)).object();
        const QJsonObject classes = root.value(QStringLiteral("classes")).toObject();
        return classes.begin()->toObject().value(QStringLiteral("library")).toString();
    };

    QTemporaryDir top;
    QVERIFY(QDir(top.path()).mkpath(QStringLiteral("program/controls")));
    // The folder is reached through a link, as a build folder often is: the library's
    // own path, which the library reports resolved, still lies inside it.
    QVERIFY(QFile::link(top.filePath(QStringLiteral("program")), top.filePath(QStringLiteral("via"))));
    const QString file = top.filePath(QStringLiteral("via/controls.reg"));
    const QString real = QFileInfo(top.filePath(QStringLiteral("program"))).canonicalFilePath();
    {
        controls::ScopedRegistrationFile scoped(file);
        controls::ControlRegistry::add(header, real + QStringLiteral("/Moving.ocx"));
        QCOMPARE(stored(file), QStringLiteral("Moving.ocx"));
        QCOMPARE(registered(), real + QStringLiteral("/Moving.ocx"));
        controls::ControlRegistry::add(header, real + QStringLiteral("/controls/Moving.ocx"));
        QCOMPARE(stored(file), QStringLiteral("controls/Moving.ocx"));
        QCOMPARE(controls::ControlRegistry::findTypeLibrary(header.typeLibrary.libid)->library,
                 real + QStringLiteral("/controls/Moving.ocx"));
    }

    // The folder moved: the registration follows it.
    QVERIFY(QDir(top.path()).rename(QStringLiteral("program"), QStringLiteral("moved")));
    const QString moved = QFileInfo(top.filePath(QStringLiteral("moved"))).canonicalFilePath();
    {
        controls::ScopedRegistrationFile scoped(top.filePath(QStringLiteral("moved/controls.reg")));
        QCOMPARE(registered(), moved + QStringLiteral("/controls/Moving.ocx"));

        // A library outside the folder keeps its absolute path, and one written by hand
        // or by an earlier version still works.
        controls::ControlRegistry::add(header, top.filePath(QStringLiteral("elsewhere/Moving.ocx")));
        QCOMPARE(stored(top.filePath(QStringLiteral("moved/controls.reg"))),
                 QDir::cleanPath(top.filePath(QStringLiteral("elsewhere/Moving.ocx"))));
        QCOMPARE(registered(), QDir::cleanPath(top.filePath(QStringLiteral("elsewhere/Moving.ocx"))));
    }
}

void TestControlHost::aWindowWhoseControlCannotBeMadeShowsOneMessage()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("controls.reg"));
    controls::ScopedRegistrationFile scoped(file);
    forms::ScopedScriptedMessageBoxes boxes;

    const auto tryPlace = [&](const QString& progId) {
        boxes->clear();
        QWidget window;
        auto placed = controls::placeControl(progId, &window, hostBag(), {7680, 480, {}, {}});
        window.show();
        QVERIFY(!placed);
        QVERIFY(window.isVisible());
        QVERIFY(window.findChildren<QWidget*>().isEmpty());
        QCOMPARE(boxes->shown().size(), 1);
    };

    // Nothing registered.
    tryPlace(QStringLiteral("Zorbel.link"));
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("401")));
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("\"Zorbel.link\"")));

    // Registered from where the library no longer lies.
    const QString moved = dir.filePath(QStringLiteral("Zorbel.ocx"));
    QVERIFY(QFile::copy(kFile, moved));
    controls::registerLibrary(moved);
    QVERIFY(QFile::remove(moved));
    tryPlace(QStringLiteral("Zorbel.link"));
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("402")));

    // The page class is no control; a class the library does not have.
    controls::registerLibrary(kFile);
    tryPlace(kLinkStyle.toString());
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("406")));
    QJsonObject root = QJsonDocument::fromJson(readAll(file)).object();
    QJsonObject classes = root.value(QStringLiteral("classes")).toObject();
    const QString stranger = QStringLiteral("{99999999-8888-7777-6666-555555555555}");
    classes.insert(stranger, classes.value(kLink.toString()));
    root.insert(QStringLiteral("classes"), classes);
    writeAll(file, QJsonDocument(root).toJson());
    tryPlace(stranger);
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("405")));

    // A design file that is not there.
    boxes->clear();
    QWidget window;
    QVERIFY(!controls::placeControl(QStringLiteral("Zorbel.link"), &window,
                                    dir.filePath(QStringLiteral("link1.json")), {7680, 480, {}, {}}));
    QCOMPARE(boxes->shown().size(), 1);
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("420")));

    // And once all is in order the control is there, where the design put it.
    boxes->clear();
    hostBag().saveToFile(dir.filePath(QStringLiteral("link1.json")));
    const auto placed =
        controls::placeControl(QStringLiteral("Zorbel.link"), &window,
                               dir.filePath(QStringLiteral("link1.json")), {7680, 480, {}, {}});
    QVERIFY(placed);
    QVERIFY(boxes->shown().isEmpty());
    QCOMPARE(placed->widget()->geometry(), forms::twipsRect(7680, 480, 4170, 495));
}

void TestControlHost::theLibraryCannotUnloadWhileAControlLives()
{
    RegisteredZorbel zorbel;
    QLibrary library(kFile);
    const auto canUnload = reinterpret_cast<controls::CanUnloadNowFn>(library.resolve("DllCanUnloadNow"));
    QVERIFY(canUnload);
    QWidget window;
    {
        auto link = controls::createControl(kLink, &window);
        QCOMPARE(canUnload(), controls::kFalse);
    }
    QCOMPARE(canUnload(), controls::kOk);

    // The host's window may go first; the instance then holds no widget and says so.
    auto window2 = std::make_unique<QWidget>();
    auto link = controls::createControl(kLink, window2.get());
    window2.reset();
    QCOMPARE(canUnload(), controls::kOk);
    QVERIFY(!link->widget());
    QCOMPARE(testsupport::errorNumber([&] { link->get(QStringLiteral("url")); }), controls::ControlGone);
}

void TestControlHost::callsAreCheckedBeforeTheMemberRuns()
{
    RegisteredZorbel zorbel;
    QWidget window;
    auto link = controls::createControl(kLink, &window);
    QCOMPARE(testsupport::errorNumber([&] { link->get(QStringLiteral("href")); }), controls::MemberNotFound);
    QCOMPARE(testsupport::errorNumber([&] { link->get(controls::kDispIdAboutBox); }),
             controls::AccessNotSupported);
    QCOMPARE(testsupport::errorNumber([&] { link->invoke(QStringLiteral("ShowAboutBox"), {1}); }),
             controls::WrongArgumentCount);
    QCOMPARE(testsupport::errorNumber(
                 [&] { link->connectEvent(QStringLiteral("DblClick"), [](const QVariantList&) {}); }),
             controls::MemberNotFound);
    // A typed property converts its value first: a wrong one changes and notifies nothing.
    QCOMPARE(testsupport::errorNumber([&] { link->put(QStringLiteral("enable"), QStringLiteral("maybe")); }),
             controls::TypeMismatch);
    QCOMPARE(link->get(QStringLiteral("enable")), QVariant(false));
    QVERIFY(link->changedProperties().isEmpty());
}

void TestControlHost::onlyWebAddressesAreOpened_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opens");
    QTest::newRow("https") << QStringLiteral("https://example.org/lab?x=1&y=2#top") << true;
    QTest::newRow("http") << QStringLiteral("http://example.org") << true;
    QTest::newRow("upper-case scheme") << QStringLiteral("HTTPS://example.org/") << true;
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
    QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
    QTest::newRow("data") << QStringLiteral("data:text/html,<b>x</b>") << false;
    QTest::newRow("program") << QStringLiteral("/usr/bin/xterm") << false;
    QTest::newRow("relative") << QStringLiteral("lab/index.html") << false;
    QTest::newRow("no host") << QStringLiteral("http:///etc/passwd") << false;
    QTest::newRow("spaces") << QStringLiteral(" https://example.org/ a") << false;
    QTest::newRow("ftp") << QStringLiteral("ftp://example.org/") << false;
    QTest::newRow("mail") << QStringLiteral("mailto:lab@example.org") << false;
}

void TestControlHost::onlyWebAddressesAreOpened()
{
    QFETCH(QString, address);
    QFETCH(bool, opens);
    controls::ScopedRecordingHyperlink opened;
    const int error = testsupport::errorNumber([&] { controls::navigate(address); });
    QCOMPARE(error, opens ? 0 : int(controls::AddressRefused));
    QCOMPARE(opened->navigations().size(), opens ? 1 : 0);
}

void TestControlHost::theDefaultServiceHandsTheAddressToTheBrowser()
{
    UrlCatcher browser;
    for (const char* scheme : {"http", "https", "file", "javascript", "data"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &browser, "open");
    controls::setHyperlinkService(nullptr);
    controls::navigate(QStringLiteral("https://example.org/lab"));
    QCOMPARE(testsupport::errorNumber([] { controls::navigate(QStringLiteral("file:///etc/passwd")); }),
             controls::AddressRefused);
    QCOMPARE(testsupport::errorNumber([] { controls::navigate(QStringLiteral("javascript:alert(1)")); }),
             controls::AddressRefused);
    QCOMPARE(browser.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/lab"))});
    for (const char* scheme : {"http", "https", "file", "javascript", "data"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

QB_TEST_MAIN(TestControlHost)
#include "tst_control_host.moc"
