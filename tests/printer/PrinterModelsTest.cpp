#include "printer/PrinterModels.h"
#include "TestFolders.h"
#include "texts/SettingsFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

PrinterModels listFromIni(const QByteArray& ini) {
    TestFolders folders;
    folders.writeIni(ini);
    return PrinterModels(SettingsFile::open().get());
}

auto fields(const PrinterModel& c) {
    return std::make_tuple(c.name.toStdString(), c.FontDPI, c.PrinterDPI, c.Height, c.Width, c.Dot,
                           int(c.Just));
}

void expectDefaults(const PrinterModels& list) {
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(fields(list.coder(0)), std::make_tuple("G4E", 202, 448, 2000, 384, 0.0, 0));
    EXPECT_EQ(fields(list.coder(1)), std::make_tuple("G1A, G1B", 185, 185, 128, 4000, 80.0, 0));
    EXPECT_EQ(fields(list.coder(2)), std::make_tuple("G3C", 185, 185, 256, 4000, 80.0, 1));
    EXPECT_EQ(list.selectedIndex(), 0);
}

} // namespace

TEST(PrinterModels, ThreeModelsWithTheirDefaultsWhateverTheFileLacksOrGarbles) {
    expectDefaults(PrinterModels(nullptr));
    expectDefaults(listFromIni("[MainForm]\nLeft=3\n"));
    expectDefaults(listFromIni("[SelectPrinter]\nFontDPI100=0\nPrinterDPI100=-448\n"
                               "ox100Height=abc\nox100Width=2147483647\nDot100=-1\nJust100=2\n"
                               "Dot400=nan\n"));
}

TEST(PrinterModels, LastUsedSelectsAModelWithinTheList) {
    for (auto [value, index] : {std::pair{"2", 2}, {"7", 2}, {"-1", 0}, {"x", 0}})
        EXPECT_EQ(listFromIni(QByteArray("[SelectPrinter]\nLastUsed=") + value).selectedIndex(),
                  index)
            << value;
}
