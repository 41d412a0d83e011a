// quillarbon-data: the companion of Quillarbon on the command line. It works on the same
// inventory file through the same engine: CSV out and in, and a printed list per cupboard.
#include "inventory/datatool/csv.h"
#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/labels.h"
#include "inventory/datatool/names.h"
#include "inventory/datatool/shelflist.h"
#include "inventory/datatool/storagereport.h"
#include "inventory/datatool/website.h"
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

#include <sys/stat.h>
#include <unistd.h>

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
      the inventory (letter case and surrounding spaces aside) is not added unless
      --allow-duplicates is given. --dry-run reports
      what would be added and changes nothing. --create makes an empty inventory first
      when there is none.
  import-access OLD.mdb [--dry-run] [--allow-duplicates]
      Adds the records of OLD.mdb, an inventory in the Access format of the program's
      earlier version, all of them or none. A record whose name is already in the
      inventory is not added unless --allow-duplicates is given. --dry-run lists what
      would come and changes nothing. OLD.mdb is only read.
  print --out FILE.pdf [--location TEXT] [--letter]
      A shelf list to hang on each storing place: one section per place, each chemical
      with its formula, quantity, signal word and hazard pictograms. --location prints
      only the places whose name contains TEXT; --letter uses US Letter paper, not A4.
  labels --out FILE.pdf [--location TEXT] [--sheet NAME]
      A label for each chemical's container, on a sheet of self-adhesive labels: its
      name, formula, place, hazard pictograms and signal word, and a QR code of its
      name and place. --location prints the labels of the places whose name contains
      TEXT only. --sheet names the sheet of labels: a4-3x8 (A4, 3 x 8 labels of
      70 x 37 mm; the default), a4-2x7 (A4, 2 x 7 labels of 99.1 x 38.1 mm) or
      letter-3x10 (US Letter, 3 x 10 labels of 2 5/8 x 1 in).

  check-storage [--location TEXT] [--csv]
      Within each storing place, the chemicals whose storage groups must be kept
      apart (the compatible storage groups of Prudent Practices in the Laboratory),
      and the chemicals whose group their record does not tell, each with the reason
      for its group. A line "Storage group: F" in the hazards sets a chemical's group.
      --location checks only the places whose name contains TEXT; --csv writes CSV.
      The exit status is 0 when nothing must be kept apart, 3 when something must.

Errors are written as "Error N: text" on the standard error, and the exit status is
then 1 (2 when the command line is not understood; check-storage exits with 3 when it
finds chemicals to keep apart). No output file is ever left half written. Warnings
("Warning N: text", on the standard error too) say what a command that succeeded did in
a way you might not expect.
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

void reportWarning(int number, const QString& text)
{
    writeErr(QStringLiteral("Warning %1: %2").arg(number).arg(text));
}

