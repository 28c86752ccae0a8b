#pragma once

#include "document/ImageCalendar.h"
#include "document/ItemTypeNames.h"
#include "persist/ClassRegistry.h"
#include "platform/IniFile.h"
#include "printer/PrinterModels.h"
#include "texts/Messages.h"

#include <QImage>
#include <QString>

#include <memory>

class Clock;
class FontSet;
struct ImageFileHeader;

// The program-wide objects a command of the command line needs, made as the
// designer makes them: the settings file (read, never written), the message
// texts of its language, the persistent classes and the printer models.
class CliSession {
public:
    CliSession();

    const IniFile* settings() const { return settings_.get(); }
    const ClassRegistry& registry() const { return registry_; }
    PrinterModels& models() { return models_; }
    const Messages& messages() const { return messages_; }
    const ItemTypeNames& kindNames() const { return kindNames_; }

    // Writes picture as a PNG file in one piece; raises TolvError naming the
    // file when it cannot be encoded or written.
    static void savePicture(const QImage& picture, const QString& path);

    // Fills fonts from the font map FONTMAP.DEF of the current folder or the
    // installation folder; raises TolvError, naming the command, when there is
    // none or it cannot be read.
    void loadFontMap(FontSet& fonts, const QString& command) const;

    // The moment of --now "YYYY-MM-DD hh:mm" as a clock, the system's when
    // text is empty; raises TolvError, naming the command, for any other text.
    static std::unique_ptr<Clock> clockOf(const QString& command, const QString& text);
    // What an image's items print of the moment: the clock, the settings
    // file's month languages, the image's month strings and shift table.
    ImageCalendar calendarOf(const Clock& clock, const ImageFileHeader& header) const;

    // The file extension the designer gives images of model index 0..2.
    QString fileExtension(int modelIndex) const;

private:
    std::unique_ptr<IniFile> settings_;
    ClassRegistry registry_;
    PrinterModels models_;
    Messages messages_;
    ItemTypeNames kindNames_;
};
