#include "inventory/storage_window/storagereportmodel.h"

#include <QCoreApplication>
#include <QFont>

namespace storage_window {

namespace {

QString chemicals(std::int64_t n)
{
    return n == 1 ? QCoreApplication::translate("StorageReportModel", "1 chemical")
                  : QCoreApplication::translate("StorageReportModel", "%1 chemicals").arg(n);
}

QString nameOrNone(const QString& name)
{
    return name.trimmed().isEmpty() ? QCoreApplication::translate("StorageReportModel", "(no name)") : name;
}

} // namespace

StorageReportModel::StorageReportModel(QObject* parent) : QAbstractItemModel(parent) {}

int StorageReportModel::add(int parent, std::array<QString, ColumnCount> text, std::optional<qint64> rowid)
{
    Node node;
    node.parent = parent;
    node.text = std::move(text);
    node.rowid = rowid;
    const int id = static_cast<int>(nodes_.size());
    std::vector<int>& siblings = parent < 0 ? top_ : nodes_[static_cast<std::size_t>(parent)].children;
    node.row = static_cast<int>(siblings.size());
    siblings.push_back(id);
    nodes_.push_back(std::move(node));
    return id;
}

void StorageReportModel::setReport(const safety::StorageReport& report)
{
    const safety::Scheme& scheme = safety::Scheme::builtIn();
    beginResetModel();
    nodes_.clear();
    top_.clear();
    auto addChemicals = [&](int parent, const safety::GroupTally& tally, safety::Group g) {
        for (const safety::Chemical& c : tally.examples)
            add(parent, {nameOrNone(c.name), safety::Scheme::letter(g), scheme.explain(c.assignment)},
                c.rowid);
        const std::int64_t more = tally.count - static_cast<std::int64_t>(tally.examples.size());
        if (more > 0)
            add(parent, {QCoreApplication::translate("StorageReportModel", "… and %1 more of group %2")
                             .arg(more)
                             .arg(safety::Scheme::letter(g)),
                         safety::Scheme::letter(g), QString()});
    };
    for (const safety::PlaceReport& place : report.places) {
        if (place.conflicts.empty() && place.unknown() == 0)
            continue;
        QStringList summary;
        if (!place.conflicts.empty())
            summary.append(
                place.conflicts.size() == 1
                    ? QCoreApplication::translate("StorageReportModel", "1 pair of groups to keep apart")
                    : QCoreApplication::translate("StorageReportModel", "%1 pairs of groups to keep apart")
                          .arg(place.conflicts.size()));
        if (place.unknown() > 0)
            summary.append(QCoreApplication::translate("StorageReportModel", "%1 of unknown group")
                               .arg(chemicals(place.unknown())));
        const int p = add(
            -1, {place.none ? QCoreApplication::translate("StorageReportModel", "(no location)") : place.name,
                 QString(), summary.join(QStringLiteral("; "))});
        nodes_[static_cast<std::size_t>(p)].heading = true;
        for (const safety::Conflict& c : place.conflicts) {
            const int pair =
                add(p, {QCoreApplication::translate("StorageReportModel", "Keep apart: %1")
                            .arg(scheme.whyApart(c.first, c.second)),
                        QStringLiteral("%1 / %2").arg(safety::Scheme::letter(c.first),
                                                      safety::Scheme::letter(c.second)),
                        QStringLiteral("%1: %2; %3: %4")
                            .arg(safety::Scheme::letter(c.first), chemicals(place.tally(c.first).count),
                                 safety::Scheme::letter(c.second), chemicals(place.tally(c.second).count))});
            addChemicals(pair, place.tally(c.first), c.first);
            addChemicals(pair, place.tally(c.second), c.second);
        }
        if (place.unknown() > 0) {
            const int unknown = add(
                p, {QCoreApplication::translate("StorageReportModel", "Storage group unknown"),
                    safety::Scheme::letter(safety::Group::Unknown),
                    place.none ? QCoreApplication::translate("StorageReportModel", "no place is recorded; %1")
                                     .arg(chemicals(place.unknown()))
                               : chemicals(place.unknown())});
            addChemicals(unknown, place.tally(safety::Group::Unknown), safety::Group::Unknown);
        }
    }
    endResetModel();
}

const StorageReportModel::Node* StorageReportModel::nodeOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    const auto id = static_cast<std::size_t>(index.internalId());
    return id < nodes_.size() ? &nodes_[id] : nullptr;
}

std::optional<qint64> StorageReportModel::rowidAt(const QModelIndex& index) const
{
    const Node* node = nodeOf(index);
    return node ? node->rowid : std::nullopt;
}

QModelIndex StorageReportModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= ColumnCount)
        return {};
    const std::vector<int>* children = &top_;
    if (parent.isValid()) {
        const Node* p = nodeOf(parent);
        if (!p || parent.column() != 0)
            return {};
        children = &p->children;
    }
    if (row >= static_cast<int>(children->size()))
        return {};
    return createIndex(row, column, static_cast<quintptr>((*children)[static_cast<std::size_t>(row)]));
}

QModelIndex StorageReportModel::parent(const QModelIndex& child) const
{
    const Node* node = nodeOf(child);
    if (!node || node->parent < 0)
        return {};
    const Node& p = nodes_[static_cast<std::size_t>(node->parent)];
    return createIndex(p.row, 0, static_cast<quintptr>(node->parent));
}

int StorageReportModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(top_.size());
    const Node* node = nodeOf(parent);
    return node && parent.column() == 0 ? static_cast<int>(node->children.size()) : 0;
}

int StorageReportModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant StorageReportModel::data(const QModelIndex& index, int role) const
{
    const Node* node = nodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return node->text[static_cast<std::size_t>(index.column())];
    case Qt::ToolTipRole:
        return node->rowid ? QCoreApplication::translate("StorageReportModel",
                                                         "Enter shows this chemical in the main window")
                           : QVariant();
    case Qt::FontRole:
        if (node->heading) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant StorageReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case WhatColumn:
        return QCoreApplication::translate("StorageReportModel", "Place and chemicals");
    case GroupColumn:
        return QCoreApplication::translate("StorageReportModel", "Group");
    case WhyColumn:
        return QCoreApplication::translate("StorageReportModel", "Why");
    default:
        return {};
    }
}

} // namespace storage_window
