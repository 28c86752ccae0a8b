// The download image: the checks before compiling, the header and the limits.
#include "DownloadTestSupport.h"
#include "TestFolders.h"
#include "document/ItemTypeNames.h"
#include "items/BarcodeItem.h"
#include "items/NumberItem.h"
#include "platform/IniFile.h"
#include "texts/Messages.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + long(from), bytes.begin() + long(from + count));
}

} // namespace

TEST(DownloadCompiler, HeaderHoldsNamesCountMonthsAndShiftBlockInOrder) {
    ImageFixture f;
    f.months = "JanFeb";
    f.shifts.add(1, 0.25, "A"); // without a shift code item the times stay out
    f.items.append(textItem({50, 50}, "A"));
    f.items.append(textItem({306, 50}, "B"));
    const Bytes b = f.bytes();
    EXPECT_EQ(slice(b, 0, 11),
              (Bytes{0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00}));
    EXPECT_EQ(slice(b, 11, 8), (Bytes{'P', 'R', 'O', 'D', 'U', 'C', 'T', 0}));
    EXPECT_EQ(b[19], 2); // item count
    EXPECT_EQ(slice(b, 20, 7), (Bytes{'J', 'a', 'n', 'F', 'e', 'b', 0}));
    EXPECT_EQ(b[27], 0x00); // no shift code item: no shift table
    // The records follow in list order; their position bytes drop the margin.
    EXPECT_EQ(slice(b, 28, 7), (Bytes{0x01, 0, 0x00, 0x00, 0x00, 0x00, 0}));
    EXPECT_EQ(slice(b, 28 + 13 + 2, 4), (Bytes{0x00, 0x01, 0x00, 0x00})); // (306, 50)
    EXPECT_EQ(b.size(), 28u + 2 * 13);
}

TEST(DownloadCompiler, ShortNameIsPaddedOrCutToItsLength) {
    EXPECT_EQ(DownloadCompiler::shortNameBlock("ABCDEFGHIJKL", 10),
              std::string("ABCDEFGHIJ\0", 11));
    ImageFixture f;
    f.limits.ShortNameLength = 3;
    f.shortName = "LONGNAME";
    f.items.append(textItem({50, 50}, "A"));
    EXPECT_EQ(slice(f.bytes(), 0, 4), (Bytes{'L', 'O', 'N', 0}));
}

TEST(DownloadCompiler, RefusesMissingNamesAndEmptyImagesInThatOrder) {
    ImageFixture f;
    f.longName.clear();
    EXPECT_EQ(f.compile().refusal, DownloadCompiler::Refusal::NoLabelDescription);
    f.longName = "PRODUCT";
    EXPECT_EQ(f.compile().refusal, DownloadCompiler::Refusal::NoItems);
    f.shortName.clear();
    EXPECT_EQ(f.compile().refusal, DownloadCompiler::Refusal::NoLabelDescription);
}

// The handheld ends a text or a prompt at its first 0 byte.
TEST(DownloadCompiler, AZeroByteInATextOrPromptIsRefusedNamingTheItem) {
    for (const bool inPrompt : {false, true}) {
        ImageFixture f;
        f.items.append(textItem({50, 50}, "A"));
        auto item = textItem({60, 60}, inPrompt ? std::string("B") : std::string("B\0C", 3));
        if (inPrompt)
            item->Prompt = std::string("Lot\0", 4);
        f.items.append(std::move(item));
        const DownloadCompiler::Result r = f.compile();
        EXPECT_EQ(r.refusal, DownloadCompiler::Refusal::FieldEnd) << inPrompt;
        EXPECT_EQ(r.image, nullptr);
        EXPECT_EQ(DownloadCompiler::messageFor(r, f.items, Messages(), ItemTypeNames()),
                  "Error - item 2 (Text) holds a NUL character - Cannot Download");
    }
}

