#include "platform/data/database.h"

#include "platform/base/accessheader.h"

#include "platform/data/readahead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>
#include <vector>

namespace records {

namespace {

QString sqliteMessage(sqlite3* db, int rc)
{
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return QString::fromUtf8(text ? text : sqlite3_errstr(rc));
}

// The owner's intent counts: a file without write permission bits is read-only even to
// a user (root) whom the system would let write it.
bool writableByIntent(const QFileInfo& info)
{
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

// Every connection of this process. With the rollback journal a commit waits until no
// connection reads the file, so a write first ends the read bursts of the program's other
// windows: one of them may still hold its event's burst when the write comes, and it would
// never end while this thread waits for it.
std::mutex& connectionsLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<Database*>& connections()
{
    static std::vector<Database*> all;
    return all;
}

// A read-only disc or share: nothing, not even another program, can change the file there.
bool onReadOnlyMedium(const QString& path)
{
    struct statvfs fs
    {
    };
    return statvfs(QFile::encodeName(path).constData(), &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0;
}

// What PRAGMA quick_check finds wrong in the file; empty when it finds nothing. A check
// that could not run (the file locked, the check interrupted) finds nothing either.
QString quickCheck(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check(3)", -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return {};
    }
    QStringList found;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        // The check names the database ("*** in database main ***") before what it found.
        const QStringList lines = QString::fromUtf8(text ? text : "").split(QLatin1Char('\n'));
        for (const QString& line : lines)
            if (line != QLatin1String("ok") && !line.startsWith(QLatin1String("***")) && !line.isEmpty())
                found.append(line.simplified());
    }
    if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB)
        found.append(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(stmt);
    QString problem = found.join(QStringLiteral("; "));
    if (problem.size() > 300)
        problem = problem.left(300) + QStringLiteral("...");
    return problem;
}

// The files beside a database that SQLite makes to read it in WAL mode.
const char* const kWalFiles[] = {"-wal", "-shm"};

} // namespace

// The check of a file opened for writing, on a connection and a thread of its own, so a
// window can start it once its load is done and the user need not wait for it; the first
// write waits for its result.
class Database::IntegrityCheck
{
public:
    explicit IntegrityCheck(const QString& path) : path_(QFile::encodeName(path))
    {
        thread_ = std::thread([this] { run(); });
    }
    ~IntegrityCheck()
    {
        {
            const std::lock_guard<std::mutex> guard(lock_);
            stop_ = true;
            if (db_)
                sqlite3_interrupt(db_);
        }
        finish();
    }
    IntegrityCheck(const IntegrityCheck&) = delete;
    IntegrityCheck& operator=(const IntegrityCheck&) = delete;

    bool finished() const { return finished_.load(); }
    // Waits for the check; what it found wrong, empty when nothing.
    const QString& finish()
    {
        if (thread_.joinable())
            thread_.join();
        return problem_;
    }

private:
    void run()
    {
#if defined(__linux__)
        // The check gives way: a search or a paint the user waits for comes first. It reads the
        // whole file, and at a million records would otherwise halve a search's speed.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
        check();
        finished_.store(true);
    }

    void check()
    {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(path_.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK) {
            sqlite3_close(db);
            return;
        }
        sqlite3_busy_timeout(db, 3000);
        {
            const std::lock_guard<std::mutex> guard(lock_);
            if (stop_) {
                sqlite3_close(db);
                return;
            }
            db_ = db;
        }
        QString problem = quickCheck(db);
        {
            const std::lock_guard<std::mutex> guard(lock_);
            db_ = nullptr;
        }
        sqlite3_close(db);
        problem_ = std::move(problem);
    }

