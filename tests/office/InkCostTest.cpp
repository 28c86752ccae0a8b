// The ink cost arithmetic, its numbers as the dialog and the command line
// write them, and the counting of an image's dots.
#include "office/InkCost.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CostCase {
    const char* name;
    double dotPicolitres;
    std::int64_t dots;
    std::int64_t prints;
    double price;
    std::int64_t unitSize;
    // What the dialog shows: usage, prints back from the usage, total cost,
    // unit cost, units used.
    const char* usage;
    const char* printsBack;
    const char* totalCost;
    const char* unitCost;
    const char* unitsUsed;
};

const CostCase CostCases[] = {
    {"the worked example: 10000 pl, 5000 dots, 1000 prints at 10", 10000, 5000, 1000, 10, 1000,
     "0.05000000000000", "1000", "0.50", "0.00050000000000", "0.05"},
    {"an empty image", 10000, 0, 1000, 10, 1000, "0.00000000000000", "0", "0.00",
     "0.00000000000000", "0"},
    {"no ink per dot", 0, 5000, 1000, 10, 1000, "0.00000000000000", "0", "0.00", "0.00000000000000",
     "0"},
    {"a unit size of 0", 10000, 5000, 1000, 10, 0, "0.05000000000000", "1000", "0.50",
     "0.00050000000000", "0"},
    {"the models' 80 pl in half-litre bottles", 80, 12345, 250000, 120, 500, "0.24690000000000",
     "250000", "29.63", "0.00011851200000", "0.4938"},
};

class InkCostResults : public ::testing::TestWithParam<CostCase> {};

TEST_P(InkCostResults, AreWhatTheDialogShows) {
    const CostCase& c = GetParam();
    InkCost cost;
    cost.dotLitres = c.dotPicolitres * InkCost::LitresPerPicolitre;
    cost.dots = c.dots;
    cost.price = c.price;
    cost.unitSize = c.unitSize;
    const InkCostFormat format;
    const double usage = cost.usage(c.prints);
    EXPECT_EQ(format.precise(usage), c.usage);
    EXPECT_EQ(format.prints(cost.printsFor(usage)), c.printsBack);
    EXPECT_EQ(format.currency(cost.totalCost(usage)), c.totalCost);
    EXPECT_EQ(format.precise(cost.unitCost()), c.unitCost);
    EXPECT_EQ(format.units(cost.unitsUsed(usage)), c.unitsUsed);
}

INSTANTIATE_TEST_SUITE_P(Cases, InkCostResults, ::testing::ValuesIn(CostCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// The number of prints back from a usage is the nearest one.
TEST(InkCost, PrintsForAUsageAreRounded) {
    const InkCost cost{1e-8, 5000, 10, 1000};
    EXPECT_EQ(cost.printsFor(0.0501), 1002);
}

TEST(InkCostFormat, WritesTheLanguagesDecimalsAndReadsEither) {
    const InkCostFormat german{QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(german.precise(0.05), "0,05000000000000");
    EXPECT_EQ(german.twoDecimals(10), "10,00");
    EXPECT_EQ(german.prints(250000), "250000"); // no group separator
    for (const char* text : {"1,5", "1.5", " 1,5 "})
        EXPECT_EQ(german.decimal(QLatin1String(text)), 1.5) << text;
    const InkCostFormat plain;
    for (const char* text : {"1,5", "1.5"})
        EXPECT_EQ(plain.decimal(QLatin1String(text)), 1.5) << text;
    for (const char* text : {"", "abc", "1.5.5", "nan", "inf"})
        EXPECT_FALSE(plain.decimal(QLatin1String(text))) << text;
    EXPECT_EQ(plain.integer(" 42 "), 42);
    for (const char* text : {"", "4.2", "12a", "1,000"})
        EXPECT_FALSE(plain.integer(QLatin1String(text))) << text;
}

// A picture of 60 × 40 pixels with a margin of 5: black dots inside and in
// every margin, grey and nearly black pixels that are not dots.
QImage countingPicture() {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(QRect(10, 10, 7, 3), Qt::black); // 21 dots inside
    painter.fillRect(QRect(5, 5, 1, 1), Qt::black);   // the first printable dot
    painter.fillRect(QRect(54, 34, 1, 1), Qt::black); // the last printable dot
    painter.fillRect(QRect(0, 0, 5, 40), Qt::black);  // left margin
    painter.fillRect(QRect(55, 0, 5, 40), Qt::black); // right margin, from W - m
    painter.fillRect(QRect(0, 35, 60, 5), Qt::black); // bottom margin, from H - m
    painter.fillRect(QRect(20, 20, 2, 2), QColor(1, 0, 0));
    painter.fillRect(QRect(30, 20, 2, 2), Qt::gray);
    return picture;
}

TEST(InkCost, CountsTheBlackDotsOfThePrintableAreaOnly) {
    std::vector<int> rows;
    EXPECT_EQ(InkCost::countDots(countingPicture(), 5, [&](int done) { rows.push_back(done); }),
              23);
    ASSERT_EQ(rows.size(), 30u); // one step per row of the printable area
    EXPECT_EQ(rows.front(), 1);
    EXPECT_EQ(rows.back(), 30);
    EXPECT_EQ(InkCost::countedRows(countingPicture(), 5), 30);
    // Without margins every black pixel counts.
    EXPECT_EQ(InkCost::countDots(countingPicture(), 0), 23 + 5 * 40 * 2 + 50 * 5);
    // A picture in another format counts alike.
    EXPECT_EQ(InkCost::countDots(countingPicture().convertToFormat(QImage::Format_RGB888), 5), 23);
}

TEST(InkCost, MarginsWiderThanThePictureCountNothing) {
    EXPECT_EQ(InkCost::countDots(countingPicture(), 30), 0);
    EXPECT_EQ(InkCost::countedRows(countingPicture(), 30), 0);
}

} // namespace
