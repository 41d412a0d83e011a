// Registers control libraries in the registration file, or removes them from it.
//   qb_regsvr [--unregister] [--file registration-file] library...
// A library in the registration file's folder is written relative to it, so the program's
// folder can be copied or installed elsewhere without registering again.
#include "platform/controls/registry.h"
#include "platform/forms/errors.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qb_regsvr"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Registers control libraries for the programs beside them. Libraries in the "
                       "registration file's folder are named relative to it, so the folder can be "
                       "moved."));
    parser.addHelpOption();
    const QCommandLineOption unregister(QStringList{QStringLiteral("u"), QStringLiteral("unregister")},
                                        QStringLiteral("Remove the libraries' registrations."));
    const QCommandLineOption file(
        QStringList{QStringLiteral("f"), QStringLiteral("file")},
        QStringLiteral("The registration file (default: controls.reg beside this tool)."),
        QStringLiteral("registration-file"));
    parser.addOption(unregister);
    parser.addOption(file);
    parser.addPositionalArgument(QStringLiteral("library"),
                                 QStringLiteral("A control library, e.g. Zorbel.ocx."));
    parser.process(app);

    const QStringList libraries = parser.positionalArguments();
    if (libraries.isEmpty())
        parser.showHelp(2);
    if (parser.isSet(file))
        controls::ControlRegistry::setFile(QFileInfo(parser.value(file)).absoluteFilePath());

    QTextStream out(stdout);
    QTextStream err(stderr);
    int failed = 0;
    for (const QString& library : libraries) {
        try {
            if (parser.isSet(unregister)) {
                controls::unregisterLibrary(library);
                out << "Unregistered " << library << " from " << controls::ControlRegistry::file()
                    << Qt::endl;
            } else {
                controls::registerLibrary(library);
                out << "Registered " << library << " in " << controls::ControlRegistry::file() << Qt::endl;
            }
        } catch (const base::RuntimeError& e) {
            err << "Error " << e.number() << ": " << e.text() << Qt::endl;
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
