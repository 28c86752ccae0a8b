#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Writes the picture of an image to a file other programs read: PNG with one
// pixel per dot, SVG and PDF at the true size of the print, one dot being
// 1/dpi of an inch. The picture is the display's bitmap at one pixel per dot,
// margins included; the margins go into the file only when asked for.
namespace ImageExport {

enum class Format { Png, Svg, Pdf };

// The format a file name's extension asks for (case does not matter).
std::optional<Format> formatOf(const QString& path);

struct Picture {
    QImage pixels;  // one pixel per dot, margins included
    int margin = 0; // dots on every side
    QSize dpi;      // dots per inch across and down
    bool withMargins = false;
    QString title; // the image's name, for the file's own description
};

// The part of the picture that is exported, in pixels.
QRect exportedRect(const Picture& picture);

// The file's bytes; empty when the picture cannot be encoded.
QByteArray encode(const Picture& picture, Format format);

// Encodes and writes the file whole (or leaves what was there); false with
// the reason in *error on failure.
bool write(const QString& path, const Picture& picture, Format format, QString* error);

} // namespace ImageExport
