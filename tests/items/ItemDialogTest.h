#pragma once

#include "DialogHarness.h"

#include <memory>
#include <type_traits>

// What the tests of one item kind's dialog share: the harness, the dialog
// on it, a new item of the kind at (60, 60), and editing the item through
// the dialog with a script (edit) or in the dialog's own modal loop
// (editModal), answering how the dialog was closed.
template <typename Dialog, typename Item> struct ItemDialogTest : ::testing::Test {
    DialogHarness h;
    Dialog form = makeForm();
    std::unique_ptr<Item> item = newItem();

    static std::unique_ptr<Item> newItem() {
        auto made = ImageItem::createNew<Item>(SansFont);
        made->setPosition({60, 60});
        return made;
    }
    template <typename Body> int edit(Body body) {
        h.prompter.dialogScripts.push_back(script(body));
        return form.editItem(*item, h.render.display, 1);
    }
    template <typename Body> int editModal(Body body) {
        h.prompter.dialogScripts.push_back(modalScript(body));
        return form.editItem(*item, h.render.display, 1);
    }

private:
    Dialog makeForm() {
        if constexpr (std::is_constructible_v<Dialog, Prompter&, DataStore&, FontSet&,
                                              const Messages&>)
            return Dialog(h.prompter, h.data, h.render.fonts, h.messages);
        else
            return Dialog(h.prompter, h.data, h.render.fonts);
    }
};
