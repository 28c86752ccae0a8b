// The main window's keyboard: the commands only keys reach, Item >
// Properties, the access keys of every menu, and the names of the undo
// steps on Edit's entries.
#include "app/ui/MainWindow.h"

#include "editor/ui/EditingSurface.h"
#include "texts/SettingsFile.h"
#include "widgets/AccessKeys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace {

// Keys that work on every desktop, whatever the platform's own are.
void addShortcut(QAction* action, const QKeySequence& key) {
    QList<QKeySequence> keys = action->shortcuts();
    if (!keys.contains(key))
        keys.append(key);
    action->setShortcuts(keys);
}

// An Edit entry's caption with a step's name after it ("Undo Move text
// item"); the name's own '&' is no access key.
QString withStep(const QAction* entry, QString step) {
    const QString caption = entry->property("caption").toString();
    return step.isEmpty() ? caption : caption + u' ' + step.replace(u'&', QStringLiteral("&&"));
}

} // namespace

void MainWindow::createKeyCommands(const IniFile* settings) {
    ImageEditor& editor = surface_->editor();
    addShortcut(action(QStringLiteral("FileMenuSaveAs")),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addShortcut(action(QStringLiteral("EditMenuRedo")), QKeySequence(Qt::CTRL | Qt::Key_Y));

    // The Delete key cuts, as the Cut command does; the history names it.
    QAction* erase = makeAction(QStringLiteral("EditDelete"));
    erase->setShortcuts(QKeySequence::Delete);
    addAction(erase);
    connect(erase, &QAction::triggered, &editor, &ImageEditor::deleteItem);

    // Enter, Tab and Shift+Tab mean the items only while the picture has the
    // focus; in the tool bar's boxes they keep their usual meaning.
    QAction* properties = makeAction(QStringLiteral("ItemMenuProperties"));
    properties->setText(SettingsFile::text(settings, MainWindowTexts::Section,
                                           QStringLiteral("ItemMenuProperties"),
                                           QStringLiteral("Properties")));
    properties->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    properties->setEnabled(false);
    connect(properties, &QAction::triggered, surface_, &EditingSurface::editSelectedItem);
    connect(&editor, &ImageEditor::selectionChanged, properties,
            [properties, &editor] { properties->setEnabled(editor.selectedItem() != nullptr); });
    if (auto* itemMenu = menuBar()->findChild<QMenu*>(QStringLiteral("ItemMenu"))) {
        itemMenu->addSeparator();
        itemMenu->addAction(properties);
    }
    QAction* next = makeAction(QStringLiteral("SelectNextItem"));
    next->setShortcut(QKeySequence(Qt::Key_Tab));
    connect(next, &QAction::triggered, &editor, [&editor] { editor.selectNext(); });
    QAction* previous = makeAction(QStringLiteral("SelectPreviousItem"));
    previous->setShortcuts({QKeySequence(Qt::Key_Backtab), QKeySequence(Qt::SHIFT | Qt::Key_Tab),
                            QKeySequence(Qt::SHIFT | Qt::Key_Backtab)});
    connect(previous, &QAction::triggered, &editor, [&editor] { editor.selectNext(true); });
    for (QAction* a : {properties, next, previous}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        surface_->addAction(a);
    }
    surface_->setFocus();

    QUndoStack& history = editor.undoStack();
    connect(&history, &QUndoStack::undoTextChanged, this, &MainWindow::showUndoNames);
    connect(&history, &QUndoStack::redoTextChanged, this, &MainWindow::showUndoNames);
}

void MainWindow::giveAccessKeys() {
    AccessKeys::assign(*menuBar());
    for (const char* key : {"EditMenuUndo", "EditMenuRedo"}) {
        QAction* entry = action(QLatin1String(key));
        entry->setProperty("caption", entry->text());
    }
    showUndoNames();
}

void MainWindow::showUndoNames() {
    const QUndoStack& history = surface_->editor().undoStack();
    QAction* undo = action(QStringLiteral("EditMenuUndo"));
    QAction* redo = action(QStringLiteral("EditMenuRedo"));
    if (!undo->property("caption").isValid())
        return; // before the menus have their access keys
    undo->setText(withStep(undo, history.canUndo() ? history.undoText() : QString()));
    redo->setText(withStep(redo, history.canRedo() ? history.redoText() : QString()));
}
