// quillarbon-data: the companion of Quillarbon on the command line. It works on the same
// inventory file through the same engine: CSV out and in, and a printed list per cupboard.
#include "inventory/datatool/csv.h"
#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/shelflist.h"
#include "inventory/datatool/storagereport.h"
#include "inventory/legacy/conversion.h"
#include "inventory/safety/errors.h"
#include "inventory/safety/storagecheck.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using datatool::ToolError;

const char kUsage[] = R"(Usage: quillarbon-data [--file PATH] COMMAND [OPTIONS]

Works on the inventory QBData.mdb in the program's folder, or on the one --file names.

Commands:
  export-csv [--out FILE] [--for-spreadsheet]
      Every record in name order as CSV (UTF-8 with a byte-order mark, CRLF between
      rows), to FILE or to the standard output. --for-spreadsheet writes values that a
      spreadsheet would turn into a date, a number or a formula (1-2, 2/3, 007, =...)
      so that it shows them as text.
  import-csv FILE [--dry-run] [--allow-duplicates] [--create]
      Adds the rows of FILE, all of them or none. The first line names the columns
      (NOME is required, the others may be left out); cells are separated by commas,
      or by semicolons as some spreadsheets save them. A row whose NOME is already in
      the inventory is not added unless --allow-duplicates is given. --dry-run reports
      what would be added and changes nothing. --create makes an empty inventory first
      when there is none.
  import-access OLD.mdb [--dry-run]
      Adds the records of OLD.mdb, an inventory in the Access format of the program's
      earlier version, all of them or none. --dry-run lists what would come and changes
      nothing. OLD.mdb is only read.
  print --out FILE.pdf [--location TEXT] [--letter]
      A shelf list to hang on each storing place: one section per place, each chemical
      with its formula, quantity, signal word and hazard pictograms. --location prints
      only the places whose name contains TEXT; --letter uses US Letter paper, not A4.
  check-storage [--location TEXT] [--csv]
      Within each storing place, the chemicals whose storage groups must be kept
      apart (the compatible storage groups of Prudent Practices in the Laboratory),
      and the chemicals whose group their record does not tell, each with the reason
      for its group. A line "Storage group: F" in the hazards sets a chemical's group.
      --location checks only the places whose name contains TEXT; --csv writes CSV.
      The exit status is 0 when nothing must be kept apart, 3 when something must.

Errors are written as "Error N: text" on the standard error, and the exit status is
then 1 (2 when the command line is not understood; check-storage exits with 3 when it
finds chemicals to keep apart). No output file is ever left half
written.
)";

void writeErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

void writeOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void reportError(int number, const QString& text)
{
    writeErr(QStringLiteral("Error %1: %2").arg(number).arg(text));
}

struct Arguments
{
    QString command;
    QString file;
    QString csv; // import-csv's FILE, import-access's OLD.mdb
    QString out;
    QString location;
    bool forSpreadsheet = false;
    bool dryRun = false;
    bool allowDuplicates = false;
    bool create = false;
    bool letter = false;
    bool csvOut = false; // check-storage --csv
    bool help = false;
};

ToolError usage(const QString& text)
{
    return ToolError(datatool::UsageError,
                     text + QStringLiteral(" Run quillarbon-data --help for the commands."));
}

