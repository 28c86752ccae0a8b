#include "barcode/BarcodeSymbol.h"

#include "barcode/BarcodeData.h"
#include "barcode/SymbologyTable.h"
#include "platform/Windows1252.h"
#include "texts/Messages.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int32_t MaxBarHeight = 0xFFFF; // the records carry it in 16 bits

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The distinct characters of text that pass, in their first order.
std::string charactersWhere(const std::string& text, const std::function<bool(char)>& pass) {
    std::string found;
    for (char c : text)
        if (pass(c) && found.find(c) == std::string::npos)
            found += c;
    return found;
}

BarcodeProblem problem(BarcodeProblem::Code code, std::string characters = {}, int length = 0) {
    BarcodeProblem p;
    p.code = code;
    p.characters = std::move(characters);
    p.expectedLength = length;
    return p;
}

// Characters 1 .. 127 are encodable by Code 128 and Code 39; 0 would end the
// value in the download record.
bool outsideAscii(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u == 0 || u > 127;
}

BarcodeProblem checkValue(const BarcodeData& data) {
    const std::string& text = data.Text;
    switch (data.Kind) {
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::UpcA:
    case Symbology::UpcE:
        if (std::string bad = charactersWhere(text, [](char c) { return !isDigit(c); });
            !bad.empty())
            return problem(BarcodeProblem::NotDigits, bad);
        if (int32_t(text.size()) != data.DigitCount)
            return problem(BarcodeProblem::WrongLength, {}, data.DigitCount);
        return {};
    case Symbology::Itf:
        if (text.empty())
            return problem(BarcodeProblem::Empty);
        if (std::string bad = charactersWhere(text, [](char c) { return !isDigit(c); });
            !bad.empty())
            return problem(BarcodeProblem::NotDigits, bad);
        return {};
    case Symbology::Code128:
        if (text.empty())
            return problem(BarcodeProblem::Empty);
        if (std::string bad =
                charactersWhere(text, [](char c) { return c != Fnc1 && outsideAscii(c); });
            !bad.empty())
            return problem(BarcodeProblem::UnencodableChars, bad);
        return {};
    case Symbology::Code39:
        if (text.empty())
            return problem(BarcodeProblem::Empty);
        if (std::string bad = charactersWhere(text, outsideAscii); !bad.empty())
            return problem(BarcodeProblem::UnencodableChars, bad);
        return {};
    case Symbology::Gs1_128: {
        const auto& gs1 = static_cast<const Gs1_128Data&>(data);
        if (gs1.Elements.empty())
            return problem(BarcodeProblem::Empty);
        std::string bad;
        for (const Gs1Element& element : gs1.Elements) {
            bad += charactersWhere(element.AppId, [](char c) { return !isDigit(c); });
            // Element values are printable ASCII without the space.
            bad += charactersWhere(element.Value, [](char c) {
                const auto u = static_cast<unsigned char>(c);
                return u <= 32 || u >= 127;
            });
        }
        if (!bad.empty())
            return problem(BarcodeProblem::UnencodableChars,
                           charactersWhere(bad, [](char) { return true; }));
        return {};
    }
    }
    return {};
}

// The characters for a message: each between quotes, controls by their code.
QString quoted(const std::string& characters) {
    QStringList shown;
    for (char c : characters) {
        const auto u = static_cast<unsigned char>(c);
        shown << (u < 32 || u == 127 ? QStringLiteral("<%1>").arg(u)
                                     : "\"" + Windows1252::decode(std::string(1, c)) + "\"");
    }
    return shown.join(QStringLiteral(", "));
}

} // namespace

BarcodeProblem checkBarcode(const BarcodeData& data) {
    if (data.ModuleWidth < data.MinModuleWidth || data.ModuleWidth > data.MaxModuleWidth)
        return problem(BarcodeProblem::ModuleWidthRange);
    if (data.BarHeight < 1 || data.BarHeight > MaxBarHeight)
        return problem(BarcodeProblem::BarHeightRange);
    return checkValue(data);
}

QString describeBarcodeProblem(const BarcodeProblem& p, const Messages& messages) {
    switch (p.code) {
    case BarcodeProblem::None:
        return {};
    case BarcodeProblem::WrongLength:
        return messages.BarcodeLengthError.arg(p.expectedLength);
    case BarcodeProblem::NotDigits:
        return messages.BarcodeDigitsError.arg(quoted(p.characters));
    case BarcodeProblem::UnencodableChars:
        return messages.BarcodeCharactersError.arg(quoted(p.characters));
    case BarcodeProblem::Empty:
        return messages.BarcodeEmptyError;
    case BarcodeProblem::ModuleWidthRange:
        return messages.InvalidModuleWidthError;
    case BarcodeProblem::BarHeightRange:
        return messages.InvalidHeightError;
    }
    return {};
}

QImage renderSymbol(const BarcodeData& data) {
    const BarcodeProblem::Code size = checkBarcode(data).code;
    if (size == BarcodeProblem::ModuleWidthRange || size == BarcodeProblem::BarHeightRange)
        return {};
    return symbologyEntry(data.Kind).render(data);
}

std::vector<uint8_t> symbologyRecord(const BarcodeData& data) {
    return symbologyEntry(data.Kind).record(data);
}
