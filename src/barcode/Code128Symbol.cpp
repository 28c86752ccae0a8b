#include "barcode/Code128Symbol.h"

#include "barcode/SymbolBitmap.h"
#include "barcode/SymbologyTable.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

using Subset = Code128Symbol::Subset;

// The published element widths of symbol characters 0 .. 105; the stop
// character has seven elements.
constexpr std::array<const char*, 106> Patterns = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232"};
constexpr const char* StopPattern = "2331112";

constexpr int Shift = 98;
constexpr int CodeC = 99;
constexpr int Fnc1Value = 102;
constexpr int StartA = 103;
constexpr int Stop = 106;
constexpr int Unreachable = std::numeric_limits<int>::max() / 4;
constexpr int SubsetCount = 3;

// The character that changes to subset s: CODE A, CODE B or CODE C.
int codeFor(Subset s) {
    return s == Subset::A ? 101 : s == Subset::B ? 100 : CodeC;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of c in subset A or B, or -1 when that subset has no code for it.
int valueIn(Subset s, char c) {
    if (c == Fnc1)
        return Fnc1Value;
    const auto u = static_cast<unsigned char>(c);
    if (u >= 128)
        return -1;
    if (s == Subset::A)
        return u < 32 ? u + 64 : (u < 96 ? u - 32 : -1);
    return u >= 32 ? u - 32 : -1;
}

bool encodable(char c) {
    return c == Fnc1 || static_cast<unsigned char>(c) < 128;
}

// One step of the encoding from position i in subset s: what it writes
// (at most two characters) and the position after it.
struct Step {
    int cost = Unreachable;
    int values[2] = {-1, -1};
    size_t next = 0;
};

// Encoding at i without changing the subset: directly, or in A and B with a
// shift for one character of the other of the two.
Step stayStep(const std::string& text, size_t i, Subset s) {
    Step step;
    const char c = text[i];
    if (s == Subset::C) {
        if (c == Fnc1)
            step = {1, {Fnc1Value, -1}, i + 1};
        else if (isDigit(c) && i + 1 < text.size() && isDigit(text[i + 1]))
            step = {1, {(c - '0') * 10 + (text[i + 1] - '0'), -1}, i + 2};
        return step;
    }
    if (const int v = valueIn(s, c); v >= 0)
        return {1, {v, -1}, i + 1};
    const Subset other = s == Subset::A ? Subset::B : Subset::A;
    if (const int v = valueIn(other, c); v >= 0)
        return {2, {Shift, v}, i + 1};
    return step;
}

// The fewest characters from each position to the end, per subset, once the
// characters without a code are taken out.
class ShortestEncoding {
public:
    explicit ShortestEncoding(const std::string& text) : text_(text), cost_(text.size() + 1) {
        cost_.back().fill(0);
        for (size_t i = text_.size(); i-- > 0;) {
            std::array<int, SubsetCount> stay{};
            for (int s = 0; s < SubsetCount; ++s) {
                const Step step = stayStep(text_, i, Subset(s));
                stay[size_t(s)] = step.cost >= Unreachable
                                      ? Unreachable
                                      : step.cost + cost_[step.next][size_t(s)];
            }
            for (int s = 0; s < SubsetCount; ++s) {
                int best = stay[size_t(s)];
                for (int t = 0; t < SubsetCount; ++t)
                    if (t != s)
                        best = std::min(best, 1 + stay[size_t(t)]);
                cost_[i][size_t(s)] = best;
            }
        }
    }

    int cost(size_t i, Subset s) const { return cost_[i][size_t(s)]; }

    // Writes the data characters from subset start on, keeping the subset
    // while that is as short, else changing to the first subset that is.
    void write(Subset s, std::vector<int>& out) const {
        for (size_t i = 0; i < text_.size();) {
            Step step = stayStep(text_, i, s);
            if (step.cost >= Unreachable || step.cost + cost(step.next, s) != cost(i, s)) {
                for (const Subset t : {Subset::C, Subset::B, Subset::A}) {
                    if (t == s)
                        continue;
                    const Step changed = stayStep(text_, i, t);
                    if (changed.cost < Unreachable &&
                        1 + changed.cost + cost(changed.next, t) == cost(i, s)) {
                        out.push_back(codeFor(t));
                        s = t;
                        step = changed;
                        break;
                    }
                }
            }
            for (const int v : step.values)
                if (v >= 0)
                    out.push_back(v);
            i = step.next;
        }
    }

private:
    const std::string& text_;
    std::vector<std::array<int, SubsetCount>> cost_;
};

// What the line under a Code 128 symbol shows of its value: the printable
// characters (controls and function 1 have no picture).
std::string printable(const std::string& text) {
    std::string shown;
    for (char c : text)
        if (c != Fnc1 && static_cast<unsigned char>(c) >= 32)
            shown += c;
    return shown;
}

} // namespace