Arguments parse(const QStringList& args)
{
    Arguments a;
    QStringList given;
    for (qsizetype i = 1; i < args.size(); ++i) {
        QString arg = args.at(i);
        std::optional<QString> inlineValue;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            inlineValue = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);
            arg = arg.left(arg.indexOf(QLatin1Char('=')));
        }
        auto value = [&]() {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw usage(QStringLiteral("The option %1 needs a value.").arg(arg));
            return args.at(++i);
        };
        auto flag = [&](bool& target) {
            if (inlineValue)
                throw usage(QStringLiteral("The option %1 takes no value.").arg(arg));
            target = true;
        };
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            flag(a.help);
        else if (arg == QLatin1String("--file"))
            a.file = value();
        else if (arg == QLatin1String("--out"))
            a.out = value();
        else if (arg == QLatin1String("--location"))
            a.location = value();
        else if (arg == QLatin1String("--for-spreadsheet"))
            flag(a.forSpreadsheet);
        else if (arg == QLatin1String("--dry-run"))
            flag(a.dryRun);
        else if (arg == QLatin1String("--allow-duplicates"))
            flag(a.allowDuplicates);
        else if (arg == QLatin1String("--create"))
            flag(a.create);
        else if (arg == QLatin1String("--letter"))
            flag(a.letter);
        else if (arg == QLatin1String("--csv"))
            flag(a.csvOut);
        else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
            throw usage(QStringLiteral("The option %1 is not known.").arg(arg));
        else if (a.command.isEmpty())
            a.command = arg;
        else if ((a.command == QLatin1String("import-csv") || a.command == QLatin1String("import-access")) &&
                 a.csv.isEmpty())
            a.csv = arg;
        else
            throw usage(QStringLiteral("'%1' is one word too many.").arg(arg));
        if (arg.startsWith(QLatin1String("--")))
            given.append(arg);
    }
    if (a.help)
        return a;

    // Which options each command takes.
    const QStringList common = {QStringLiteral("--file")};
    QStringList allowed;
    if (a.command == QLatin1String("export-csv"))
        allowed = {QStringLiteral("--out"), QStringLiteral("--for-spreadsheet")};
    else if (a.command == QLatin1String("import-csv"))
        allowed = {QStringLiteral("--dry-run"), QStringLiteral("--allow-duplicates"),
                   QStringLiteral("--create")};
    else if (a.command == QLatin1String("import-access"))
        allowed = {QStringLiteral("--dry-run")};
    else if (a.command == QLatin1String("print"))
        allowed = {QStringLiteral("--out"), QStringLiteral("--location"), QStringLiteral("--letter")};
    else if (a.command == QLatin1String("check-storage"))
        allowed = {QStringLiteral("--location"), QStringLiteral("--csv")};
    else if (a.command.isEmpty())
        throw usage(
            QStringLiteral("No command is given: name export-csv, import-csv, import-access, print or "
                           "check-storage."));
    else
        throw usage(
            QStringLiteral("'%1' is not a command: name export-csv, import-csv, import-access, print or "
                           "check-storage.")
                .arg(a.command));
    for (const QString& option : std::as_const(given))
        if (!common.contains(option) && !allowed.contains(option))
            throw usage(QStringLiteral("The option %1 does not go with %2.").arg(option, a.command));
    if (a.command == QLatin1String("import-csv") && a.csv.isEmpty())
        throw usage(QStringLiteral("import-csv needs the CSV file to read."));
    if (a.command == QLatin1String("import-access") && a.csv.isEmpty())
        throw usage(QStringLiteral("import-access needs the old Access-format file to read."));
    if (a.command == QLatin1String("print") && a.out.isEmpty())
        throw usage(QStringLiteral("print needs --out FILE.pdf, the file to write."));
    if (given.contains(QStringLiteral("--location")) && a.location.isEmpty())
        throw usage(QStringLiteral("--location needs a part of a place's name."));
    if (given.contains(QStringLiteral("--file")) && a.file.isEmpty())
        throw usage(QStringLiteral("--file needs the inventory's path."));
    return a;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A file written in full or not at all: bytes go to a temporary file beside it, which
// takes the name only when everything is written.
class Output
{
public:
    // large: the writer hands over large blocks, which a second buffer would only copy.
    Output(const QString& path, const QString& inventory, bool large) : file_(path)
    {
        const QFileInfo target(path);
        if (target.exists() && target.canonicalFilePath() == QFileInfo(inventory).canonicalFilePath())
            throw ToolError(
                datatool::OutputIsInventory,
                QStringLiteral("The output '%1' is the inventory itself; writing it would destroy "
                               "the inventory. Name another file.")
                    .arg(native(path)));
        if (target.isDir())
            throw ToolError(datatool::OutputFailed,
                            QStringLiteral("The output '%1' is a folder. Name a file.").arg(native(path)));
        if (!file_.open(large ? QIODevice::WriteOnly | QIODevice::Unbuffered : QIODevice::WriteOnly))
            throw ToolError(
                datatool::OutputFailed,
                QStringLiteral("The file '%1' cannot be written (%2). Check that its folder exists "
                               "and that you may write there.")
                    .arg(native(path), file_.errorString()));
    }
    QIODevice& device() { return file_; }
    void commit()
    {
        if (!file_.commit())
            throw ToolError(
                datatool::OutputFailed,
                QStringLiteral("The file '%1' could not be saved (%2). Check that the disk has room; "
                               "nothing was written.")
                    .arg(native(file_.fileName()), file_.errorString()));
    }

private:
    QSaveFile file_;
};

