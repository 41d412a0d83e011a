#pragma once

#include <cstdint>

namespace records {

class Database;

// What makes a file one of a program's own, as the program (not the engine) decides it:
// the engine asks it when it opens a file and first thing in every write, inside the
// write's transaction, so no write lands in a file of a format the program cannot read and
// an older file is brought up to date by the same write that changes it. A file opened
// without one is a plain SQLite file to the engine.
class FileFormat
{
public:
    virtual ~FileFormat() = default;

    // Throws to refuse a file the program must not read, such as one of a newer format.
    virtual void check(const Database& db) const = 0;
    // Inside a write: the steps that bring an older file to the current format; nothing
    // when the file is current.
    virtual void bringUpToDate(Database& db) const = 0;
    // Whether a file whose header carries this application id may be the program's own
    // (made by it, or from before files carried an id), judged from the header alone.
    virtual bool mayBeOwn(std::uint32_t applicationId) const = 0;
};

} // namespace records
