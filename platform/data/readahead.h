#pragma once

#include "platform/data/database.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace records {

// A cursor's reading done ahead, on a thread of its own: the connection is opened and the
// rows of the record source read as a cursor opening reads them, while the user still looks
// at something else. The data control that opens that cursor later takes the connection
// (claim), and the cursor then checks by the file's change stamp, as it always does, that
// nobody wrote in between. The thread only reads; stopping it interrupts the read at once.
// Whatever goes wrong here is dropped: the opening meets it again and reports it, when and
// as it would have without the reading ahead.
class ReadAhead final
{
public:
    struct Order
    {
        QString path;
        QString source;
        QStringList readAhead; // the columns the cursor's owner reads for every record
        OpenOptions options;
    };

    // Starts reading. done, if given, is called on the reading thread when it has ended,
    // however it ended.
    explicit ReadAhead(Order order, std::function<void()> done = {});
    // Stops the reading and waits for its thread.
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Ends the reading as soon as it can: from any thread, at any time.
    void stop() noexcept;
    // Waits until the reading has ended, however it ends.
    void wait();

    // Whether the file at path is one whose reading changes nothing, so it may be read before
    // anyone asked: a database in SQLite's rollback journal mode, with no journal beside it
    // that a reader would have to roll back, and that may be of the format given (when none
    // is: that no program marked as its own). Looks at the header only, and only while no connection of the
    // program has the file open.
    static bool quietToRead(const QString& path, const FileFormat* format = nullptr);

    // The connection of a finished reading of that order, taken by the data control that
    // opens the cursor; null when there is none, when the reading failed or was stopped, or
    // when the file is no longer the one that was read. Waits for a reading still under way.
    static std::unique_ptr<Database> claim(const Order& order);
    // A write of the program stops the readings of its file: what they read is out of date.
    static void stopReadingsOf(const QString& canonicalPath) noexcept;

private:
    struct FileIdentity
    {
        bool valid = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    static FileIdentity identityOf(const QString& path);
    static bool sameOrder(const Order& a, const Order& b);

    void run();
    std::unique_ptr<Database> take();

    Order order_;
    std::function<void()> done_;
    QString canonicalPath_;
    std::mutex lock_;
    std::unique_ptr<Database> db_; // guarded by lock_ while the thread runs
    FileIdentity read_;            // the file as it was when the reading ended
    bool stopped_ = false;
    bool claimed_ = false;
    std::thread thread_;
};

} // namespace records
