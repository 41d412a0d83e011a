#pragma once

#include "inventory/search/seek.h"
#include "inventory/search/textarray.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class Tamsel;
}
namespace records {
class BoundField;
class DataControl;
class ReadAhead;
} // namespace records
namespace forms {
class ListBox;
class Timer;
} // namespace forms
namespace controls {
class ControlInstance;
}
namespace storage_window {
class StorageCheckWindow;
}
class QAction;
class QLineEdit;

// The main record window: one chemical at a time on three tabs, the search box with
// its list of hits, the toolbar and menus of the record commands.
class Tamsel final : public QMainWindow
{
    Q_OBJECT
public:
    // Creates and loads the window; throws when the inventory cannot be opened, leaving
    // no window behind. The window deletes itself when it is closed.
    static Tamsel* Load(QWidget* parent = nullptr);
    // The same with a window made before (none: one is made now), whose load runs now.
    static Tamsel* Load(std::unique_ptr<Tamsel> made);
    // Starts reading, on a thread of its own, what the load will read, so the load later
    // finds it read; null when the inventory is not one that may be read before the load
    // (not there, not ours, a journal beside it). Stopped when it is destroyed.
    static std::unique_ptr<records::ReadAhead> readAhead();

    explicit Tamsel(QWidget* parent = nullptr);
    ~Tamsel() override;

    records::BoundField* txtfields(int index) const { return txtfields_.at(static_cast<std::size_t>(index)); }
    records::DataControl* Data1() const;
    QLineEdit* Text2() const;
    forms::ListBox* List1() const;
    forms::Timer* Timer1() const { return Timer1_; }
    // The web-site link; null when its control could not be created.
    controls::ControlInstance* link1() const { return link1_.get(); }

    // Form-level state. The text arrays are indexed by record position and hold one
    // element more than there are records; hitPositions(k) is the position of entry k-1
    // of List1, from k = 1.
    search::TextArray chemNames;
    search::TextArray aldrichNames;
    search::TextArray formulas;
    std::vector<std::int32_t> hitPositions;
    std::int32_t hitCount = 0;
    bool searchReady = false;

    // Handlers, named by control and event.
    void Form_Load();
    void LoadSearchArrays();
    void List1_Click();
    void Command2_Click();
    void Text2_KeyPress(int& KeyAscii);
    void Timer1_Timer();
    void Data1_Validate(int& Action, bool& Save);
    void Data1_Reposition();
    void Data1_Error(int& DataErr, int& Response);
    void nmunew_Click();
    void mnusave_Click();
    void mnudel_Click();
    void mnurefresh_Click();
    void mnuexit_Click();
    void mnudbgrid_Click();
    void mnuabout_Click();
    void mnustoragecheck_Click();
    // Makes the record with the row id current, reading the inventory afresh when the
    // cursor does not hold it yet; says so when it is no longer there.
    void showRecord(qint64 rowid);
    // The Storage Check window while it is open.
    storage_window::StorageCheckWindow* storageCheck() const;
    // The clicked toolbar button; its "Key" property names the command.
    void Toolbar1_ButtonClick(QAction* Button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();
    void makeAccessible();
    void backLink();
    void readSearchArrays();
    void showWebsite();
    search::SeekState seekState();

    std::unique_ptr<Ui::Tamsel> ui;
    std::array<records::BoundField*, 12> txtfields_{};
    forms::Timer* Timer1_;
    std::unique_ptr<controls::ControlInstance> link1_;
    bool timerSearchRunning_ = false;
    QPointer<storage_window::StorageCheckWindow> storageCheck_;
};
