#include "inventory/info_windows/frmabout.h"
#include "inventory/info_windows/frmsplash.h"
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/storage_window/storagecheckwindow.h"
#include "platform/forms/identity.h"
#include "platform/forms/language.h"
#include "platform/forms/timer.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>

#include <memory>

using namespace testsupport;

namespace {

QString shown(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return plain;
}

QString where(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
}

// Each label, button, frame caption, tab and menu title of the window whose text does not fit
// the room the window gives it.
QStringList clippedTexts(QWidget* window)
{
    QStringList clipped;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            continue;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        const QString text = shown(label->text());
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->fontMetrics().horizontalAdvance(text) <= room.width();
        if (!fits)
            clipped.append(where(label, text));
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        if (button->fontMetrics().horizontalAdvance(shown(button->text())) > room)
            clipped.append(where(button, shown(button->text())));
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        if (!box->isVisibleTo(window) || box->title().isEmpty())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (label.right() >= box->width())
            clipped.append(where(box, box->title()));
    }
    for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = shown(tabs->tabText(i));
            const QRect rect = tabs->tabRect(i);
            if (tabs->fontMetrics().horizontalAdvance(text) > rect.width() || rect.right() >= tabs->width())
                clipped.append(where(tabs, text));
        }
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* menu : bar->actions())
            if (bar->actionGeometry(menu).right() >= bar->width())
                clipped.append(where(bar, shown(menu->text())));
    return clipped;
}

} // namespace

class TestPortugueseWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void englishLocalesKeepTheWrittenTexts();
    void noTextIsClipped();
};

void TestPortugueseWindows::initTestCase()
{
    QVERIFY(forms::installTranslators(QLocale(QLocale::Portuguese, QLocale::Brazil)));
}

// C and English install no translator, so every text stays as written; Portuguese is in
// place, and with it Qt's own buttons.
void TestPortugueseWindows::englishLocalesKeepTheWrittenTexts()
{
    QVERIFY(!forms::installTranslators(QLocale::c()));
    QVERIFY(!forms::installTranslators(QLocale(QLocale::English, QLocale::UnitedStates)));
    // A LANGUAGE left in the environment does not override LANG=C.
    qputenv("LANGUAGE", "pt_BR");
    qputenv("LANG", "C");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    QCOMPARE(forms::messagesLocale(), QLocale::c());
    QCOMPARE(QCoreApplication::translate("Tamsel", "&Record"), QStringLiteral("&Registro"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

void TestPortugueseWindows::noTextIsClipped()
{
    TempInventory inv({chemical(QStringLiteral("Cloreto de sódio"), QStringLiteral("Sodium chloride"),
                                QStringLiteral("NaCl")),
                       chemical(QStringLiteral("Cloreto de potássio"), QStringLiteral("Potassium chloride"),
                                QStringLiteral("KCl"))});
    forms::setPath(inv.folder());

    {
        info::frmSplash splash([] {});
        splash.Form_Load();
        splash.Timer1()->stop();
        splash.show();
        QVERIFY2(clippedTexts(&splash).isEmpty(), qPrintable(clippedTexts(&splash).join(u'\n')));
    }
    {
        info::frmAbout about;
        about.Form_Load();
        about.show();
        QVERIFY2(clippedTexts(&about).isEmpty(), qPrintable(clippedTexts(&about).join(u'\n')));
    }

    auto main = std::unique_ptr<Tamsel>(Tamsel::Load());
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->show();
    QCOMPARE(main->menuBar()->actions().first()->text(), QStringLiteral("&Registro"));
    auto* tabs = main->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QVERIFY2(clippedTexts(main.get()).isEmpty(), qPrintable(clippedTexts(main.get()).join(u'\n')));
    }
    // With the count of a search's hits beside its list.
    main->Text2()->setText(QStringLiteral("Cloreto"));
    main->Timer1_Timer();
    QVERIFY2(clippedTexts(main.get()).isEmpty(), qPrintable(clippedTexts(main.get()).join(u'\n')));

    list_window::frmDataGrid* list = list_window::showDataGrid();
    list->Text1()->setText(QStringLiteral("Cloreto"));
    list->Timer1_Timer();
    QVERIFY2(clippedTexts(list).isEmpty(), qPrintable(clippedTexts(list).join(u'\n')));
    list->close();

    storage_window::StorageCheckWindow check(inv.path());
    check.refresh();
    check.show();
    QVERIFY2(clippedTexts(&check).isEmpty(), qPrintable(clippedTexts(&check).join(u'\n')));
}

QB_TEST_MAIN(TestPortugueseWindows)
#include "tst_portuguese_windows.moc"
