// The main window's document commands, driven through its menu entries with
// scripted answers: New, Open, Save, Save As, Image Descriptions, the close
// question and the label structure dialog.
#include "DrivenWindowFixture.h"
#include "widgets/RadioGroupDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using Answer = Prompter::Answer;
using Icon = Prompter::Icon;

// Types the two names into the image names dialog and presses a button.
ScriptedPrompter::DialogScript names(const QString& shortName, const QString& longName,
                                     const char* button = "OKButton") {
    return script([=](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "NamesFm");
        typeInto(control<QLineEdit>(dialog, "ShortNameEdit"), shortName);
        typeInto(control<QLineEdit>(dialog, "LongNameEdit"), longName);
        click(dialog, button);
    });
}

// Picks a printer model in the dialog that New shows.
ScriptedPrompter::DialogScript chooseModel(int index) {
    return [index](QDialog& d) {
        static_cast<RadioGroupDialog&>(d).setItemIndex(index);
        return int(QDialog::Accepted);
    };
}

// The main window on the middle model (4000 × 128 dots, files ".G1A"), with
// a folder for its image files.
class MainWindowFileTest : public DrivenWindowFixture {
protected:
    static constexpr const char* Settings = "[SelectPrinter]\nLastUsed=1\n";
    void SetUp() override { openWindow(Settings); }

    QString path(const QString& name) const { return dir.filePath(name); }
    // An altered image with names and two text items.
    void makeImage() {
        data->setShortName("SHORT");
        data->setLongName("A long name");
        addText({100, 70}, "ONE");
        addText({900, 120}, "TWO");
        window->setModified(true);
    }
    QMenu* recentMenu() const { return window->findChild<QMenu*>("FileMenuRecentFiles"); }
    QStringList recentEntries() const {
        QStringList entries;
        for (const QAction* a : recentMenu()->actions())
            entries << a->text();
        return entries;
    }

    QTemporaryDir dir;
};

// The same window with the real prompter.
class RealDialogFileTest : public MainWindowFileTest {
protected:
    void SetUp() override { openWindow(Settings, true); }
};

TEST_F(MainWindowFileTest, SavingWithoutNamesAsksForThemAndNoWritesNothing) {
    addText({100, 70}, "ONE");
    window->setModified(true);
    prompter.answers = {Answer::No};
    trigger("FileMenuSave");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Label has no description - define one?");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_TRUE(prompter.fileRequests.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(window->modified());

    // Yes shows the names dialog; its names go to the status line and the file.
    prompter.answers = {Answer::Yes};
    prompter.dialogScripts.push_back(names("LBL", "Carton label"));
    answerFile(path("label"));
    trigger("FileMenuSave");
    EXPECT_EQ(panel(3), "Description: LBL[Carton label]");
    EXPECT_TRUE(QFile::exists(path("label.G1A")));
    EXPECT_FALSE(window->modified());
}

TEST_F(MainWindowFileTest, SaveForcesTheModelsExtensionAndRemembersNameAndFolder) {
    makeImage();
    answerFile(path("label"));
    trigger("FileMenuSave");
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    const Prompter::FileRequest& request = prompter.fileRequests[0];
    EXPECT_EQ(request.filter, "ox400 (*.400)|*.G1A");
    EXPECT_TRUE(request.fileName.isEmpty());
    EXPECT_EQ(window->fileName(), path("label.G1A"));
    EXPECT_TRUE(QFile::exists(path("label.G1A")));
    EXPECT_EQ(window->windowTitle(), "label.G1A[*] - Tolvane");
    EXPECT_FALSE(window->modified());
    EXPECT_EQ(window->settings().PrevSaveDir, dir.path());

    // Save proposes the file's name; Save As (Ctrl+Shift+S) proposes none,
    // and another extension is replaced.
    answerFile(path("label"));
    prompter.answers = {Answer::Yes}; // overwrite
    trigger("FileMenuSave");
    EXPECT_EQ(prompter.fileRequests[1].fileName, path("label.G1A"));
    EXPECT_EQ(prompter.fileRequests[1].initialDir, dir.path());
    answerFile(path("x.txt"));
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(prompter.fileRequests.size(), 3u);
    EXPECT_TRUE(prompter.fileRequests[2].fileName.isEmpty());
    EXPECT_EQ(window->fileName(), path("x.G1A"));
    EXPECT_FALSE(QFile::exists(path("x.txt")));
}

