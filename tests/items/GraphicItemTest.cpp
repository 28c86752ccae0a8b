#include "items/GraphicItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "items/ItemKinds.h"
#include "items/MonoBitmap.h"
#include "persist/DownloadBuffer.h"
#include "persist/JsonReader.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <QJsonArray>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// A picture from rows of '#' (a dot) and '.' (white).
QImage dotsOf(const std::vector<std::string>& rows) {
    QImage dots = MonoBitmap::blank(int(rows.front().size()), int(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == '#')
                MonoBitmap::setDot(dots, int(x), int(y));
    return dots;
}

std::vector<std::string> rowsOf(const QImage& dots) {
    std::vector<std::string> rows;
    for (int y = 0; y < dots.height(); ++y) {
        rows.emplace_back(size_t(dots.width()), '.');
        for (int x = 0; x < dots.width(); ++x)
            if (MonoBitmap::isDot(dots, x, y))
                rows.back()[size_t(x)] = '#';
    }
    return rows;
}

std::unique_ptr<GraphicItem> graphic(const QImage& dots) {
    auto item = ImageItem::createNew<GraphicItem>(SansFont);
    item->takeBitmap(dots);
    item->setPosition({50 + 3, 50 + 0x105});
    return item;
}

// A row of n dots of one colour.
std::string run(size_t n, char c) {
    return std::string(n, c);
}

Bytes storedDots(const GraphicItem& item) {
    MemoryStream s;
    item.store(s, imageFileRegistry());
    const Bytes all = s.bytes();
    const auto size = size_t(MonoBitmap::packedSize(item.getWidth(), item.getHeight()));
    return Bytes(all.end() - std::ptrdiff_t(size), all.end());
}

// The row groups of the download record: after the header, width and height.
Bytes rowGroups(const GraphicItem& item) {
    RenderHarness h;
    const Bytes record = compiledRecord(item, h.fonts, 1);
    return record.size() < 11 ? Bytes() : Bytes(record.begin() + 11, record.end());
}

} // namespace

TEST(GraphicItem, StoresItsDotsAsAPackedBitStream) {
    EXPECT_EQ(storedDots(*graphic(dotsOf({"#.#.#.#."}))), Bytes{0xAA});
    // Rows are not padded: 9 dots take two bytes, the last holding one of them.
    EXPECT_EQ(storedDots(*graphic(dotsOf({"##.", "..#", "#.#"}))), (Bytes{0xC6, 0x80}));
    // A picture of another size is stored stretched to the printed size.
    auto item = graphic(dotsOf({"#.", ".#"}));
    item->setWidth(4);
    item->setHeight(2);
    EXPECT_EQ(storedDots(*item), Bytes{0xC3});
}

struct RowCase {
    const char* name;
    std::vector<std::string> rows;
    Bytes groups;
};

class GraphicRowCode : public ::testing::TestWithParam<RowCase> {};