struct Arguments
{
    QString command;
    QString file;
    QString csv; // import-csv's FILE, import-access's OLD.mdb
    QString out;
    QString location;
    QString sheet;
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
        else if (arg == QLatin1String("--sheet"))
            a.sheet = value();
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
        allowed = {QStringLiteral("--dry-run"), QStringLiteral("--allow-duplicates")};
    else if (a.command == QLatin1String("print"))
        allowed = {QStringLiteral("--out"), QStringLiteral("--location"), QStringLiteral("--letter")};
    else if (a.command == QLatin1String("labels"))
        allowed = {QStringLiteral("--out"), QStringLiteral("--location"), QStringLiteral("--sheet")};
    else if (a.command == QLatin1String("check-storage"))
        allowed = {QStringLiteral("--location"), QStringLiteral("--csv")};
    else if (a.command.isEmpty())
        throw usage(QStringLiteral("No command is given: name export-csv, import-csv, import-access, print, "
                                   "labels or check-storage."));
    else
        throw usage(QStringLiteral("'%1' is not a command: name export-csv, import-csv, import-access, "
                                   "print, labels or check-storage.")
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
    if (a.command == QLatin1String("labels") && a.out.isEmpty())
        throw usage(QStringLiteral("labels needs --out FILE.pdf, the file to write."));
    if (given.contains(QStringLiteral("--sheet")) && a.sheet.isEmpty())
        throw usage(QStringLiteral("--sheet needs the name of a sheet of labels."));
    datatool::labelSheet(a.sheet); // an unknown sheet is error 740
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

// Where the output goes. A regular file (or a new one) is written in full or not at all:
// bytes go to a temporary file beside it, which takes the name only when everything is
// written. A FIFO or a character device (a terminal, /dev/null, /dev/stdout) is written
// into as it is, since replacing it with a file would break whatever reads it; a failed
// write there is still a failure. Anything else (a disk, a socket) is refused.
class Output
{
public:
    // large: the writer hands over large blocks, which a second buffer would only copy.
    Output(const QString& path, const QString& inventory, bool large)
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
        struct stat st = {};
        const bool exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
        if (exists && !S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode))
            throw ToolError(datatool::OutputNotAFile,
                            QStringLiteral("The output '%1' is a device or a socket, not a file; writing "
                                           "there could destroy what it holds. Name a file.")
                                .arg(native(path)));
        QIODevice::OpenMode mode =
            large ? QIODevice::WriteOnly | QIODevice::Unbuffered : QIODevice::WriteOnly;
        if (exists && !S_ISREG(st.st_mode)) {
            direct_ = std::make_unique<QFile>(path);
            device_ = direct_.get();
            struct stat out = {};
            toStandardOutput_ =
                ::fstat(STDOUT_FILENO, &out) == 0 && out.st_dev == st.st_dev && out.st_ino == st.st_ino;
        } else {
            saved_ = std::make_unique<QSaveFile>(path);
            device_ = saved_.get();
        }
        if (!device_->open(mode))
            throw ToolError(
                datatool::OutputFailed,
                QStringLiteral("The file '%1' cannot be written (%2). Check that its folder exists "
                               "and that you may write there.")
                    .arg(native(path), device_->errorString()));
    }
    QIODevice& device() { return *device_; }
    // Whether the output is the standard output itself, where a report would mix with it.
    bool isStandardOutput() const { return toStandardOutput_; }
    void commit()
    {
        const bool written =
            saved_ ? saved_->commit() : direct_->flush() && direct_->error() == QFile::NoError;
        if (!written)
            throw ToolError(
                datatool::OutputFailed,
                saved_
                    ? QStringLiteral("The file '%1' could not be saved (%2). Check that the disk has room; "
                                     "nothing was written.")
                          .arg(native(saved_->fileName()), saved_->errorString())
                    : QStringLiteral("'%1' did not take every byte (%2); what it holds is not complete.")
                          .arg(native(direct_->fileName()), direct_->errorString()));
        if (direct_)
            direct_->close();
    }

private:
    std::unique_ptr<QSaveFile> saved_;
    std::unique_ptr<QFile> direct_;
    QFileDevice* device_ = nullptr;
    bool toStandardOutput_ = false;
};

