#pragma once

#include "platform/controls/propertypage.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zorbel {

// The style page of the link: the button look or the label look, with a preview. It
// reaches the first selected control only through its property "style".
class Link_style final : public controls::PropertyPage
{
    Q_OBJECT
public:
    explicit Link_style(QWidget* parent);

    void PropertyPage_SelectionChanged() override;
    void PropertyPage_ApplyChanges() override;

    void Option1_Click();
    void Option2_Click();

private:
    void showPreview(bool labelLook);

    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
    QLabel* Label3;
};

} // namespace zorbel
