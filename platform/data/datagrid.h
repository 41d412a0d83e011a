#pragma once

#include "platform/data/boundview.h"
#include "platform/data/recordsetmodel.h"

#include <QStringList>
#include <QTableView>

#include <vector>

namespace records {

// A read-only grid bound to a data control: one column per DataField (matched to the
// table's columns without regard to case) under its caption, a record selector beside the
// current row, and the cursor and the current row as one. It paints only the rows in view,
// reading them by position, so a million rows open and scroll as fast as ten.
class DataGrid final : public QTableView, public BoundView
{
    Q_OBJECT
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(QStringList DataFields READ DataFields WRITE setDataFields)
    Q_PROPERTY(QStringList Captions READ Captions WRITE setCaptions)
    Q_PROPERTY(bool AllowAddNew READ AllowAddNew)
    Q_PROPERTY(bool AllowDelete READ AllowDelete)
    Q_PROPERTY(bool AllowUpdate READ AllowUpdate)
public:
    explicit DataGrid(QWidget* parent = nullptr);

    const QStringList& DataFields() const { return dataFields_; }
    void setDataFields(const QStringList& fields) { dataFields_ = fields; }
    const QStringList& Captions() const { return captions_; }
    void setCaptions(const QStringList& captions);
    // The grid never edits: rows are neither added, deleted nor changed through it.
    bool AllowAddNew() const { return false; }
    bool AllowDelete() const { return false; }
    bool AllowUpdate() const { return false; }

    // A column's width in twips, kept when the record set is opened again.
    void setColumnWidthTwips(int column, int twips);

    const RecordsetModel* recordsetModel() const { return model_; }

    QString missingColumn(const Recordset& rs) const override;
    void showRecordset(Recordset* rs) override;
    void showCurrent(int position) override;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    RecordsetModel* model_;
    Recordset* rs_ = nullptr;
    QStringList dataFields_;
    QStringList captions_;
    std::vector<int> widths_; // twips per column; 0: the default
    bool following_ = false;  // the grid is following the cursor, not moving it
};

} // namespace records
