#pragma once
// Where the program finds its files: templates, help, picture and databases.
#include <QString>

namespace revtal {

// The directory of the executable, never the working directory. Tests point
// it at a scratch directory.
QString applicationDirectory();
void setApplicationDirectory(const QString& directory);

// The application directory when it can be written, else the per-user data
// directory (an installed copy).
QString databaseDirectory();

// A file of the application directory named as the program names it, with a
// leading backslash ("\\Revtal.rpt").
QString applicationFile(const QString& backslashName);
QString databaseFile(const QString& backslashName);

}  // namespace revtal