TEST_F(MainWindowFileTest, OverwriteNoAsksAgainAndCancelWritesNothing) {
    makeImage();
    writeBytes(path("label.G1A"), "old");
    answerFile(path("label"));
    answerFile(path("other"));
    prompter.answers = {Answer::No};
    trigger("FileMenuSave");
    EXPECT_EQ(prompter.texts(), QStringList{"File already exists - overwrite?"});
    EXPECT_EQ(prompter.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(fileBytes(path("label.G1A")), "old");
    EXPECT_EQ(window->fileName(), path("other.G1A"));

    window->setModified(true);
    answerFile(path("label.G1A"));
    prompter.answers = {Answer::Cancel};
    trigger("FileMenuSaveAs");
    EXPECT_EQ(fileBytes(path("label.G1A")), "old");
    EXPECT_TRUE(window->modified());
    EXPECT_EQ(window->fileName(), path("other.G1A"));
}

TEST_F(MainWindowFileTest, ASavedImageOpensAgainWithItsItemsNamesModelAndShifts) {
    makeImage();
    window->shiftTable().add(1, 0.25, "A");
    editor().setAreaRect({0, 0, 1100, 228}); // a restricted area from the start
    const QString saved = saveAs(path("label"));
    const QByteArray bytes = fileBytes(saved);
    EXPECT_TRUE(bytes.startsWith(QByteArray("\x0e\0\0\0nebra V3.1X000", 18)));
    std::vector<std::unique_ptr<ImageItem>> before;
    for (int32_t i = 1; i <= editor().items().count(); ++i)
        before.push_back(editor().items().at(i)->cloneItem());

    // Another model and other names in between.
    prompter.dialogScripts.push_back(chooseModel(2));
    trigger("FileMenuNew");
    window->shiftTable().remove(1);
    openImage(saved);

    ASSERT_EQ(prompter.fileRequests.size(), 2u);
    const Prompter::FileRequest& request = prompter.fileRequests[1];
    EXPECT_EQ(request.filter, "ox100 (*.100)|*.G4E|ox400 (*.400)|*.G1A|ox410 (*.410)|*.G3C");
    EXPECT_EQ(request.filterIndex, 2); // the model selected when asked
    ASSERT_EQ(editor().items().count(), 2);
    for (int32_t i = 1; i <= 2; ++i) {
        EXPECT_TRUE(editor().items().at(i)->isEqual(*before[size_t(i - 1)]));
        EXPECT_EQ(editor().items().at(i)->getPosition(), before[size_t(i - 1)]->getPosition());
    }
    EXPECT_EQ(data->printers().selectedIndex(), 1);
    // The image reaches to the restricted area's right edge.
    EXPECT_EQ(editor().imageWidth(), 1100);
    EXPECT_EQ(editor().display().areaRect(), (DotRect{0, 0, 1100, 228}));
    EXPECT_EQ(window->shiftTable().slot(1).Code, "A");
    EXPECT_EQ(panel(3), "Description: SHORT[A long name]");
    EXPECT_EQ(window->windowTitle(), "label.G1A[*] - Tolvane");
    EXPECT_FALSE(window->modified());
    EXPECT_EQ(window->settings().PrevLogDir, dir.path());
    EXPECT_EQ(window->settings().FileType, 1);
}

// An area drawn anywhere along the image comes back as it was saved, on an
// image that reaches to its right edge, with every item where it was and in
// sight; the model keeps its own length for the next new image, and the
// file saves to the same bytes again.
TEST_F(MainWindowFileTest, ReopeningKeepsTheAreaTheImageSizeAndEveryItemWhereverTheAreaStarts) {
    const DotRect areas[] = {
        {0, 0, 1100, 228},   // from the image's start
        {610, 0, 1310, 228}, // dots 610 to 1210 of the model's 4000
    };
    for (const DotRect& area : areas) {
        SCOPED_TRACE(area.Left);
        editor().newImage();
        data->setShortName("SHORT");
        data->setLongName("A long name");
        addText({700, 100}, "ONE");
        addText({900, 150}, "TWO");
        editor().setAreaRect(area);
        const QString saved = saveAs(path(QStringLiteral("label%1").arg(area.Left)));
        const std::vector<QPoint> positions = {editor().items().at(1)->getPosition(),
                                               editor().items().at(2)->getPosition()};
        editor().newImage();
        openImage(saved);

        EXPECT_EQ(editor().imageWidth(), area.Right);
        EXPECT_EQ(editor().imageHeight(), 228);
        EXPECT_EQ(editor().display().areaRect(), area);
        ASSERT_EQ(editor().items().count(), 2);
        const QRect picture(QPoint(0, 0), editor().pictureSize());
        for (int32_t i = 1; i <= 2; ++i) {
            ImageItem& item = *editor().items().at(i);
            EXPECT_EQ(item.getPosition(), positions[size_t(i - 1)]);
            EXPECT_TRUE(editor().isInsideArea(item));
            EXPECT_TRUE(picture.contains(item.getScreenRect(editor().display()).toQRect()));
        }
        EXPECT_EQ(data->printers().width(), 4000);
        EXPECT_EQ(fileBytes(saveAs(path(QStringLiteral("again%1").arg(area.Left)))),
                  fileBytes(saved));

        prompter.dialogScripts.push_back(chooseModel(1));
        trigger("FileMenuNew");
        EXPECT_EQ(editor().imageWidth(), 4100);
        EXPECT_EQ(editor().display().areaRect(), (DotRect{0, 0, 4100, 228}));
    }
}

TEST_F(MainWindowFileTest, OpeningAnAlteredImageAsksTwiceAndNoTwiceDiscardsIt) {
    makeImage();
    const QString saved = saveAs(path("label"));
    addText({300, 70}, "NEW");
    window->setModified(true);

    prompter.answers = {Answer::No, Answer::Cancel};
    openImage(saved);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Image altered, save?");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Question);
    EXPECT_EQ(prompter.shown[1].icon, Icon::Exclamation);
    EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO", "NEW"}));
    EXPECT_TRUE(window->modified());

    prompter.answers = {Answer::No, Answer::No};
    openImage(saved);
    EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO"}));
    EXPECT_FALSE(window->modified());

    // Cancel on the first question ends the command before the dialog.
    window->setModified(true);
    prompter.answers = {Answer::Cancel};
    const size_t requests = prompter.fileRequests.size();
    trigger("FileMenuLoad");
    EXPECT_EQ(prompter.fileRequests.size(), requests);
}

TEST_F(MainWindowFileTest, YesInTheOpenLoopSavesUnderANewNameFirst) {
    makeImage();
    const QString saved = saveAs(path("label"));
    window->setModified(true);
    prompter.answers = {Answer::No, Answer::Yes};
    answerFile(saved);
    answerFile(path("copy"));
    trigger("FileMenuLoad");
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_TRUE(prompter.fileRequests.back().fileName.isEmpty());
    EXPECT_TRUE(QFile::exists(path("copy.G1A")));
    EXPECT_EQ(window->fileName(), saved);

    // A file that does not exist ends the command without a word.
    prompter.shown.clear();
    openImage(path("missing.G1A"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindowFileTest, AnUnreadableFileLeavesTheOpenImageAsItWas) {
    makeImage();
    window->shiftTable().add(2, 0.5, "B");
    const QByteArray good = fileBytes(saveAs(path("label")));
    addText({300, 70}, "NEW");
    data->setShortName("KEEP");
    window->setModified(true);

    QByteArray unknownClass = good;
    unknownClass.replace("TextItem", "TextItex");
    writeBytes(path("class.G1A"), unknownClass);
    writeBytes(path("short.G1A"), good.left(good.size() - 6));
    writeBytes(path("version.G1A"), QByteArray("\x0e\0\0\0nebra V9.9X999", 18));
    const QString caption = window->windowTitle();
    for (const char* name : {"class.G1A", "short.G1A", "version.G1A"}) {
        prompter.shown.clear();
        prompter.answers = {Answer::No, Answer::No};
        openImage(path(name));
        ASSERT_EQ(prompter.shown.size(), 3u) << name;
        EXPECT_TRUE(prompter.shown[2].text.contains(path(name))) << name;
        EXPECT_EQ(prompter.shown[2].icon, Icon::Stop);
        EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO", "NEW"})) << name;
        EXPECT_EQ(data->shortName(), "KEEP");
        EXPECT_EQ(data->printers().selectedIndex(), 1);
        EXPECT_EQ(window->shiftTable().slot(1).Code, "B");
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_TRUE(window->modified());
    }
    EXPECT_TRUE(prompter.shown[2].text.contains("Not a Tolvane image file"));
}

TEST_F(MainWindowFileTest, AFailedSaveSaysSoAndKeepsTheImageAltered) {
    makeImage();
    const QString saved = saveAs(path("label"));
    const QByteArray good = fileBytes(saved);
    addText({300, 70}, "NEW");
    window->setModified(true);

    answerFile(path("no/such/folder/label"));
    trigger("FileMenuSave");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].icon, Icon::Stop);
    EXPECT_TRUE(prompter.shown[0].text.contains("label.G1A"));
    EXPECT_TRUE(window->modified());
    EXPECT_EQ(window->fileName(), saved);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.G1A"));
    answerFile(path("folder"));
    prompter.answers = {Answer::Yes};
    trigger("FileMenuSaveAs");
    EXPECT_EQ(prompter.shown.back().icon, Icon::Stop);
    EXPECT_TRUE(QFileInfo(path("folder.G1A")).isDir());
    EXPECT_TRUE(window->modified());
    EXPECT_EQ(fileBytes(saved), good);

    // New after a failed save keeps the image on screen.
    prompter.answers = {Answer::Yes};
    answerFile(path("no/such/folder/label"));
    trigger("FileMenuNew");
    EXPECT_EQ(editor().items().count(), 3);
    EXPECT_TRUE(prompter.dialogsRun.isEmpty());
}

TEST_F(MainWindowFileTest, NewEmptiesNamesFileNameAndCaptionButKeepsTheShiftTable) {
    makeImage();
    window->shiftTable().add(1, 0.25, "A");
    const QString saved = saveAs(path("label"));
    data->setMonthStrings("x");
    window->setModified(true);

    // Yes saves under the current name first.
    prompter.answers = {Answer::Yes, Answer::Yes};
    answerFile(saved);
    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Accepted); });
    trigger("FileMenuNew");
    EXPECT_EQ(prompter.fileRequests.back().fileName, saved);
    EXPECT_EQ(prompter.shown[0].icon, Icon::Question);
    EXPECT_EQ(editor().items().count(), 0);
    EXPECT_EQ(data->shortName(), "");
    EXPECT_EQ(data->longName(), "");
    EXPECT_EQ(data->monthStrings(), data->monthLanguages()[0].strings.toLatin1().toStdString());
    EXPECT_EQ(panel(3), "Description: []");
    EXPECT_TRUE(window->fileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Untitled[*] - Tolvane");
    EXPECT_FALSE(window->modified());
    EXPECT_FALSE(window->action("EditMenuPaste")->isEnabled());
    EXPECT_EQ(window->shiftTable().slot(1).Code, "A");

    // Cancelling the printer selection keeps everything.
    addText({100, 70}, "ONE");
    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    trigger("FileMenuNew");
    EXPECT_EQ(editor().items().count(), 1);
}

