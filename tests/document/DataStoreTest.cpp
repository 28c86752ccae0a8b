#include "document/DataStore.h"
#include "TestFolders.h"
#include "texts/SettingsFile.h"
#include "texts/TextHelpers.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<DataStore> storeFromIni(const TestFolders& folders, const QByteArray& ini) {
    folders.writeIni(ini);
    return std::make_unique<DataStore>(SettingsFile::open().get());
}

} // namespace

TEST(DataStoreConversion, TextsOfLengthsInEachUnit) {
    TestFolders folders;
    DataStore data(nullptr);
    struct Row {
        int units, dots, dpi;
        const char* text;
    };
    for (const Row& r : {Row{1, 1, 200, ".127"}, Row{2, 0, 200, "0.000"}, Row{2, 200, 200, "1.000"},
                         Row{0, -4, 200, "-4"}, Row{3, 200, 200, "72.000"},
                         Row{2, -5, 200, "0.000"}, Row{1, 2000, 448, "113.393"},
                         // halves round to even
                         Row{1, 1, 50800, "0.000"}, Row{1, 3, 50800, ".002"}}) {
        data.setDisplayUnits(r.units);
        EXPECT_EQ(data.dotsToText(r.dots, r.dpi), QLatin1String(r.text)) << r.text;
    }
    data.printers().setSelectedIndex(1); // 185 dpi
    data.setDisplayUnits(DataStore::Millimetres);
    EXPECT_FLOAT_EQ(data.dotsToUnits(185), 25.4f);
    EXPECT_FLOAT_EQ(data.dotsToUnits(-10), 0.0f);
}

TEST(DataStoreConversion, TypedLengthsTakeThreeDecimalsWithoutRounding) {
    TestFolders folders;
    DataStore data(nullptr);
    struct Row {
        int units;
        const char* text;
        int dpi;
        std::optional<int> dots;
    };
    for (const Row& r :
         {Row{1, "1", 200, 8}, Row{2, "1.2345", 1000, 1234}, Row{2, "1.2349", 1000, 1234},
          Row{2, ".5", 200, 100}, Row{2, "-1", 200, -200}, Row{0, " 42 ", 200, 42},
          Row{1, " 25.4 ", 185, 185}, Row{2, "0.0075", 200, 1}, Row{0, "1.5", 200, {}},
          Row{1, "1", 0, {}}, Row{1, "12.7", 185, 92}, Row{2, ".005", 100, 0},
          Row{2, ".015", 100, 2}, Row{1, "12,5", 185, 91}, Row{1, "12,", 185, 87}}) {
        data.setDisplayUnits(r.units);
        EXPECT_EQ(data.textToDots(QLatin1String(r.text), r.dpi), r.dots) << r.text;
    }
    for (int units = 0; units < 4; ++units) {
        data.setDisplayUnits(units);
        for (const char* bad : {"", "1.2.3", "1,2.3", ",", "1e3", "9999999999"})
            EXPECT_FALSE(data.textToDots(QLatin1String(bad), 200)) << units << " '" << bad << "'";
    }
}

TEST(DataStoreConversion, TextOfDotsReadsBackAsTheSameDots) {
    TestFolders folders;
    DataStore data(nullptr);
    for (int units = 1; units < 4; ++units) {
        data.setDisplayUnits(units);
        for (int dpi : {185, 202, 448})
            for (int dots = 0; dots <= 2000; ++dots)
                ASSERT_EQ(data.textToDots(data.dotsToText(dots, dpi), dpi), dots) << units << dpi;
    }
}

TEST(DataStoreConversion, TextHelpersFollowTheLocaleDecimalSeparator) {
    struct German {
        German() { QLocale::setDefault(QLocale(QLocale::German)); }
        ~German() { QLocale::setDefault(QLocale::c()); }
    } german;
    EXPECT_TRUE(TextHelpers::isDecimalNumber(QStringLiteral("12,5")));
    EXPECT_FALSE(TextHelpers::isDecimalNumber(QStringLiteral("12.5")));
}

