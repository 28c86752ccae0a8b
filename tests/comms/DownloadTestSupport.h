#pragma once

#include "comms/DownloadCompiler.h"
#include "document/ItemList.h"
#include "document/ShiftTable.h"
#include "items/TextItem.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline std::unique_ptr<TextItem> textItem(QPoint at, const std::string& text) {
    auto item = std::make_unique<TextItem>();
    item->setPosition(at);
    item->Text = text;
    return item;
}

// An image to compile: names AB / PRODUCT, no month strings, no fonts (every
// font download code 0), the first printer model and the default limits.
struct ImageFixture {
    // Header: 11 (short name) + 8 (long name) + 1 (count) + 1 (months) + 1
    // (shift block); a text record: 7 + text + 0, flag, 0 (no prompt), 0, max.
    static constexpr int HeaderSize = 22;
    static constexpr int TextRecordOverhead = 12;

    PrinterModels models{nullptr};
    FontSet fonts{models};
    ShiftTable shifts;
    ItemList items;
    std::string shortName = "AB";
    std::string longName = "PRODUCT";
    std::string months;
    DownloadLimits limits{DownloadLimits::DefaultShortNameLength,
                          32512}; // the default HandheldMaxSize
    const ItemCalendar* calendar = &systemCalendar();

    DownloadCompiler::Result compile() const {
        return DownloadCompiler::compile(
            {shortName, longName, months, shifts, items, fonts, models.selectedIndex(), *calendar},
            limits);
    }
    // Compiles; an empty result when the image was refused.
    Bytes bytes() const {
        const DownloadCompiler::Result r = compile();
        if (!r.image)
            return {};
        return Bytes(r.image->Bytes.begin(), r.image->Bytes.begin() + r.image->Size);
    }
    // One text item whose text makes the compiled image exactly size bytes.
    void fillTo(int size) {
        items.append(textItem({50, 50}, std::string(size - HeaderSize - TextRecordOverhead, 'x')));
    }
};

// The data packets that the simulator's trace shows it received, in order.
struct TracedPacket {
    int number;
    int control1;
    int count;
};

inline std::vector<TracedPacket> receivedDataPackets(const QStringList& trace) {
    static const QRegularExpression line(
        QStringLiteral(R"(^<- S number=(\d+) control1=(\d+) control2=\d+ count=(\d+))"));
    std::vector<TracedPacket> packets;
    for (const QString& text : trace)
        if (const auto m = line.match(text); m.hasMatch())
            packets.push_back(
                {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()});
    return packets;
}
