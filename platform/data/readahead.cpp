#include "platform/data/readahead.h"

#include "platform/data/recordset.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace records {

namespace {

std::mutex& registryLock()
{
    static std::mutex lock;
    return lock;
}

// Every reading under way or waiting to be claimed.
std::vector<ReadAhead*>& registry()
{
    static std::vector<ReadAhead*> all;
    return all;
}

} // namespace

ReadAhead::ReadAhead(Order order, std::function<void()> done)
    : order_(std::move(order)), done_(std::move(done))
{
    order_.path = normalizePath(order_.path);
    canonicalPath_ = QFileInfo(order_.path).canonicalFilePath();
    Database::configureEngine();
    {
        const std::lock_guard<std::mutex> guard(registryLock());
        registry().push_back(this);
    }
    thread_ = std::thread([this] { run(); });
}

ReadAhead::~ReadAhead()
{
    {
        const std::lock_guard<std::mutex> guard(registryLock());
        std::erase(registry(), this);
    }
    stop();
    if (thread_.joinable())
        thread_.join();
}

void ReadAhead::stop() noexcept
{
    const std::lock_guard<std::mutex> guard(lock_);
    stopped_ = true;
    if (db_)
        db_->interrupt();
}

void ReadAhead::run()
{
    try {
        std::unique_ptr<Database> opened = Database::open(order_.path, order_.options);
        Database* db = opened.get();
        {
            const std::lock_guard<std::mutex> guard(lock_);
            if (!stopped_)
                db_ = std::move(opened);
        }
        if (opened) {
            opened.reset();
        } else {
            // The rows stay with the connection, for the cursor that opens there next.
            const Recordset reading(*db, order_.source, order_.readAhead);
            read_ = identityOf(order_.path);
        }
    } catch (...) {
        // The opening meets it again.
        const std::lock_guard<std::mutex> guard(lock_);
        db_.reset();
    }
    if (done_)
        done_();
}

void ReadAhead::wait()
{
    if (thread_.joinable())
        thread_.join();
}

std::unique_ptr<Database> ReadAhead::take()
{
    wait();
    // Another program may have replaced, moved or written the file since: then it is read
    // again, as it is now.
    if (!db_ || db_->interrupted() || !read_.valid || identityOf(order_.path) != read_)
        db_.reset();
    return std::move(db_);
}

bool ReadAhead::sameOrder(const Order& a, const Order& b)
{
    return a.path == b.path && a.source == b.source && a.readAhead == b.readAhead &&
           a.options.readOnly == b.options.readOnly && a.options.exclusive == b.options.exclusive &&
           a.options.busyTimeoutMs == b.options.busyTimeoutMs && a.options.format == b.options.format;
}

std::unique_ptr<Database> ReadAhead::claim(const Order& order)
{
    Order wanted = order;
    wanted.path = normalizePath(order.path);
    ReadAhead* found = nullptr;
    {
        const std::lock_guard<std::mutex> guard(registryLock());
        for (ReadAhead* r : registry())
            if (!r->claimed_ && sameOrder(r->order_, wanted)) {
                r->claimed_ = true;
                found = r;
                break;
            }
    }
    return found ? found->take() : nullptr;
}

void ReadAhead::stopReadingsOf(const QString& canonicalPath) noexcept
{
    const std::lock_guard<std::mutex> guard(registryLock());
    for (ReadAhead* r : registry())
        if (r->canonicalPath_ == canonicalPath)
            r->stop();
}

ReadAhead::FileIdentity ReadAhead::identityOf(const QString& path)
{
    struct stat st
    {
    };
    FileIdentity id;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return id;
    id.valid = true;
    id.device = static_cast<quint64>(st.st_dev);
    id.inode = static_cast<quint64>(st.st_ino);
    id.size = static_cast<qint64>(st.st_size);
    id.modifiedNs = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return id;
}

bool ReadAhead::quietToRead(const QString& rawPath, const FileFormat* format)
{
    const QString path = normalizePath(rawPath);
    const QFileInfo info(path);
    if (!info.isFile() || Database::openHere(info.canonicalFilePath()))
        return false;
    // A journal beside the file would be rolled back by the first reader; a log in WAL mode
    // is folded into the file by the last one.
    for (const char* beside : {"-journal", "-wal"})
        if (QFileInfo::exists(path + QLatin1String(beside)))
            return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    file.close();
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return false;
    // Read and write versions 1: the rollback journal.
    if (header.at(18) != 1 || header.at(19) != 1)
        return false;
    const auto byte = [&](int i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(header.at(i)));
    };
    const std::uint32_t applicationId = (byte(68) << 24) | (byte(69) << 16) | (byte(70) << 8) | byte(71);
    return format ? format->mayBeOwn(applicationId) : applicationId == 0;
}

} // namespace records
