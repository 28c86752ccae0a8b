// The main window's menus, tool bar, status line and surface layout.
#include "app/ui/MainWindow.h"

#include "editor/ui/EditingSurface.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// A command of the main window: the text key of its menu entry (or, for a
// tool button without one, of its hint), its icon, the key of its tool-button
// hint, and whether it works yet (the clipboard commands follow the
// selection). The item commands are here for every kind the image format
// has, in the menu's order; each stays disabled until its kind is in the
// kind list (items/ItemKindList.h), whose entry enables it and makes it
// place the kind's items.
struct Command {
    const char* key;
    const char* icon;
    const char* hintKey;
    QKeySequence::StandardKey shortcut;
    bool enabled;
};

constexpr auto NoKey = QKeySequence::UnknownKey;

// clang-format off
const Command Commands[] = {
    {"FileMenuNew", "new", "NewHint", QKeySequence::New, true},
    {"FileMenuLoad", "open", "LoadHint", QKeySequence::Open, false},
    {"FileMenuSave", "save", "SaveHint", QKeySequence::Save, false},
    {"FileMenuSaveAs", "saveas", "SaveAsHint", QKeySequence::SaveAs, false},
    {"FileMenuRenameFile", "", "", NoKey, false},
    {"FileMenuDefineMonthStrings", "", "", NoKey, false},
    {"FileMenuImageDescriptions", "", "", NoKey, false},
    {"FileMenuDownloadImage", "download", "DownloadHint", NoKey, false},
    {"FileMenuPrint", "print", "", QKeySequence::Print, false},
    {"FileMenuPrintPreview", "", "", NoKey, false},
    {"FileMenuPrintSetup", "", "", NoKey, false},
    {"FileMenuExport", "", "", NoKey, false},
    {"FileMenuExit", "exit", "", QKeySequence::Quit, true},
    {"EditMenuCut", "cut", "CutHint", QKeySequence::Cut, false},
    {"EditMenuCopy", "copy", "CopyHint", QKeySequence::Copy, false},
    {"EditMenuPaste", "paste", "PasteHint", QKeySequence::Paste, false},
    {"FormatMenuLeftJustify", "justleft", "LeftJustifyButtonHint", NoKey, true},
    {"FormatMenuCentreJustify", "justcentre", "CentreJustifyButtonHint", NoKey, true},
    {"FormatMenuRightJustify", "justright", "RightJustifyButtonHint", NoKey, true},
    {"FormatMenuTopJustify", "justtop", "TopJustifyButtonHint", NoKey, true},
    {"FormatMenuMiddleJustify", "justmiddle", "MiddleJustifyButtonHint", NoKey, true},
    {"FormatMenuBottomJustify", "justbottom", "BottomJustifyButtonHint", NoKey, true},
    {"ItemMenuSelectItem", "select", "SelectHint", NoKey, false},
    {"ItemMenuTextItem", "text", "TextHint", NoKey, false},
    {"ItemMenuDateItem", "date", "DateHint", NoKey, false},
    {"ItemMenuNumberItem", "number", "NumberHint", NoKey, false},
    {"ItemMenuTimeItem", "time", "TimeHint", NoKey, false},
    {"ItemMenuShiftCodeItem", "shiftcode", "ShiftCodeHint", NoKey, false},
    {"ItemMenuBarCodeItem", "barcode", "BarcodeHint", NoKey, false},
    {"ItemMenuGraphicItem", "graphic", "GraphicHint", NoKey, false},
    {"ItemMenuMultipleLineTextItem", "multilinetext", "MultiLineTextHint", NoKey, false},
    {"FieldHint", "field", "FieldHint", NoKey, false},
    {"DefineRestrictHint", "restrictdefine", "DefineRestrictHint", NoKey, true},
    {"DrawRestrictHint", "restrictdraw", "DrawRestrictHint", NoKey, false},
    {"OptionsMenuSerialPort", "", "", NoKey, false},
    {"OptionsMenuDisplayUnits", "", "", NoKey, true},
    {"OptionsMenuShiftTimes", "", "", NoKey, true},
    {"OptionsMenuHideToolBar", "", "", NoKey, true},
    {"OptionsMenuGrid", "grid", "", NoKey, true},
    {"OptionsMenuRulers", "rulers", "", NoKey, true},
    {"OptionsMenuLanguage", "", "", NoKey, true},
    {"ZoomMenuAutoSize", "preview", "", NoKey, true},
    {"ZoomMenuZoom50", "", "", NoKey, true},
    {"ZoomMenuZoom100", "", "", NoKey, true},
    {"ZoomMenuZoom150", "", "", NoKey, true},
    {"ZoomMenuZoom200", "", "", NoKey, true},
    {"ZoomInHint", "zoomin", "ZoomInHint", QKeySequence::ZoomIn, true},
    {"ZoomOutHint", "zoomout", "ZoomOutHint", QKeySequence::ZoomOut, true},
    {"InkCostButtonHint", "inkcost", "InkCostButtonHint", NoKey, false},
    {"HandView", "handheld", "", NoKey, false},
    {"HandErase", "", "", NoKey, false},
    {"HelpMenuAboutBox", "", "", NoKey, true},
};
// clang-format on

