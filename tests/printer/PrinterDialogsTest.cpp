#include "TestFolders.h"
#include "printer/ui/PrinterSetupDialog.h"
#include "texts/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

template <typename Dialog> std::unique_ptr<Dialog> dialogFromIni(const QByteArray& ini) {
    TestFolders folders;
    folders.writeIni(ini);
    return std::make_unique<Dialog>(SettingsFile::open().get());
}

} // namespace

TEST(PrinterSetupDialog, ReadsItsChoiceAndFactorsRefusingGarbage) {
    auto dialog =
        dialogFromIni<PrinterSetupDialog>("[PrinterSetupForm]\nSelectedDPI=2\nPR600=30\nPR150=0\n");
    EXPECT_EQ(dialog->factor(), 30);
    dialog->setItemIndex(0);
    EXPECT_EQ(dialog->factor(), 7);
    for (const char* bad : {"3", "-1", "abc"})
        EXPECT_EQ(
            dialogFromIni<PrinterSetupDialog>(QByteArray("[PrinterSetupForm]\nSelectedDPI=") + bad)
                ->itemIndex(),
            1);
}