TEST_F(MainWindowFileTest, ImageDescriptionsShowOnTheStatusLineAndAlterTheImage) {
    prompter.dialogScripts.push_back(names("S", "L", "CancelButton"));
    trigger("FileMenuImageDescriptions");
    EXPECT_EQ(data->shortName(), "");
    EXPECT_FALSE(window->modified());

    prompter.dialogScripts.push_back(names("SHORTNAME1", "The long name"));
    trigger("FileMenuImageDescriptions");
    EXPECT_EQ(prompter.dialogsRun, (QStringList{"NamesFm", "NamesFm"}));
    EXPECT_EQ(panel(3), "Description: SHORTNAME1[The long name]");
    EXPECT_EQ(data->longName(), "The long name");
    EXPECT_TRUE(window->modified());
}

TEST_F(MainWindowFileTest, YesWhenClosingSavesUnderANewNameAndCloses) {
    makeImage();
    const QString saved = saveAs(path("label"));
    window->setModified(true);
    prompter.answers = {Answer::Yes};
    answerFile(path("closing"));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.fileRequests.back().fileName.isEmpty());
    EXPECT_TRUE(QFile::exists(path("closing.G1A")));
}

TEST_F(MainWindowFileTest, ARightClickBesideTheItemsPicksFromTheLabelStructure) {
    makeImage();
    prompter.dialogScripts.push_back([](QDialog& d) {
        EXPECT_EQ(d.objectName(), "LabelStructureForm");
        d.show();
        auto* view = d.findChild<QTreeWidget*>("ItemsListView");
        EXPECT_EQ(view->topLevelItemCount(), 2);
        const QPoint at = view->visualItemRect(view->topLevelItem(1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        return d.result();
    });
    // The picked item's properties open next.
    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    QTest::mouseClick(image, Qt::RightButton, Qt::NoModifier, QPoint(600, 30));
    EXPECT_EQ(prompter.dialogsRun, (QStringList{"LabelStructureForm", "TxtIPropEdForm"}));
    EXPECT_EQ(editor().selectedItem(), editor().items().at(2));
}

TEST_F(RealDialogFileTest, SavingOverAFileAsksOnceInTheProgramsWords) {
    makeImage();
    writeBytes(path("label.G1A"), "old");
    ModalDriver user{[this](QWidget& w) {
                         auto& files = static_cast<QFileDialog&>(w);
                         files.selectFile(path("label.G1A"));
                         QMetaObject::invokeMethod(&files, "accept"); // the Save button
                     },
                     [](QWidget& w) {
                         auto& box = static_cast<QMessageBox&>(w);
                         EXPECT_EQ(box.text(), "File already exists - overwrite?");
                         box.button(QMessageBox::Yes)->click();
                     }};
    trigger("FileMenuSaveAs");
    EXPECT_EQ(user.met, (QStringList{"QFileDialog", "QMessageBox"}));
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_NE(fileBytes(path("label.G1A")), "old");
    EXPECT_FALSE(window->modified());
}

TEST_F(MainWindowFileTest, AnImageNamedOnTheCommandLineOpens) {
    makeImage();
    const QString saved = saveAs(path("label"));
    window.reset();
    makeWindow();
    window->show();
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path()); // a name relative to where the program started
    window->openNamedImage({"tolvane", "label.G1A"});
    QDir::setCurrent(before);
    EXPECT_EQ(window->fileName(), saved);
    EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO"}));
    EXPECT_FALSE(window->modified());

    window->openNamedImage({"tolvane", path("missing.G1A")});
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("missing.G1A"));
    EXPECT_EQ(prompter.shown[0].icon, Icon::Stop);
    EXPECT_EQ(window->fileName(), saved);
}

