#include "inventory/legacy/convertdialog.h"

#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/forms/errors.h"
#include "platform/forms/msgbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

namespace legacy {

bool offerConversion(const QString& rawPath, const StartOptions& options)
{
    const QString path = records::normalizePath(rawPath);
    Survey survey;
    // What would stop the conversion is said before anything is asked.
    if (!forms::guarded([&] {
            survey = surveyAccessFile(path);
            checkRoom(survey, options.conversion);
        }))
        return false;

    const QString question =
        QCoreApplication::translate(
            "ConvertDialog",
            "The inventory file '%1' is in the old Access format of an earlier version of the "
            "program (%2 records).\r\n\r\nConvert it to the current format now? The old file is "
            "kept beside it as '%3'.\r\n\r\nChoose No to quit; nothing is changed.")
            .arg(QDir::toNativeSeparators(path))
            .arg(survey.records)
            .arg(QFileInfo(backupPath(path)).fileName());
    if (forms::MsgBox(question, forms::YesNo | forms::Question) != forms::Yes)
        return false;

    // Copying and then checking each record: the bar runs over both.
    const std::int64_t total = survey.records;
    QProgressDialog progress;
    progress.setWindowTitle(QCoreApplication::translate("ConvertDialog", "Converting the inventory"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(options.progressDelayMs);
    progress.setRange(0, static_cast<int>(std::min<std::int64_t>(2 * total, INT_MAX)));
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    ConversionOptions conversion = options.conversion;
    conversion.progress = [&](Phase phase, std::int64_t done, std::int64_t all) {
        const bool copying = phase == Phase::Copying;
        progress.setLabelText(
            (copying ? QCoreApplication::translate("ConvertDialog", "Converting record %1 of %2")
                     : QCoreApplication::translate("ConvertDialog", "Checking record %1 of %2"))
                .arg(done)
                .arg(all));
        progress.setValue(static_cast<int>(std::min<std::int64_t>(copying ? done : all + done, INT_MAX)));
        if (options.conversion.progress)
            options.conversion.progress(phase, done, all);
    };
    Conversion done;
    const bool converted = forms::guarded([&] { done = convertInventory(path, conversion); });
    progress.close();
    if (!converted)
        return false;
    forms::MsgBox(conversionNote(done), forms::OkOnly | forms::Information);
    return true;
}

bool inventoryReadyAtStart(const QString& path)
{
    if (store::inventoryOnServer(path))
        return true;
    if (QFileInfo::exists(path))
        return !isAccessFile(path) || offerConversion(path);
    const int answer = forms::MsgBox(
        QCoreApplication::translate("main", "There is no inventory file '%1'.\r\n\r\nCreate an empty "
                                            "inventory there? Choose No to quit.")
            .arg(QDir::toNativeSeparators(path)),
        forms::YesNo | forms::Question);
    if (answer != forms::Yes)
        return false;
    return forms::guarded([&] { store::createEmptyInventory(path); });
}

} // namespace legacy
