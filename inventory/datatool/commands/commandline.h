#pragma once

#include <QStringList>

namespace datatool::cli {

// Reads the command line (the program's name first), runs the command it names and returns
// the exit status: 0, 1 when the command failed, 2 when the line is not understood, or
// what the command returns. Errors are reported on the standard error.
int runCommandLine(const QStringList& arguments);

} // namespace datatool::cli
