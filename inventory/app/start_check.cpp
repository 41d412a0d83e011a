#include "inventory/app/start_check.h"

#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/controls/host.h"
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/recordset.h"
#include "platform/forms/identity.h"
#include "platform/forms/msgbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace start_check {

namespace {

int& status()
{
    // Failed until the main window reports otherwise.
    static int code = 1;
    return code;
}

class StandardErrorBoxes final : public forms::MessageBoxBackend
{
public:
    int show(const forms::MessageBoxRequest& request) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.prompt));
        std::fflush(stderr);
        // What closing the box answers: Cancel, No, or the only OK.
        switch (request.style & 7) {
        case forms::OkCancel:
            return forms::Cancel;
        case forms::YesNo:
            return forms::No;
        default:
            return forms::Ok;
        }
    }
};

} // namespace

bool requested()
{
    return qEnvironmentVariableIsSet(kVariable);
}

void begin()
{
    forms::setMessageBoxBackend(std::make_unique<StandardErrorBoxes>());
}

void loaded(Tamsel& window)
{
    const QString file = QDir::toNativeSeparators(
        records::normalizePath(store::databasePath(forms::Path(), store::mainFilePart())));
    const int records = window.Data1()->Recordset()->RecordCount();
    const controls::ControlInstance* link = window.link1();
    const bool linked = link && link->widget();
    const QString line =
        QStringLiteral("%1 %2 loaded %3 records from %4; link %5")
            .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
            .arg(records)
            .arg(file, linked ? QStringLiteral("from ") + QDir::toNativeSeparators(link->classInfo().library)
                              : QStringLiteral("missing"));
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
    status() = linked ? 0 : 1;
    // Closed once it has had its first round of events, as a person would see it; the
    // program then ends as it does when a person closes it, the file closed cleanly.
    QTimer::singleShot(0, &window, [&window] { window.close(); });
}

int exitCode()
{
    return status();
}

} // namespace start_check