QStringList keys(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* k : list)
        result << QLatin1String(k);
    return result;
}

} // namespace

QAction* MainWindow::makeAction(const QString& key, const QString& icon, const QString& hintKey) {
    auto* a = new QAction(texts_.text(key), this);
    a->setObjectName(key);
    if (!icon.isEmpty())
        a->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    if (!hintKey.isEmpty()) {
        const QString hint = texts_.text(hintKey);
        a->setToolTip(MainWindowTexts::shortHint(hint));
        a->setStatusTip(MainWindowTexts::longHint(hint));
    }
    actions_.insert(key.toLower(), a);
    return a;
}

void MainWindow::createActions() {
    for (const Command& c : Commands) {
        QAction* a =
            makeAction(QLatin1String(c.key), QLatin1String(c.icon), QLatin1String(c.hintKey));
        if (c.shortcut != NoKey)
            a->setShortcut(c.shortcut);
        a->setEnabled(c.enabled);
    }
    // The field item is not offered to the user; its button stays hidden, as
    // do the area buttons of the standard layout.
    action(QStringLiteral("FieldHint"))->setVisible(false);
    action(QStringLiteral("DefineRestrictHint"))->setVisible(false);

    justifyGroup_ = new QActionGroup(this);
    justifyGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const QString& key :
         keys({"FormatMenuLeftJustify", "FormatMenuCentreJustify", "FormatMenuRightJustify",
               "FormatMenuTopJustify", "FormatMenuMiddleJustify", "FormatMenuBottomJustify"})) {
        action(key)->setCheckable(true);
        justifyGroup_->addAction(action(key));
    }
    action(QStringLiteral("OptionsMenuHideToolBar"))->setCheckable(true);
    action(QStringLiteral("OptionsMenuRulers"))->setCheckable(true);

    connect(action(QStringLiteral("FileMenuNew")), &QAction::triggered, this,
            &MainWindow::newImage);
    connect(action(QStringLiteral("FileMenuExit")), &QAction::triggered, this, &MainWindow::close);
    connect(action(QStringLiteral("OptionsMenuDisplayUnits")), &QAction::triggered, this,
            &MainWindow::chooseDisplayUnits);
    connect(action(QStringLiteral("OptionsMenuGrid")), &QAction::triggered, this,
            &MainWindow::chooseGrid);
    connect(action(QStringLiteral("OptionsMenuShiftTimes")), &QAction::triggered, this,
            &MainWindow::defineShiftTimes);
    connect(action(QStringLiteral("OptionsMenuLanguage")), &QAction::triggered, this,
            &MainWindow::chooseLanguage);
    connect(action(QStringLiteral("OptionsMenuHideToolBar")), &QAction::toggled, this,
            &MainWindow::showToolBar);
    connect(action(QStringLiteral("OptionsMenuRulers")), &QAction::toggled, this,
            &MainWindow::showRulers);
    connect(action(QStringLiteral("HelpMenuAboutBox")), &QAction::triggered, this,
            &MainWindow::about);
}

