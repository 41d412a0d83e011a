#pragma once

#include <QString>

#include <array>

namespace records {
class DataSource;
class Recordset;
} // namespace records

// The chemical table: its file, its columns in their order, and how a window opens its
// cursor on it.
namespace store {

// Ordinals of the columns, the order in which SELECT * returns them.
enum Ordinal : int
{
    ALDRICH = 0,
    NOME = 1,
    FORNECEDOR = 2,
    FORMULA = 3,
    LOCAL = 4,
    QUANTIDADE = 5,
    MW = 6,
    MP = 7,
    BP = 8,
    DENSITY = 9,
    HAZARDS = 10,
    CARACTERISTIC = 11,
};

struct Column
{
    int ordinal;
    const char* name;
    const char* caption; // the label or frame beside its box
    const char* tooltip; // empty: none
    bool multiLine;
};

inline constexpr int kColumnCount = 12;
extern const std::array<Column, kColumnCount> kColumns;

// The name of the column of an ordinal, "NOME" for NOME.
QString columnName(int ordinal);

QString fileName();           // "QBData.mdb"
QString mainFilePart();       // "\QBData.mdb", as the main window joins it
QString listFilePart();       // "/QBData.mdb", as the list window joins it
QString tableName();          // "TOLMIREKS"
QString designRecordSource(); // "Tolmireks", the bare table the designs name
QString recordSource();       // "SELECT * FROM TOLMIREKS ORDER BY NOME"

// The program folder joined with a file part; both parts reach the one file.
QString databasePath(const QString& folder, const QString& filePart);

// Opening a window's cursor: DatabaseName (the folder joined with the file part),
// RecordSource, Refresh. Also checks that the table has every column the windows read
// (checkColumns), naming the first one missing.
void openCursor(records::DataSource& data, const QString& folder, const QString& filePart);
// Why no change can be saved in the inventory the cursor reads (read-only, damaged), the
// first time a window of the program opens that file; empty after that, and for a file
// that takes changes. Every write to it then reports the same text. A window asks when
// its load is done, which starts the file's check; while it runs, pending is set and the
// window asks again a moment later.
struct SaveNotice
{
    bool pending = false;
    QString text;
};
SaveNotice noticeWhyNothingIsSaved(const records::Recordset& rs);
// Once for the program: the inventory lies on a network share, where desks sharing it can
// damage it. Empty when it does not, or was said already.
QString noticeOfNetworkShare(const records::Recordset& rs,
                             const QString& mountInfo = QStringLiteral("/proc/self/mountinfo"));
// Re-opening after a change: the same query again, then Refresh.
void reopenCursor(records::DataSource& data);

// The statements that make an empty inventory.
QString schemaScript();
// Makes an empty inventory at path; refuses to overwrite a file.
void createEmptyInventory(const QString& path);

} // namespace store
