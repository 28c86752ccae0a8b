#include "items/PictureFile.h"

#include "items/MonoBitmap.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

// The file header and the start of the information header, up to and
// including the compression field.
constexpr qint64 HeaderLength = 34;
constexpr qint64 InfoHeaderStart = 14;
// The information header of 40 bytes or more; older, shorter ones are not read.
constexpr quint32 MinInfoHeaderSize = 40;

quint32 word32(const QByteArray& bytes, qint64 at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool fits(QSize size, QSize limit) {
    return size.width() <= limit.width() && size.height() <= limit.height();
}

PictureFile::Loaded windowsBitmap(QFile& file, const QByteArray& head, QSize limit) {
    PictureFile::Loaded loaded;
    loaded.windowsBitmap = true;
    if (head.size() > PictureFile::BitCountOffset &&
        uint8_t(head[PictureFile::BitCountOffset]) > 1) {
        loaded.problem = PictureFile::Problem::ColourBitmap;
        return loaded;
    }
    if (head.size() < HeaderLength || word32(head, InfoHeaderStart) < MinInfoHeaderSize)
        return loaded;
    const auto width = qint64(qint32(word32(head, 18)));
    const qint64 height = std::llabs(qint64(qint32(word32(head, 22))));
    if (width <= 0 || height <= 0)
        return loaded;
    loaded.size = QSize(int(std::min<qint64>(width, INT_MAX)), int(height));
    if (!fits(loaded.size, limit)) {
        loaded.problem = PictureFile::Problem::TooLarge;
        return loaded;
    }
    // Uncompressed rows are padded to 4 bytes; a shorter file is cut off.
    const qint64 rowBytes = (width + 31) / 32 * 4;
    if (word32(head, 30) == 0 && file.size() < qint64(word32(head, 10)) + rowBytes * height)
        return loaded;
    file.seek(0);
    QImageReader reader(&file, "bmp");
    const QImage picture = reader.read();
    if (picture.isNull() || picture.size() != loaded.size)
        return loaded;
    loaded.picture = MonoBitmap::fromNotWhite(picture);
    loaded.problem = PictureFile::Problem::None;
    return loaded;
}

PictureFile::Loaded otherPicture(QFile& file, QSize limit) {
    PictureFile::Loaded loaded;
    QImageReader reader(&file);
    loaded.size = reader.size();
    if (!reader.canRead() || !loaded.size.isValid() || loaded.size.isEmpty())
        return loaded;
    if (!fits(loaded.size, limit)) {
        loaded.problem = PictureFile::Problem::TooLarge;
        return loaded;
    }
    const QImage picture = reader.read();
    if (picture.isNull() || picture.size() != loaded.size)
        return loaded;
    loaded.picture = picture;
    loaded.problem = PictureFile::Problem::None;
    return loaded;
}

} // namespace

namespace PictureFile {

Loaded load(const QString& path, QSize limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(HeaderLength);
    if (head.startsWith("BM"))
        return windowsBitmap(file, head, limit);
    file.seek(0);
    return otherPicture(file, limit);
}

} // namespace PictureFile
