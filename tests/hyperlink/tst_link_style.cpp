#include "platform/controls/propertydialog.h"
#include "platform/controls/propertypage.h"
#include "platform/forms/msgbox.h"
#include "platform/testing/messageboxes.h"
#include "tests/controls/zorbel_fixture.h"
#include "tests/support/test_main.h"

#include <QRadioButton>
#include <QTabWidget>

using controls::ControlInstance;

namespace {

// An object with a dispatch interface but no property "style".
class NoStyle final : public controls::Dispatch
{
public:
    const controls::InterfaceInfo& typeInfo() const override { return info_; }

protected:
    QVariant invokeMember(const controls::FuncInfo&, const QVariantList&) override { return {}; }

private:
    controls::InterfaceInfo info_{QStringLiteral("NoStyle"), QUuid(), 0, false, {}};
};

QRadioButton* option(controls::PropertyPage* page, const char* name)
{
    return page->findChild<QRadioButton*>(QString::fromLatin1(name));
}

QWidget* preview(controls::PropertyPage* page, const char* name)
{
    return page->findChild<QWidget*>(QString::fromLatin1(name));
}

bool showsButtonLook(controls::PropertyPage* page)
{
    return option(page, "Option1")->isChecked() && !option(page, "Option2")->isChecked() &&
           !preview(page, "Command1")->isHidden() && preview(page, "Label3")->isHidden();
}

bool showsLabelLook(controls::PropertyPage* page)
{
    return !option(page, "Option1")->isChecked() && option(page, "Option2")->isChecked() &&
           preview(page, "Command1")->isHidden() && !preview(page, "Label3")->isHidden();
}

} // namespace

class TestLinkStyle : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        zorbel_ = std::make_unique<RegisteredZorbel>();
        window_ = std::make_unique<QWidget>();
        first_ = controls::createControl(RegisteredZorbel::link(), window_.get());
        second_ = controls::createControl(RegisteredZorbel::link(), window_.get());
    }
    void cleanup()
    {
        first_.reset();
        second_.reset();
        window_.reset();
        zorbel_.reset();
    }

    void thePageShowsTheFirstControlsStyle();
    void applyingWritesTheChosenStyleToTheFirstControlOnly();
    void optionsChangeNothingUntilApplied();
    void aSelectionWithoutStyleIsReportedAndChangesNothing();

private:
    std::unique_ptr<RegisteredZorbel> zorbel_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<ControlInstance> first_;
    std::unique_ptr<ControlInstance> second_;
};

void TestLinkStyle::thePageShowsTheFirstControlsStyle()
{
    first_->put(QStringLiteral("style"), 2);
    second_->put(QStringLiteral("style"), 1);
    controls::PropertyDialog dialog({first_.get(), second_.get()});
    QCOMPARE(dialog.pageCount(), 1);
    QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("Style"));
    QVERIFY(showsButtonLook(dialog.page(0)));

    dialog.setSelection({&second_->dispatch(), &first_->dispatch()});
    QVERIFY(showsLabelLook(dialog.page(0)));
    QVERIFY(!dialog.applyButton()->isEnabled());
}

void TestLinkStyle::applyingWritesTheChosenStyleToTheFirstControlOnly()
{
    first_->put(QStringLiteral("style"), 0);
    second_->put(QStringLiteral("style"), 0);
    controls::PropertyDialog dialog({first_.get(), second_.get()});
    controls::PropertyPage* page = dialog.page(0);
    first_->clearChanged();

    QTest::mouseClick(option(page, "Option2"), Qt::LeftButton);
    QVERIFY(showsLabelLook(page));
    QVERIFY(dialog.applyButton()->isEnabled());
    QTest::mouseClick(dialog.applyButton(), Qt::LeftButton);
    QCOMPARE(first_->get(QStringLiteral("style")), controls::integerValue(1));
    QCOMPARE(first_->changedProperties(), QStringList{QStringLiteral("style")});
    QVERIFY(!Label1(*first_)->isHidden());
    QCOMPARE(second_->get(QStringLiteral("style")), controls::integerValue(0));
    QVERIFY(!dialog.applyButton()->isEnabled());

    first_->put(QStringLiteral("style"), 7);
    dialog.setSelection({&first_->dispatch(), &second_->dispatch()});
    QTest::mouseClick(option(page, "Option2"), Qt::LeftButton);
    QTest::mouseClick(option(page, "Option1"), Qt::LeftButton);
    QVERIFY(showsButtonLook(page));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(first_->get(QStringLiteral("style")), controls::integerValue(0));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestLinkStyle::optionsChangeNothingUntilApplied()
{
    first_->put(QStringLiteral("style"), 1);
    first_->clearChanged();
    {
        controls::PropertyDialog dialog({first_.get()});
        QTest::mouseClick(option(dialog.page(0), "Option1"), Qt::LeftButton);
        QVERIFY(dialog.page(0)->Changed());
        QVERIFY(showsButtonLook(dialog.page(0)));
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    }
    QCOMPARE(first_->get(QStringLiteral("style")), controls::integerValue(1));
    QVERIFY(first_->changedProperties().isEmpty());
}

void TestLinkStyle::aSelectionWithoutStyleIsReportedAndChangesNothing()
{
    forms::ScopedScriptedMessageBoxes boxes;
    first_->put(QStringLiteral("style"), 1);
    controls::PropertyDialog dialog({first_.get()});
    controls::PropertyPage* page = dialog.page(0);
    QVERIFY(showsLabelLook(page));

    NoStyle other;
    dialog.setSelection({&other});
    QCOMPARE(boxes->shown().size(), 1);
    QVERIFY(boxes->shown().front().prompt.contains(QStringLiteral("412")));
    QVERIFY(showsLabelLook(page));

    dialog.setSelection({});
    QCOMPARE(boxes->shown().size(), 2);
    QVERIFY(boxes->shown().back().prompt.contains(QStringLiteral("415")));
    QVERIFY(showsLabelLook(page));

    // Applying to nothing fails the same way, and the page keeps its unapplied change.
    QTest::mouseClick(option(page, "Option1"), Qt::LeftButton);
    QVERIFY(!dialog.apply());
    QCOMPARE(boxes->shown().size(), 3);
    QVERIFY(page->Changed());
    QVERIFY(dialog.applyButton()->isEnabled());
}

QB_TEST_MAIN(TestLinkStyle)
#include "tst_link_style.moc"
