#pragma once

#include <QByteArrayView>
#include <QString>

// Saving a whole file so that it is either replaced by all of the new bytes
// or left exactly as it was. The bytes go to a temporary file beside the
// target, which is renamed over the target only when every write has reached
// the system; a full disk or a file-size limit therefore never leaves a short
// or empty file in place of the old one.
namespace AtomicFile {

// True on success; otherwise false, with the system's reason in *error when
// error is given.
bool write(const QString& path, QByteArrayView bytes, QString* error = nullptr);

} // namespace AtomicFile
