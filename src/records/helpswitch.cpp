#include "records/helpswitch.h"

#include "records/datafolder.h"
#include "records/recordstore.h"
#include "records/systemcalls.h"
#include "records/textfile.h"

#include <QFile>
#include <cerrno>

namespace HelpSwitch {

QString markerPath() { return DataFolder::recordFolder() + QStringLiteral("aide-refusee.bin"); }

bool allowed()
{
    QString marker;
    return !(TextFile::linkedFile(markerPath(), &marker, TextFile::Links::WithinFolder) && QFile::exists(marker));
}

IoStatus allow(bool allowed)
{
    RecordStore::ensureRecordFolder();
    const QString marker = markerPath();
    if (!allowed)
        return TextFile::writeAtomically(marker, TextFile::joinLines({QStringLiteral("aide refusee")}), false,
                                         TextFile::Links::WithinFolder);
    if (SystemCalls::current().unlink(QFile::encodeName(marker).constData()) != 0 && errno != ENOENT)
        return IoStatus::failure(errno);
    return IoStatus::success();
}
}