    QByteArray path_;
    std::thread thread_;
    std::mutex lock_;
    sqlite3* db_ = nullptr; // while the check runs, so it can be interrupted
    bool stop_ = false;
    std::atomic<bool> finished_{false};
    QString problem_;
};

QString normalizePath(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(p);
}

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Database::Database(Key, sqlite3* db, QString path, OpenOptions options)
    : db_(db), path_(std::move(path)), canonicalPath_(QFileInfo(path_).canonicalFilePath()), options_(options)
{
    const std::lock_guard<std::mutex> guard(connectionsLock());
    connections().push_back(this);
}

Database::~Database()
{
    fetches_.clear();
    check_.reset();
    {
        const std::lock_guard<std::mutex> guard(connectionsLock());
        std::erase(connections(), this);
    }
    endReadBurst();
    sqlite3_close_v2(db_);
}

std::unique_ptr<Database> Database::open(const QString& rawPath, const OpenOptions& options)
{
    configureEngine();
    const QString path = normalizePath(rawPath);
    if (rawPath.trimmed().isEmpty())
        throw DataError(FileNotFound, QCoreApplication::translate("Data", "No database file is named."));

    const QFileInfo info(path);
    if (!info.exists()) {
        const QString folder = info.absolutePath();
        if (!QFileInfo(folder).isDir())
            throw DataError(FolderNotFound,
                            QCoreApplication::translate(
                                "Data", "The folder '%1' of the database file '%2' does not exist.")
                                .arg(QDir::toNativeSeparators(folder), info.fileName()));
        throw DataError(FileNotFound, QCoreApplication::translate(
                                          "Data", "The database file '%1' cannot be found. Put the file in "
                                                  "that folder, or start the program where the file is.")
                                          .arg(QDir::toNativeSeparators(path)));
    }
    if (info.isDir())
        throw DataError(NotADatabase,
                        QCoreApplication::translate("Data", "'%1' is a folder, not a database file.")
                            .arg(QDir::toNativeSeparators(path)));

    // Closing any descriptor of a file drops every lock this process holds on it, those of
    // its other connections too: a file one of them has open is known to be a database, and
    // its header is left unread.
    QByteArray header;
    if (!openHere(info.canonicalFilePath())) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw DataError(CannotRead, QCoreApplication::translate(
                                            "Data", "The database file '%1' cannot be read (%2). Check its "
                                                    "permissions.")
                                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        header = file.read(100);
        file.close();
    } else {
        header = QByteArrayLiteral("SQLite format 3");
        header.append('\0');
    }
    if (header.isEmpty())
        throw DataError(NotADatabase,
                        QCoreApplication::translate("Data", "The file '%1' is empty: it holds no database.")
                            .arg(QDir::toNativeSeparators(path)));
    if (base::isAccessHeader(header))
        throw DataError(OldAccessFormat,
                        QCoreApplication::translate(
                            "Data", "The file '%1' is an Access (Jet) database of an earlier version of the "
                                    "program. This version reads only its own database format; the file "
                                    "was left unchanged.")
                            .arg(QDir::toNativeSeparators(path)));
    if (!header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        throw DataError(NotADatabase, QCoreApplication::translate(
                                          "Data", "The file '%1' is not a database of this program. Check "
                                                  "that the right file lies in the program's folder.")
                                          .arg(QDir::toNativeSeparators(path)));

    // A file the program may not change opens for looking and searching; each write then
    // says why it cannot be saved. SQLite keeps its journal beside the file a link leads
    // to (the Debian package's inventory is a link into a data folder), so that file's
    // folder is the one that must take writes.
    const QFileInfo real(info.canonicalFilePath());
    const QString native = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(real.absolutePath());
    const bool readOnlyMedium = onReadOnlyMedium(path);
    std::optional<DataError> refusal;
    if (!options.readOnly) {
        if (readOnlyMedium)
            refusal = DataError(ReadOnlyFile,
                                QCoreApplication::translate(
                                    "Data", "The database file '%1' is on a read-only disc or share: you can "
                                            "look and search, but no change can be saved there. To change "
                                            "the inventory, copy the file to a folder where you may write.")
                                    .arg(native));
        else if (!writableByIntent(info))
            refusal = DataError(ReadOnlyFile,
                                QCoreApplication::translate(
                                    "Data", "The database file '%1' is read-only: you can look and search, "
                                            "but no change can be saved in it. To change the inventory, "
                                            "allow writing to the file, or copy it to a folder where you "
                                            "may write.")
                                    .arg(native));
        else if (!writableByIntent(QFileInfo(real.absolutePath())))
            refusal = DataError(ReadOnlyFile,
                                QCoreApplication::translate(
                                    "Data", "The folder '%1' of the database file '%2' is read-only, and the "
                                            "program writes its journal beside the file: you can look and "
                                            "search, but no change can be saved. To change the inventory, "
                                            "allow writing to the folder, or copy the file to a folder where "
                                            "you may write.")
                                    .arg(folder, real.fileName()));
    }
    const bool readOnly = options.readOnly || refusal;

    // A file on a read-only medium cannot change under the program, so SQLite need not
    // lock it; that is also how a file in WAL mode is read there, without its -shm.
    QByteArray name = QFile::encodeName(path);
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    if (readOnlyMedium) {
        name = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
        flags |= SQLITE_OPEN_URI;
    }
    // Reading a file in WAL mode makes its -wal and -shm; a failed opening takes away
    // those it made.
    bool walFilesWere[2] = {};
    for (int i = 0; i < 2; ++i)
        walFilesWere[i] = QFileInfo::exists(path + QLatin1String(kWalFiles[i]));

    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &handle, flags, nullptr);
    auto db = std::make_unique<Database>(Key{}, handle, path, options);
    try {
        if (rc != SQLITE_OK)
            throw db->error(rc, QCoreApplication::translate("Data", "opening it"));
        sqlite3_extended_result_codes(handle, 1);
        sqlite3_busy_timeout(handle, options.busyTimeoutMs);
        // A cursor visits rows in name order, all over the file: keep pages at hand.
        db->exec("PRAGMA cache_size=-16384", QCoreApplication::translate("Data", "opening it"));
        if (options.exclusive)
            db->exec("PRAGMA locking_mode=EXCLUSIVE",
                     QCoreApplication::translate("Data", "opening it exclusively"));

        // Reading the schema is what finds a damaged or locked file.
        try {
            Statement probe(*db, QStringLiteral("SELECT count(*) FROM sqlite_schema"));
            Statement::Reset done(probe);
            probe.step();
        } catch (const DataError& e) {
            // WAL mode needs its -shm beside the file, which a read-only folder cannot take.
            if (refusal && e.number() == CannotRead && header.size() > 18 && header.at(18) == 2)
                throw DataError(CannotRead,
                                QCoreApplication::translate(
                                    "Data", "The database file '%1' keeps a write-ahead log, which cannot be "
                                            "read in the read-only folder '%2'. Copy the file to a folder "
                                            "where you may write, and open the copy.")
                                    .arg(native, folder));
            throw;
        }
        if (options.format)
            options.format->check(*db);
    } catch (...) {
        db.reset();
        for (int i = 0; i < 2; ++i) {
            const QFileInfo made(path + QLatin1String(kWalFiles[i]));
            // A -shm in use is never under 32 KB, and an empty -wal holds nothing.
            if (!walFilesWere[i] && made.exists() && made.size() < (i == 0 ? 1 : 32768))
                QFile::remove(made.filePath());
        }
        throw;
    }
    db->refusal_ = std::move(refusal);
    db->checkDue_ = !readOnly;
    return db;
}

void Database::configureEngine()
{
    // SQLite counts every allocation under one lock unless told not to; the check at
    // opening allocates on a thread of its own beside the load.
    static const int unused = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    Q_UNUSED(unused);
#if defined(__GLIBC__)
    // The large buffers a reading or a search uses for a moment (a million sort entries, a
    // search's marks) go back to the system when they are freed, so the program's size is
    // what it keeps. Without this the C library keeps the space of the largest ones.
    static const int mapped = mallopt(M_MMAP_THRESHOLD, 512 * 1024);
    Q_UNUSED(mapped);
#endif
}

bool Database::openHere(const QString& canonicalPath)
{
    const std::lock_guard<std::mutex> guard(connectionsLock());
    return std::any_of(connections().begin(), connections().end(),
                       [&](const Database* d) { return d->canonicalPath_ == canonicalPath; });
}

void Database::interrupt() noexcept
{
    interrupted_.store(true);
    sqlite3_interrupt(db_);
}

void Database::startCheck() const
{
    // Under an exclusive lock no second connection reads the file: the first write checks
    // it on this one.
    if (checkDue_ && !check_ && !options_.exclusive)
        check_ = std::make_unique<IntegrityCheck>(path_);
}

bool Database::checkPending() const
{
    return check_ && !check_->finished();
}

void Database::refuseAsDamaged(const QString& problem) const
{
    refusal_ =
        DataError(Damaged, QCoreApplication::translate(
                               "Data", "The database file '%1' is damaged: the check made when it was opened "
                                       "found %2. You can look at it, but no change is saved into it, so the "
                                       "damage gets no worse. Keep a copy of the file as it is now, and open "
                                       "the last backup copy of the inventory.")
                               .arg(QDir::toNativeSeparators(path_), problem));
}

const DataError* Database::writeRefusal() const
{
    if (checkDue_) {
        const QString problem = check_ ? check_->finish() : quickCheck(db_);
        check_.reset();
        checkDue_ = false;
        if (!problem.isEmpty() && !refusal_)
            refuseAsDamaged(problem);
    }
    return refusal_ ? &*refusal_ : nullptr;
}

void Database::create(const QString& rawPath, const QString& script, const FileFormat* format)
{
    const QString path = normalizePath(rawPath);
    const QFileInfo info(path);
    const QString native = QDir::toNativeSeparators(path);
    if (info.exists())
        throw DataError(DatabaseError, QCoreApplication::translate(
                                           "Data", "The file '%1' already exists; it was left as it is.")
                                           .arg(native));
    if (!QFileInfo(info.absolutePath()).isDir())
        throw DataError(FolderNotFound, QCoreApplication::translate("Data", "The folder '%1' does not exist.")
                                            .arg(QDir::toNativeSeparators(info.absolutePath())));

    sqlite3* handle = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, flags, nullptr);
    OpenOptions options;
    options.format = format;
    auto db = std::make_unique<Database>(Key{}, handle, path, options);
    try {
        if (rc != SQLITE_OK)
            throw db->error(rc, QCoreApplication::translate("Data", "creating it"));
        // A new file keeps SQLite's rollback journal: a write-ahead log needs shared memory
        // beside the file, which a network share does not give.
        // The write marks the new file with the format, when there is one.
        db->write([&] {
            const QByteArray sql = script.toUtf8();
            char* message = nullptr;
            const int scriptRc = sqlite3_exec(handle, sql.constData(), nullptr, nullptr, &message);
            const QString detail = QString::fromUtf8(message ? message : "");
            sqlite3_free(message);
            if (scriptRc != SQLITE_OK)
                throw DataError(DatabaseError, QCoreApplication::translate(
                                                   "Data", "The new database '%1' could not be filled: %2.")
                                                   .arg(native, detail));
        });
    } catch (...) {
        db.reset();
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
        throw;
    }
}

