// The main window's handheld commands: download, the serial port, and the
// handheld's contents.
#include "app/ui/MainWindow.h"
#include "comms/CommsPort.h"
#include "comms/ui/DownloadCommands.h"
#include "comms/ui/SerialPortDialog.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/ImageEditor.h"
#include "editor/ui/EditingSurface.h"
#include "texts/SettingsFile.h"

#include <QAction>

void MainWindow::connectDownloadCommands(const IniFile* settings) {
    commsPortForm_ = new SerialPortDialog(settings, this);
    const auto connectEntry = [this](const char* key, void (MainWindow::*command)()) {
        QAction* entry = action(QLatin1String(key));
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, command);
    };
    connectEntry("FileMenuDownloadImage", &MainWindow::downloadImage);
    connectEntry("OptionsMenuSerialPort", &MainWindow::choosePort);
    connectEntry("HandView", &MainWindow::viewHandheld);
    connectEntry("HandErase", &MainWindow::eraseHandheld);
}

HandheldCommandContext MainWindow::handheldContext() {
    return {context_.prompter,           replyPacket_, context_.messages,
            commsPortForm_->commsPort(), this,         {}};
}

void MainWindow::downloadImage() {
    // The handheld's image is compiled from positions at full size.
    if (surface_->preview() || surface_->zoomLevel() != 1)
        surface_->applyZoomLevel(1);
    ImageEditor& editor = surface_->editor();
    editor.items().layOutAtFullSize(editor.display());
    DownloadImageContext image{context_.data,
                               editor.items(),
                               shifts_,
                               context_.fonts,
                               calendar_,
                               context_.kindNames,
                               settings_.downloadLimits(SettingsFile::open().get()),
                               {}};
    const auto model = std::size_t(context_.data.printers().selectedIndex());
    image.saveRequest.filter = settings_.FileTypeCaption.at(model) + QStringLiteral("|*.bin");
    image.saveRequest.initialDir = settings_.PrevSaveDir;
    image.saveRequest.dialogConfirmsOverwrite = true; // the program asks nothing more
    runDownload(handheldContext(), image);
    editor.refreshImage();
}

void MainWindow::choosePort() {
    commsPortForm_->execute(context_.prompter);
    showPort();
}

void MainWindow::viewHandheld() {
    ::viewHandheld(handheldContext());
}

void MainWindow::eraseHandheld() {
    ::eraseHandheld(handheldContext());
}
