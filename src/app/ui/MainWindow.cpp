#include "app/ui/MainWindow.h"

#include "app/ui/GridDialog.h"
#include "app/ui/LanguageDialog.h"
#include "app/ui/UnitsDialog.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "document/ui/ShiftTimesDialog.h"
#include "editor/ui/EditingSurface.h"
#include "editor/ui/ItemPropertyDialogs.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/Version.h"
#include "platform/ui/AccessibleNames.h"
#include "platform/ui/WindowPlacement.h"
#include "printer/FontSet.h"
#include "printer/ui/FontBoxes.h"
#include "printer/ui/PrinterModelDialog.h"
#include "texts/LanguageFiles.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context),
      calendar_(context.clock, context.data.monthLanguages(), context.data.monthStrings(),
                shifts_) {
    Q_INIT_RESOURCE(icons); // the icons live in a static library
    setObjectName(MainWindowTexts::Section);
    setWindowIcon(QIcon(QStringLiteral(":/icons/tolvane.svg")));
    lastRefresh_ = context_.clock.now();

    const std::unique_ptr<IniFile> ini = SettingsFile::open(&context_.prompter);
    texts_.load(ini.get());
    createActions();
    createEditActions(ini.get());
    createMenus();
    createToolBar();
    createStatusLine();
    createSurface(ini.get());
    readSettings(ini.get());

    selectPrinter_ = new PrinterModelDialog(ini.get(), this);
    gridForm_ = new GridDialog(ini.get(), this);
    langForm_ = new LanguageDialog(this);
    shiftTimesForm_ = new ShiftTimesDialog(ini.get(), context_.messages, this);
    connectFileCommands(ini.get());
    connectDownloadCommands(ini.get());
    connectOfficeCommands(ini.get());
    context_.data.showDiagnosticLabel = [this] { diagnosticLabel_->setVisible(true); };

    minuteTimer_ = new QTimer(this);
    minuteTimer_->setInterval(1000);
    connect(minuteTimer_, &QTimer::timeout, this, &MainWindow::minuteTick);
    minuteTimer_->start();
    connectEditing();
    createKeyCommands(ini.get());
    createRecentFiles(ini.get());
    giveAccessKeys();
    AccessibleNames::complete(*this);
}

MainWindow::~MainWindow() {
    context_.data.showDiagnosticLabel = nullptr;
    // The image goes with the editing surface, after this window's own part
    // is gone; what it announces then is for nobody.
    surface_->editor().disconnect(this);
    surface_->editor().undoStack().disconnect(this);
    surface_->editor().display().setCalendar(nullptr);
}

void MainWindow::readSettings(const IniFile* settings) {
    settings_.read(settings);
    placeWindow(settings && settings->hasKey(objectName(), QStringLiteral("Width")));
    action(QStringLiteral("OptionsMenuHideToolBar"))->setChecked(settings_.HideToolBar);
    action(QStringLiteral("OptionsMenuRulers"))->setChecked(settings_.Rulers);
    showToolBar(settings_.HideToolBar);
    showRulers(settings_.Rulers);
    surface_->setItemLimits({settings_.MaxItems, settings_.MaxGraphicItems});
}

