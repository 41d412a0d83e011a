#pragma once

#include "platform/controls/usercontrol.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

class QPushButton;
namespace forms {
class Timer;
}

namespace zorbel {

class about;

// A label that reports a click: the button pressed and released over it, or Space or
// Enter while it has the keyboard focus, which it shows with a focus frame.
class ClickLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// The button look: the second press of a double-click is not a second click.
class ClickButton final : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The hyperlink control: one line of text, shown as an underlined label (style 1) or as
// a push button (any other style), that raises Click and opens its url when clicked.
class link final : public controls::UserControl
{
    Q_OBJECT
public:
    explicit link(QWidget* parent);
    ~link() override;

    const controls::InterfaceInfo& typeInfo() const override;
    const controls::InterfaceInfo* eventInfo() const override;

    // _link, in slot order.
    QVariant url() const;
    void let_url(const QVariant& vNewValue);
    QVariant caption() const;
    void let_caption(const QVariant& vNewValue);
    void ShowAboutBox();
    bool enable() const { return enable_; }
    void let_enable(bool vNewValue);
    qint16 font_size() const { return font_size_; }
    void let_font_size(qint16 vNewValue);
    bool bold() const { return bold_; }
    void let_bold(bool vNewValue);
    QVariant style() const;
    void let_style(const QVariant& vNewValue);
    quint32 Color() const { return Color_; }
    void let_Color(quint32 vNewValue);

    void UserControl_Initialize() override;
    void UserControl_ReadProperties(const controls::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(controls::PropertyBag& PropBag) override;

protected:
    void UserControl_Show() override;
    void UserControl_Resize() override;
    QVariant invokeMember(const controls::FuncInfo& function, const QVariantList& args) override;

private:
    void Command1_Click();
    void Label1_Click();
    void Timer1_Timer();

    void applyLook();
    void setCaptions();
    void setFontSizes(int points);
    void setWeights();
    void setLabelColor(quint32 color);
    void navigate();

    QPushButton* Command1;
    ClickLabel* Label1;
    forms::Timer* Timer1;

    // One set of values per instance: two links in one window keep their own.
    QString url_;
    QString caption_;
    bool enable_ = false;
    qint16 font_size_ = 0;
    bool bold_ = false;
    qint16 style_ = 0;
    quint32 Color_ = 0;

    // Exists only while ShowAboutBox runs.
    std::unique_ptr<about> about_;
};

} // namespace zorbel
