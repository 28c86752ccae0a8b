#pragma once

#include "printer/PrinterFont.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class ClassRegistry;
class PrinterModels;
class ByteStream;

// The contents of a font name or size box, kept apart from any widget so that
// the model code can fill it; the window copies it into its combo boxes.
struct FontBox {
    QStringList items;
    int itemIndex = -1; // -1: nothing selected
    QString text;
};

// The printer fonts of every model, in font-map order, and the font chosen in
// the font boxes. Lookups consider the fonts of the selected printer model.
class FontSet {
public:
    // An empty set bound to the model list; loadFontMap fills it.
    explicit FontSet(const PrinterModels& models);

    // Reads a font map file; replaces the set only when the whole file reads
    // (a truncated or foreign file leaves the set empty and returns false).
    bool loadFontMap(const QString& path, const ClassRegistry& registry);
    // The same from a stream already open, such as bytes in memory.
    bool loadFontMap(ByteStream& s, const ClassRegistry& registry);
    // Why the last loadFontMap rejected its file; empty after a good load or
    // when the file was missing.
    const QString& loadError() const { return loadError_; }
    // Adds one font (tests, and the loader).
    void append(std::unique_ptr<PrinterFont> font);
    int count() const { return int(fonts_.size()); }
    bool isEmpty() const { return fonts_.empty(); }
    const PrinterFont& at(int index) const { return *fonts_.at(std::size_t(index)); }

    const PrinterFont* findFont(int fontNumber) const;
    int downloadCodeOf(int fontNumber) const;
    QString fontNameOf(int fontNumber) const;
    void selectFont(const QString& name, const QString& sizeText);
    void fillFontBoxes(FontBox& nameBox, FontBox& sizeBox, int fontNumber);
    void fillSizeBox(const FontBox& nameBox, FontBox& sizeBox) const;

    const PrinterFont* currentFont() const { return current_; }
    // The current font's number, or 0 when there is none (new items take it).
    int currentFontNumber() const { return current_ ? current_->FontNumber : 0; }
    int currentModelCode() const { return currentModelCode_; }

private:
    int modelCode() const;
    const PrinterFont* firstOfModel() const;
    const PrinterFont* numbered(int fontNumber) const;
    bool listFonts(const QString& name, int fontNumber, FontBox& nameBox, FontBox& sizeBox) const;

    const PrinterModels& models_;
    std::vector<std::unique_ptr<PrinterFont>> fonts_;
    const PrinterFont* current_ = nullptr;
    int currentModelCode_ = -1;
    QString loadError_;
};