DataError Database::error(int rc, const QString& doing) const
{
    const QString file = QDir::toNativeSeparators(path_);
    const QString detail = sqliteMessage(db_, rc);
    const QString when =
        doing.isEmpty() ? QString() : QCoreApplication::translate("Data", " while %1").arg(doing);
    // A full disk shows as an I/O error when SQLite could not make a file it needs.
    const int systemError = db_ ? sqlite3_system_errno(db_) : 0;
    const bool noRoom = systemError == ENOSPC || systemError == EDQUOT;
    if ((rc & 0xff) == SQLITE_FULL ||
        (noRoom && ((rc & 0xff) == SQLITE_IOERR || (rc & 0xff) == SQLITE_CANTOPEN)))
        return DataError(DiskError, QCoreApplication::translate(
                                        "Data", "The disk that holds '%1' is full%2. Make room on it and try "
                                                "again; nothing was changed.")
                                        .arg(file, when));
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DataError(Locked, QCoreApplication::translate(
                                     "Data", "The database file '%1' is locked by another program%2. Try "
                                             "again when that program has finished.")
                                     .arg(file, when));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DataError(Damaged, QCoreApplication::translate(
                                      "Data", "The database file '%1' is damaged (%2)%3. Restore it from a "
                                              "backup copy.")
                                      .arg(file, detail, when));
    case SQLITE_READONLY:
        return DataError(ReadOnlyFile,
                         QCoreApplication::translate(
                             "Data", "The database file '%1' cannot be written%2: it or its folder is "
                                     "read-only.")
                             .arg(file, when));
    case SQLITE_IOERR:
        return DataError(DiskError,
                         QCoreApplication::translate("Data", "The disk could not read or write '%1' (%2)%3.")
                             .arg(file, detail, when));
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return DataError(
            CannotRead, QCoreApplication::translate("Data", "The database file '%1' cannot be opened (%2)%3.")
                            .arg(file, detail, when));
    case SQLITE_CONSTRAINT:
        return DataError(RuleViolated, QCoreApplication::translate(
                                           "Data", "The change was not saved: it breaks a rule of the table "
                                                   "in '%1' (%2).")
                                           .arg(file, detail));
    default:
        return DataError(DatabaseError,
                         QCoreApplication::translate("Data", "The database '%1' reported an error%3: %2.")
                             .arg(file, detail, when));
    }
}

