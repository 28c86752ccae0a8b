// The main window's editing commands (clipboard, undo, justification, zoom,
// item states, restricted area, nudging) and what follows the editor
// (buttons, font boxes, status line, the minute timer).
#include "app/ui/MainWindow.h"

#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/AreaDrawState.h"
#include "editor/SelectState.h"
#include "editor/ui/EditingSurface.h"
#include "editor/ui/ItemPropertyDialogs.h"
#include "items/ItemKinds.h"
#include "printer/FontSet.h"
#include "printer/ui/FontBoxes.h"
#include "texts/SettingsFile.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace {

// The command that installs each editor state besides the placing states,
// which every item kind's entry brings with its command.
struct StateCommand {
    const char* key;
    void (EditingSurface::*install)();
};

const StateCommand StateCommands[] = {
    {"ItemMenuSelectItem", &EditingSurface::selectState<SelectState>},
    {"DrawRestrictHint", &EditingSurface::selectState<AreaDrawState>},
};

// The arrow keys move the selected item by a dot, with Shift by the grid
// pitch.
struct Nudge {
    const char* key;
    Qt::Key arrow;
    int dx;
    int dy;
};

const Nudge Nudges[] = {
    {"NudgeLeft", Qt::Key_Left, -1, 0},
    {"NudgeRight", Qt::Key_Right, 1, 0},
    {"NudgeUp", Qt::Key_Up, 0, -1},
    {"NudgeDown", Qt::Key_Down, 0, 1},
};

const char* const HorizontalJustifyKeys[] = {"FormatMenuLeftJustify", "FormatMenuCentreJustify",
                                             "FormatMenuRightJustify"};
const char* const VerticalJustifyKeys[] = {"FormatMenuTopJustify", "FormatMenuMiddleJustify",
                                           "FormatMenuBottomJustify"};

} // namespace

bool MainWindow::modified() const {
    return surface_->editor().modified();
}

void MainWindow::setModified(bool modified) {
    surface_->editor().setModified(modified);
}

double MainWindow::zoomX() const {
    return surface_->zoomX();
}

double MainWindow::zoomY() const {
    return surface_->zoomY();
}

void MainWindow::createEditActions(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return SettingsFile::text(settings, MainWindowTexts::Section, QLatin1String(key),
                                  QLatin1String(builtIn));
    };
    makeAction(QStringLiteral("EditMenuUndo"))->setText(text("EditMenuUndo", "Undo"));
    makeAction(QStringLiteral("EditMenuRedo"))->setText(text("EditMenuRedo", "Redo"));
    action(QStringLiteral("EditMenuUndo"))->setShortcut(QKeySequence::Undo);
    // Ctrl+Shift+Z redoes whatever the platform's own redo key is.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence shiftUndo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (!redoKeys.contains(shiftUndo))
        redoKeys.append(shiftUndo);
    action(QStringLiteral("EditMenuRedo"))->setShortcuts(redoKeys);
    // The item list sits behind a hidden area button, as the restricted
    // area by numbers does.
    QAction* itemList =
        makeAction(QStringLiteral("ItemListHint"), QStringLiteral("restrictdefine"));
    itemList->setText(QStringLiteral("Remove restriction area"));
    itemList->setCheckable(true);
    itemList->setVisible(false);
    for (const Nudge& n : Nudges) {
        for (const bool byGrid : {false, true}) {
            const QString key = QLatin1String(n.key) + (byGrid ? QStringLiteral("ByGrid") : "");
            QAction* a = makeAction(key);
            a->setShortcut(byGrid ? QKeySequence(Qt::SHIFT | n.arrow) : QKeySequence(n.arrow));
            a->setEnabled(false);
            addAction(a);
        }
    }
}

void MainWindow::connectEditing() {
    connectClipboard();
    connectFormat();
    connectSurface();
    connectItemStates();
    connectView();
}

void MainWindow::connectClipboard() {
    ImageEditor& editor = surface_->editor();
    QUndoStack& history = editor.undoStack();
    QAction* undo = action(QStringLiteral("EditMenuUndo"));
    QAction* redo = action(QStringLiteral("EditMenuRedo"));
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    // Undo and redo change the selected item behind the tool bar's back.
    connect(&history, &QUndoStack::indexChanged, this, &MainWindow::showSelection);

    connect(action(QStringLiteral("EditMenuCut")), &QAction::triggered, &editor, &ImageEditor::cut);
    connect(action(QStringLiteral("EditMenuCopy")), &QAction::triggered, &editor,
            &ImageEditor::copy);
    connect(action(QStringLiteral("EditMenuPaste")), &QAction::triggered, &editor,
            &ImageEditor::paste);
    connect(&editor, &ImageEditor::selectionChanged, this, &MainWindow::showSelection);
    connect(&editor, &ImageEditor::clipboardChanged, this, [this, &editor] {
        action(QStringLiteral("EditMenuPaste"))->setEnabled(editor.clipboardItem() != nullptr);
    });
}

