#pragma once

#include "comms/DownloadCompiler.h"
#include "comms/SerialLink.h"
#include "platform/Prompter.h"

class ItemCalendar;
class ItemList;
class ItemTypeNames;
class Messages;
class Packet;
class QWidget;
class ShiftTable;
class FontSet;
class HandheldContentsDialog;
class DataStore;

// What the handheld commands of the main window need of it.
struct HandheldCommandContext {
    Prompter& prompter;
    Packet& replyPacket; // the program's reply packet
    const Messages& messages;
    int commsPort = 0; // the port dialog's choice, 0..3
    QWidget* parent = nullptr;
    LinkTimeouts timeouts{};
};

// The open image as the download takes it.
struct DownloadImageContext {
    DataStore& data; // names, month strings, selected model, diagnostic mode
    const ItemList& items;
    const ShiftTable& shifts;
    const FontSet& fonts;
    const ItemCalendar& calendar;   // the moment of the download
    const ItemTypeNames& kindNames; // names an item a refusal is about
    DownloadLimits limits;          // made by the caller from its settings
    // The save dialog offered in diagnostic mode.
    Prompter::FileRequest saveRequest{};
};

// File > Download Image: checks and compiles the open image (each refusal
// is a message), offers in diagnostic mode to save the compiled bytes to a
// file instead, and otherwise runs the download dialog on the chosen port.
// The caller shows the image at 100 % before and redraws it after.
void runDownload(const HandheldCommandContext& handheld, const DownloadImageContext& image);

// Handheld > View: lists the stored images in a dialog that stays open
// after the command returns and deletes itself when closed. Null when the
// port did not open.
HandheldContentsDialog* viewHandheld(const HandheldCommandContext& handheld);

// Handheld > Erase: the erase page of the download dialog, modally.
void eraseHandheld(const HandheldCommandContext& handheld);
