#pragma once

#include <QPoint>

class Prompter;

// What the language change needs of the language dialog, so the flow can be
// written (and tested) without the widgets.
class LanguageChooser {
public:
    virtual ~LanguageChooser() = default;

    // The chosen language's index (0 English … 5 Spanish).
    virtual int itemIndex() const = 0;
    virtual void setItemIndex(int index) = 0;
    // Shows the dialog modally through the prompter; true when confirmed with OK.
    virtual bool showModal(Prompter& prompter) = 0;
    // Reads the texts and the settings (position, language) again.
    virtual void reloadFromSettings() = 0;
    // The window position, kept in the settings as Left and Top.
    virtual QPoint position() const = 0;
};
