#include "app/ui/LanguageDialog.h"

#include "widgets/RadioGroup.h"

#include "TestFolders.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

QString buttonText(const LanguageDialog& form, const char* name) {
    return form.findChild<QPushButton*>(name)->text();
}

} // namespace

TEST(LanguageDialog, ReadsTextsPositionAndLanguageFromSettings) {
    TestFolders folders;
    folders.writeIni("[LangForm]\nCaption=Sprache w\xc3\xa4hlen\nRGCaption=Sprache\n"
                     "French=Franz\xc3\xb6sisch\nOK=Gut\nCancel=Abbrechen\n"
                     "Left=120\nTop=80\nLanguage=3\n");
    LanguageDialog form;
    const auto* rg = form.findChild<RadioGroup*>("LanguageRG");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Sprache w\xc3\xa4hlen"));
    EXPECT_EQ(rg->title(), "Sprache");
    EXPECT_EQ(rg->button(1)->text(), QString::fromUtf8("Franz\xc3\xb6sisch"));
    EXPECT_EQ(rg->button(2)->text(), "German");
    EXPECT_EQ(buttonText(form, "OKButton"), "Gut");
    EXPECT_EQ(buttonText(form, "CancelButton"), "Abbrechen");
    EXPECT_EQ(form.position(), QPoint(120, 80));
    EXPECT_EQ(form.itemIndex(), 3);
}

TEST(LanguageDialog, GarbledLanguageIndexFallsBackToEnglish) {
    TestFolders folders;
    for (const QByteArray value : {"99", "-2", "French"}) {
        folders.writeIni("[LangForm]\nLanguage=" + value + "\n");
        LanguageDialog form;
        EXPECT_EQ(form.itemIndex(), 0) << value.constData();
    }
}
