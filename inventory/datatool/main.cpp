// quillarbon-data: the companion of Quillarbon on the command line. It works on the same
// inventory file through the same engine: CSV out and in, and a printed list per cupboard.
#include "inventory/datatool/commands/command.h"
#include "inventory/datatool/commands/commandline.h"
#include "inventory/datatool/inventory_file.h"
#include "platform/forms/language.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <memory>
#include <string_view>

namespace {

// Qt's own notes (a missing runtime folder, a font substituted) are not for the user;
// the standard error carries only the numbered errors.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        datatool::cli::writeErr(message);
}

} // namespace

// Ctrl-C, a closed terminal or a kill: the command stops at the next record, and its
// output is thrown away rather than left half written. A second signal ends it at once.
void onStopSignal(int)
{
    datatool::requestStop();
}

void stopOnSignals()
{
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    stopOnSignals();
    // Only the shelf list and the labels need fonts; they draw offscreen, with or without
    // a display.
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing = printing || std::string_view(argv[i]) == "print" || std::string_view(argv[i]) == "labels";
    std::unique_ptr<QCoreApplication> app;
    if (printing) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quillarbon-data"));
    // The same language as the windows; under C or English every text stays as written.
    forms::installTranslators(forms::messagesLocale());

    return datatool::cli::runCommandLine(QCoreApplication::arguments());
}
