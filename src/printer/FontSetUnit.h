#pragma once

#include "printer/NEBRAFonts.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class ClassRegistry;
class TCoderList;
class TStream;

// The contents of a font name or size box, kept apart from any widget so that
// the model code can fill it; the window copies it into its combo boxes.
struct FontBox {
    QStringList items;
    int itemIndex = -1; // -1: nothing selected
    QString text;
};

// The printer fonts of every model, in font-map order, and the font chosen in
// the font boxes. Lookups consider the fonts of the selected printer model.
class TFontSet {
public:
    // An empty set bound to the model list; LoadFontMap fills it.
    explicit TFontSet(const TCoderList& models);

    // Reads a font map file; replaces the set only when the whole file reads
    // (a truncated or foreign file leaves the set empty and returns false).
    bool LoadFontMap(const QString& path, const ClassRegistry& registry);
    // The same from a stream already open, such as bytes in memory.
    bool LoadFontMap(TStream& s, const ClassRegistry& registry);
    // Why the last LoadFontMap rejected its file; empty after a good load or
    // when the file was missing.
    const QString& LoadError() const { return loadError_; }
    // Adds one font (tests, and the loader).
    void Append(std::unique_ptr<NEBRAFont> font);
    int Count() const { return int(fonts_.size()); }
    bool IsEmpty() const { return fonts_.empty(); }
    const NEBRAFont& At(int index) const { return *fonts_.at(std::size_t(index)); }

    const NEBRAFont* FindFont(int fontNumber) const;
    int DownloadCodeOf(int fontNumber) const;
    QString FontNameOf(int fontNumber) const;
    void SelectFont(const QString& name, const QString& sizeText);
    void FillFontBoxes(FontBox& nameBox, FontBox& sizeBox, int fontNumber);
    void FillSizeBox(const FontBox& nameBox, FontBox& sizeBox) const;

    const NEBRAFont* CurrentFont() const { return current_; }
    // The current font's number, or 0 when there is none (new items take it).
    int CurrentFontNumber() const { return current_ ? current_->FontNumber : 0; }
    int CurrentModelCode() const { return currentModelCode_; }

private:
    int modelCode() const;
    const NEBRAFont* firstOfModel() const;
    const NEBRAFont* numbered(int fontNumber) const;
    bool listFonts(const QString& name, int fontNumber, FontBox& nameBox, FontBox& sizeBox) const;

    const TCoderList& models_;
    std::vector<std::unique_ptr<NEBRAFont>> fonts_;
    const NEBRAFont* current_ = nullptr;
    int currentModelCode_ = -1;
    QString loadError_;
};
