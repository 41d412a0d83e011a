// Another running copy of the program: its main window, offscreen, over an inventory,
// doing what a user does in the order given, then closing. Each message box it shows is
// printed ("box TEXT", line breaks as spaces) and answered as the steps say.
//
//   qb_window_program FOLDER STEP...
//
//   find:NAME          bring up the record named NAME
//   type:BOX:TEXT      type TEXT at the end of box number BOX
//   save               the Save command
//   delete             the Delete command, answered OK
//   refresh            the Refresh command; a question about unsaved edits is answered No
//   show:BOX           print "shown BOX TEXT"
//   wait:MS            the window goes on with its events for MS milliseconds
#include "inventory/main_window/tamsel.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/recordset.h"
#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/msgbox.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

void say(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Prints every box and answers it: OK to a removal, No to a question on unsaved edits.
class PrintingBoxes final : public forms::MessageBoxBackend
{
public:
    int show(const forms::MessageBoxRequest& request) override
    {
        QString text = request.prompt;
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        say(QStringLiteral("box ") + text);
        if ((request.style & 0xf) == forms::OkCancel)
            return forms::Ok;
        if ((request.style & 0xf) == forms::YesNo)
            return forms::No;
        return forms::Ok;
    }
};

bool runStep(Tamsel& w, const QString& step)
{
    const QString kind = step.section(QLatin1Char(':'), 0, 0);
    auto action = [&](const char* name) {
        w.findChild<QAction*>(QString::fromLatin1(name))->trigger();
        QCoreApplication::processEvents();
    };
    if (kind == QLatin1String("find")) {
        const QString name = step.section(QLatin1Char(':'), 1);
        for (std::size_t p = 0; p < w.chemNames.size(); ++p)
            if (w.chemNames[p] == name) {
                w.Data1()->Recordset()->setAbsolutePosition(static_cast<int>(p));
                QCoreApplication::processEvents();
                return true;
            }
        say(QStringLiteral("missing ") + name);
        return false;
    }
    if (kind == QLatin1String("type")) {
        QWidget* editor = w.txtfields(step.section(QLatin1Char(':'), 1, 1).toInt())->widget();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_End);
        testsupport::typeText(editor, step.section(QLatin1Char(':'), 2));
        QCoreApplication::processEvents();
    } else if (kind == QLatin1String("save")) {
        action("mnusave");
    } else if (kind == QLatin1String("delete")) {
        action("mnudel");
    } else if (kind == QLatin1String("refresh")) {
        action("mnurefresh");
    } else if (kind == QLatin1String("show")) {
        const int box = step.section(QLatin1Char(':'), 1, 1).toInt();
        w.Data1()->syncBound();
        say(QStringLiteral("shown %1 %2").arg(box).arg(w.txtfields(box)->Text()));
    } else if (kind == QLatin1String("wait")) {
        QTest::qWait(step.section(QLatin1Char(':'), 1, 1).toInt());
    } else {
        say(QStringLiteral("unknown step ") + step);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: qb_window_program FOLDER STEP...\n");
        return 2;
    }
    forms::setMessageBoxBackend(std::make_unique<PrintingBoxes>());
    forms::setPath(args.at(1));
    std::unique_ptr<Tamsel> w;
    if (!forms::guarded([&] { w.reset(Tamsel::Load()); }))
        return 1;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    QCoreApplication::processEvents();
    for (qsizetype i = 2; i < args.size(); ++i)
        if (!runStep(*w, args.at(i)))
            return 1;
    w->close();
    say(QStringLiteral("done"));
    return 0;
}
