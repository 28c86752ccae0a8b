#include "items/GraphicItem.h"
#include "items/ItemKinds.h"
#include "items/MonoBitmap.h"
#include "persist/JsonReader.h"
#include "persist/StreamHelpers.h"

#include <QJsonArray>

namespace {

constexpr QChar DotChar = u'#';
constexpr QChar WhiteChar = u'.';

std::unique_ptr<ImageItem> sampleGraphicItem() {
    auto item = std::make_unique<GraphicItem>();
    QImage dots = MonoBitmap::blank(11, 3);
    for (const auto& [x, y] : {std::pair(0, 0), std::pair(10, 0), std::pair(5, 1), std::pair(9, 2)})
        MonoBitmap::setDot(dots, x, y);
    item->takeBitmap(dots);
    item->FontNumber = 3;
    item->setPosition({ImageItem::Margin + 12, ImageItem::Margin + 34});
    item->Rotation = 1;
    item->Justification = 2;
    return item;
}

// The picture as rows of '#' (a dot) and '.' (white), top to bottom.
void bitmapToJson(ByteStream& body, QJsonObject& json) {
    ItemJsonConverters::commonToJson(body, json);
    const int32_t width = json[QLatin1String("Width")].toInt();
    const int32_t height = json[QLatin1String("Height")].toInt();
    const QImage dots = GraphicItem::readDots(body, width, height);
    QJsonArray rows;
    for (int y = 0; y < dots.height(); ++y) {
        QString row(width, WhiteChar);
        for (int x = 0; x < width; ++x)
            if (MonoBitmap::isDot(dots, x, y))
                row[x] = DotChar;
        rows.append(row);
    }
    json[QLatin1String("Bitmap")] = rows;
}

void bitmapFromJson(JsonReader& json, ByteStream& body) {
    ItemJsonConverters::commonFromJson(json, body);
    const int32_t width = json.integer("Width");
    const int32_t height = json.integer("Height");
    GraphicItem::storedSize(width, height);
    const QJsonArray rows = json.array("Bitmap");
    // A picture of no dots either way has no rows to give.
    const qsizetype expected = width > 0 ? height : 0;
    if (rows.size() != expected)
        JsonReader::fail(json.placeOf("Bitmap"),
                         QStringLiteral("expected %1 rows of %2 dots").arg(expected).arg(width));
    for (qsizetype y = 0; y < rows.size(); ++y) {
        const QString row = rows[y].toString();
        if (!rows[y].isString() || row.size() != width ||
            row.count(DotChar) + row.count(WhiteChar) != width)
            JsonReader::fail(json.placeOf("Bitmap", y),
                             QStringLiteral("expected a text of %1 '#' and '.'").arg(width));
    }
    // Only rows that hold the dots they claim are made into a picture.
    QImage dots = MonoBitmap::blank(width, height);
    for (qsizetype y = 0; y < rows.size(); ++y) {
        const QString row = rows[y].toString();
        for (int x = 0; x < width; ++x)
            if (row[x] == DotChar)
                MonoBitmap::setDot(dots, x, int(y));
    }
    const std::vector<uint8_t> bytes = MonoBitmap::packed(dots);
    writeExactly(body, bytes.data(), int32_t(bytes.size()));
}

} // namespace

const ItemKind& graphicItemKind() {
    static const ItemKind kind{
        .typeCode = GraphicItem::TypeCode,
        .recordName = GraphicItem::RecordName,
        .captionIndex = 6,
        .icon = "graphic",
        .actionKey = "ItemMenuGraphicItem",
        .hintKey = "GraphicHint",
        .listButtonName = "GRAPHICBUTTON",
        .limitClass = ItemLimitClass::Graphics,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<GraphicItem>()); },
        .makeSample = &sampleGraphicItem,
        .json = {&bitmapToJson, &bitmapFromJson, {"Bitmap"}},
    };
    return kind;
}