void MainWindow::connectFormat() {
    ImageEditor& editor = surface_->editor();
    for (const Nudge& n : Nudges) {
        connect(action(QLatin1String(n.key)), &QAction::triggered, this,
                [&editor, n] { editor.Nudge(n.dx, n.dy); });
        connect(action(QLatin1String(n.key) + QStringLiteral("ByGrid")), &QAction::triggered, this,
                [this, &editor, n] {
                    const int pitch = context_.data.pitch();
                    editor.Nudge(n.dx * pitch, n.dy * pitch);
                });
    }
    for (int i = 0; i < 3; ++i)
        for (const char* key : {HorizontalJustifyKeys[i], VerticalJustifyKeys[i]})
            connect(action(QLatin1String(key)), &QAction::triggered, this,
                    [this, i](bool down) { justificationChosen(i + 1, down); });
    connect(&surface_->propertyForms(), &ItemPropertyDialogs::fontChosen, this, [this](int font) {
        fillFontCombos(context_.fonts, *fontNameBox_, *fontSizeBox_, font);
    });
}

void MainWindow::connectSurface() {
    connect(action(QStringLiteral("DefineRestrictHint")), &QAction::triggered, surface_,
            &EditingSurface::defineAreaByNumbers);
    connect(action(QStringLiteral("ItemListHint")), &QAction::triggered, this, [this] {
        surface_->showItemList();
        action(QStringLiteral("ItemListHint"))->setChecked(false);
    });
    connect(surface_, &EditingSurface::positionShown, this,
            [this](const QString& x, const QString& y) {
                statusPanels_[0]->setText(texts_.XPosPanel + QStringLiteral(": ") + x);
                statusPanels_[1]->setText(texts_.YPosPanel + QStringLiteral(": ") + y);
            });
    connect(surface_, &EditingSurface::areaShown, this, [this](const QString& area) {
        statusPanels_[2]->setText(texts_.AreaPanel + QStringLiteral(": ") + area);
    });
    connect(surface_, &EditingSurface::updateTimerWanted, this, [this](bool running) {
        if (running)
            minuteTimer_->start();
        else
            minuteTimer_->stop();
    });
}

void MainWindow::connectItemStates() {
    auto* group = new QActionGroup(this);
    for (const StateCommand& command : StateCommands) {
        QAction* a = action(QLatin1String(command.key));
        a->setEnabled(true);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, surface_, command.install);
    }
    // A kind's command works once the kind is built; the others stay
    // disabled in the menu and tool bar.
    for (const ItemKind* kind : itemKinds()) {
        QAction* a = action(QLatin1String(kind->actionKey));
        a->setEnabled(true);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, surface_,
                [this, kind] { surface_->selectPlaceState(*kind); });
    }
    QAction* select = action(QStringLiteral("ItemMenuSelectItem"));
    select->setChecked(true);
    connect(surface_, &EditingSurface::returnedToSelect, select,
            [select] { select->setChecked(true); });
}

void MainWindow::showSelection() {
    const ImageItem* item = surface_->editor().selectedItem();
    action(QStringLiteral("EditMenuCut"))->setEnabled(item);
    action(QStringLiteral("EditMenuCopy"))->setEnabled(item);
    for (const Nudge& n : Nudges) {
        action(QLatin1String(n.key))->setEnabled(item);
        action(QLatin1String(n.key) + QStringLiteral("ByGrid"))->setEnabled(item);
    }
    showJustification(item ? item->Justification : 0);
    fillFontCombos(context_.fonts, *fontNameBox_, *fontSizeBox_,
                   item ? item->FontNumber : context_.fonts.currentFontNumber());
    // A new item takes the font the boxes show.
    if (fontNameBox_->count() > 0)
        context_.fonts.selectFont(fontNameBox_->currentText(), fontSizeBox_->currentText());
}

void MainWindow::showJustification(int justification) {
    for (QAction* a : justifyGroup_->actions())
        a->setChecked(false);
    if (justification < 1 || justification > 3)
        return;
    const bool vertical = context_.data.printers().just() == 1;
    const char* key = (vertical ? VerticalJustifyKeys : HorizontalJustifyKeys)[justification - 1];
    action(QLatin1String(key))->setChecked(true);
}

void MainWindow::justificationChosen(int justification, bool down) {
    surface_->editor().setJustification(down ? justification : 0);
    if (surface_->editor().selectedItem())
        showSelection(); // also when the item refused the change
}

QStringList MainWindow::justificationCaptions() const {
    const bool vertical = context_.data.printers().just() == 1;
    QStringList captions;
    for (const char* key : vertical ? VerticalJustifyKeys : HorizontalJustifyKeys)
        captions << action(QLatin1String(key))->text();
    return captions;
}