int exportCsv(const Arguments& a, const QString& inventory)
{
    auto db = datatool::openInventory(inventory, true);
    datatool::ExportOptions options;
    options.forSpreadsheet = a.forSpreadsheet;
    if (a.out.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
            throw ToolError(
                datatool::OutputFailed,
                QStringLiteral("The standard output cannot be written (%1).").arg(out.errorString()));
        datatool::exportCsv(*db, out, options);
        if (!out.flush())
            throw ToolError(
                datatool::OutputFailed,
                QStringLiteral("The standard output cannot be written (%1).").arg(out.errorString()));
        return 0;
    }
    Output out(a.out, inventory, true);
    const std::int64_t records = datatool::exportCsv(*db, out.device(), options);
    out.commit();
    writeOut(QStringLiteral("Wrote %1 records to '%2'.").arg(records).arg(native(a.out)));
    return 0;
}

int printList(const Arguments& a, const QString& inventory)
{
    auto db = datatool::openInventory(inventory, true);
    datatool::ShelfListOptions options;
    options.placeContains = a.location;
    options.letter = a.letter;
    options.date = QDate::currentDate();
    options.fileLabel = native(QFileInfo(inventory).absoluteFilePath());
    Output out(a.out, inventory, false);
    const datatool::ShelfListResult result = datatool::printShelfList(*db, out.device(), options);
    out.commit();
    writeOut(QStringLiteral("Wrote %1 %2 (%3 chemicals in %4 %5) to '%6'.")
                 .arg(result.pages)
                 .arg(result.pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                 .arg(result.records)
                 .arg(result.places)
                 .arg(result.places == 1 ? QStringLiteral("place") : QStringLiteral("places"))
                 .arg(native(a.out)));
    return 0;
}

int importCsv(const Arguments& a, const QString& inventory)
{
    // --create makes an inventory only when there is none, and takes it away again when
    // the import fails: a failed command leaves no new file behind. A dry run makes its
    // empty inventory in a temporary folder.
    QString target = inventory;
    QTemporaryDir scratch;
    bool created = false;
    if (a.create && !QFileInfo::exists(inventory)) {
        if (a.dryRun)
            target = scratch.filePath(store::fileName());
        store::createEmptyInventory(target);
        created = !a.dryRun;
    }
    auto removeCreated = [&] {
        if (created)
            for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                QFile::remove(target + suffix);
    };

    datatool::ImportOptions options;
    options.dryRun = a.dryRun;
    options.allowDuplicates = a.allowDuplicates;
    datatool::ImportReport report;
    try {
        auto db = datatool::openInventory(target, a.dryRun);
        report = datatool::importCsv(
            *db, a.csv, options,
            [&](const datatool::RowProblem& p) {
                reportError(datatool::CsvBadRow,
                            QStringLiteral("Line %1 of '%2': %3.").arg(p.line).arg(native(a.csv), p.reason));
            },
            [&](std::int64_t line, const QString& name) {
                if (a.dryRun)
                    writeOut(QStringLiteral("Line %1: would add '%2'.").arg(line).arg(name));
            });
    } catch (...) {
        removeCreated();
        throw;
    }

    for (const QString& column : std::as_const(report.ignoredColumns))
        writeOut(QStringLiteral("The column '%1' is not a column of the inventory; its cells were not read.")
                     .arg(column));
    if (!report.missingColumns.isEmpty())
        writeOut(QStringLiteral("Columns not in the file, left empty: %1.")
                     .arg(report.missingColumns.join(QStringLiteral(", "))));
    for (const auto& d : report.duplicates)
        writeOut(
            a.allowDuplicates
                ? QStringLiteral("Line %1: '%2' was already in the inventory; added again.")
                      .arg(d.line)
                      .arg(d.name)
                : QStringLiteral("Line %1: '%2' is already in the inventory; not added (--allow-duplicates "
                                 "adds it).")
                      .arg(d.line)
                      .arg(d.name));
    const QString where = native(QFileInfo(inventory).absoluteFilePath());
    if (a.dryRun)
        writeOut(QStringLiteral("Dry run: %1 of the %2 rows would be added to '%3'; nothing was written.")
                     .arg(report.added)
                     .arg(report.rows)
                     .arg(where));
    else
        writeOut(
            QStringLiteral("Added %1 of the %2 rows to '%3'.").arg(report.added).arg(report.rows).arg(where));
    return 0;
}

int importAccess(const Arguments& a, const QString& inventory)
{
    auto db = datatool::openInventory(inventory, a.dryRun);
    const legacy::ImportReport report =
        legacy::importAccess(*db, a.csv, a.dryRun ? legacy::ImportMode::DryRun : legacy::ImportMode::Apply);
    if (!report.source.columns.leftOut.isEmpty())
        writeOut(QStringLiteral("Columns of the old file that are not the inventory's, not read: %1.")
                     .arg(report.source.columns.leftOut.join(QStringLiteral(", "))));
    if (!report.source.columns.missing.isEmpty())
        writeOut(QStringLiteral("Columns the old file lacks, left empty: %1.")
                     .arg(report.source.columns.missing.join(QStringLiteral(", "))));
    const QString where = native(QFileInfo(inventory).absoluteFilePath());
    if (a.dryRun)
        writeOut(
            QStringLiteral("Dry run: the %1 records of '%2' would be added to '%3'; nothing was written.")
                .arg(report.records)
                .arg(native(a.csv), where));
    else
        writeOut(QStringLiteral("Added the %1 records of '%2' to '%3'.")
                     .arg(report.records)
                     .arg(native(a.csv), where));
    return 0;
}

// Exit status 3 when chemicals that must be kept apart share a place, so that a scheduled
// job can tell; the chemicals of unknown group are listed, and alone leave it 0.
int checkStorage(const Arguments& a, const QString& inventory)
{
    auto db = datatool::openInventory(inventory, true);
    safety::CheckOptions options;
    if (!a.location.isEmpty())
        options.placeChosen = [&](const QString& place, bool none) {
            return !none && datatool::placeMatches(place, a.location);
        };
    options.tick = [] {
        datatool::throwIfStopped();
    };
    const safety::StorageReport report = safety::checkInventory(*db, options);
    if (report.records == 0)
        throw safety::StorageError(
            safety::NothingToCheck,
            a.location.isEmpty()
                ? QStringLiteral("The inventory '%1' holds no records, so there is nothing to check.")
                      .arg(native(inventory))
                : QStringLiteral("No storing place in '%1' has '%2' in its name, so there is nothing to "
                                 "check. Try a shorter part of the name, or leave out --location.")
                      .arg(native(inventory), a.location));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        throw ToolError(datatool::OutputFailed,
                        QStringLiteral("The standard output cannot be written (%1).").arg(out.errorString()));
    if (a.csvOut)
        datatool::writeStorageCsv(report, out);
    else
        datatool::writeStorageText(report, native(QFileInfo(inventory).absoluteFilePath()), out);
    if (!out.flush())
        throw ToolError(datatool::OutputFailed,
                        QStringLiteral("The standard output cannot be written (%1).").arg(out.errorString()));
    return report.hasConflicts() ? 3 : 0;
}

int run(const Arguments& a)
{
    const QString inventory = a.file.isEmpty() ? datatool::defaultInventoryPath()
                                               : records::normalizePath(QFileInfo(a.file).absoluteFilePath());
    if (a.command == QLatin1String("export-csv"))
        return exportCsv(a, inventory);
    if (a.command == QLatin1String("import-csv"))
        return importCsv(a, inventory);
    if (a.command == QLatin1String("import-access"))
        return importAccess(a, inventory);
    if (a.command == QLatin1String("check-storage"))
        return checkStorage(a, inventory);
    return printList(a, inventory);
}

// Qt's own notes (a missing runtime folder, a font substituted) are not for the user;
// the standard error carries only the numbered errors.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        writeErr(message);
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
    // Only the shelf list needs fonts; it draws offscreen, with or without a display.
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing = printing || std::string_view(argv[i]) == "print";
    std::unique_ptr<QCoreApplication> app;
    if (printing) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quillarbon-data"));

    Arguments args;
    try {
        args = parse(QCoreApplication::arguments());
    } catch (const ToolError& e) {
        reportError(e.number(), e.text());
        return 2;
    }
    if (args.help) {
        std::fputs(kUsage, stdout);
        writeOut(QStringLiteral("\nIts own error numbers (the others are the engine's):"));
        for (int number = datatool::UsageError; number <= datatool::NothingToPrint; ++number)
            writeOut(QStringLiteral("  %1  %2").arg(number).arg(datatool::toolErrorText(number)));
        for (int number = safety::SchemeDamaged; number <= safety::NothingToCheck; ++number)
            writeOut(QStringLiteral("  %1  %2").arg(number).arg(safety::storageErrorText(number)));
        return 0;
    }
    try {
        return run(args);
    } catch (const base::RuntimeError& e) {
        reportError(e.number(), e.text());
    } catch (const std::exception& e) {
        reportError(base::ErrUnexpected, QString::fromLocal8Bit(e.what()));
    }
    return 1;
}
