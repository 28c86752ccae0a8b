#include "TestFolders.h"
#include "printer/ui/PrinterConfig.h"
#include "texts/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

template <typename Dialog> std::unique_ptr<Dialog> dialogFromIni(const QByteArray& ini) {
    TestFolders folders;
    folders.writeIni(ini);
    return std::make_unique<Dialog>(SettingsFile::open().get());
}

} // namespace

TEST(PrinterSetupForm, ReadsItsChoiceAndFactorsRefusingGarbage) {
    auto dialog =
        dialogFromIni<TPrinterSetupForm>("[PrinterSetupForm]\nSelectedDPI=2\nPR600=30\nPR150=0\n");
    EXPECT_EQ(dialog->factor(), 30);
    dialog->setItemIndex(0);
    EXPECT_EQ(dialog->factor(), 7);
    for (const char* bad : {"3", "-1", "abc"})
        EXPECT_EQ(
            dialogFromIni<TPrinterSetupForm>(QByteArray("[PrinterSetupForm]\nSelectedDPI=") + bad)
                ->itemIndex(),
            1);
}