TEST_P(GraphicRowCode, CompilesRowsIntoRunLengthGroups) {
    EXPECT_EQ(rowGroups(*graphic(dotsOf(GetParam().rows))), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GraphicRowCode,
    ::testing::Values(
        // A black run after a white one leaves an empty pair between them.
        RowCase{"WhiteBlackWhite", {"...###...."}, {0, 0x03, 0x00, 0x00, 0x03, 0x04, 0x00}},
        RowCase{"LongWhiteRun", {run(300, '.')}, {0, 0xFF, 0x00, 0x2D, 0x00}},
        RowCase{"LongBlackRun", {run(300, '#')}, {0, 0x00, 0xFF, 0x00, 0x2D}},
        RowCase{"AllBlackFirstRow", {run(20, '#')}, {0, 0x00, 0x14}},
        RowCase{"BlackThenWhite", {"##..."}, {0, 0x00, 0x02, 0x03, 0x00}},
        RowCase{"RepeatedRows",
                {"#....", "#....", "#....", "....#"},
                {2, 0x00, 0x01, 0x04, 0x00, 0, 0x04, 0x00, 0x00, 0x01}},
        RowCase{"RowsAgainAfterAnother",
                {"#....", ".....", "#...."},
                {0, 0x00, 0x01, 0x04, 0x00, 0, 0x05, 0x00, 0, 0x00, 0x01, 0x04, 0x00}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GraphicItem, RecordStartsWithTheHeaderAndTheSize) {
    RenderHarness h(1);
    const Bytes record =
        compiledRecord(*graphic(dotsOf({run(300, '.'), run(300, '.')})), h.fonts, 1);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 11),
              (Bytes{0x20, 21, 3, 0, 5, 1, 0, 0x2C, 0x01, 0x02, 0x00}));
}

// The repeat byte counts at most 255 further rows; more identical rows go on
// in a new group, so the handheld reads the right height.
TEST(GraphicItem, ManyIdenticalRowsNeverWrapTheRepeatCount) {
    const auto item = graphic(MonoBitmap::blank(5, 300));
    EXPECT_EQ(rowGroups(*item), (Bytes{0xFF, 0x05, 0x00, 43, 0x05, 0x00}));
    const auto exact = graphic(MonoBitmap::blank(5, 256));
    EXPECT_EQ(rowGroups(*exact), (Bytes{0xFF, 0x05, 0x00}));
    const auto twice = graphic(MonoBitmap::blank(5, 512));
    EXPECT_EQ(rowGroups(*twice), (Bytes{0xFF, 0x05, 0x00, 0xFF, 0x05, 0x00}));
}

TEST(GraphicItem, ACodeBeyond64KiBIsRefusedAndAppendsNothing) {
    // Stripes that differ from row to row: 2000 runs each, no row repeated.
    QImage dots = MonoBitmap::blank(2000, 40);
    for (int y = 0; y < dots.height(); ++y)
        for (int x = y % 2; x < dots.width(); x += 2)
            MonoBitmap::setDot(dots, x, y);
    RenderHarness h;
    DownloadBuffer buffer;
    EXPECT_THROW(graphic(dots)->compile(buffer, {h.fonts, 1}), TolvError);
    EXPECT_EQ(buffer.Size, 0);
}

struct TurnCase {
    int from, to;
    std::vector<std::string> turned;
};

class GraphicTurn : public ::testing::TestWithParam<TurnCase> {};

// 10 × 4, a dot in the top-right corner and one at (1, 3).
const std::vector<std::string> TenByFour{".........#", "..........", "..........", ".#........"};

TEST_P(GraphicTurn, TurnsTheBitmapByTheQuarterTurnsBetweenRotations) {
    const auto item = graphic(dotsOf(TenByFour));
    item->Rotation = uint8_t(GetParam().from);
    item->setRotation(uint8_t(GetParam().to));
    EXPECT_EQ(item->Rotation, GetParam().to);
    EXPECT_EQ(rowsOf(item->Bitmap), GetParam().turned);
    EXPECT_EQ(item->getWidth(), item->Bitmap.width());
    EXPECT_EQ(item->getHeight(), item->Bitmap.height());
}

INSTANTIATE_TEST_SUITE_P(
    Turns, GraphicTurn,
    ::testing::Values(
        TurnCase{0, 0, TenByFour},
        // Counter-clockwise: the old top-right dot becomes the top-left one.
        TurnCase{
            0, 1, {"#...", "....", "....", "....", "....", "....", "....", "....", "...#", "...."}},
        TurnCase{0, 2, {"........#.", "..........", "..........", "#........."}},
        TurnCase{
            0, 3, {"....", "#...", "....", "....", "....", "....", "....", "....", "....", "...#"}},
        // From 3 to 0 is one turn on, as from 0 to 1.
        TurnCase{3,
                 0,
                 {"#...", "....", "....", "....", "....", "....", "....", "....", "...#", "...."}}),
    [](const auto& info) {
        return "From" + std::to_string(info.param.from) + "To" + std::to_string(info.param.to);
    });

// The undo history keeps copies of items; their pictures share one bitmap.
TEST(GraphicItem, CopiesShareTheBitmapInsteadOfCopyingIt) {
    const auto item = graphic(MonoBitmap::blank(400, 300));
    const auto clone = item->cloneItem();
    const auto& cloned = static_cast<const GraphicItem&>(*clone);
    EXPECT_EQ(cloned.Bitmap.constBits(), item->Bitmap.constBits());
    GraphicItem assigned;
    assigned.assign(*item);
    EXPECT_EQ(assigned.Bitmap.constBits(), item->Bitmap.constBits());
    // Changing a copy leaves the original as it was.
    MonoBitmap::setDot(assigned.Bitmap, 0, 0);
    EXPECT_FALSE(MonoBitmap::isDot(item->Bitmap, 0, 0));
}

TEST(GraphicItem, EqualityComparesEveryDotOrderOnlyThePlacement) {
    const auto a = graphic(dotsOf({"#..", "..#"}));
    const auto b = graphic(dotsOf({"#..", "..#"}));
    EXPECT_TRUE(a->isEqual(*b));
    const auto c = graphic(dotsOf({"#..", ".#."}));
    EXPECT_FALSE(a->isEqual(*c));
    c->setPosition(a->getPosition() + QPoint(1, 1));
    c->Rotation = 1;
    c->Justification = 1;
    EXPECT_TRUE(a->isLess(*c));
    ImageItem bare;
    EXPECT_FALSE(a->isLess(bare));
    EXPECT_FALSE(a->isEqual(bare));
}

// A hostile record must not make the reader allocate what it declares.
TEST(GraphicItem, ARecordDeclaringMoreDotsThanItHoldsIsRefused) {
    for (const auto& [width, height] :
         {std::pair(60000, 60000), std::pair(-1, 5), std::pair(5, -1), std::pair(70000, 1)}) {
        MemoryStream s;
        writeString(s, GraphicItem::RecordName);
        for (const int32_t value : {0, 0, 0, width, height, 0, 0})
            writeLong(s, value);
        writeLong(s, 0);
        s.setPosition(0);
        EXPECT_THROW(imageFileRegistry().loadRecord(s), TolvError) << width << " x " << height;
    }
}

// White dots of the picture leave what is below; black ones cover it.
TEST(GraphicItem, DrawsWithAndOverWhatIsBelow) {
    RenderHarness h;
    h.display.resizeBitmap(h.display.displayWidth(), h.display.displayHeight());
    const auto item = graphic(dotsOf({"#.", ".."}));
    item->setPosition({10, 10});
    {
        CanvasPainter painter(h.display);
        h.display.fillWhole();
        h.display.canvas()->fillRect(QRect(11, 10, 1, 2), Qt::black);
        item->draw(h.display);
    }
    const QImage& picture = h.display.bitmap();
    EXPECT_EQ(picture.pixel(10, 10) & 0xFFFFFF, 0x000000u); // the dot
    EXPECT_EQ(picture.pixel(11, 10) & 0xFFFFFF, 0x000000u); // black below a white dot
    EXPECT_EQ(picture.pixel(10, 11) & 0xFFFFFF, 0xFFFFFFu); // white below a white dot
    EXPECT_EQ(item->getScreenRect(h.display), (EdgeRect{10, 10, 11, 11}));
}

TEST(GraphicItem, JustifiesAlongTheModelsAxis) {
    for (const auto& [model, justification, x, y] :
         // The first model's area is 484 dots wide, the third's 356 high.
         {std::tuple(0, 1, 50, 0), std::tuple(0, 2, (484 - 40) / 2, 0),
          std::tuple(0, 3, 484 - 50 - 40, 0), std::tuple(2, 1, 0, 50),
          std::tuple(2, 3, 0, 356 - 50 - 10), std::tuple(2, 0, 0, 0)}) {
        RenderHarness h(model);
        const auto item = graphic(MonoBitmap::blank(40, 10));
        item->setPosition({0, 0});
        item->Justification = uint8_t(justification);
        item->justify(h.display, {});
        EXPECT_EQ(item->getPosition(), QPoint(x, y)) << model << " " << justification;
    }
}

// The command line shows a picture as rows of '#' (a dot) and '.' (white).
TEST(GraphicItem, JsonShowsTheBitmapAsRowsAndRefusesRowsThatDoNotFit) {
    const auto item = graphic(dotsOf({"#..#", ".##."}));
    MemoryStream s;
    item->store(s, imageFileRegistry());
    s.setPosition(0);
    EXPECT_EQ(readString(s), GraphicItem::RecordName);
    const ItemJsonConverter& json = findItemKind(GraphicItem::TypeCode)->json;
    QJsonObject object;
    json.toJson(s, object);
    EXPECT_EQ(object["Bitmap"].toArray(), (QJsonArray{"#..#", ".##."}));

    for (const auto& [rows, problem] :
         {std::pair(QJsonArray{"#..#"}, "Items[0].Bitmap: expected 2 rows of 4 dots"),
          std::pair(QJsonArray{"#..#", ".##"},
                    "Items[0].Bitmap[1]: expected a text of 4 '#' and '.'"),
          std::pair(QJsonArray{"#..#", ".#o."},
                    "Items[0].Bitmap[1]: expected a text of 4 '#' and '.'")}) {
        object["Bitmap"] = rows;
        JsonReader reader(object, QStringLiteral("Items[0]"));
        MemoryStream built;
        try {
            json.fromJson(reader, built);
            ADD_FAILURE() << problem;
        } catch (const TolvError& e) {
            EXPECT_STREQ(e.what(), problem);
        }
    }
}
