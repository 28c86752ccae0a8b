#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ByteStream;

// The symbologies a barcode item can print, numbered as the image file and
// the download record number them.
enum class Symbology : uint8_t { Ean8, Ean13, UpcA, UpcE, Code128, Gs1_128, Itf, Code39 };
inline constexpr int SymbologyCount = 8;

// The function-1 character inside a GS1-128 value: it starts the value and
// ends every variable-length element that another element follows.
inline constexpr char Fnc1 = '\xCA';

// Everything the user chose for one barcode: symbology, position, value,
// module width, bar height and the symbology's own options. The barcode item
// keeps no fields of its own: it stores its data, draws the symbol the data
// describes and compiles the data into its download record.
//
// Text holds the value as entered (Windows-1252 bytes), without the check
// character. Positions are dots without the display margin.
class BarcodeData {
public:
    static constexpr uint8_t BothWays = 0x05; // rotations 0 and 2 only

    Symbology Kind = Symbology::Ean8;
    int32_t X = 0;
    int32_t Y = 0;
    std::string Text;
    int32_t DigitCount = 0; // the exact number of data digits; 0 = any length
    int32_t ModuleWidth = 3;
    int32_t MinModuleWidth = 2;
    int32_t MaxModuleWidth = 6;
    int32_t BarHeight = 80;
    uint8_t Rotation = 0;      // quarter turns, 0 or 2 in practice
    uint8_t Justification = 0; // as every item's
    uint8_t AllowedRotations = BothWays;

    virtual ~BarcodeData() = default;

    // The data of a new barcode of a symbology with its defaults; verticalDpi
    // is the selected model's resolution across the print direction, from
    // which the interleaved 2 of 5 defaults are taken.
    static std::unique_ptr<BarcodeData> create(Symbology kind, int32_t verticalDpi);
    // The symbology of a stored barcode: the Kind of its common part, which
    // lies at byte 28 of the record body. Reads without moving the stream;
    // TolvError when the stream ends first or the kind is unknown.
    static Symbology peekKind(ByteStream& s);
    // Loads a stored barcode whatever its symbology (peekKind, then the
    // blank data of that symbology loads itself).
    static std::unique_ptr<BarcodeData> read(ByteStream& s);

    // The common part (eight 32-bit words: 0, X, Y, 0, 0, Rotation,
    // Justification, Kind), then the symbology's fields. A rotation or
    // justification above 3, or a ratio above 100, raises TolvError.
    virtual void load(ByteStream& s);
    virtual void store(ByteStream& s) const;

    // Takes text when it has exactly DigitCount characters, all digits.
    bool setDigits(const std::string& text);
    virtual std::unique_ptr<BarcodeData> clone() const = 0;
    // The EAN/UPC symbologies go back to their default value; others keep it.
    virtual void resetText() {}
    // Whether two barcodes store the same bytes and show the same line.
    bool operator==(const BarcodeData& other) const;

    // The value the symbol encodes and the line printed under it; the base
    // gives Text for both.
    virtual std::string encodedText() const { return Text; }
    virtual std::string humanReadableText() const { return Text; }

protected:
    explicit BarcodeData(Symbology kind) : Kind(kind) {}
    BarcodeData(const BarcodeData&) = default;
    BarcodeData& operator=(const BarcodeData&) = default;
    void loadCommon(ByteStream& s);
    void storeCommon(ByteStream& s) const;
    // The stored Text, BarHeight and ModuleWidth that most symbologies end with.
    void loadTextAndSize(ByteStream& s);
    void storeTextAndSize(ByteStream& s) const;
};

// The check digit of EAN-8, EAN-13, UPC-A and UPC-E over the data digits as
// they are: weight 3 on the digits in the positions of the same parity as
// the count, 1 on the others. '0' .. '9'; the digits must be digits.
char eanUpcCheckDigit(const std::string& digits);

// EAN-8, EAN-13, UPC-A and UPC-E: a fixed number of digits.
class EanUpcData : public BarcodeData {
public:
    std::unique_ptr<BarcodeData> clone() const override;
    void resetText() override;
    // Text followed by its check digit; that of UPC-E is the check digit of
    // the UPC-A number the six digits stand for.
    std::string encodedText() const override;
    std::string humanReadableText() const override { return encodedText(); }

    // The default value of the symbology.
    static std::string defaultText(Symbology kind);

    // kind is one of the four.
    explicit EanUpcData(Symbology kind);
};

