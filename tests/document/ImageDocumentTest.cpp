#include "document/ImageDocument.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/wareHouse.h"
#include "persist/TMemoryStream.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using ImageDocument::ForceExtension;

namespace {

ImageFileContents contentsOf(const QByteArray& bytes) {
    TMemoryStream s(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return ImageFile::Read(s, imageFileRegistry());
}

QByteArray fileWith(const char* version, std::optional<int32_t> code, DotRect a) {
    ImageBytes b;
    b.str(version).str("Long").str("Short");
    if (code)
        b.i32(*code);
    b.area(a.Left, a.Top, a.Right, a.Bottom).str("Deutsch").str("JanFeb");
    b.i32(2).f64(0.5).str("X").emptyShifts(24);
    return b.str("ImagePList").i32(2).textItem(1, 0, 0, "A").textItem(1, 5, 5, "B").bytes;
}

Prompter::FileAnswer chosen(const QString& name) {
    return {true, name, 0};
}

} // namespace

TEST(ImageDocument, ForceExtensionReplacesOrAppendsTheModelsExtension) {
    EXPECT_EQ(ForceExtension("label", ".G1A"), "label.G1A");
    EXPECT_EQ(ForceExtension("label.G4E", ".G1A"), "label.G1A");
    EXPECT_EQ(ForceExtension("/home/a.b/label", ".G1A"), "/home/a.b/label.G1A");
    EXPECT_EQ(ForceExtension("/home/a.b/label.txt", ".G1A"), "/home/a.b/label.G1A");
    EXPECT_EQ(ForceExtension("label.", ".G3C"), "label.G3C");
    EXPECT_EQ(ForceExtension("label", "G3C"), "label.G3C"); // a setting without its dot
    EXPECT_EQ(ForceExtension("label.old", ""), "label.old");
}

TEST(ImageDocument, AnOpenedFileReplacesTheOpenImageWhole) {
    TestFolders folders;
    RenderHarness h(0);
    TNEBRAData data(nullptr);
    ShiftTable shifts;
    ImagePList open;
    open.Append(textItemAt(SansFont, 70, 70));
    ImageFileContents c = contentsOf(fileWith("nebra V3.1X000", 4, {0, 0, 1600, 356}));

    ImageDocument::ApplyLoadedImage(c, data, shifts, open, h.display);
    EXPECT_EQ(data.LongName(), "Long");
    EXPECT_EQ(data.ShortName(), "Short");
    EXPECT_EQ(data.MonthLanguageName(), "Deutsch");
    EXPECT_EQ(data.MonthStrings(), "JanFeb");
    EXPECT_EQ(data.printers().selectedIndex(), 2);
    EXPECT_EQ(data.printers().Width(), 1500);
    EXPECT_EQ(shifts.Slot(1), (ShiftSlot{2, 0.5, "X"}));
    ASSERT_EQ(open.Count(), 2); // the open image's item is gone
    EXPECT_EQ(open.At(1)->GetPosition(), QPoint(50, 50));
    EXPECT_EQ(open.At(2)->GetPosition(), QPoint(55, 55));
    EXPECT_EQ(h.display.AreaRect(), (DotRect{0, 0, 1600, 356}));
    EXPECT_EQ(h.display.FontDPI(), 185);
}

TEST(ImageDocument, AFileWithoutTypeCodeKeepsTheSelectedModel) {
    RenderHarness h(2);
    const ImageFileContents c =
        contentsOf(fileWith("nebra V1.0X008", std::nullopt, {0, 0, 584, 228}));
    ImageDocument::ApplyGeometry(c.Header, h.models, h.display);
    EXPECT_EQ(h.models.selectedIndex(), 2);
    EXPECT_EQ(h.models.Width(), 484);
}

TEST(ImageDocument, SaveNameIsAskedUntilSettledWithTheExtensionForced) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("old.G1A"));
    ASSERT_TRUE(ImageBytes().writeTo(existing));
    const QString fresh = dir.filePath(QStringLiteral("new.G1A"));
    const Prompter::FileRequest request{"Save", "ox400|*.G1A", 0, dir.path(), "old.G1A"};

    ScriptedPrompter p;
    p.fileAnswers = {chosen(dir.filePath("old.txt")), chosen(dir.filePath("new"))};
    p.answers = {Prompter::Answer::No};
    EXPECT_EQ(ImageDocument::AskSaveFileName(p, request, ".G1A"), fresh);
    ASSERT_EQ(p.fileRequests.size(), 2u);
    EXPECT_EQ(p.fileRequests[0].fileName, "old.G1A");
    EXPECT_TRUE(p.fileRequests[1].fileName.isEmpty()); // No empties the proposal
    EXPECT_EQ(p.texts(), QStringList{"File already exists - overwrite?"});
    EXPECT_EQ(p.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(p.shown[0].icon, Prompter::Icon::Exclamation);

    ScriptedPrompter yes;
    yes.fileAnswers = {chosen(dir.filePath("old"))};
    yes.answers = {Prompter::Answer::Yes};
    EXPECT_EQ(ImageDocument::AskSaveFileName(yes, request, ".G1A"), existing);

    ScriptedPrompter cancel;
    cancel.fileAnswers = {chosen(existing)};
    cancel.answers = {Prompter::Answer::Cancel};
    EXPECT_TRUE(ImageDocument::AskSaveFileName(cancel, request, ".G1A").isEmpty());

    ScriptedPrompter dismissed;
    dismissed.fileAnswers = {Prompter::FileAnswer{}};
    EXPECT_TRUE(ImageDocument::AskSaveFileName(dismissed, request, ".G1A").isEmpty());
    EXPECT_TRUE(dismissed.shown.empty());
}