// Lengths show the decimal separator of the interface language chosen in
// the settings file, and take either separator when typed.
TEST(DataStoreConversion, LengthsFollowTheInterfaceLanguage) {
    TestFolders folders;
    const char* separators[] = {".", ",", ",", ",", ",", ","}; // by language index
    for (int language = -1; language <= 6; ++language) {
        const auto data =
            storeFromIni(folders, "[LangForm]\nLanguage=" + QByteArray::number(language) + '\n');
        data->setDisplayUnits(DataStore::Inches);
        const bool known = language >= 0 && language < 6;
        const QString separator = QLatin1String(separators[known ? language : 0]);
        EXPECT_EQ(data->dotsToText(300, 200), "1" + separator + "500") << language;
        EXPECT_EQ(data->textToDots(QStringLiteral("1,5"), 200), 300) << language;
        EXPECT_EQ(data->textToDots(QStringLiteral("1.5"), 200), 300) << language;
    }
}

// X runs along the print, Y across it: on the first model 448 and 202 dpi.
TEST(DataStoreConversion, EachAxisConvertsAtTheSelectedModelsResolution) {
    TestFolders folders;
    DataStore data(nullptr);
    data.setDisplayUnits(DataStore::Millimetres);
    using Axis = DataStore::Axis;
    struct Row {
        int model;
        Axis axis;
        int dots;
        const char* text;
    };
    for (const Row& r : {Row{0, Axis::X, 124, "7.030"}, Row{0, Axis::Y, 124, "15.592"},
                         Row{0, Axis::X, 224, "12.700"}, Row{0, Axis::Y, 1988, "249.976"},
                         Row{1, Axis::X, 92, "12.631"}, Row{1, Axis::Y, 92, "12.631"}}) {
        data.printers().setSelectedIndex(r.model);
        EXPECT_EQ(data.dotsToText(r.dots, r.axis), QLatin1String(r.text)) << r.text;
        EXPECT_EQ(data.textToDots(QLatin1String(r.text), r.axis), r.dots) << r.text;
    }
    data.printers().setSelectedIndex(1);
    EXPECT_EQ(data.textToDots(QStringLiteral("12.7"), Axis::Y), 92);
    data.printers().setSelectedIndex(0);
    EXPECT_NEAR(data.dotsPerUnit(Axis::X), 448 / 25.4, 1e-9);
    EXPECT_NEAR(data.dotsPerUnit(Axis::Y), 202 / 25.4, 1e-9);
    data.setDisplayUnits(DataStore::Dots);
    EXPECT_DOUBLE_EQ(data.dotsPerUnit(Axis::Y), 1.0);
}

TEST(DataStoreSettings, WithoutSettingsFileDefaultsHoldAndNothingIsWritten) {
    TestFolders folders;
    {
        DataStore data(nullptr);
        EXPECT_EQ(data.pitch(), 40);
        data.setPitch(12);
    }
    EXPECT_FALSE(QFile::exists(folders.iniPath()));
    {
        auto data = storeFromIni(folders, "[GridTForm]\nPitch=12\n");
        QFile::remove(folders.iniPath());
    }
    EXPECT_FALSE(QFile::exists(folders.iniPath()));
}

TEST(DataStoreSettings, GarbledValuesFallBackToTheirDefaults) {
    TestFolders folders;
    for (const char* pitch : {"0", "-3", "abc"}) {
        const auto data = storeFromIni(
            folders, QByteArray("[UnitsForm]\nDisplayUnits=9\n[GridTForm]\nPitch=") + pitch);
        EXPECT_EQ(data->pitch(), 40) << pitch;
        EXPECT_EQ(data->displayUnits(), 0);
        data->setDisplayUnits(4);
        EXPECT_EQ(data->displayUnits(), 0);
    }
}

TEST(DataStoreSettings, DestructionWritesUnitsAndGridInOrder) {
    TestFolders folders;
    {
        auto data = storeFromIni(folders, "[Other]\nKey=1\n");
        data->setDisplayUnits(3);
        data->setSnapOn(true);
        data->setPitch(16);
    }
    EXPECT_EQ(folders.readIni(), QByteArray("[Other]\nKey=1\n\n[UnitsForm]\nDisplayUnits=3\n\n"
                                            "[GridTForm]\nSnapOn=1\nGridOn=0\nPitch=16\n"));
}
