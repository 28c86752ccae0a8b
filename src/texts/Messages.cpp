#include "texts/Messages.h"

#include <array>

namespace {

#define MSG(name) TOLV_TEXT_ENTRY(Messages, name)

const std::array kLoaderOrder{
    MSG(LanguageChangeConfirm),
    MSG(FileNewConfirm),
    MSG(InvalidFileError),
    MSG(WrongObjectError),
    MSG(CommsTimeoutError1),
    MSG(CommsTimeoutError2),
    MSG(CommsTimeoutError3),
    MSG(BatteryTooLowError),
    MSG(NoFontMapFileError),
    MSG(NoFontMapsError),
    MSG(CloseConfirm),
    MSG(InvalidCommsPortNoError),
    MSG(DriveNotReadyError),
    MSG(InvalidDirectoryError),
    MSG(FileAlreadyExistsError),
    MSG(CouldNotOpenPortError),
    MSG(InvalidWeekNumberError),
    MSG(InvalidOffsetAmountError),
    MSG(OverwriteFileWarning),
    MSG(InvalidIntegerError),
    MSG(InvalidRestrictedAreaError),
    MSG(InvalidObjectPlacementError),
    MSG(InvalidChangeError),
    MSG(DeleteFileConfirm),
    MSG(OperationCancelled),
    MSG(MaxItemsExceededError1),
    MSG(MaxItemsExceededError2),
    MSG(MaxGraphicItemsExceededError1),
    MSG(MaxGraphicItemsExceededError2),
    MSG(CannotDownloadNoLabelDescription),
    MSG(NoLabelDescriptionWarning),
    MSG(InvalidFloatError),
    MSG(RestrictedAreaTooBigError),
    MSG(TextTooLongError),
    MSG(ImageTooBigError),
    MSG(NoShiftCodeDefined),
    MSG(DuplicateShiftError),
    MSG(DifferentShiftWithSameCodeError),
    MSG(InvalidTimeError),
    MSG(InvalidShiftcodeError),
    MSG(TooManyShiftsError),
    MSG(LoadBitmapError),
    MSG(LoadBitmapBitError),
    MSG(InvalidModuleWidthError),
    MSG(InvalidHeightError),
    MSG(InvalidBarcodeNumberError),
    MSG(InvalidModuleWidthRangeError),
    MSG(NonStandardBarcodeHeightWarning),
    MSG(ZeroTextItem),
    MSG(ZeroGraphicItem),
    MSG(EAN128chars),
    MSG(EAN128Width),
    MSG(DrawnWidthError),
    MSG(DrawnHeightError),
    MSG(CannotOpenImageFileError),
    MSG(NulCharacterError),
    MSG(BarcodeLengthError),
    MSG(BarcodeDigitsError),
    MSG(BarcodeCharactersError),
    MSG(BarcodeEmptyError),
    MSG(ExportWriteError),
    MSG(UnprintableItemError),
    MSG(CannotOpenFileError),
    MSG(PortMissingError),
    MSG(PortBusyError),
    MSG(PortPermissionError),
    MSG(PortSystemError),
};

#undef MSG

} // namespace

void Messages::load(const IniFile* settings) {
    loadTexts<Messages>(*this, kLoaderOrder, settings, Section);
}

std::vector<KeyedText> Messages::texts() const {
    return keyedTexts<Messages>(*this, kLoaderOrder);
}

std::vector<KeyedText> Messages::builtInTexts() {
    return Messages().texts();
}
