#pragma once

#include <QStringList>

#include <optional>

namespace datatool {

// quillarbon-data [--file PATH] set-website URL: stores the laboratory's address, which
// the main window's link then shows and opens. Nothing (nullopt) when the command line
// names another command; else the exit code. Throws the numbered error of what failed.
std::optional<int> runSetWebsite(const QStringList& arguments);

} // namespace datatool
