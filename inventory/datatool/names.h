#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace records {
class Database;
class Statement;
} // namespace records

namespace datatool {

// A chemical's name as a person compares it: letter case and the white space around it
// do not make two names differ, accents do ("acido" is not "ácido"). An accent typed as a
// separate mark is the same accent, so the text is taken in one Unicode form (NFC).
QString nameKey(QStringView name);

// The names of an inventory's records, whatever their storage class (text, blob, number),
// keyed as nameKey compares them. They are kept in a temporary table of the connection,
// so a large inventory is looked up without being held in memory.
class ExistingNames final
{
public:
    explicit ExistingNames(const records::Database& db);
    ~ExistingNames();
    ExistingNames(const ExistingNames&) = delete;
    ExistingNames& operator=(const ExistingNames&) = delete;

    // The stored name that the name matches, as it is stored, if one does.
    std::optional<QString> find(QStringView name);

private:
    const records::Database& db_;
    std::unique_ptr<records::Statement> find_;
};

} // namespace datatool