void Database::exec(const char* sql, const QString& doing)
{
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw error(rc, doing);
}

QString Database::tableName(const QString& name) const
{
    Statement find(*this, QStringLiteral("SELECT name FROM sqlite_schema WHERE type IN ('table','view') "
                                         "AND name = ?1 COLLATE NOCASE"));
    Statement::Reset done(find);
    find.bind(1, QVariant(name));
    return find.step() ? find.value(0).toString() : QString();
}

QStringList Database::columns(const QString& table) const
{
    Statement info(*this, QStringLiteral("SELECT name FROM pragma_table_info(?1) ORDER BY cid"));
    Statement::Reset done(info);
    info.bind(1, QVariant(table));
    QStringList names;
    while (info.step())
        names.append(info.value(0).toString());
    return names;
}

QString Database::lineBreakInUse(const QString& table, const QStringList& columns) const
{
    // Some hundred values with a line break tell the file's habit.
    std::int64_t crlf = 0, lf = 0;
    for (const QString& column : columns) {
        Statement count(*this,
                        QStringLiteral("SELECT count(*), total(instr(v, char(13, 10)) > 0) FROM "
                                       "(SELECT %1 AS v FROM %2 WHERE instr(%1, char(10)) > 0 LIMIT 200)")
                            .arg(quoteIdentifier(column), quoteIdentifier(table)));
        Statement::Reset done(count);
        if (!count.step())
            continue;
        const auto withCrlf = static_cast<std::int64_t>(count.real(1));
        crlf += withCrlf;
        lf += count.int64(0) - withCrlf;
    }
    return crlf > lf ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

std::int64_t Database::changeStamp() const
{
    Statement version(*this, QStringLiteral("PRAGMA data_version"));
    Statement::Reset done(version);
    version.step();
    return (version.int64(0) << 32) | (ownCommits_ & 0xffffffff);
}

std::int64_t Database::pragma(const char* name) const
{
    Statement pragma(*this, QStringLiteral("PRAGMA %1").arg(QLatin1String(name)));
    Statement::Reset done(pragma);
    return pragma.step() ? pragma.int64(0) : 0;
}

void Database::setPragma(const char* name, std::int64_t value)
{
    const QLatin1String pragmaName(name);
    // Pragmas take no parameters: the name must be a bare word, the value is a number.
    for (const char c : QByteArrayView(name))
        if (!((c >= 'a' && c <= 'z') || c == '_'))
            throw DataError(DatabaseError, QStringLiteral("'%1' is not a pragma's name.").arg(pragmaName));
    exec(QStringLiteral("PRAGMA %1 = %2").arg(pragmaName).arg(value).toLatin1().constData(),
         QCoreApplication::translate("Data", "bringing it to the current format"));
}

std::int64_t Database::retiredRowid() const
{
    // A file no row was ever retired from may have no state table yet.
    if (tableName(QStringLiteral("QB_STATE")).isEmpty())
        return 0;
    Statement mark(*this, QStringLiteral("SELECT VALUE FROM QB_STATE WHERE NAME = 'retired_rowid'"));
    Statement::Reset done(mark);
    return mark.step() ? mark.int64(0) : 0;
}

std::int64_t Database::nextRowid(const QString& table) const
{
    Statement last(*this, QStringLiteral("SELECT max(rowid) FROM %1").arg(quoteIdentifier(table)));
    Statement::Reset done(last);
    const std::int64_t largest = last.step() ? last.int64(0) : 0;
    return std::max(largest, retiredRowid()) + 1;
}

void Database::retireRowid(std::int64_t rowid)
{
    if (tableName(QStringLiteral("QB_STATE")).isEmpty()) {
        Statement make(
            *this, QStringLiteral("CREATE TABLE QB_STATE (NAME TEXT PRIMARY KEY, VALUE INTEGER NOT NULL)"));
        Statement::Reset made(make);
        make.step();
    }
    Statement mark(*this, QStringLiteral("INSERT INTO QB_STATE (NAME, VALUE) VALUES ('retired_rowid', ?1) "
                                         "ON CONFLICT (NAME) DO UPDATE SET VALUE = excluded.VALUE "
                                         "WHERE VALUE < excluded.VALUE"));
    Statement::Reset done(mark);
    mark.bind(1, rowid);
    mark.step();
}

void Database::beginReadBurst()
{
    if (!scheduleBurstEnd_ || inReadBurst_ || !sqlite3_get_autocommit(db_))
        return;
    exec("BEGIN", QStringLiteral("reading"));
    inReadBurst_ = true;
    ++burstSerial_;
    // Reading the schema starts the burst's snapshot, so the stamp taken next is its own.
    try {
        Statement start(*this, QStringLiteral("SELECT count(*) FROM sqlite_schema"));
        Statement::Reset done(start);
        start.step();
        burstStamp_ = changeStamp();
    } catch (...) {
        endReadBurst();
        throw;
    }
    scheduleBurstEnd_();
}

std::int64_t Database::currentStamp()
{
    return inReadBurst_ ? burstStamp_ : changeStamp();
}

void Database::endReadBurst() noexcept
{
    if (!inReadBurst_)
        return;
    inReadBurst_ = false;
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
}

void Database::beginWrite()
{
    endReadBurst();
    {
        const std::lock_guard<std::mutex> guard(connectionsLock());
        for (Database* other : connections())
            if (other != this)
                other->endReadBurst();
    }
    if (const DataError* refused = writeRefusal())
        throw *refused;
    // What is being read ahead of this file would be out of date, and its read lock would
    // hold up the commit.
    ReadAhead::stopReadingsOf(canonicalPath_);
    if (options_.readOnly)
        throw DataError(ReadOnlyRecordset, QCoreApplication::translate(
                                               "Data", "The database '%1' was opened read-only; nothing was "
                                                       "written.")
                                               .arg(QDir::toNativeSeparators(path_)));
    // The file keeps the journal mode it has: the program changes rows, never the header's
    // mode, and two programs share either mode through BEGIN IMMEDIATE and the busy timeout.
    exec("BEGIN IMMEDIATE", QCoreApplication::translate("Data", "starting to write"));
    try {
        // Holding the write lock, nobody else commits until this write ends: what the
        // stamp says now is what this connection's cache must have stood for.
        writeDataVersion_ = pragma("data_version");
        stampBeforeWrite_ = (writeDataVersion_ << 32) | (ownCommits_ & 0xffffffff);
        stampAfterWrite_ = -1;
        if (options_.format)
            options_.format->bringUpToDate(*this);
    } catch (...) {
        rollback();
        throw;
    }
}

void Database::commit()
{
    exec("COMMIT", QCoreApplication::translate("Data", "saving the change"));
    ++ownCommits_;
    stampAfterWrite_ = (writeDataVersion_ << 32) | (ownCommits_ & 0xffffffff);
}

void Database::rollback() noexcept
{
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

Statement::Statement(const Database& db, const QString& sql) : db_(db)
{
    const QByteArray text = sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(db.handle(), text.constData(), static_cast<int>(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw db.error(rc);
    }
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bind(int index, std::int64_t value)
{
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bind(int index, const QVariant& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(stmt_, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        break;
    case QMetaType::Double:
        sqlite3_bind_double(stmt_, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt_, index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                            SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text64(stmt_, index, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    }
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    reset();
    throw db_.error(rc);
}

void Statement::reset() noexcept
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

QVariant Statement::value(int i) const
{
    // Every storage class reads as the text the user sees: a number or a blob another
    // program stored is shown, compared and written back as its text, never its raw bytes.
    if (sqlite3_column_type(stmt_, i) == SQLITE_NULL)
        return QVariant();
    int size = 0;
    const char* text = utf8(i, &size);
    return QVariant(QString::fromUtf8(text, size));
}

const char* Statement::utf8(int i, int* size) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    *size = sqlite3_column_bytes(stmt_, i);
    return text ? text : "";
}

} // namespace records
