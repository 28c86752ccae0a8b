#pragma once

#include "TestFolders.h"

#include "document/ItemList.h"
#include "items/ItemClasses.h"
#include "items/TextItem.h"
#include "persist/ClassRegistry.h"
#include "printer/PrinterFont.h"

#include <QByteArray>
#include <QFile>

#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

// Image file bytes written out by hand, field by field, as the file layout
// gives them: little-endian int32, 8-byte doubles, strings as a count and
// the bytes.
struct ImageBytes {
    QByteArray bytes;

    ImageBytes& i32(int32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.append(char((uint32_t(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    ImageBytes& f64(double v) {
        const auto bits = std::bit_cast<uint64_t>(v);
        for (int i = 0; i < 8; ++i)
            bytes.append(char((bits >> (8 * i)) & 0xFF));
        return *this;
    }
    ImageBytes& str(std::string_view s) {
        i32(int32_t(s.size()));
        bytes.append(s.data(), qsizetype(s.size()));
        return *this;
    }
    ImageBytes& u8(uint8_t v) {
        bytes.append(char(v));
        return *this;
    }
    ImageBytes& area(int32_t l, int32_t t, int32_t r, int32_t b) {
        return i32(l).i32(t).i32(r).i32(b);
    }
    // n empty slots: day 7, start 0, no code.
    ImageBytes& emptyShifts(int n) {
        for (int i = 0; i < n; ++i)
            i32(7).f64(0.0).str("");
        return *this;
    }
    // A text item record; x and y as stored (without the margin).
    ImageBytes& textItem(int32_t font, int32_t x, int32_t y, std::string_view text) {
        str("TextItem").i32(font).i32(x).i32(y).i32(0).i32(0).i32(0).i32(0);
        return str(text).u8(0).str("").i32(0);
    }
    // A small file of an accepted version: names "L" and "S", the type code
    // and its two extra values when given, the area (0, 0, 484, 2100), no
    // month strings, no shifts and one text item "T" stored at (5, 6).
    static QByteArray smallImage(const char* version, std::optional<int32_t> code, bool extras) {
        ImageBytes b;
        b.str(version).str("L").str("S");
        if (code)
            b.i32(*code);
        if (extras)
            b.i32(-5).i32(70000);
        b.area(0, 0, 484, 2100).str("").str("").emptyShifts(25);
        return b.str("ImagePList").i32(1).textItem(1, 5, 6, "T").bytes;
    }
    bool writeTo(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
};

// The classes the designer registers before it reads any file.
inline const ClassRegistry& imageFileRegistry() {
    static const ClassRegistry registry = [] {
        ClassRegistry made;
        registerPersistClasses(made);
        registerFontClasses(made);
        registerDocumentClasses(made);
        registerItemClasses(made);
        return made;
    }();
    return registry;
}

// A text item as loading makes it: no defaults, only what the record holds.
inline std::unique_ptr<TextItem> storedTextItem(int font, QPoint at, const char* text,
                                                int rotation = 0) {
    auto item = std::make_unique<TextItem>();
    item->FontNumber = font;
    item->setPosition(at);
    item->Rotation = uint8_t(rotation);
    item->Text = text;
    return item;
}
