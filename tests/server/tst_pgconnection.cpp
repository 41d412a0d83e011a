#include "platform/data/pgclient.h"
#include "platform/data/pgconnection.h"
#include "tests/server/server_support.h"
#include "tests/support/error_number.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

using namespace testsupport;
using records::PgConnection;
using records::PgParams;

namespace {

const char* const kPasswordUser = "qb_password_user";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    // libpq ignores a password file others may read.
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

class TestPgConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        passFile_ = dir_.filePath(QStringLiteral("pgpass"));
        serviceFile_ = dir_.filePath(QStringLiteral("pg_service.conf"));
        writeFile(serviceFile_, "[quillarbon]\ndbname=postgres\n");
        qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile_));
        qputenv("PGPASSFILE", QFile::encodeName(passFile_));
        auto admin = adminConnection();
        // The test cluster asks this role for its password.
        admin->run(
            QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'right horse'").arg(QLatin1String(kPasswordUser)));
        admin->run(QStringLiteral("CREATE DATABASE latin ENCODING 'LATIN1' LC_COLLATE 'C' LC_CTYPE 'C' "
                                  "TEMPLATE template0"));
    }

    // Each way a connection fails gets its own number and a text naming what to check.
    void refusedConnectionsSayWhichAndWhatToDo_data()
    {
        QTest::addColumn<QString>("conninfo");
        QTest::addColumn<QByteArray>("passwords");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("mentions");
        const QString pw = QLatin1String(kPasswordUser);
        QTest::newRow("the password from the password file")
            << QStringLiteral("user=%1").arg(pw) << QByteArray("*:*:*:qb_password_user:right horse\n") << 0
            << QString();
        QTest::newRow("a service from the service file")
            << QStringLiteral("service=quillarbon") << QByteArray() << 0 << QString();
        QTest::newRow("no server in that folder")
            << QStringLiteral("host=/nonexistent-qb-socket-folder") << QByteArray()
            << int(records::ServerUnreachable) << QStringLiteral("server runs");
        QTest::newRow("nothing on that port")
            << QStringLiteral("postgresql://127.0.0.1:1/lab") << QByteArray()
            << int(records::ServerUnreachable) << QStringLiteral("the server 127.0.0.1 (port 1)");
        QTest::newRow("a wrong password")
            << QStringLiteral("user=%1").arg(pw) << QByteArray("*:*:*:qb_password_user:wrong horse\n")
            << int(records::ServerLoginRefused) << QStringLiteral("~/.pgpass");
        QTest::newRow("no password known")
            << QStringLiteral("user=%1").arg(pw) << QByteArray() << int(records::ServerLoginRefused) << pw;
        QTest::newRow("a user the server does not know")
            << QStringLiteral("user=nobody_here") << QByteArray() << int(records::ServerLoginRefused)
            << QStringLiteral("'nobody_here'");
        QTest::newRow("a database the server does not have")
            << QStringLiteral("dbname=no_such_lab") << QByteArray() << int(records::ServerDatabaseMissing)
            << QStringLiteral("no database 'no_such_lab'");
        QTest::newRow("a misspelt option")
            << QStringLiteral("host=x colour=blue") << QByteArray() << int(records::ServerBadConnectionString)
            << QStringLiteral("service=quillarbon");
        QTest::newRow("a service nobody described")
            << QStringLiteral("service=no_such_service") << QByteArray()
            << int(records::ServerBadConnectionString) << QStringLiteral("no_such_service");
        QTest::newRow("a database that does not keep UTF-8")
            << QStringLiteral("dbname=latin") << QByteArray() << int(records::ServerNotAnInventory)
            << QStringLiteral("LATIN1");
    }
    void refusedConnectionsSayWhichAndWhatToDo()
    {
        QFETCH(QString, conninfo);
        QFETCH(QByteArray, passwords);
        QFETCH(int, error);
        QFETCH(QString, mentions);
        writeFile(passFile_, passwords);
        QString text;
        std::unique_ptr<PgConnection> conn;
        records::PgOptions options;
        options.connectTimeoutS = 5;
        QCOMPARE(errorNumber([&] { conn = PgConnection::open(conninfo, options); }, &text), error);
        QVERIFY2(text.contains(mentions), qPrintable(text));
        if (error == 0)
            QCOMPARE(conn->exec(QStringLiteral("SELECT 1")).row(0).int64(0), 1);
        // The password never shows in what the user reads.
        QVERIFY(!text.contains(QLatin1String("horse")));
    }

    // libpq is opened when a server is first used: where it cannot be, the number says so and
    // the text names the package to install.
    void aMissingClientLibraryNamesWhatToInstall()
    {
        QString text;
        QCOMPARE(errorNumber([] { records::openClientLibrary("libpq-not-installed.so.5"); }, &text),
                 int(records::ServerClientMissing));
        QVERIFY2(text.contains(QLatin1String("libpq5")) &&
                     text.contains(QLatin1String("libpq-not-installed")),
                 qPrintable(text));
        QCOMPARE(errorNumber([] { records::openClientLibrary("libpq.so.5"); }), 0);
    }

    // What goes in comes back byte for byte, through bound values and through COPY, and
    // Null stays apart from the empty text.
    void textComesBackByteForByte()
    {
        auto conn = PgConnection::open(newDatabase(QStringLiteral("bytes")));
        conn->run(QStringLiteral("CREATE TABLE t (n bigint, v text)"));
        const std::vector<std::optional<std::string>> values = {
            std::nullopt,
            std::string(),
            "Ácido acético glacial",
            "C\xe2\x82\x83H\xe2\x82\x86O",               // subscript digits
            "cafe\xcc\x81 / caf\xc3\xa9",                // a combining accent beside a composed one
            "line 1\r\nline 2\nline 3\ttab ",            // the line breaks and spaces as typed
            "\xf0\x9f\xa7\xaa \xe4\xb9\x99\xe9\x86\x87", // an emoji and CJK
            std::string(300000, 'x') + "\xc3\xa9",       // long text
        };
        for (std::size_t i = 0; i < values.size(); ++i) {
            PgParams params;
            params.number(static_cast<std::int64_t>(i));
            if (values[i])
                params.text(*values[i]);
            else
                params.null();
            conn->exec(QStringLiteral("INSERT INTO t VALUES ($1, $2)"), params);
        }
        conn->copyIn(QStringLiteral("t"), {QStringLiteral("n"), QStringLiteral("v")},
                     [&](records::PgCopyWriter& rows) {
                         for (std::size_t i = 0; i < values.size(); ++i) {
                             rows.beginRow(2);
                             rows.number(static_cast<std::int64_t>(100 + i));
                             if (values[i])
                                 rows.text(*values[i]);
                             else
                                 rows.null();
                         }
                     });
        std::vector<std::optional<std::string>> back;
        conn->stream(QStringLiteral("SELECT v FROM t ORDER BY n"), {}, [&](const records::PgRow& row) {
            const auto cell = row.cell(0);
            back.push_back(cell ? std::optional<std::string>(std::string(*cell)) : std::nullopt);
        });
        QCOMPARE(back.size(), 2 * values.size());
        for (std::size_t i = 0; i < back.size(); ++i)
            QVERIFY2(back[i] == values[i % values.size()], qPrintable(QStringLiteral("value %1").arg(i)));
    }

    // What the server cannot hold is refused with one number, before a NUL could cut a
    // value short unseen, and the program's own check agrees with the server on every
    // byte sequence.
    void valuesTheServerCannotHoldAreRefused()
    {
        auto conn = PgConnection::open(newDatabase(QStringLiteral("refusals")));
        conn->run(QStringLiteral("CREATE TABLE t (v text)"));
        const QByteArray nul("Ethanol\0 96%", 12);
        QCOMPARE(errorNumber([&] {
                     conn->exec(QStringLiteral("INSERT INTO t VALUES ($1)"),
                                PgParams().text(std::string_view(nul.constData(), nul.size())));
                 }),
                 int(records::ServerCannotHoldValue));

        const std::vector<std::pair<const char*, bool>> samples = {
            {"\xc3\xa9", true},      {"\xf4\x8f\xbf\xbf", true},  // U+10FFFF
            {"\xed\x9f\xbf", true},  {"\xee\x80\x80", true},      // around the surrogates
            {"\xff\xfe", false},     {"\xc0\xaf", false},         // not UTF-8, an overlong '/'
            {"\xed\xa0\x80", false}, {"\xf4\x90\x80\x80", false}, // a surrogate, beyond Unicode
            {"abc\xe2\x82", false},  {"\x80", false},             // cut short, a lone continuation
        };
        for (const auto& [bytes, storable] : samples) {
            const QString why = records::whyServerCannotHold(bytes);
            QVERIFY2(why.isEmpty() == storable, QByteArray(bytes).toHex().constData());
            const int server = errorNumber(
                [&] { conn->exec(QStringLiteral("INSERT INTO t VALUES ($1)"), PgParams().text(bytes)); });
            QCOMPARE(server, storable ? 0 : int(records::ServerCannotHoldValue));
            if (!storable)
                QCOMPARE(errorNumber([&] {
                             conn->copyIn(QStringLiteral("t"), {QStringLiteral("v")},
                                          [&](records::PgCopyWriter& rows) {
                                              rows.beginRow(1);
                                              rows.text("fine");
                                              rows.beginRow(1);
                                              rows.text(bytes);
                                          });
                         }),
                         int(records::ServerCannotHoldValue));
        }
        // Only the storable samples went in; no COPY left a row.
        QCOMPARE(conn->exec(QStringLiteral("SELECT count(*) FROM t")).row(0).int64(0), 4);
    }

    // A connection lost during a command says so with its number; the next command
    // connects again, and statements prepared before work on the new session. Inside a
    // transaction nothing reconnects behind the caller's back.
    void lostConnectionIsReportedAndTheNextCommandReconnects()
    {
        auto conn = PgConnection::open(QString());
        const QString count = QStringLiteral("SELECT count(*) FROM pg_class WHERE relkind = $1");
        QVERIFY(conn->exec(count, PgParams().text("r")).row(0).int64(0) > 0);

        // During a long read.
        int pid = conn->backendPid();
        QString text;
        QCOMPARE(errorNumber(
                     [&] {
                         int rows = 0;
                         conn->stream(QStringLiteral("SELECT g FROM generate_series(1, 5000000) g"), {},
                                      [&](const records::PgRow&) {
                                          if (++rows == 1000)
                                              terminateBackend(pid);
                                      });
                     },
                     &text),
                 int(records::ServerConnectionLost));
        QVERIFY2(text.contains(QLatin1String("next command connects again")), qPrintable(text));
        QVERIFY(conn->exec(count, PgParams().text("r")).row(0).int64(0) > 0);
        QVERIFY(conn->backendPid() != pid);

        // While idle: the server's goodbye is read before the next command is sent.
        pid = conn->backendPid();
        terminateBackend(pid);
        QVERIFY(conn->exec(count, PgParams().text("r")).row(0).int64(0) > 0);
        QVERIFY(conn->backendPid() != pid);

        // Inside a transaction the loss stands until the caller rolls back.
        conn->begin();
        conn->exec(count, PgParams().text("r"));
        terminateBackend(conn->backendPid());
        QCOMPARE(errorNumber([&] { conn->exec(count, PgParams().text("r")); }),
                 int(records::ServerConnectionLost));
        QCOMPARE(errorNumber([&] { conn->exec(count, PgParams().text("r")); }),
                 int(records::ServerConnectionLost));
        QCOMPARE(errorNumber([&] { conn->commit(); }), int(records::ServerConnectionLost));
        QVERIFY(!conn->inTransaction());
        QVERIFY(conn->exec(count, PgParams().text("r")).row(0).int64(0) > 0);
    }

    // A reader that stops a large read leaves the session ready for the next command.
    void aStreamStoppedByItsReaderLeavesTheConnectionUsable()
    {
        auto conn = PgConnection::open(QString());
        const int pid = conn->backendPid();
        int rows = 0;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 conn->stream(QStringLiteral("SELECT g FROM generate_series(1, 20000000) g"),
                                              {}, [&](const records::PgRow&) {
                                                  if (++rows == 10)
                                                      throw std::runtime_error("enough");
                                              }));
        QCOMPARE(rows, 10);
        QCOMPARE(conn->exec(QStringLiteral("SELECT 2")).row(0).int64(0), 2);
        QCOMPARE(conn->backendPid(), pid);
    }

private:
    QTemporaryDir dir_;
    QString passFile_;
    QString serviceFile_;
};

QB_TEST_MAIN(TestPgConnection)
#include "tst_pgconnection.moc"
