#include "TestFolders.h"
#include "app/SettingsFile.h"
#include "printer/miprinters.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TCoderList listFromIni(const QByteArray& ini) {
    TestFolders folders;
    folders.writeIni(ini);
    return TCoderList(SettingsFile::open().get());
}

auto fields(const TCoder& c) {
    return std::make_tuple(c.name.toStdString(), c.FontDPI, c.PrinterDPI, c.Height, c.Width, c.Dot,
                           int(c.Just));
}

void expectDefaults(const TCoderList& list) {
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(fields(list.coder(0)), std::make_tuple("G4E", 202, 448, 2000, 384, 0.0, 0));
    EXPECT_EQ(fields(list.coder(1)), std::make_tuple("G1A, G1B", 185, 185, 128, 4000, 80.0, 0));
    EXPECT_EQ(fields(list.coder(2)), std::make_tuple("G3C", 185, 185, 256, 4000, 80.0, 1));
    EXPECT_EQ(list.selectedIndex(), 0);
}

} // namespace

TEST(CoderList, ThreeModelsWithTheirDefaultsWhateverTheFileLacksOrGarbles) {
    expectDefaults(TCoderList(nullptr));
    expectDefaults(listFromIni("[MainForm]\nLeft=3\n"));
    expectDefaults(listFromIni("[SelectPrinter]\nFontDPI100=0\nPrinterDPI100=-448\n"
                               "ox100Height=abc\nox100Width=2147483647\nDot100=-1\nJust100=2\n"
                               "Dot400=nan\n"));
}

TEST(CoderList, ReadsTheModelKeysOfSectionSelectPrinter) {
    const TCoderList list = listFromIni("[SelectPrinter]\nox400=Wide head\nFontDPI400=300\n"
                                        "PrinterDPI400=150\nox400Height=96\nox400Width=5000\n"
                                        "Dot400=62.5\nJust400=1\n");
    EXPECT_EQ(fields(list.coder(1)), std::make_tuple("Wide head", 300, 150, 96, 5000, 62.5, 1));
    EXPECT_EQ(list.coder(2).Width, 4000);
}

TEST(CoderList, LastUsedSelectsAModelWithinTheList) {
    for (auto [value, index] : {std::pair{"2", 2}, {"7", 2}, {"-1", 0}, {"x", 0}})
        EXPECT_EQ(listFromIni(QByteArray("[SelectPrinter]\nLastUsed=") + value).selectedIndex(),
                  index)
            << value;
}

TEST(CoderList, SelectedModelAnswersGeometryAndModelCode) {
    TCoderList list(nullptr);
    list.setSelectedIndex(2);
    list.setSelectedIndex(3);
    list.setSelectedIndex(-1);
    EXPECT_EQ(std::make_tuple(list.FontDPI(), list.PrinterDPI(), list.Height(), list.Dot(),
                              int(list.Just()), list.SelectedModelBit()),
              std::make_tuple(185, 185, 256, 80.0, 1, 4));
    list.SetWidth(1234);
    EXPECT_EQ(list.Width(), 1234);
    EXPECT_EQ(list.coder(1).Width, 4000);
    list.setSelectedIndex(0);
    EXPECT_EQ(list.SelectedModelBit(), 1);
    list.setSelectedIndex(1);
    EXPECT_EQ(list.SelectedModelBit(), 2);
}

TEST(CoderList, FileTypeCodesSelectAModel) {
    for (auto [code, index] : {std::pair{1, 0}, {2, 1}, {4, 2}, {0, 1}, {3, 1}, {-1, 1}, {255, 1}})
        EXPECT_EQ(TCoderList::indexForModelCode(code), index) << code;
}
