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

// Creates a folder where it is missing, with the folders above it. A symbolic link
// to a missing folder (a packaged installation links the record folder to a shared
// place) creates the folder it points to; in a group-writable folder the new one
// is group-writable too. True when the folder is there at the end.
bool makeFolder(const QString &folder);
}
