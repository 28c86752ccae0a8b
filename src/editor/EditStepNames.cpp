#include "editor/EditStepNames.h"

#include "texts/MainWindowTexts.h"

#include <array>

namespace {

#define STEP(name) TOLV_TEXT_ENTRY(EditStepNames, name)

const std::array kLoaderOrder{
    STEP(UndoPlace), STEP(UndoMove),    STEP(UndoProperties), STEP(UndoCut),  STEP(UndoDelete),
    STEP(UndoPaste), STEP(UndoJustify), STEP(UndoFont),       STEP(UndoArea),
};

#undef STEP

bool isOrdinaryWord(const QString& name) {
    return name.size() > 1 && name[0].isUpper() && name[1].isLower();
}

} // namespace

void EditStepNames::load(const IniFile* settings) {
    loadTexts<EditStepNames>(*this, kLoaderOrder, settings, MainWindowTexts::Section);
}

std::vector<KeyedText> EditStepNames::texts() const {
    return keyedTexts<EditStepNames>(*this, kLoaderOrder);
}

QString EditStepNames::forItem(const QString& step, const QString& kindName) {
    const qsizetype at = step.indexOf(QStringLiteral("%1"));
    if (at < 0)
        return step;
    QString name = kindName;
    if (at > 0 && isOrdinaryWord(name))
        name[0] = name[0].toLower();
    QString named = step;
    return named.replace(at, 2, name);
}