int exportCsv(const Arguments& a, const QString& inventory)
{
    auto db = datatool::openInventory(inventory, true);
    datatool::ExportOptions options;
    options.forSpreadsheet = a.forSpreadsheet;
    options.onReplaced = [](const QString& name, const QStringList& columns) {
        reportWarning(
            datatool::TextNotUtf8,
            QStringLiteral("The record %1 holds bytes that are not UTF-8 text in %2; they were "
                           "written as the replacement character \uFFFD. Correct the text in "
                           "Quillarbon to keep what was meant.")
                .arg(name.isNull() ? QStringLiteral("without a name") : QStringLiteral("'%1'").arg(name),
                     columns.join(QStringLiteral(", "))));
    };
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
    if (!out.isStandardOutput())
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
    options.onUnprintable = [](const datatool::UnprintableText& t) {
        QStringList codes;
        for (const uint c : t.characters.toUcs4())
            codes.append(QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0')).toUpper());
        const QString what = t.record.isEmpty()
                                 ? QStringLiteral("The place '%1'").arg(t.place)
                                 : QStringLiteral("The record '%1' (in '%2')").arg(t.record, t.place);
        reportWarning(datatool::NoFontHasIt,
                      QStringLiteral("%1 holds characters that no installed font has (%2); the list "
                                     "cannot show them. Install fonts that have them, or write the "
                                     "name without them.")
                          .arg(what, codes.join(QStringLiteral(", "))));
    };
    Output out(a.out, inventory, false);
    const datatool::ShelfListResult result = datatool::printShelfList(*db, out.device(), options);
    out.commit();
    if (out.isStandardOutput())
        return 0;
    writeOut(QStringLiteral("Wrote %1 %2 (%3 chemicals in %4 %5) to '%6'.")
                 .arg(result.pages)
                 .arg(result.pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"))
                 .arg(result.records)
                 .arg(result.places)
                 .arg(result.places == 1 ? QStringLiteral("place") : QStringLiteral("places"))
                 .arg(native(a.out)));
    return 0;
}

int printLabels(const Arguments& a, const QString& inventory)
{
    auto db = datatool::openInventory(inventory, true);
    datatool::LabelOptions options;
    options.placeContains = a.location;
    options.sheet = a.sheet;
    options.fileLabel = native(QFileInfo(inventory).absoluteFilePath());
    Output out(a.out, inventory, false);
    const datatool::LabelResult result = datatool::printLabels(*db, out.device(), options);
    out.commit();
    for (const QString& name : result.withoutCode)
        writeOut(QStringLiteral("The label of '%1' has no QR code: its name and place are too long for a "
                                "code that can be read at this label's size.")
                     .arg(name.size() > 60 ? name.left(59) + QChar(0x2026) : name));
    writeOut(QStringLiteral("Wrote %1 %2 on %3 %4 (%5) to '%6'.")
                 .arg(result.labels)
                 .arg(result.labels == 1 ? QStringLiteral("label") : QStringLiteral("labels"))
                 .arg(result.pages)
                 .arg(result.pages == 1 ? QStringLiteral("sheet") : QStringLiteral("sheets"))
                 .arg(QString::fromUtf8(datatool::labelSheet(a.sheet).description), native(a.out)));
    return 0;
}

// What is said of a name already in the inventory: case and the spaces around a name do
// not make another chemical, so the stored spelling is named when it differs.
QString duplicateNote(const QString& name, const QString& stored, bool added)
{
    const QString as = stored == name ? QString() : QStringLiteral(" (as '%1')").arg(stored);
    return added ? QStringLiteral("'%1' was already in the inventory%2; added again.").arg(name, as)
                 : QStringLiteral("'%1' is already in the inventory%2; not added (--allow-duplicates "
                                  "adds it).")
                       .arg(name, as);
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
    for (const std::int64_t line : report.repeatedHeaders)
        writeOut(QStringLiteral("Line %1 repeats the column names of the first line; it was read as "
                                "column names, not as a chemical.")
                     .arg(line));
    for (const auto& d : report.duplicates)
        writeOut(QStringLiteral("Line %1: %2")
                     .arg(d.line)
                     .arg(duplicateNote(d.name, d.stored, a.allowDuplicates)));
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
    // Names already in the inventory are skipped as import-csv skips them, so a second run
    // adds nothing twice. The notes wait for the import: a failed one adds nothing.
    datatool::ExistingNames existing(*db);
    QStringList notes;
    std::int64_t record = 0;
    const legacy::ImportReport report =
        legacy::importAccess(*db, a.csv, a.dryRun ? legacy::ImportMode::DryRun : legacy::ImportMode::Apply,
                             {}, [&](const QString& name) {
                                 ++record;
                                 const std::optional<QString> stored =
                                     name.isNull() ? std::nullopt : existing.find(name);
                                 if (stored)
                                     notes.append(QStringLiteral("Record %1: %2")
                                                      .arg(record)
                                                      .arg(duplicateNote(name, *stored, a.allowDuplicates)));
                                 return !stored || a.allowDuplicates;
                             });
    for (const QString& note : std::as_const(notes))
        writeOut(note);
    if (!report.source.columns.leftOut.isEmpty())
        writeOut(QStringLiteral("Columns of the old file that are not the inventory's, not read: %1.")
                     .arg(report.source.columns.leftOut.join(QStringLiteral(", "))));
    if (!report.source.columns.missing.isEmpty())
        writeOut(QStringLiteral("Columns the old file lacks, left empty: %1.")
                     .arg(report.source.columns.missing.join(QStringLiteral(", "))));
    const QString where = native(QFileInfo(inventory).absoluteFilePath());
    if (report.skipped > 0) {
        const std::int64_t total = report.records + report.skipped;
        writeOut(a.dryRun ? QStringLiteral("Dry run: %1 of the %2 records of '%3' would be added to '%4'; "
                                           "nothing was written.")
                                .arg(report.records)
                                .arg(total)
                                .arg(native(a.csv), where)
                          : QStringLiteral("Added %1 of the %2 records of '%3' to '%4'.")
                                .arg(report.records)
                                .arg(total)
                                .arg(native(a.csv), where));
    } else if (a.dryRun)
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
    if (a.command == QLatin1String("labels"))
        return printLabels(a, inventory);
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

    try {
        if (const std::optional<int> done = datatool::runSetWebsite(QCoreApplication::arguments()))
            return *done;
    } catch (const base::RuntimeError& e) {
        reportError(e.number(), e.text());
        return e.number() == datatool::UsageError ? 2 : 1;
    }
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
        for (int number = datatool::UsageError; number <= datatool::kLastToolError; ++number)
            if (const QString text = datatool::toolErrorText(number); !text.isEmpty())
                writeOut(QStringLiteral("  %1  %2").arg(number).arg(text));
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
