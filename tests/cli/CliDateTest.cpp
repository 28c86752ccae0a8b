// A date item through the command line: its JSON form, and the moment that
// --now gives to what render and compile make of it.
#include "CliRunner.h"
#include "ImageBytes.h"
#include "document/ImageFile.h"
#include "items/DateItem.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

void writeDateImage(const QString& path) {
    ImageFileHeader h;
    h.LongName = "Best before";
    h.ShortName = "BB";
    h.TypeCode = 2;
    h.Area = {0, 0, 900, 228};
    h.MonthLanguageName = "English";
    h.MonthStrings = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    auto date = std::make_unique<DateItem>();
    date->FontNumber = 3;
    date->setPosition({100, 150});
    date->Separator = '-';
    date->Field1 = DateItem::Day;
    date->Field2 = DateItem::MonthAbbreviation;
    date->Field3 = DateItem::Year2;
    date->LeadZeros = true;
    date->LanguageIndex = ItemCalendar::ImageMonthLanguage;
    date->WeekStartDate = DateItem::fileDate(QDate(2024, 3, 5));
    date->OffsetType = DateItem::Months;
    date->OffsetAmount = 6;
    ItemList items;
    items.append(std::move(date));
    ImageFile::write(path, h, items, imageFileRegistry());
}

} // namespace

TEST(CliDate, DumpThenBuildWritesTheSameBytes) {
    const CliRunner cli;
    writeDateImage(cli.path("date.G1A"));
    const CliRunner::Result dump = cli.run({"dump", "date.G1A"});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.out.contains("\"Separator\": \"-\"")) << dump.out.toStdString();
    ImageBytes{dump.out}.writeTo(cli.path("date.json"));
    ASSERT_EQ(cli.run({"build", "date.json", "-o", "copy.G1A"}).status, 0);
    EXPECT_EQ(fileBytes(cli.path("copy.G1A")), fileBytes(cli.path("date.G1A")));
}

// The record's week-count byte is the days since the count began on the day
// --now names; the picture shows that day's date.
TEST(CliDate, NowSetsTheDayOfTheRecordAndThePicture) {
    const CliRunner cli;
    cli.folders().writeIni("[MainForm]\nHandheldMaxSize=32512\n");
    writeDateImage(cli.path("date.G1A"));
    QByteArray records[2];
    QImage pictures[2];
    const char* moments[2] = {"2024-03-05 23:59", "2024-03-12 00:01"};
    for (int i = 0; i < 2; ++i) {
        const CliRunner::Result compiled =
            cli.run({"compile", "date.G1A", "-o", "date.bin", "--now", moments[i]});
        ASSERT_EQ(compiled.status, 0) << compiled.err.toStdString();
        records[i] = fileBytes(cli.path("date.bin")).right(13);
        const CliRunner::Result rendered =
            cli.run({"render", "date.G1A", "-o", "date.png", "--now", moments[i]});
        ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
        pictures[i] = QImage(cli.path("date.png"));
    }
    EXPECT_EQ(records[0][6], 0);
    EXPECT_EQ(records[1][6], 7);
    EXPECT_EQ(records[0].left(6), records[1].left(6));
    EXPECT_NE(pictures[0], pictures[1]); // 05-SEP-24, then 12-SEP-24
}