void MainWindow::addMenu(const QString& key, const QStringList& actionKeys) {
    QMenu* menu = menuBar()->addMenu(texts_.text(key));
    menu->setObjectName(key);
    for (const QString& k : actionKeys) {
        if (k.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(action(k));
    }
}

void MainWindow::createMenus() {
    addMenu(QStringLiteral("FileMenu"),
            keys({"FileMenuNew", "FileMenuLoad", "FileMenuSave", "FileMenuSaveAs", "",
                  "FileMenuRenameFile", "FileMenuDefineMonthStrings", "FileMenuImageDescriptions",
                  "", "FileMenuDownloadImage", "FileMenuPrint", "FileMenuPrintPreview",
                  "FileMenuPrintSetup", "FileMenuExport", "", "FileMenuExit"}));
    addMenu(QStringLiteral("EditMenu"), keys({"EditMenuUndo", "EditMenuRedo", "", "EditMenuCut",
                                              "EditMenuCopy", "EditMenuPaste"}));
    addMenu(QStringLiteral("FormatMenu"),
            keys({"FormatMenuLeftJustify", "FormatMenuCentreJustify", "FormatMenuRightJustify",
                  "FormatMenuTopJustify", "FormatMenuMiddleJustify", "FormatMenuBottomJustify"}));
    addMenu(QStringLiteral("ItemMenu"),
            keys({"ItemMenuSelectItem", "", "ItemMenuTextItem", "ItemMenuMultipleLineTextItem",
                  "ItemMenuDateItem", "ItemMenuNumberItem", "ItemMenuTimeItem",
                  "ItemMenuShiftCodeItem", "ItemMenuBarCodeItem", "ItemMenuGraphicItem"}));
    addMenu(QStringLiteral("OptionsMenu"),
            keys({"OptionsMenuSerialPort", "OptionsMenuDisplayUnits", "OptionsMenuShiftTimes", "",
                  "OptionsMenuHideToolBar", "OptionsMenuGrid", "OptionsMenuRulers", "",
                  "OptionsMenuLanguage"}));
    createZoomMenu();
    addMenu(QStringLiteral("Handheld"), keys({"HandView", "HandErase"}));
    addMenu(QStringLiteral("HelpMenu"), keys({"HelpMenuAboutBox"}));
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(20, 20));
    const QStringList buttons = keys({"FileMenuNew",
                                      "FileMenuLoad",
                                      "FileMenuSave",
                                      "FileMenuSaveAs",
                                      "",
                                      "EditMenuCut",
                                      "EditMenuCopy",
                                      "EditMenuPaste",
                                      "",
                                      "DefineRestrictHint",
                                      "ItemListHint",
                                      "DrawRestrictHint",
                                      "ItemMenuSelectItem",
                                      "ItemMenuTextItem",
                                      "ItemMenuMultipleLineTextItem",
                                      "ItemMenuDateItem",
                                      "ItemMenuNumberItem",
                                      "ItemMenuTimeItem",
                                      "ItemMenuShiftCodeItem",
                                      "ItemMenuBarCodeItem",
                                      "ItemMenuGraphicItem",
                                      "FieldHint",
                                      ""});
    for (const QString& k : buttons) {
        if (k.isEmpty())
            toolBar_->addSeparator();
        else
            toolBar_->addAction(action(k));
    }
    fontNameBox_ = new QComboBox(toolBar_);
    fontNameBox_->setObjectName(QStringLiteral("FontNameBox"));
    fontNameBox_->setMinimumContentsLength(12);
    fontNameBox_->setToolTip(texts_.text(QStringLiteral("FontNameHint")));
    fontSizeBox_ = new QComboBox(toolBar_);
    fontSizeBox_->setObjectName(QStringLiteral("FontSizeBox"));
    fontSizeBox_->setMinimumContentsLength(3);
    fontSizeBox_->setToolTip(texts_.text(QStringLiteral("FontSizeHint")));
    connect(fontNameBox_, &QComboBox::activated, this, &MainWindow::fontNameChosen);
    connect(fontSizeBox_, &QComboBox::activated, this, &MainWindow::fontSizeChosen);
    toolBar_->addWidget(fontNameBox_);
    toolBar_->addWidget(fontSizeBox_);
    toolBar_->addSeparator();
    toolBar_->addActions(justifyGroup_->actions());
    toolBar_->addSeparator();
    for (const QString& k :
         keys({"ZoomInHint", "ZoomOutHint", "FileMenuDownloadImage", "InkCostButtonHint"}))
        toolBar_->addAction(action(k));
    diagnosticLabel_ = new QLabel(toolBar_);
    diagnosticLabel_->setObjectName(QStringLiteral("DiagnosticLabel"));
    toolBar_->addWidget(diagnosticLabel_)->setVisible(false);
    diagnosticLabel_->setVisible(false);
    // The button that shows the tools a narrow window has no room for.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(texts_.text(QStringLiteral("ToolBarMoreHint")));
}

void MainWindow::createStatusLine() {
    const QStringList captions = {texts_.XPosPanel, texts_.YPosPanel, texts_.AreaPanel,
                                  texts_.DescriptionPanel};
    const int widths[] = {60, 60, 210, 50};
    statusBar()->setObjectName(QStringLiteral("StatusLine"));
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(captions[i] + QStringLiteral(": "), this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        statusBar()->addPermanentWidget(panel, i == 3 ? 1 : 0);
        statusPanels_[std::size_t(i)] = panel;
    }
    createViewPanels();
}

void MainWindow::createSurface(const IniFile* settings) {
    surface_ = new EditingSurface(context_, settings, this);
    surface_->editor().display().setCalendar(&calendar_);
    setCentralWidget(surface_);
}
