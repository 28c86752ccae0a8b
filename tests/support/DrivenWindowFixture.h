#pragma once

#include "DialogDriving.h"
#include "MainWindowFixture.h"

#include "app/ProgramClasses.h"
#include "editor/ImageEditor.h"
#include "editor/ui/EditingSurface.h"
#include "editor/ui/ImageWidget.h"
#include "items/TextItem.h"
#include "platform/ui/WidgetPrompter.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <vector>

// The main window as the window suites drive it: opened on a settings file
// with the test fonts, shown and active, and the ways a user works it: items
// put in, clicked and keyed, files answered, the status line read.
class DrivenWindowFixture : public MainWindowFixture {
protected:
    // Writes the settings and opens the window on them. With realDialogs the
    // window talks through the program's own prompter, whose dialogs and
    // messages run in real modal loops (answered by a ModalDriver).
    void openWindow(const QByteArray& ini, bool realDialogs = false) {
        folders.writeIni(ini);
        registerProgramClasses(registry);
        makeModel();
        addTestFonts();
        if (realDialogs) {
            makeWindow(real);
            real.setParent(window.get());
        } else {
            makeWindow();
        }
        // Where the window would move the pointer is recorded, not done.
        window->surface().movePointer = [this](QPoint global) { pointer.push_back(global); };
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        image = window->findChild<ImageWidget*>("ClientImage");
        ASSERT_NE(image, nullptr);
    }

    ImageEditor& editor() { return window->surface().editor(); }
    void trigger(const char* command) { window->action(QLatin1String(command))->trigger(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.get(), k, mods);
    }
    QString label(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    QString panel(int i) const { return label(QStringLiteral("StatusPanel%1").arg(i)); }

    // A text item put into the image as an opened file would.
    ImageItem& addText(QPoint at, const char* text = "HEH", int font = 1) {
        auto item = ImageItem::createNew<TextItem>(font);
        item->Text = text;
        item->setPosition(at);
        ImageItem& added = *item;
        editor().insertItem(editor().items().count() + 1, std::move(item));
        editor().refreshImage();
        return added;
    }
    // A pixel of the picture well inside an item.
    QPoint grip(ImageItem& item) {
        const EdgeRect r = item.getScreenRect(editor().display());
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void clickOn(ImageItem& item, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(image, button, Qt::NoModifier, grip(item));
    }
    // The texts of the image's items, in order.
    QStringList itemTexts() {
        QStringList texts;
        for (int32_t i = 1; i <= editor().items().count(); ++i)
            texts << QString::fromStdString(editor().items().at(i)->getDataText());
        return texts;
    }

    // The scripted answer of the next file dialog.
    void answerFile(const QString& path, int filterIndex = 0) {
        prompter.fileAnswers.push_back({true, path, filterIndex});
    }
    // Saves the open image as path with Save As; the path written.
    QString saveAs(const QString& path) {
        answerFile(path);
        trigger("FileMenuSaveAs");
        return window->fileName();
    }
    void openImage(const QString& path) {
        answerFile(path);
        trigger("FileMenuLoad");
    }

    WidgetPrompter real;
    ImageWidget* image = nullptr;
    std::vector<QPoint> pointer;
};
