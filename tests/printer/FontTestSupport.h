#pragma once

#include "persist/ClassRegistry.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct FontEntry {
    int model; // 1, 2 or 4
    int number;
    const char* name;
    int size;
    int code = 0;
};

inline std::unique_ptr<PrinterFont> makeFont(const FontEntry& entry) {
    auto font = std::make_unique<PrinterFont>();
    font->ModelCode = entry.model;
    font->FontNumber = entry.number;
    font->Name = entry.name;
    font->FaceName = "DejaVu Sans";
    font->PointSize = entry.size;
    font->DownloadCode = entry.code;
    return font;
}

// A font set on the built-in model list, a registry that knows fonts and a
// private folder for the font maps a test writes.
struct FontSetHarness {
    FontSetHarness() {
        registerPersistClasses(registry);
        registerFontClasses(registry);
    }
    void selectModel(int code) { models.setSelectedIndex(PrinterModels::indexForModelCode(code)); }
    void append(std::initializer_list<FontEntry> entries) {
        for (const FontEntry& entry : entries)
            fonts.append(makeFont(entry));
    }
    // A font map with the given header and count in front of the records.
    std::vector<uint8_t> mapBytes(const std::string& header, int32_t count,
                                  std::initializer_list<FontEntry> entries) const {
        MemoryStream s;
        writeString(s, header);
        writeLong(s, count);
        for (const FontEntry& entry : entries)
            makeFont(entry)->store(s, registry);
        return s.bytes();
    }
    // name: a file of the private folder, or an absolute path.
    QString writeFile(const std::vector<uint8_t>& bytes, const QString& name = "map.def") const {
        QFile file(QDir(dir.path()).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        return file.fileName();
    }
    bool load(const std::vector<uint8_t>& bytes) {
        return fonts.loadFontMap(writeFile(bytes), registry);
    }

    ClassRegistry registry;
    PrinterModels models{nullptr};
    FontSet fonts{models};
    QTemporaryDir dir;
};

// What a font box shows, as "Standard,Bold[1]=Bold".
inline std::string shown(const FontBox& box) {
    return box.items.join(u',').toStdString() + "[" + std::to_string(box.itemIndex) +
           "]=" + box.text.toStdString();
}
