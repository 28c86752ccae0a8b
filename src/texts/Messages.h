#pragma once

#include "texts/TextTable.h"

#include <QString>

#include <vector>

class IniFile;

// The message table: every text shown in a message box, keyed in section
// "Errors" of the settings file. Each member starts with its built-in English
// text; load() replaces it by the chosen language's text. The table is read
// once at start-up, before any window exists, and stays fixed for the run;
// start-up hands it to whatever shows a message.
class Messages {
public:
    static inline const QString Section = QStringLiteral("Errors");

    // Messages without a key: always their built-in text.
    static inline const QString InvalidArabicDateError =
        QStringLiteral("Error - Invalid Arabic Date");
    static inline const QString NoItemsDefinedError =
        QStringLiteral("No Items Defined - Cannot Download");
    static inline const QString GraphicCompressionMemoryError =
        QStringLiteral("Out Of Memory for Graphic Compression");

    // The table, in loader order.
    QString LanguageChangeConfirm = QStringLiteral("Language Change, Tolvane will exit, Confirm?");
    QString FileNewConfirm = QStringLiteral("Image altered, save?");
    QString InvalidFileError = QStringLiteral("Not a Tolvane image file");
    QString WrongObjectError = QStringLiteral("Error - attempt to add wrong object to image list");
    QString CommsTimeoutError1 = QStringLiteral("Serial link to handheld broken. ");
    QString CommsTimeoutError2 = QStringLiteral("Check correct port is in use and ");
    QString CommsTimeoutError3 = QStringLiteral("that serial cable is connected.");
    QString BatteryTooLowError = QStringLiteral("Handheld battery too low");
    QString NoFontMapFileError = QStringLiteral("Error - no font map file.");
    QString NoFontMapsError = QStringLiteral("Error - no font maps in file.");
    QString CloseConfirm = FileNewConfirm;
    QString InvalidCommsPortNoError = QStringLiteral("Invalid communications port number");
    QString DriveNotReadyError = QStringLiteral("Error - drive not ready");
    QString InvalidDirectoryError = QStringLiteral("Error - invalid directory");
    QString FileAlreadyExistsError = QStringLiteral("File already exists");
    QString CouldNotOpenPortError = QStringLiteral("Could not open communications port");
    QString InvalidWeekNumberError = QStringLiteral("Error - Invalid week number");
    QString InvalidOffsetAmountError = QStringLiteral("Error - Invalid offset amount");
    QString OverwriteFileWarning = QStringLiteral("File already exists - overwrite?");
    QString InvalidIntegerError = QStringLiteral("Error - invalid integer");
    QString InvalidRestrictedAreaError =
        QStringLiteral("Error - there would be objects outside the area.");
    QString InvalidObjectPlacementError = QStringLiteral("Error - cannot place object here.");
    QString InvalidChangeError = QStringLiteral("Error - change would place object outside area.");
    QString DeleteFileConfirm = QStringLiteral("Delete file?");
    QString OperationCancelled = QStringLiteral("Operation cancelled.");
    QString MaxItemsExceededError1 = QStringLiteral("Error - no more than");
    QString MaxItemsExceededError2 = QStringLiteral("items allowed per label");
    QString MaxGraphicItemsExceededError1 = QStringLiteral("Error - no more than");
    QString MaxGraphicItemsExceededError2 = QStringLiteral("graphic items allowed per label");
    QString CannotDownloadNoLabelDescription =
        QStringLiteral("No Label Description - Cannot Download");
    QString NoLabelDescriptionWarning = QStringLiteral("Label has no description - define one?");
    QString InvalidFloatError = QStringLiteral("Error - invalid floating point number");
    QString RestrictedAreaTooBigError = QStringLiteral("Error - restricted area too large");
    QString TextTooLongError = QStringLiteral("Error - text too long");
    QString ImageTooBigError = QStringLiteral("Error - image too large for the handheld");
    QString NoShiftCodeDefined = QStringLiteral("Shift Codes Must Be Defined");
    QString DuplicateShiftError =
        QStringLiteral("Error - a shift already exists with these settings.");
    QString DifferentShiftWithSameCodeError =
        QStringLiteral("Error - this shift code already in use.");
    QString InvalidTimeError = QStringLiteral("Error - invalid time value.");
    QString InvalidShiftcodeError = QStringLiteral("Error - invalid shift code.");
    QString TooManyShiftsError = QStringLiteral("Error - too many shifts. (Max. 25)");
    QString LoadBitmapError = QStringLiteral("Error - not a .bmp file");
    QString LoadBitmapBitError = QStringLiteral("Error - Colour Graphics Are Not Supported");
    QString InvalidModuleWidthError = QStringLiteral("Invalid module width value");
    QString InvalidHeightError = QStringLiteral("Invalid barcode height value");
    QString InvalidBarcodeNumberError = QStringLiteral("Invalid Barcode number value");
    QString InvalidModuleWidthRangeError = QStringLiteral("Invalid module width range");
    QString NonStandardBarcodeHeightWarning =
        QStringLiteral("Non standard barcode height. Contine?");
    QString ZeroTextItem = QStringLiteral("Cannot create null text item");
    QString ZeroGraphicItem = QStringLiteral("Cannot create null graphic item");
    QString EAN128chars = QStringLiteral("Too many encoded characters");
    QString EAN128Width = QStringLiteral("The barcode is wider than permitted");
    QString DrawnWidthError = QStringLiteral("Too wide");
    QString DrawnHeightError = QStringLiteral("Too tall");
    // %1 is the file's name; the reason follows after a colon.
    QString CannotOpenImageFileError = QStringLiteral("Cannot open image file %1");
    // %1: the file's name, %2: the reason.
    QString ExportWriteError = QStringLiteral("Cannot write %1: %2");
    // %1: the item's number, %2: its kind.
    QString NulCharacterError =
        QStringLiteral("Error - item %1 (%2) holds a NUL character - Cannot Download");
    // Why a barcode value cannot be printed. %1: the number of digits wanted.
    QString BarcodeLengthError = QStringLiteral("The value must have exactly %1 digits");
    // %1: the characters that are no digit.
    QString BarcodeDigitsError = QStringLiteral("Only digits can be encoded, not %1");
    // %1: the characters the symbology has no code for.
    QString BarcodeCharactersError = QStringLiteral("These characters cannot be encoded: %1");
    QString BarcodeEmptyError = QStringLiteral("Enter a value to encode");
    // %1: the item's number, %2: its kind; why its value cannot be printed
    // follows after a colon.
    QString UnprintableItemError = QStringLiteral(
        "Error - item %1 (%2) holds a barcode value that cannot be printed - Cannot Download");
    // %1: the file's name.
    QString CannotOpenFileError = QStringLiteral("Cannot open file %1");
    // Why a serial device would not open; %1: the device.
    QString PortMissingError =
        QStringLiteral("The device %1 does not exist. Check that the cable or adapter is plugged "
                       "in, or choose another device under Options, Serial Port.");
    QString PortBusyError = QStringLiteral(
        "The device %1 is in use by another program. Close that program and try again.");
    QString PortPermissionError = QStringLiteral(
        "You have no permission to use the device %1. Add your user to the dialout group "
        "(sudo usermod -aG dialout $USER), then log out and in again.");
    // %1: the device, %2: the system's words.
    QString PortSystemError = QStringLiteral("The device %1 cannot be used: %2");

    // Reads every key in loader order, each with the current text as default;
    // nothing happens for a null (absent) settings file.
    void load(const IniFile* settings);

    // The current texts with their keys, in loader order.
    std::vector<KeyedText> texts() const;
    // The built-in texts with their keys, in loader order.
    static std::vector<KeyedText> builtInTexts();
};
