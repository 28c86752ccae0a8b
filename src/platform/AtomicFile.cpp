#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

bool write(const QString& path, QByteArrayView bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered, so that a failing write is seen here: a buffered write fails
    // only in the flush of commit(), which renames the short file anyway.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    qint64 done = 0;
    while (ok && done < bytes.size()) {
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        ok = n > 0;
        done += ok ? n : 0;
    }
    ok = ok && file.flush() && file.error() == QFileDevice::NoError;
    if (ok && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace AtomicFile
