#pragma once

#include "persist/NamedObject.h"

#include <cstdint>
#include <string>

class ClassRegistry;

// One printer font of one printer model, as the font map lists it: the name
// and size the user picks, the number items store, the code the handheld
// knows it by, and the screen typeface that imitates it.
class PrinterFont : public Persistent<PrinterFont, NamedObject> {
public:
    static constexpr auto RecordName = "NEBRAFont";

    std::string FaceName;
    int32_t PointSize = 0;
    bool Bold = false;
    int32_t FontNumber = 0;
    int32_t ModelCode = 0; // 1, 2 or 4: the model the entry belongs to
    int32_t DownloadCode = 0;

    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
};

void registerFontClasses(ClassRegistry& registry);
