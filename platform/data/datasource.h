#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace records {

class Connection;
class FileFormat;
class Recordset;

// What opens a window's cursor: the data-source control as code sees it, without its
// widget. Store code that opens cursors works on this and links no widgets.
class DataSource
{
public:
    virtual ~DataSource() = default;

    // Take effect at the next Refresh.
    virtual void setDatabaseName(const QString& path) = 0;
    virtual void setRecordSource(const QString& source) = 0;
    // Opens the records somewhere other than the file the database name names (a server);
    // unset, the name is a file's path. Setting one opens anew at the next Refresh.
    using Opener = std::function<std::unique_ptr<Connection>(bool readOnly)>;
    virtual void setOpener(Opener opener) = 0;
    // The format a file the database name names is opened in (see FileFormat); none: a
    // plain file. Outlives the control.
    virtual void setFileFormat(const FileFormat* format) = 0;
    // (Re)opens the record set; the record at position 0 becomes current.
    virtual void Refresh() = 0;
    // The open record set; throws NotOpen before the first Refresh.
    virtual records::Recordset* Recordset() const = 0;
};

} // namespace records
