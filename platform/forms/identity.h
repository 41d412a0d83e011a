#pragma once

#include <QString>

// The running application's identity, as windows and message boxes show it.
namespace forms {

// The folder of the running program.
QString Path();
// Lets a test or a tool run the program's windows over another folder.
void setPath(const QString& folder);

// The title, "Quillarbon" for the program.
QString Title();

// The three numbers of the version, read from the application's version text.
int Major();
int Minor();
int Revision();

// "Version " followed by the major number, "." and the revision number.
QString VersionText();

} // namespace forms