// The caption carries the marker that the window shows while the image is
// altered; the name in it is pinned where the image is saved and opened.
TEST_F(MainWindowFileTest, TheCaptionMarksAnAlteredImage) {
    EXPECT_FALSE(window->isWindowModified());
    makeImage();
    auto item = ImageItem::createNew<TextItem>(1);
    item->Text = "PLACED";
    item->setPosition({300, 70});
    ASSERT_TRUE(editor().placeItem(std::move(item)));
    EXPECT_TRUE(window->isWindowModified());

    saveAs(path("carton"));
    EXPECT_FALSE(window->isWindowModified());
    trigger("EditMenuUndo");
    EXPECT_TRUE(window->isWindowModified());
    trigger("EditMenuRedo");
    EXPECT_FALSE(window->isWindowModified());

    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Accepted); });
    trigger("FileMenuNew");
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MainWindowFileTest, RecentFilesKeepTheLastEightNewestFirstAcrossRuns) {
    makeImage();
    EXPECT_FALSE(recentMenu()->menuAction()->isEnabled());
    QStringList saved;
    for (int i = 1; i <= 9; ++i)
        saved.prepend(saveAs(path(QStringLiteral("label%1").arg(i))));
    saved.removeLast(); // the oldest of nine is let go
    EXPECT_EQ(window->recentFiles().paths(), saved);
    ASSERT_EQ(recentEntries().size(), 8);
    EXPECT_EQ(recentEntries()[0], "&1 " + saved[0]);
    EXPECT_EQ(recentEntries()[7], "&8 " + saved[7]);
    EXPECT_TRUE(recentMenu()->menuAction()->isEnabled());

    recentMenu()->actions()[2]->trigger(); // opened again, it comes first
    EXPECT_EQ(window->fileName(), saved[2]);
    EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO"}));
    QStringList expected = saved;
    expected.move(2, 0);
    EXPECT_EQ(window->recentFiles().paths(), expected);

    EXPECT_TRUE(window->close()); // written at exit, read at the next start
    window.reset();
    makeWindow();
    EXPECT_EQ(window->recentFiles().paths(), expected);
    EXPECT_EQ(recentEntries()[0], "&1 " + expected[0]);
}

