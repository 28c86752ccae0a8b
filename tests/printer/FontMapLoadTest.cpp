#include "FontTestSupport.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The capital height of a font as the screen realises it for a model.
int capitalDots(const PrinterFont& font, int fontDPI) {
    const double points = std::nearbyint(font.PointSize * fontDPI / 96.0);
    QFont face(QString::fromLatin1(font.FaceName));
    face.setPixelSize(int(std::nearbyint(points * 96 / 72)));
    face.setBold(font.Bold);
    return QFontMetrics(face).capHeight();
}

} // namespace

TEST(FontRecord, StoresInFontMapOrderAndOnlyFlagOneReadsBold) {
    FontSetHarness h;
    MemoryStream s;
    makeFont({4, 12, "Bold", 17, 0x1A3})->store(s, h.registry);
    s.setPosition(0);
    for (const char* expected : {"NEBRAFont", "Bold", "DejaVu Sans"})
        EXPECT_EQ(readString(s), expected);
    for (const int32_t expected : {17, 0, 12, 4, 0x1A3})
        EXPECT_EQ(readLong(s), expected);

    for (const auto& [flag, bold] : {std::pair{1, true}, {2, false}, {-1, false}}) {
        s.setPosition(s.size() - 16);
        writeLong(s, flag);
        s.setPosition(0);
        const auto loaded = h.registry.loadRecord(s);
        EXPECT_EQ(dynamic_cast<const PrinterFont&>(*loaded).Bold, bold) << flag;
        EXPECT_EQ(dynamic_cast<const PrinterFont&>(*loaded).DownloadCode, 0x1A3);
    }
}

TEST(FontMap, ShippedMapListsFourNamesWithRisingSizesThatFitEachHead) {
    FontSetHarness h;
    ASSERT_TRUE(h.fonts.loadFontMap(QStringLiteral(TOLVANE_SHIPPED_FONTMAP), h.registry))
        << h.fonts.loadError().toStdString();
    for (const auto& [model, head] : {std::pair{1, 2000}, {2, 128}, {4, 256}}) {
        h.selectModel(model);
        FontBox names;
        FontBox sizes;
        h.fonts.fillFontBoxes(names, sizes, -1);
        EXPECT_EQ(names.items, QStringList({"Standard", "Bold", "Mono", "Serif"})) << model;
        for (const QString& name : names.items) {
            h.fonts.fillSizeBox({{}, 0, name}, sizes);
            for (qsizetype i = 1; i < sizes.items.size(); ++i)
                EXPECT_LT(sizes.items[i - 1].toInt(), sizes.items[i].toInt()) << model;
        }
        for (int i = 0, code = 1; i < h.fonts.count(); ++i) {
            const PrinterFont& font = h.fonts.at(i);
            if (font.ModelCode != model)
                continue;
            EXPECT_EQ(h.fonts.downloadCodeOf(font.FontNumber), code++) << font.FontNumber;
            EXPECT_LT(capitalDots(font, h.models.fontDPI()), head) << font.PointSize;
        }
    }
}

TEST(FontMap, HeaderOfAnyLengthIsSkippedAndCountZeroGivesNoFonts) {
    FontSetHarness h;
    for (const std::string& header : {std::string(), std::string(100000, 'x')}) {
        ASSERT_TRUE(h.load(h.mapBytes(header, 1, {{2, 3, "Standard", 7, 11}})));
        EXPECT_EQ(h.fonts.at(0).DownloadCode, 11);
    }
    EXPECT_TRUE(h.load(h.mapBytes("map", 0, {})));
    EXPECT_TRUE(h.fonts.isEmpty());
}

// A map cut anywhere: HostileInputTest.
TEST(FontMap, AWrongCountOrAForeignRecordIsRejectedWhole) {
    FontSetHarness h;
    const auto whole = h.mapBytes("map", 2, {{2, 1, "Standard", 7}, {4, 1, "Bold", 9}});
    for (const int32_t count : {-1, 3, 0x7FFFFFFF}) {
        auto bytes = whole;
        for (int k = 0; k < 4; ++k) // the count follows the 7 bytes of the header
            bytes[std::size_t(7 + k)] = uint8_t(uint32_t(count) >> (8 * k));
        EXPECT_FALSE(h.load(bytes)) << count;
    }
    h.append({{2, 1, "Standard", 7}});
    h.fonts.selectFont("Standard", "7");
    MemoryStream s;
    writeString(s, "map");
    writeLong(s, 2);
    makeFont({2, 1, "Standard", 7})->store(s, h.registry);
    writeString(s, "TextItem");
    writeString(s, std::string(60, 'n'));
    EXPECT_FALSE(h.load(s.bytes()));
    EXPECT_TRUE(h.fonts.isEmpty());
    EXPECT_EQ(h.fonts.currentFont(), nullptr);
    EXPECT_FALSE(h.fonts.loadError().isEmpty());
}
