#pragma once

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class frmSplash;
}
namespace forms {
class Timer;
}
class QLabel;
class QFrame;

namespace info {

// The start-up window: title, version, for whom it was made, and the logo. Two seconds
// after it opens it hands over to the main window; a key or a click on its frame before
// then closes it, and with it the program.
class frmSplash final : public QWidget
{
    Q_OBJECT
public:
    // Creates and loads the splash; it deletes itself when it is unloaded. showMainWindow
    // loads and shows the main window, and throws when it cannot.
    static frmSplash* Load(std::function<void()> showMainWindow);

    explicit frmSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);
    ~frmSplash() override;

    QFrame* Frame1() const;
    QLabel* imgLogo() const;
    QLabel* lblProductName() const;
    QLabel* lblVersion() const;
    QLabel* lblPlatform() const;
    forms::Timer* Timer1() const { return Timer1_; }

    void Form_Load();
    void Timer1_Timer();
    void Form_KeyPress(int KeyAscii);
    void Frame1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void onTimer();

    std::unique_ptr<Ui::frmSplash> ui;
    std::function<void()> showMainWindow_;
    forms::Timer* Timer1_;
    bool pressedOnFrame_ = false;
};

} // namespace info
