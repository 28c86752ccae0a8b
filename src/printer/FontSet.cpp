#include "printer/FontSet.h"

#include "persist/BinaryFile.h"
#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"
#include "printer/PrinterModels.h"

#include <QFileInfo>

namespace {

using FontList = std::vector<std::unique_ptr<PrinterFont>>;

const std::string FontClassName = "NEBRAFont";

std::unique_ptr<PrinterFont> readFont(ByteStream& s, const ClassRegistry& registry) {
    if (readString(s) != FontClassName)
        throw TolvError("A record of another class where a font was expected");
    std::unique_ptr<PersistentObject> object = registry.createByName(FontClassName);
    if (!dynamic_cast<PrinterFont*>(object.get()))
        throw TolvError("Font records are not registered");
    std::unique_ptr<PrinterFont> font(static_cast<PrinterFont*>(object.release()));
    font->load(s, registry);
    return font;
}

// A count larger than the file can hold fails at the first record missing, so
// only a negative one needs turning away here.
int32_t readCount(ByteStream& s) {
    const int32_t count = readLong(s);
    if (count < 0)
        throw TolvError("Negative font count " + std::to_string(count));
    return count;
}

FontList readFontMap(ByteStream& s, const ClassRegistry& registry) {
    readString(s); // the header says nothing the program needs
    const int32_t count = readCount(s);
    FontList fonts;
    for (int32_t i = 0; i < count; ++i)
        fonts.push_back(readFont(s, registry));
    return fonts;
}

QString nameOf(const PrinterFont& font) {
    return QString::fromLatin1(font.Name);
}

void selectFirst(FontBox& box) {
    box.itemIndex = box.items.isEmpty() ? -1 : 0;
}

void showSelection(FontBox& box) {
    box.text = box.itemIndex >= 0 ? box.items.at(box.itemIndex) : QString();
}

} // namespace

FontSet::FontSet(const PrinterModels& models) : models_(models) {}

bool FontSet::loadFontMap(const QString& path, const ClassRegistry& registry) {
    fonts_.clear();
    current_ = nullptr;
    currentModelCode_ = -1;
    loadError_.clear();
    if (!QFileInfo(path).isFile())
        return false;
    try {
        BinaryFile s(path, FileStream::OpenRead);
        fonts_ = readFontMap(s, registry);
        return true;
    } catch (const TolvError& e) {
        loadError_ = QString::fromStdString(e.what());
        return false;
    }
}

bool FontSet::loadFontMap(ByteStream& s, const ClassRegistry& registry) {
    fonts_.clear();
    current_ = nullptr;
    currentModelCode_ = -1;
    loadError_.clear();
    try {
        fonts_ = readFontMap(s, registry);
        return true;
    } catch (const TolvError& e) {
        loadError_ = QString::fromStdString(e.what());
        return false;
    }
}

void FontSet::append(std::unique_ptr<PrinterFont> font) {
    if (font)
        fonts_.push_back(std::move(font));
}

int FontSet::modelCode() const {
    return models_.selectedModelBit();
}

const PrinterFont* FontSet::firstOfModel() const {
    const int model = modelCode();
    for (const auto& font : fonts_)
        if (font->ModelCode == model)
            return font.get();
    return nullptr;
}

const PrinterFont* FontSet::numbered(int fontNumber) const {
    const int model = modelCode();
    for (const auto& font : fonts_)
        if (font->ModelCode == model && font->FontNumber == fontNumber)
            return font.get();
    return nullptr;
}

const PrinterFont* FontSet::findFont(int fontNumber) const {
    const PrinterFont* font = numbered(fontNumber);
    return font ? font : firstOfModel();
}

int FontSet::downloadCodeOf(int fontNumber) const {
    const PrinterFont* font = numbered(fontNumber);
    return font ? font->DownloadCode : 0;
}

// Numbers repeat across models, so the selected model's font of that number
// names it; any model's font is only the fallback for a number the model lacks.
QString FontSet::fontNameOf(int fontNumber) const {
    if (fontNumber == -1) {
        const PrinterFont* first = firstOfModel();
        return first ? nameOf(*first) : QString();
    }
    if (const PrinterFont* own = numbered(fontNumber))
        return nameOf(*own);
    for (const auto& font : fonts_)
        if (font->FontNumber == fontNumber)
            return nameOf(*font);
    return {};
}

void FontSet::selectFont(const QString& name, const QString& sizeText) {
    bool isNumber = false;
    const int size = sizeText.toInt(&isNumber);
    const int model = modelCode();
    const PrinterFont* first = nullptr;
    for (const auto& font : fonts_) {
        if (font->ModelCode != model)
            continue;
        if (isNumber && font->PointSize == size && nameOf(*font) == name) {
            current_ = font.get();
            return;
        }
        if (!first)
            first = font.get();
    }
    // A model without fonts still gets a current font, so new items have a
    // number to take; lookups for that model find nothing either way.
    if (!first && !fonts_.empty())
        first = fonts_.front().get();
    current_ = first;
}

// Lists the model's names once each and the sizes of the given name; selects
// the entries of the font with that number. Returns whether it found one.
bool FontSet::listFonts(const QString& name, int fontNumber, FontBox& nameBox,
                        FontBox& sizeBox) const {
    nameBox = {};
    sizeBox = {};
    const int model = modelCode();
    bool selected = false;
    for (const auto& font : fonts_) {
        if (font->ModelCode != model)
            continue;
        const QString fontName = nameOf(*font);
        if (!nameBox.items.contains(fontName))
            nameBox.items.append(fontName);
        if (fontName != name && !(name.isEmpty() && nameBox.items.size() == 1))
            continue;
        sizeBox.items.append(QString::number(font->PointSize));
        if (font->FontNumber == fontNumber) {
            // The font's own name, which is not the latest one listed when
            // the map interleaves names.
            nameBox.itemIndex = int(nameBox.items.indexOf(fontName));
            sizeBox.itemIndex = int(sizeBox.items.size()) - 1;
            selected = true;
        }
    }
    return selected;
}

void FontSet::fillFontBoxes(FontBox& nameBox, FontBox& sizeBox, int fontNumber) {
    const QString name = fontNameOf(fontNumber);
    const bool selected = listFonts(name, fontNumber, nameBox, sizeBox);
    const bool particular = !name.isEmpty() && fontNumber != -1;
    // A number that only another model has: show this model's first font
    // rather than one name with another name's sizes.
    if (particular && !selected)
        listFonts(fontNameOf(-1), -1, nameBox, sizeBox);
    if (!particular || !selected) {
        selectFirst(nameBox);
        selectFirst(sizeBox);
    }
    showSelection(nameBox);
    showSelection(sizeBox);
    const int model = modelCode();
    if (currentModelCode_ != model) {
        selectFont(nameBox.text, sizeBox.text);
        currentModelCode_ = model;
    }
}

void FontSet::fillSizeBox(const FontBox& nameBox, FontBox& sizeBox) const {
    sizeBox = {};
    const int model = modelCode();
    for (const auto& font : fonts_)
        if (font->ModelCode == model && nameOf(*font) == nameBox.text)
            sizeBox.items.append(QString::number(font->PointSize));
    selectFirst(sizeBox);
    showSelection(sizeBox);
}
