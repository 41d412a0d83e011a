#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace zorbel {

// The library's about window, shown modally by ShowAboutBox.
class about final : public QDialog
{
    Q_OBJECT
public:
    explicit about(QWidget* parent = nullptr);

    void Command1_Click();

private:
    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command1;
};

} // namespace zorbel
