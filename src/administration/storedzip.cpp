#include "administration/storedzip.h"

#include <zip.h>

StoredZip::StoredZip(const QDateTime &modified)
{
    const QDateTime first(QDate(1980, 1, 1), QTime(0, 0));
    m_modified = time_t((modified.isValid() && modified >= first ? modified : first).toSecsSinceEpoch());
}

void StoredZip::add(const QString &name, const QByteArray &data) { m_members.append({name.toUtf8(), data}); }

namespace {
// The archive libzip wrote into 'source'.
QByteArray readBack(zip_source_t *source)
{
    QByteArray out;
    if (zip_source_open(source) < 0)
        return out;
    zip_source_seek(source, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(source);
    zip_source_seek(source, 0, SEEK_SET);
    if (size > 0) {
        out.resize(qsizetype(size));
        if (zip_source_read(source, out.data(), zip_uint64_t(size)) != size)
            out.clear();
    }
    zip_source_close(source);
    return out;
}
}

QByteArray StoredZip::bytes() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!source)
        return {};
    zip_source_keep(source);   // still ours after zip_close, to read the archive back
    zip_t *archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    bool ok = archive != nullptr;
    for (const Member &member : m_members) {
        if (!ok)
            break;
        // The data stay in m_members until zip_close reads them.
        zip_source_t *data = zip_source_buffer(archive, member.data.constData(), zip_uint64_t(member.data.size()), 0);
        const zip_int64_t index = data ? zip_file_add(archive, member.name.constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(data);
            ok = false;
            break;
        }
        ok = zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) == 0
            && zip_file_set_mtime(archive, zip_uint64_t(index), m_modified, 0) == 0;
    }
    QByteArray out;
    if (archive) {
        if (ok && zip_close(archive) == 0)
            out = readBack(source);
        else
            zip_discard(archive);
    }
    zip_source_free(source);
    zip_error_fini(&error);
    return out;
}
