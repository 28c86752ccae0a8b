#include "comms/DownloadCompiler.h"

#include "document/ItemList.h"
#include "document/ShiftTable.h"
#include "platform/AtomicFile.h"
#include "platform/IniFile.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <vector>

namespace {

constexpr std::uint8_t ShiftCodeTypeCode = 0x10;

// Appends to a buffer only what fits, and remembers when something did not.
class CheckedAppender {
public:
    explicit CheckedAppender(DownloadBuffer& buffer) : buffer_(buffer) {}

    void append(const std::uint8_t* bytes, std::int32_t count) {
        if (!fits_ || count > IdlCapacity - buffer_.Size) {
            fits_ = false;
            return;
        }
        buffer_.appendBytes(bytes, count);
    }
    void append(const std::string& bytes) {
        if (bytes.size() > std::size_t(IdlCapacity)) {
            fits_ = false;
            return;
        }
        append(reinterpret_cast<const std::uint8_t*>(bytes.data()), std::int32_t(bytes.size()));
    }
    void append(const std::vector<std::uint8_t>& bytes) {
        append(bytes.data(), std::int32_t(bytes.size()));
    }
    void append(const DownloadBuffer& other) { append(other.Bytes.data(), other.Size); }
    bool fits() const { return fits_; }

private:
    DownloadBuffer& buffer_;
    bool fits_ = true;
};

std::string withTerminator(const std::string& text) {
    return text + '\0';
}

// The first shift code item decides whether the table goes with the image.
std::vector<std::uint8_t> shiftBlock(const DownloadSource& source) {
    for (std::int32_t i = 1; i <= source.Items.count(); ++i)
        if (source.Items.at(i)->getTypeCode() == ShiftCodeTypeCode)
            return source.Shifts.compiledBlock();
    return {0};
}

// Each record is compiled on its own first, so that one that would not fit
// is never appended in part.
bool appendItems(const DownloadSource& source, CheckedAppender& image) {
    const CompileContext context{source.Fonts, source.ModelIndex, source.Calendar};
    auto items = std::make_unique<DownloadBuffer>();
    auto record = std::make_unique<DownloadBuffer>();
    CheckedAppender itemBuffer(*items);
    for (std::int32_t i = 1; i <= source.Items.count() && itemBuffer.fits(); ++i) {
        record->clear();
        try {
            source.Items.at(i)->compile(*record, context);
        } catch (const TolvError&) {
            return false; // a record larger than the whole buffer
        }
        itemBuffer.append(*record);
    }
    if (!itemBuffer.fits())
        return false;
    image.append(*items);
    return image.fits();
}

} // namespace

namespace DownloadCompiler {

std::string shortNameBlock(const std::string& shortName, int length) {
    std::string block = shortName.substr(0, std::size_t(std::max(length, 0)));
    block.resize(std::size_t(std::max(length, 0)), ' ');
    return withTerminator(block);
}

Result compile(const DownloadSource& source, const DownloadLimits& limits) {
    if (source.ShortName.empty() || source.LongName.empty())
        return {Refusal::NoLabelDescription, nullptr};
    if (source.Items.count() == 0)
        return {Refusal::NoItems, nullptr};
    for (std::int32_t i = 1; i <= source.Items.count(); ++i) {
        ImageItem& item = *source.Items.at(i);
        item.prepareDownload();
        if (item.holdsFieldEnd())
            return {Refusal::FieldEnd, nullptr, i};
        if (item.holdsInvalidInteger())
            return {Refusal::InvalidInteger, nullptr, i};
        if (item.holdsUnprintableValue())
            return {Refusal::Unprintable, nullptr, i};
    }
    if (std::size_t(limits.ShortNameLength) > std::size_t(IdlCapacity))
        return {Refusal::TooBig, nullptr};
    auto image = std::make_unique<DownloadBuffer>();
    CheckedAppender out(*image);
    out.append(shortNameBlock(source.ShortName, limits.ShortNameLength));
    out.append(withTerminator(source.LongName));
    out.append(std::vector<std::uint8_t>{std::uint8_t(source.Items.count() & 0xFF)});
    out.append(withTerminator(source.MonthStrings));
    out.append(shiftBlock(source));
    if (!out.fits() || !appendItems(source, out) ||
        std::uint32_t(image->Size) >= limits.HandheldMaxSize)
        return {Refusal::TooBig, nullptr};
    return {Refusal::None, std::move(image)};
}

QString messageFor(Refusal refusal, const Messages& messages) {
    switch (refusal) {
    case Refusal::NoLabelDescription:
        return messages.CannotDownloadNoLabelDescription;
    case Refusal::NoItems:
        return Messages::NoItemsDefinedError;
    case Refusal::TooBig:
        return messages.ImageTooBigError;
    case Refusal::FieldEnd:
        return messages.NulCharacterError;
    case Refusal::InvalidInteger:
        return messages.InvalidIntegerError;
    case Refusal::Unprintable:
        return messages.UnprintableItemError;
    case Refusal::None:
        break;
    }
    return {};
}

QString messageFor(const Result& result, const ItemList& items, const Messages& messages,
                   const ItemTypeNames& kindNames) {
    const QString text = messageFor(result.refusal, messages);
    const ImageItem* item = items.at(result.item);
    const QString kind = item ? item->getKindName(kindNames) : QString();
    switch (result.refusal) {
    case Refusal::FieldEnd:
        return text.arg(result.item).arg(kind);
    case Refusal::InvalidInteger:
        // The message has no place for the item; it follows the message.
        return QStringLiteral("%1: %2 (%3)").arg(text).arg(result.item).arg(kind);
    case Refusal::Unprintable:
        return text.arg(result.item).arg(kind) + QStringLiteral(": ") +
               (item ? item->unprintableValueProblem(messages) : QString());
    default:
        return text;
    }
}

bool saveWholeArray(const DownloadBuffer& image, const QString& path, QString* error) {
    const auto* bytes = reinterpret_cast<const char*>(image.Bytes.data());
    return AtomicFile::write(path, QByteArrayView(bytes, IdlArraySize), error);
}

} // namespace DownloadCompiler
