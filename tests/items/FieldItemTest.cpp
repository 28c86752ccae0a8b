#include "items/FieldItem.h"
#include "DialogHarness.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "document/ImageFile.h"
#include "items/ui/FieldItemDialog.h"
#include "texts/Messages.h"

#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<FieldItem> fieldItem(const char* text, int maxChars, int rotation = 0) {
    auto item = ImageItem::createNew<FieldItem>(SerifFont);
    item->setPosition({50 + 3, 50 + 0x105});
    item->Rotation = uint8_t(rotation);
    item->Text = text;
    item->MaxChars = maxChars;
    return item;
}

// A V3.1X000 file for model 1 with one field item "Lot", 12 characters.
QByteArray fileWithAField() {
    ImageBytes b;
    b.str("nebra V3.1X000").str("Long").str("Short").i32(2).area(0, 0, 4100, 228);
    b.str("English").str("JanFeb").emptyShifts(25).str("ImagePList").i32(1);
    b.str("fieldItem").i32(SansFont).i32(40).i32(30).i32(0).i32(0).i32(1).i32(0);
    return b.str("Lot").i32(12).bytes;
}

} // namespace

TEST(FieldItem, DownloadRecordIsTheHeaderAndTheFieldLength) {
    RenderHarness h(1);
    const struct {
        int maxChars;
        uint8_t sent;
    } cases[] = {{12, 0x0C}, {0, 0x00}, {255, 0xFF}, {300, 0xFF}};
    for (const auto& c : cases) {
        const Bytes record = compiledRecord(*fieldItem("Lot", c.maxChars, 1), h.fonts, 1);
        EXPECT_EQ(record, (Bytes{0x03, 23, 3, 0, 5, 1, 1, c.sent})) << c.maxChars;
    }
}

TEST(FieldItem, DrawsAndMeasuresAsATextItem) {
    for (int rotation = 0; rotation < 4; ++rotation) {
        RenderHarness h(1);
        auto field = fieldItem("Lot 17\nA", 12, rotation);
        field->setPosition({50 + 300, 50 + 60});
        auto text = storedTextItem(SerifFont, field->getPosition(), "Lot 17\nA", rotation);
        const QImage drawn = h.render(*field);
        EXPECT_FALSE(inkBounds(drawn).isNull());
        EXPECT_EQ(drawn, h.render(*text)) << rotation;
        EXPECT_EQ(field->getScreenRect(h.display), text->getScreenRect(h.display)) << rotation;
    }
}

TEST(FieldItem, AFileWithAFieldLoadsDrawsAndSavesBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("field.G1A"));
    const QString again = dir.filePath(QStringLiteral("again.G1A"));
    ASSERT_TRUE(ImageBytes{fileWithAField()}.writeTo(path));
    const ImageFileContents c = ImageFile::read(path, imageFileRegistry(), Messages());
    ASSERT_EQ(c.Items->count(), 1);
    auto* field = dynamic_cast<FieldItem*>(c.Items->at(1));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Text, "Lot");
    EXPECT_EQ(field->MaxChars, 12);
    EXPECT_EQ(field->getPosition(), QPoint(90, 80));
    EXPECT_TRUE(field->FontBased);
    RenderHarness h(1);
    EXPECT_FALSE(inkBounds(h.render(*c.Items)).isNull());
    ImageFile::write(again, c.Header, *c.Items, imageFileRegistry());
    EXPECT_EQ(fileBytes(again), fileWithAField());
}

TEST(FieldItemDialog, EditsTheFieldLengthAndThePosition) {
    DialogHarness h;
    FieldItemDialog form(h.prompter, h.data, h.render.fonts);
    auto item = fieldItem("Lot", 12);
    h.prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        auto* maxChars = control<QSpinBox>(d, "MaxCharsEdit");
        EXPECT_EQ(maxChars->value(), 12);
        EXPECT_EQ(maxChars->maximum(), 255);
        EXPECT_EQ(labelText(d, "MaxCharsLabel"), "Max. Chars");
        maxChars->selectAll();
        QTest::keyClicks(maxChars, "20");
        typeInto(control<QLineEdit>(d, "XPosEdit"), "40");
        click(d, "OKBtn");
    }));
    EXPECT_EQ(form.editItem(*item, h.render.display, 1), QDialog::Accepted);
    EXPECT_EQ(item->MaxChars, 20);
    EXPECT_EQ(item->getX(), 50 + 40);
}

// A length beyond what the record carries, as a file may hold it, stays
// unless the user sets another.
TEST(FieldItemDialog, KeepsALengthTheBoxCannotShowUnlessChanged) {
    DialogHarness h;
    FieldItemDialog form(h.prompter, h.data, h.render.fonts);
    auto item = fieldItem("Lot", 300);
    h.prompter.dialogScripts.push_back(script([](QDialog& d) {
        EXPECT_EQ(control<QSpinBox>(d, "MaxCharsEdit")->value(), 255);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(form.editItem(*item, h.render.display, 1), QDialog::Accepted);
    EXPECT_EQ(item->MaxChars, 300);
}
