#pragma once

#include "inventory/safety/storagecheck.h"

#include <QAbstractItemModel>

#include <array>
#include <optional>
#include <vector>

namespace storage_window {

// The check's report as a tree: the places that hold chemicals to keep apart or of
// unknown group; under each, every pair of groups to keep apart and the unknown; under
// those, the chemicals. Three columns: what the line is, the storage group, and why.
class StorageReportModel final : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column
    {
        WhatColumn,
        GroupColumn,
        WhyColumn,
        ColumnCount,
    };

    explicit StorageReportModel(QObject* parent = nullptr);

    void setReport(const safety::StorageReport& report);

    // The record a chemical's line stands for; none for the other lines.
    std::optional<qint64> rowidAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Node
    {
        int parent = -1; // -1: a place, at the top
        int row = 0;     // among its parent's children
        std::vector<int> children;
        std::array<QString, ColumnCount> text;
        std::optional<qint64> rowid;
        bool heading = false; // a place: shown in bold
    };
    int add(int parent, std::array<QString, ColumnCount> text, std::optional<qint64> rowid = {});
    const Node* nodeOf(const QModelIndex& index) const;

    std::vector<Node> nodes_;
    std::vector<int> top_;
};

} // namespace storage_window
