#pragma once

#include "inventory/datatool/commands/command.h"

#include <memory>
#include <vector>

namespace datatool::cli {

std::unique_ptr<Command> makeExportCsv();
std::unique_ptr<Command> makeImportCsv();
std::unique_ptr<Command> makeImportAccess();
std::unique_ptr<Command> makePrintList();
std::unique_ptr<Command> makePrintLabels();
std::unique_ptr<Command> makeCheckStorage();
std::unique_ptr<Command> makeSetWebsite();
std::unique_ptr<Command> makeCopyToServer();
std::unique_ptr<Command> makeCopyFromServer();

// Every command, in the order of the help.
std::vector<std::unique_ptr<Command>> allCommands();

} // namespace datatool::cli
