#pragma once

#include <QString>

namespace records {

class Recordset;

// A control that shows a data control's whole record set and follows its cursor, such as
// a grid. Like a bound box it names its data control by DataSource and knows nothing of
// it: the control pushes the record set and the current position into it.
class BoundView
{
public:
    virtual ~BoundView() = default;

    const QString& DataSource() const { return dataSource_; }
    void setDataSource(const QString& controlName) { dataSource_ = controlName; }

    // The first of the view's column names that the record set lacks; empty when it has
    // them all. Asked before the record set is shown.
    virtual QString missingColumn(const Recordset& rs) const = 0;
    // The record set was (re)opened; null when it is closed.
    virtual void showRecordset(Recordset* rs) = 0;
    // Another record became current (-1: none).
    virtual void showCurrent(int position) = 0;

private:
    QString dataSource_;
};

} // namespace records
