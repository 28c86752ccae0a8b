// The main window's document commands: New, Open, Save, Save As, the image
// descriptions, the image's month strings and the label structure dialog.
#include "app/ui/MainWindow.h"

#include "document/AppContext.h"
#include "document/DataStore.h"
#include "document/ImageDocument.h"
#include "document/ImageFile.h"
#include "document/ui/ImageNamesDialog.h"
#include "document/ui/LabelStructureDialog.h"
#include "document/ui/MonthStringsDialog.h"
#include "editor/ui/EditingSurface.h"
#include "platform/Prompter.h"
#include "platform/TolvError.h"
#include "platform/Windows1252.h"
#include "printer/ui/FontBoxes.h"
#include "printer/ui/PrinterModelDialog.h"
#include "texts/Messages.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

#include <optional>

namespace {

QString shown(const std::string& bytes) {
    return Windows1252::decode(bytes);
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// The whole file is read before anything of the open image changes, so a
// bad file costs the user nothing but the message.
std::optional<ImageFileContents> readImageFile(const QString& path, const AppContext& context) {
    try {
        return ImageFile::read(path, context.registry, context.messages);
    } catch (const TolvError& e) {
        context.prompter.inform(QString::fromStdString(e.what()), Prompter::Icon::Stop);
        return std::nullopt;
    }
}

} // namespace

void MainWindow::connectFileCommands(const IniFile* settings) {
    namesFm_ = new ImageNamesDialog(settings, context_.messages, this);
    labelStructureForm_ =
        new LabelStructureDialog(settings, context_.messages, context_.kindNames, this);
    monthStringsForm_ = new MonthStringsDialog(settings, this);
    for (const char* key : {"FileMenuLoad", "FileMenuSave", "FileMenuSaveAs",
                            "FileMenuDefineMonthStrings", "FileMenuImageDescriptions"})
        action(QLatin1String(key))->setEnabled(true);
    connect(action(QStringLiteral("FileMenuLoad")), &QAction::triggered, this,
            &MainWindow::openImage);
    connect(action(QStringLiteral("FileMenuSave")), &QAction::triggered, this, [this] { save(); });
    connect(action(QStringLiteral("FileMenuSaveAs")), &QAction::triggered, this,
            [this] { saveAs(); });
    connect(action(QStringLiteral("FileMenuImageDescriptions")), &QAction::triggered, this,
            &MainWindow::editDescriptions);
    connect(action(QStringLiteral("FileMenuDefineMonthStrings")), &QAction::triggered, this,
            &MainWindow::defineMonthStrings);
    surface_->labelStructureDialog = [this] {
        return labelStructureForm_->execute(context_.prompter, surface_->editor().items());
    };
}

bool MainWindow::mayDropImage(const QString& question, bool (MainWindow::*save)()) {
    if (!modified())
        return true;
    const Prompter::Answer answer = context_.prompter.message(
        question, QString(), Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    // A save that does not happen (cancelled or failed) keeps the altered
    // image, so it is not lost.
    return answer == Prompter::Answer::No || (answer == Prompter::Answer::Yes && (this->*save)());
}

void MainWindow::newImage() {
    if (!mayDropImage(context_.messages.FileNewConfirm, &MainWindow::save))
        return;
    if (!selectPrinter_->execute(context_.prompter, context_.data.printers()))
        return;
    surface_->editor().newImage();
    resetForNewImage();
}

void MainWindow::resetForNewImage() {
    DataStore& data = context_.data;
    applyModel();
    fillFontCombos(context_.fonts, *fontNameBox_, *fontSizeBox_, -1);
    surface_->imageReset();
    data.setShortName({});
    data.setLongName({});
    showDescription();
    fileName_.clear();
    showCaption();
    data.resetMonthLanguage();
}

void MainWindow::openImage() {
    // Cancel ends the command here, as it does for New.
    if (!mayDropImage(context_.messages.FileNewConfirm, &MainWindow::save))
        return;
    Prompter::FileRequest request;
    request.filter = settings_.openDialogFilter();
    request.filterIndex = context_.data.printers().selectedIndex(); // the model's own entry
    request.initialDir = settings_.PrevLogDir;
    const Prompter::FileAnswer answer = context_.prompter.openFile(request);
    if (!answer.accepted)
        return;
    // The settings file keeps the entry counted from 1.
    settings_.FileType = answer.filterIndex + 1;
    surface_->editor().select(nullptr);
    if (!QFileInfo::exists(answer.fileName) || !mayDiscardImage())
        return;
    loadImage(answer.fileName);
}

void MainWindow::openNamedImage(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(u'-'))
            continue;
        loadImage(QFileInfo(arguments[i]).absoluteFilePath());
        return;
    }
}