namespace Code128Symbol {

Subset startSubset(const std::string& text) {
    int positions = 0;
    for (size_t i = 0; positions < 4 && i < text.size();) {
        if (text[i] == Fnc1) {
            positions += 2;
            ++i;
        } else if (isDigit(text[i]) && i + 1 < text.size() && isDigit(text[i + 1])) {
            positions += 2;
            i += 2;
        } else {
            break;
        }
    }
    if (positions >= 4)
        return Subset::C;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32)
            return Subset::A;
        if (u >= 96 && u < 128)
            return Subset::B;
    }
    return Subset::B;
}

std::vector<int> symbolCharacters(const std::string& value) {
    std::string text;
    std::copy_if(value.begin(), value.end(), std::back_inserter(text), encodable);
    if (text.empty())
        return {};
    const ShortestEncoding shortest(text);
    Subset start = startSubset(text);
    for (const Subset s : {Subset::C, Subset::B, Subset::A})
        if (shortest.cost(0, s) < shortest.cost(0, start))
            start = s;
    std::vector<int> out{StartA + int(start)};
    shortest.write(start, out);
    int sum = out.front();
    for (size_t i = 1; i < out.size(); ++i)
        sum += int(i) * out[i];
    out.push_back(sum % 103);
    out.push_back(Stop);
    return out;
}

std::string elements(const std::vector<int>& characters) {
    std::string result;
    for (const int c : characters)
        result += c == Stop ? StopPattern : Patterns[size_t(c)];
    return result;
}

QImage render(const BarcodeData& data) {
    const int m = data.ModuleWidth;
    const int h = data.BarHeight;
    const std::string bars = elements(symbolCharacters(data.encodedText()));
    const std::string line =
        data.Kind == Symbology::Gs1_128 ? data.humanReadableText() : printable(data.Text);
    int symbolWidth = 0;
    for (char e : bars)
        symbolWidth += (e - '0') * m;
    const int quietZone = 10 * m;
    // A line longer than the symbol widens the bitmap to hold it.
    const int width =
        std::max(symbolWidth + 2 * quietZone, quietZone + SymbolBitmap::textWidth(line));
    SymbolBitmap bitmap(width, h + 1 + SymbolBitmap::textHeight());
    if (bitmap.isNull())
        return {};
    DotRow row(width);
    int x = quietZone;
    for (size_t i = 0; i < bars.size(); ++i) {
        const int w = (bars[i] - '0') * m;
        if (i % 2 == 0)
            row.fill(x, w);
        x += w;
    }
    bitmap.fillRows(row, 3, h);
    bitmap.drawText(quietZone, h + 1, line);
    return std::move(bitmap).finish((data.Rotation & 2) != 0);
}

std::vector<uint8_t> code128Record(const BarcodeData& data) {
    std::vector<uint8_t> bytes{uint8_t(data.ModuleWidth)};
    appendLowHigh(bytes, data.BarHeight);
    bytes.insert(bytes.end(), {0, 1, 1, 0, 0, 0});
    bytes.insert(bytes.end(), data.Text.begin(), data.Text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<uint8_t> gs1_128Record(const BarcodeData& data) {
    std::vector<uint8_t> bytes{uint8_t(data.ModuleWidth)};
    appendLowHigh(bytes, data.BarHeight);
    if (const auto* gs1 = dynamic_cast<const Gs1_128Data*>(&data)) {
        const std::vector<uint8_t> elements = gs1->downloadString();
        bytes.insert(bytes.end(), elements.begin(), elements.end());
    }
    return bytes;
}

} // namespace Code128Symbol
