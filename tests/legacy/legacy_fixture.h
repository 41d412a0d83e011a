#pragma once

#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <vector>

namespace legacytest {

using Value = std::optional<QString>;
using Row = std::vector<Value>;

inline QString dataFile(const QString& name)
{
    return QStringLiteral(QB_LEGACY_DATA "/") + name;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The rows an old file must give, from the JSON written with it.
inline std::vector<Row> expectedRows(const QString& json)
{
    std::vector<Row> rows;
    for (const QJsonValue& r : QJsonDocument::fromJson(fileBytes(dataFile(json))).array()) {
        Row row;
        for (const QJsonValue& v : r.toArray())
            row.push_back(v.isNull() ? Value() : Value(v.toString()));
        rows.push_back(row);
    }
    return rows;
}

// The rows of an inventory of ours in the order they were written.
inline std::vector<Row> inventoryRows(records::Database& db)
{
    records::Statement all(db, QStringLiteral("SELECT * FROM TOLMIREKS ORDER BY rowid"));
    records::Statement::Reset done(all);
    std::vector<Row> rows;
    while (all.step()) {
        Row row;
        for (int i = 0; i < store::kColumnCount; ++i) {
            const QVariant v = all.value(i);
            row.push_back(v.isNull() ? Value() : Value(v.toString()));
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<Row> inventoryRows(const QString& path)
{
    auto db = records::Database::open(path);
    return inventoryRows(*db);
}

inline QString shown(const Value& v)
{
    return v ? QLatin1Char('"') + v->left(60) + QLatin1Char('"') : QStringLiteral("Null");
}

// Every value, Null kept apart from the empty text; the first difference is named.
inline bool sameRows(const std::vector<Row>& got, const std::vector<Row>& want, QString* why)
{
    if (got.size() != want.size()) {
        *why = QStringLiteral("%1 rows, expected %2").arg(got.size()).arg(want.size());
        return false;
    }
    for (std::size_t r = 0; r < got.size(); ++r)
        for (std::size_t c = 0; c < want[r].size(); ++c)
            if (got[r].at(c) != want[r][c]) {
                *why = QStringLiteral("row %1 column %2: %3, expected %4")
                           .arg(r)
                           .arg(QString::fromLatin1(store::kColumns[c].name), shown(got[r][c]),
                                shown(want[r][c]));
                return false;
            }
    return true;
}

// A program folder whose QBData.mdb is a copy of one of the old files.
class OldInventory
{
public:
    explicit OldInventory(const QString& fixture)
    {
        path_ = dir_.path() + QStringLiteral("/QBData.mdb");
        QFile::copy(dataFile(fixture), path_);
        QFile::setPermissions(path_,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        original_ = fileBytes(path_);
    }
    QString folder() const { return dir_.path(); }
    QString path() const { return path_; }
    QString backup() const { return dir_.path() + QStringLiteral("/QBData (old Access format).mdb"); }
    const QByteArray& original() const { return original_; }
    QStringList files() const
    {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Rewrites bytes of the copy, to make it damaged or of another kind.
    void patch(qint64 at, const QByteArray& bytes)
    {
        QFile f(path_);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(at);
        f.write(bytes);
        f.close();
        original_ = fileBytes(path_);
    }
    void cut(qint64 size)
    {
        QVERIFY(QFile::resize(path_, size));
        original_ = fileBytes(path_);
    }

private:
    QTemporaryDir dir_;
    QString path_;
    QByteArray original_;
};

} // namespace legacytest