// Only an edited file can hold such a setting; the dialog never makes one.
TEST(DownloadCompiler, ANumberSettingThatIsNoIntegerIsRefusedNamingTheItem) {
    ImageFixture f;
    f.items.append(textItem({50, 50}, "A"));
    auto number = ImageItem::createNew<NumberItem>(0);
    number->Restart = "1e3";
    f.items.append(std::move(number));
    const DownloadCompiler::Result r = f.compile();
    EXPECT_EQ(r.refusal, DownloadCompiler::Refusal::InvalidInteger);
    EXPECT_EQ(r.image, nullptr);
    EXPECT_EQ(DownloadCompiler::messageFor(r, f.items, Messages(), ItemTypeNames()),
              "Error - invalid integer: 2 (Numeric)");
}

// The record carries 0; the item keeps the step as it was sent.
TEST(DownloadCompiler, ANumberItemsEmptyIncrementIsSentAsZeroAndKept) {
    ImageFixture f;
    auto number = ImageItem::createNew<NumberItem>(0);
    number->setPosition({50, 50});
    number->Increment.clear();
    number->Number = "7";
    f.items.append(std::move(number));
    const Bytes b = f.bytes();
    EXPECT_EQ(slice(b, ImageFixture::HeaderSize, 15),
              (Bytes{0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}));
    EXPECT_EQ(dynamic_cast<const NumberItem&>(*f.items.at(1)).Increment, "000000");
}

TEST(DownloadCompiler, TheDefaultLimitTakes32511BytesAndRefuses32512) {
    ImageFixture fits;
    fits.fillTo(32511);
    EXPECT_EQ(fits.bytes().size(), 32511u);
    ImageFixture over;
    over.fillTo(32512);
    EXPECT_EQ(over.compile().refusal, DownloadCompiler::Refusal::TooBig);
    // Without a settings file the limit is 0: nothing can be downloaded.
    fits.limits = DownloadLimits{};
    EXPECT_EQ(fits.compile().refusal, DownloadCompiler::Refusal::TooBig);
}

TEST(DownloadCompiler, RecordsBeyondTheBufferAreRefusedNotAppended) {
    ImageFixture f;
    f.limits.HandheldMaxSize = 0xFFFFFFFFu; // no limit of the settings
    f.items.append(textItem({50, 50}, std::string(40000, 'x')));
    f.items.append(textItem({50, 50}, std::string(40000, 'y')));
    EXPECT_EQ(f.compile().refusal, DownloadCompiler::Refusal::TooBig);
    f.items.freeAll();
    f.items.append(textItem({50, 50}, std::string(70000, 'x'))); // one record too large
    EXPECT_EQ(f.compile().refusal, DownloadCompiler::Refusal::TooBig);
    f.items.freeAll();
    f.items.append(textItem({50, 50}, "A"));
    f.limits.ShortNameLength = 1 << 30; // a garbled setting
    EXPECT_EQ(f.compile().refusal, DownloadCompiler::Refusal::TooBig);
}

TEST(DownloadCompiler, TheDiagnosticCopyIsTheWholeBufferArray) {
    ImageFixture f;
    f.items.append(textItem({50, 50}, "A"));
    const DownloadCompiler::Result r = f.compile();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    ASSERT_TRUE(DownloadCompiler::saveWholeArray(*r.image, path, nullptr));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    ASSERT_EQ(written.size(), 65537);
    EXPECT_EQ(Bytes(written.begin(), written.begin() + r.image->Size), f.bytes());
    EXPECT_EQ(written.mid(r.image->Size), QByteArray(65537 - r.image->Size, '\0'));
}

// A barcode value the symbology cannot encode comes only from an edited
// file; the download names the item and says why.
TEST(DownloadCompiler, ABarcodeValueThatCannotBePrintedIsRefusedNamingTheItem) {
    ImageFixture f;
    f.items.append(textItem({50, 50}, "A"));
    auto barcode = ImageItem::createNew<BarcodeItem>(0);
    barcode->editData().Text = "12345X";
    f.items.append(std::move(barcode));
    const DownloadCompiler::Result r = f.compile();
    EXPECT_EQ(r.refusal, DownloadCompiler::Refusal::Unprintable);
    EXPECT_EQ(r.item, 2);
    EXPECT_EQ(r.image, nullptr);
    EXPECT_EQ(DownloadCompiler::messageFor(r, f.items, Messages(), ItemTypeNames()),
              "Error - item 2 (EAN13) holds a barcode value that cannot be printed - Cannot "
              "Download: Only digits can be encoded, not \"X\"");
}
