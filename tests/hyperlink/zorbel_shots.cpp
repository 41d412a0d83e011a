// Renders the link's looks, its about window and its style page to PNG offscreen.
//   QT_QPA_PLATFORM=offscreen zorbel_shots <output-folder>
#include "platform/controls/host.h"
#include "platform/controls/propertydialog.h"
#include "platform/controls/registry.h"
#include "platform/forms/application.h"
#include "platform/forms/colors.h"
#include "platform/forms/errors.h"
#include "platform/forms/language.h"
#include "platform/forms/twips.h"
#include "platform/testing/registrationfile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

namespace {

controls::PropertyBag hostBag()
{
    controls::PropertyBag bag;
    bag.WriteProperty(QStringLiteral("_extentx"), 7355);
    bag.WriteProperty(QStringLiteral("_extenty"), 873);
    bag.WriteProperty(QStringLiteral("caption"), QStringLiteral("WebSite: https://example.org/lab"));
    bag.WriteProperty(QStringLiteral("url"), QStringLiteral("https://example.org/lab"));
    bag.WriteProperty(QStringLiteral("enable"), true);
    bag.WriteProperty(QStringLiteral("font_size"), QVariant::fromValue<qint16>(10));
    bag.WriteProperty(QStringLiteral("bold"), true);
    bag.WriteProperty(QStringLiteral("style"), QVariant::fromValue<qint16>(1));
    bag.WriteProperty(QStringLiteral("color"), 0x00C0FFFF);
    return bag;
}

void save(QWidget* w, const QString& folder, const char* name)
{
    w->grab().save(folder + QLatin1Char('/') + QString::fromLatin1(name));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillarbon"));
    // In the language of the system, as the program shows the control.
    forms::installTranslators(forms::messagesLocale());
    forms::installDesignFonts();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("zorbel-shots");
    QDir().mkpath(out);

    QTemporaryDir dir;
    controls::ScopedRegistrationFile file(dir.filePath(QStringLiteral("controls.reg")));
    bool ok = forms::guarded([&] {
        controls::registerLibrary(QStringLiteral(ZORBEL_PATH));
        const QUuid clsid = controls::classIdFromProgId(QStringLiteral("Zorbel.link"));

        QWidget host;
        host.resize(forms::twipsSize(4600, 2400));
        forms::setBackColor(&host, 0x00C0C0C0);
        auto fresh = controls::createControl(clsid, &host);
        fresh->widget()->move(forms::px(120), forms::px(120));
        auto site =
            controls::placeControl(QStringLiteral("Zorbel.link"), &host, hostBag(), {120, 900, {}, {}});
        controls::PropertyBag button = hostBag();
        button.WriteProperty(QStringLiteral("style"), QVariant::fromValue<qint16>(0));
        button.WriteProperty(QStringLiteral("caption"), QStringLiteral("Open the site"));
        button.WriteProperty(QStringLiteral("_extentx"), 3000);
        auto pushButton =
            controls::placeControl(QStringLiteral("Zorbel.link"), &host, button, {120, 1600, {}, {}});
        host.show();
        QApplication::processEvents();
        save(&host, out, "link_looks.png");

        QTimer::singleShot(100, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                save(w, out, "about.png");
                w->close();
            }
        });
        fresh->invoke(QStringLiteral("ShowAboutBox"));

        controls::PropertyDialog dialog({site.get()});
        dialog.show();
        QApplication::processEvents();
        save(&dialog, out, "style_page.png");

        QLabel cursor;
        cursor.setPixmap(
            site->widget()->findChild<QLabel*>(QStringLiteral("Label1"))->cursor().pixmap().scaled(256, 256));
        save(&cursor, out, "hand_cursor_x8.png");
        QLabel toolbox;
        toolbox.setPixmap(QPixmap::fromImage(controls::toolboxPicture(clsid).scaled(128, 120)));
        save(&toolbox, out, "toolbox_x8.png");
    });
    return ok ? 0 : 1;
}
