#pragma once
#include <QString>

// Where the data files live: the executable's folder in production, a temporary
// folder in tests. Paths returned end with '/'.
namespace DataFolder {
QString path();                       // ExeDir
void setPath(const QString &folder);  // tests only
QString recordFolder();               // ExeDir + "sauvegardes/"
QString teacherListPath();            // ExeDir + "profs.txt"
QString classListPath();              // ExeDir + "classes.txt"
QString adminPasswordPath();          // ExeDir + "ad.txt"
QString registrationMarkerPath();     // recordFolder() + "aaadmin-qib.bin"
}
