#pragma once

#include "document/ImageItem.h"

#include <optional>
#include <string>
#include <tuple>

// A counter that the handheld advances by itself as it prints: the start
// value, the step, the value it restarts from, how many prints pass before
// each step, the direction, and whether the number is printed with leading
// zeros up to a fixed number of digits. The designer keeps the settings as
// the decimal texts the user typed, shows Number and sends all of them; the
// counting happens in the printer.
class NumberItem : public Persistent<NumberItem, ImageItem> {
public:
    static constexpr auto RecordName = "NumberItem";
    static constexpr uint8_t TypeCode = 0x04;
    // The record carries MaxLength and CountBeforeInc in one byte each.
    static constexpr int32_t ByteSettingLimit = 255;
    // What an empty step is sent as, and kept as once it was sent.
    static constexpr auto EmptyIncrement = "000000";

    std::string Increment;
    std::string Number; // the start value, and the text drawn
    std::string Restart;
    std::string MaxLength; // the digits shown with leading zeros
    std::string CountBeforeInc;
    bool LeadingZero = false;
    bool ReverseCount = false;

    NumberItem() = default;

    // The integer a setting's text stands for: an optional sign and decimal
    // digits, within 32 bits. Anything else (an empty text included) is none.
    static std::optional<int32_t> integerOf(const std::string& text);

    // Files older than "nebra V2.0X001" hold only Increment and Number; the
    // other settings of such an item are those of a new one.
    void load(ByteStream& s, const ClassRegistry& registry) override;
    void store(ByteStream& s, const ClassRegistry& registry) const override;
    // Besides the placement, items compare by their step and start value.
    auto comparedFields() const { return std::tie(Increment, Number); }

    uint8_t getTypeCode() const override { return TypeCode; }
    QString getKindName(const ItemTypeNames& names) const override;
    std::string getDataText() const override { return Number; }

    // Number as the printer shows it: zero-padded to MaxLength digits with
    // leading zeros, plain otherwise. A text that does not convert stays as
    // it is.
    std::string shownNumber() const;
    // Drawing keeps the shown form as the item's Number.
    void draw(DotCanvas& view) override;
    EdgeRect getScreenRect(DotCanvas& view) override;

    bool holdsInvalidInteger() const override;
    void prepareDownload() override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
    // After the header: Increment, Number and Restart as big-endian 32-bit
    // integers, then one byte each for MaxLength, CountBeforeInc,
    // LeadingZero and ReverseCount.
    void compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const override;

private:
    void setCounterDefaults();
    const std::string& sentIncrement() const;
};
