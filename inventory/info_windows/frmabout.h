#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

namespace Ui {
class frmAbout;
}
class QLabel;
class QPushButton;

namespace info {

// The about box: the program's title and version, what it is for, where it comes from,
// and a button that starts the system's information tool. Modeless; OK, Enter and Escape
// close it.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    // Creates and loads the box; it deletes itself when it is closed.
    static frmAbout* Load();

    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    QLabel* lblTitle() const;
    QLabel* lblVersion() const;
    QLabel* lblDescription() const;
    QPushButton* cmdOK() const;
    QPushButton* cmdSysInfo() const;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    // Escape presses OK, as Enter does.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
};

// Shows the about box modeless: loaded on first use, brought to the front when open.
frmAbout* showAbout();

} // namespace info