void MainWindow::placeWindow(bool sizeStored) {
    const QScreen* screen = QGuiApplication::screenAt({settings_.Left, settings_.Top});
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    if (available.isEmpty()) {
        move(settings_.Left, settings_.Top);
        resize(settings_.Width, settings_.Height);
        return;
    }
    // The window manager's frame is not known before the window is first
    // shown; the style's title bar and a thin border stand in for it.
    const int border = 4;
    const QSize frame(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    QRect outer(QPoint(settings_.Left, settings_.Top), size() + frame);
    // A maximised window is maximised when shown; the stored place and size
    // are where it goes back to.
    if (sizeStored) {
        outer.setSize(QSize(settings_.Width, settings_.Height) + frame);
    } else if (!settings_.Maximised) {
        // A first start: the whole tool bar, font boxes included, on most
        // of the screen, in its middle.
        outer.setSize({std::max(toolBar_->sizeHint().width(), available.width() * 3 / 4),
                       std::max(settings_.Height, available.height() * 3 / 4)});
        outer.moveCenter(available.center());
    }
    outer = keptWithin(outer, available);
    move(outer.topLeft());
    resize(outer.size() - frame);
}

void MainWindow::writeSettings() {
    settings_.Maximised = isMaximized();
    // A maximised window keeps the place it goes back to, not the screen's
    // corner: the frame's corner, as pos() gives it for a normal window.
    const QPoint place =
        settings_.Maximised ? normalGeometry().topLeft() - (geometry().topLeft() - pos()) : pos();
    settings_.Left = place.x();
    settings_.Top = place.y();
    if (!settings_.Maximised) {
        settings_.Width = width();
        settings_.Height = height();
    }
    settings_.HideToolBar = action(QStringLiteral("OptionsMenuHideToolBar"))->isChecked();
    settings_.Rulers = action(QStringLiteral("OptionsMenuRulers"))->isChecked();
    if (const std::unique_ptr<IniFile> ini = SettingsFile::open(&context_.prompter)) {
        settings_.write(*ini, context_.data.printers().selectedIndex());
        recent_.write(*ini);
    }
}

QAction* MainWindow::action(const QString& key) const {
    return actions_.value(key.toLower());
}

void MainWindow::minuteTick() {
    const QDateTime now = context_.clock.now();
    diagnosticLabel_->setText(QString::number(now.time().msec()));
    if (now.time().minute() == lastRefresh_.time().minute())
        return;
    lastRefresh_ = now;
    surface_->editor().refreshItems();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    applyModel();
    showCaption();
    fillFontCombos(context_.fonts, *fontNameBox_, *fontSizeBox_, -1);
    if (settings_.Maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    writeSettings();
    if (!imageReleased_ && !mayDropImage(context_.messages.CloseConfirm)) {
        event->ignore();
        return;
    }
    minuteTimer_->stop();
    event->accept();
}

void MainWindow::applyModel() {
    const PrinterModels& printers = context_.data.printers();
    const bool vertical = printers.just() == 1;
    const QStringList horizontalKeys = {QStringLiteral("FormatMenuLeftJustify"),
                                        QStringLiteral("FormatMenuCentreJustify"),
                                        QStringLiteral("FormatMenuRightJustify")};
    const QStringList verticalKeys = {QStringLiteral("FormatMenuTopJustify"),
                                      QStringLiteral("FormatMenuMiddleJustify"),
                                      QStringLiteral("FormatMenuBottomJustify")};
    for (const QString& key : horizontalKeys)
        action(key)->setVisible(!vertical);
    for (const QString& key : verticalKeys)
        action(key)->setVisible(vertical);
    const int model = printers.selectedIndex();
    action(QStringLiteral("InkCostButtonHint"))->setVisible(model == 1 || model == 2);
    surface_->propertyForms().setJustificationCaptions(justificationCaptions());
    showModel();
}

void MainWindow::fontNameChosen() {
    fillSizeCombo(context_.fonts, *fontNameBox_, *fontSizeBox_);
    fontSizeChosen();
}

void MainWindow::fontSizeChosen() {
    context_.fonts.selectFont(fontNameBox_->currentText(), fontSizeBox_->currentText());
    surface_->editor().setFontNumber(context_.fonts.currentFontNumber());
    showSelection(); // also when the item refused the change
}

void MainWindow::showRulers(bool shown) {
    surface_->showRulers(shown);
}

void MainWindow::showToolBar(bool hidden) {
    toolBar_->setVisible(!hidden);
}

void MainWindow::chooseDisplayUnits() {
    UnitsDialog::execute(context_.prompter, context_.data, this);
    surface_->viewSettingsChanged();
}

void MainWindow::chooseGrid() {
    gridForm_->execute(context_.prompter, context_.data);
    surface_->viewSettingsChanged();
}

void MainWindow::chooseLanguage() {
    // The altered image is offered for saving before the settings file
    // changes, so that Cancel leaves the file and the running program alone.
    const auto mayClose = [this] { return mayDropImage(context_.messages.CloseConfirm); };
    if (!LanguageFiles::changeLanguage(*langForm_, context_.prompter, context_.messages, mayClose))
        return;
    imageReleased_ = true;
    close();
}

// The table is saved with the image, so a change alters the image; shift
// code items show the shift of the new table at once.
void MainWindow::defineShiftTimes() {
    const ShiftTable before = shifts_;
    if (!shiftTimesForm_->execute(context_.prompter, shifts_) || shifts_ == before)
        return;
    setModified(true);
    surface_->editor().refreshItems();
}

void MainWindow::about() {
    context_.prompter.message(
        QStringLiteral("Tolvane %1\nDesigner of images for handheld ink-jet coders.")
            .arg(QStringLiteral(TOLVANE_VERSION)),
        MainWindowTexts::Title, Prompter::Icon::Information, Prompter::Buttons::Ok);
}