bool MainWindow::mayDiscardImage() {
    while (modified()) {
        switch (context_.prompter.message(context_.messages.FileNewConfirm, QString(),
                                          Prompter::Icon::Exclamation,
                                          Prompter::Buttons::YesNoCancel)) {
        case Prompter::Answer::Yes:
            saveAs();
            break;
        case Prompter::Answer::No:
            return true;
        default:
            return false;
        }
    }
    return true;
}

bool MainWindow::loadImage(const QString& path, const std::function<bool()>& mayReplace) {
    std::optional<ImageFileContents> contents = readImageFile(path, context_);
    if (!contents || (mayReplace && !mayReplace()))
        return false;
    ImageEditor& editor = surface_->editor();
    ItemList loaded;
    ImageDocument::applyLoadedImage(*contents, context_.data, shifts_, loaded, editor.display());
    // The display keeps what the file set up: its model, its length and its
    // restricted area.
    editor.replaceImage(loaded);
    showLoadedImage(path);
    return true;
}

void MainWindow::showLoadedImage(const QString& path) {
    applyModel();
    fillFontCombos(context_.fonts, *fontNameBox_, *fontSizeBox_, -1);
    surface_->imageReset();
    showDescription();
    setModified(false);
    fileName_ = path;
    showCaption();
    settings_.PrevLogDir = folderOf(path);
    rememberFile(path);
}

bool MainWindow::save() {
    return saveUnder(fileName_);
}

bool MainWindow::saveAs() {
    return saveUnder(QString());
}

bool MainWindow::saveUnder(const QString& proposal) {
    DataStore& data = context_.data;
    Prompter& prompter = context_.prompter;
    if (!namesFm_->confirmNames(prompter, data))
        return false;
    showDescription();
    const auto model = std::size_t(data.printers().selectedIndex());
    const QString& extension = settings_.FileExtension.at(model);
    Prompter::FileRequest request;
    request.filter = settings_.FileTypeCaption.at(model) + QStringLiteral("|*") + extension;
    request.initialDir = settings_.PrevSaveDir;
    request.fileName = proposal;
    if (data.monthStrings().empty() || data.monthLanguageName().empty())
        data.resetMonthLanguage();
    const QString path =
        ImageDocument::askSaveFileName(prompter, request, extension, context_.messages);
    if (path.isEmpty() || !writeImage(path))
        return false;
    setModified(false);
    fileName_ = path;
    showCaption();
    settings_.PrevSaveDir = folderOf(path);
    rememberFile(path);
    return true;
}

bool MainWindow::writeImage(const QString& path) {
    ImageEditor& editor = surface_->editor();
    // The file keeps the restricted area; opening it again brings the area
    // back, on an image that reaches to the area's right edge.
    const DotRect area = editor.display().areaRect();
    try {
        ImageFile::write(path, ImageDocument::headerForSave(context_.data, area, shifts_),
                         editor.items(), context_.registry);
        return true;
    } catch (const TolvError& e) {
        context_.prompter.inform(QString::fromStdString(e.what()), Prompter::Icon::Stop);
        return false;
    }
}

void MainWindow::editDescriptions() {
    if (!namesFm_->execute(context_.prompter, context_.data))
        return;
    showDescription();
    setModified(true);
}

// The month strings are saved with the image, so a change alters it; date
// items that print them show the new ones at once.
void MainWindow::defineMonthStrings() {
    if (!monthStringsForm_->execute(context_.prompter, context_.data))
        return;
    setModified(true);
    surface_->editor().refreshImage();
}

void MainWindow::showDescription() {
    const DataStore& data = context_.data;
    statusPanels_[3]->setText(texts_.DescriptionPanel + QStringLiteral(": ") +
                              shown(data.shortName()) + u'[' + shown(data.longName()) + u']');
}

void MainWindow::showCaption() {
    setWindowTitle(caption());
}