TEST_F(MainWindowFileTest, AMissingRecentFileIsReportedAndLeavesTheList) {
    makeImage();
    const QString gone = saveAs(path("gone"));
    const QString kept = saveAs(path("kept"));
    ASSERT_TRUE(QFile::remove(gone));
    prompter.shown.clear();
    recentMenu()->actions()[1]->trigger();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains(gone));
    EXPECT_TRUE(prompter.shown[0].text.contains("no such file"));
    EXPECT_EQ(window->recentFiles().paths(), QStringList{kept});
    EXPECT_EQ(recentEntries(), QStringList{"&1 " + kept});
    EXPECT_EQ(window->fileName(), kept);
}

// A dropped file is read first: one that is no image is reported as Open
// reports it, with no question about the open image; an image asks first.
TEST_F(MainWindowFileTest, ADroppedFileIsReadBeforeTheAlteredImageIsAskedFor) {
    makeImage();
    const QString saved = saveAs(path("label"));
    addText({300, 70}, "NEW");
    window->setModified(true);
    writeBytes(path("notes.txt"), "hello");
    prompter.shown.clear();
    EXPECT_TRUE(dropFile(window.get(), path("notes.txt"), window->rect().center()));
    ASSERT_TRUE(eventually([this] { return !prompter.shown.empty(); }));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("Not a Tolvane image file"));
    EXPECT_EQ(prompter.shown[0].icon, Icon::Stop);

    prompter.answers = {Answer::Cancel};
    EXPECT_TRUE(dropFile(window.get(), saved, window->rect().center()));
    ASSERT_TRUE(eventually([this] { return prompter.shown.size() == 2; }));
    EXPECT_EQ(prompter.shown[1].text, "Image altered, save?");
    EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO", "NEW"}));
    EXPECT_TRUE(window->modified());
}

TEST_F(RealDialogFileTest, ADroppedImageOpensOnceTheAlteredImageIsLetGo) {
    makeImage();
    {
        ModalDriver saving{[this](QWidget& w) {
            auto& files = static_cast<QFileDialog&>(w);
            files.selectFile(path("label.G1A"));
            QMetaObject::invokeMethod(&files, "accept");
        }};
        trigger("FileMenuSaveAs");
    }
    ASSERT_EQ(window->fileName(), path("label.G1A"));
    addText({300, 70}, "NEW");
    window->setModified(true);

    ModalDriver user{[](QWidget& w) {
        auto& box = static_cast<QMessageBox&>(w);
        EXPECT_EQ(box.text(), "Image altered, save?");
        box.button(QMessageBox::No)->click();
    }};
    EXPECT_TRUE(dropFile(image, path("label.G1A"),
                         image->rect().center())); // on the picture, not a bitmap
    EXPECT_TRUE(eventually([&] { return user.allStepsTaken() && !window->modified(); }));
    EXPECT_EQ(itemTexts(), (QStringList{"ONE", "TWO"}));
    EXPECT_EQ(user.met, QStringList{"QMessageBox"});
    EXPECT_EQ(user.unexpected, 0);
}

} // namespace