// Code 128: any text of characters 0 .. 127 (and the function-1 character).
class Code128Data : public BarcodeData {
public:
    Code128Data() : BarcodeData(Symbology::Code128) {}
    std::unique_ptr<BarcodeData> clone() const override;
};

// One GS1 application identifier with its value.
struct Gs1Element {
    bool FixedLength = false; // the identifier's values have one length
    std::string AppId;        // e.g. "01"
    std::string Value;
    bool operator==(const Gs1Element&) const = default;
};

// GS1-128: a list of application identifiers with their values. Text is
// derived from the list (function-1 characters included) and rebuilt after
// every change to it.
class Gs1_128Data : public BarcodeData {
public:
    Gs1_128Data();
    std::vector<Gs1Element> Elements;
    bool ShowAppIds = true; // not stored: every loaded barcode shows them

    std::unique_ptr<BarcodeData> clone() const override;
    void load(ByteStream& s) override;
    void store(ByteStream& s) const override;

    void addElement(const Gs1Element& element);
    void replaceElement(int index, const Gs1Element& element);
    void removeElement(int index);
    // The value of element index; empty when there is no such element.
    std::string elementValue(int index) const;
    int elementCount() const { return static_cast<int>(Elements.size()); }
    // Rebuilds Text from the elements: Fnc1, then each identifier and value,
    // with Fnc1 before an element that follows a variable-length one.
    void rebuildText();

    // "(01) 09501101530003 (17) 261231 " with ShowAppIds, else the values,
    // each followed by a space.
    std::string humanReadableText() const override;
    // What the download record carries for the elements: ShowAppIds, the
    // element count, then per element FixedLength, the identifier, three 0
    // bytes, the value and a 0 byte.
    std::vector<uint8_t> downloadString() const;
};

// The wide-to-narrow ratio both Interleaved 2 of 5 and Code 39 take: a code
// 0 .. 100 for the ratios 2.0 .. 3.0.
class RatioData : public BarcodeData {
public:
    static constexpr uint8_t DefaultRatio = 50;
    static constexpr uint8_t MaxRatio = 100;
    // Codes below this need a module wider than 20 thousandths of an inch.
    static constexpr uint8_t SmallRatioLimit = 20;

    uint8_t Ratio = DefaultRatio;

    // A code of SmallRatioLimit or more is taken; a smaller one only when the
    // module is wider than 20 thousandths of an inch at verticalDpi. When it
    // is not taken, a current code below the limit is raised to it.
    void setRatio(uint8_t code, int32_t verticalDpi);
    double ratio() const { return 2.0 + Ratio / 100.0; }
    // The width of a wide element in dots.
    int32_t wideWidth() const;

protected:
    using BarcodeData::BarcodeData;
};

// Interleaved 2 of 5: an even number of digits, bearer bars, an optional
// check digit.
class ItfData : public RatioData {
public:
    enum Bearers : uint8_t { NoBearers = 0, BearerBars = 1, BearerBox = 3 };

    uint8_t TextPosition = 0; // 0 below the bars, 1 above
    int32_t BearerWidth = 0;
    bool CheckDigit = false;
    uint8_t BearerType = NoBearers;
    bool LeadingZero = false; // show the added leading zero in the text

    explicit ItfData(int32_t verticalDpi);
    std::unique_ptr<BarcodeData> clone() const override;
    void load(ByteStream& s) override;
    void store(ByteStream& s) const override;

    // The digits the symbol encodes: Text with its check digit when
    // CheckDigit is set, a leading "0" wherever the count would be odd.
    std::string encodedText() const override;
    // Text, its check digit when CheckDigit is set, and the leading zero the
    // symbol adds when LeadingZero is set.
    std::string humanReadableText() const override;
    // The check digit over digits: weight 3 from the first digit on.
    static char checkDigit(const std::string& digits);
};

// Code 39: the 43 characters directly, other characters 0 .. 127 as their
// Full ASCII pairs; an optional modulo-43 check character.
class Code39Data : public RatioData {
public:
    bool CheckCharacter = false;

    Code39Data();
    std::unique_ptr<BarcodeData> clone() const override;
    void load(ByteStream& s) override;
    void store(ByteStream& s) const override;

    // The symbol characters: Text itself when every character is one of the
    // 43, otherwise each character's Full ASCII pair; the check character
    // follows when CheckCharacter is set.
    std::string encodedText() const override;
    // The value of one of the 43 characters; 43 for any other.
    static int characterValue(char c);
    // The character of a value 0 .. 42.
    static char characterOf(int value);
    // The check character over the symbol characters.
    static char checkCharacter(const std::string& symbolCharacters);
};
