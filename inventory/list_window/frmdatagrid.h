#pragma once

#include "inventory/search/seek.h"
#include "inventory/search/textarray.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class frmDataGrid;
}
namespace records {
class DataControl;
class DataGrid;
} // namespace records
namespace forms {
class ListBox;
class Timer;
} // namespace forms
class QLineEdit;
class QPushButton;

namespace list_window {

// The chemical list: every chemical's name and formula in a grid with its own cursor,
// and a seek over its own copies of those two columns. Modeless, one at a time, and
// independent of the main window.
class frmDataGrid final : public QWidget
{
    Q_OBJECT
public:
    // Creates and loads the window; throws when the inventory cannot be opened, leaving no
    // window behind. The window deletes itself when it is closed.
    static frmDataGrid* Load();

    explicit frmDataGrid(QWidget* parent = nullptr);
    ~frmDataGrid() override;

    records::DataGrid* grdDataGrid() const;
    records::DataControl* Data1() const;
    QWidget* picButtons() const;
    QLineEdit* Text1() const;
    QPushButton* Command1() const;
    QPushButton* cmdClose() const;
    QPushButton* cmdrefresh() const;
    forms::ListBox* List1() const;
    QPushButton* Command2() const;
    QPushButton* Command3() const;
    forms::Timer* Timer1() const { return Timer1_; }

    // Window state. The arrays are indexed by record position and hold one element more
    // than there are records; hitPositions(k) is the position of entry k-1 of List1.
    search::TextArray chemNames;
    search::TextArray formulas;
    std::vector<std::int32_t> hitPositions;
    std::int32_t hitCount = 0;
    bool searchReady = false;

    // Handlers, named by control and event.
    void Form_Load();
    void Form_Resize();
    void cmdRefresh_Click();
    void cmdClose_Click();
    void Data1_Reposition();
    void Command1_Click();
    void Text1_KeyPress(int& KeyAscii);
    void Timer1_Timer();
    void List1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSearchArrays();
    void resizeIgnoringErrors();
    void readSearchArraysByRecord();
    search::SeekState seekState();
    void setListIndex(int index);

    std::unique_ptr<Ui::frmDataGrid> ui;
    forms::Timer* Timer1_;
    bool timerSearchRunning_ = false;
};

// Shows the list window modeless: loaded on first use, brought to the front when open.
// A reading started by openDataGrid is waited for and taken.
frmDataGrid* showDataGrid();
// The same from the main window's menu and toolbar, without holding up the window that asked:
// the window's records are read on a thread of their own, and the window is loaded and shown
// when they have been read (at once when it is open already). A second call meanwhile waits
// for the same window. The program keeps running until the window is up.
void openDataGrid();
// A window on its way after openDataGrid, not yet loaded.
bool dataGridOnItsWay();

} // namespace list_window
