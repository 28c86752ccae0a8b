#pragma once

#include "app/MainSettings.h"
#include "app/RecentFiles.h"
#include "comms/Packet.h"
#include "document/ImageCalendar.h"
#include "document/ShiftTable.h"
#include "texts/MainWindowTexts.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

struct AppContext;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class LanguageDialog;
class GridDialog;
class EditingSurface;
class PrinterModelDialog;
class SerialPortDialog;
struct HandheldCommandContext;
class ImageNamesDialog;
class LabelStructureDialog;
class ShiftTimesDialog;
class MonthStringsDialog;
class IniFile;
class InkCostDialog;
class PrinterSetupDialog;
class QPrinter;
struct OfficeCommandContext;

// The main window, settings section "MainForm": menus, tool bar, status line
// and the editing surface of the open image. It reads its settings when it is
// made and writes them back when it closes.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    const QString& fileName() const { return fileName_; }
    // The image differs from its file. False also takes the current point of
    // the undo history as the saved one.
    bool modified() const;
    void setModified(bool modified);
    const MainSettings& settings() const { return settings_; }
    const MainWindowTexts& texts() const { return texts_; }
    double zoomX() const;
    double zoomY() const;
    // The image being edited, its picture and the editor states.
    EditingSurface& surface() const { return *surface_; }
    // The shift table of the open image: Open loads it and Save writes it;
    // a new image keeps it, as it belongs to the program, not to one file.
    ShiftTable& shiftTable() { return shifts_; }
    const ShiftTable& shiftTable() const { return shifts_; }

    // The start-up reads of the main window; the exit writes (nothing when
    // the settings file does not exist).
    void readSettings(const IniFile* settings);
    void writeSettings();

    // The window caption: the image file's name (without its folder), or
    // "Untitled" for an image never saved, the modified marker, and the
    // program's name.
    QString caption() const;

    // The action of a menu entry or tool button, by its text key (for
    // example "FileMenuNew" or "ZoomInHint"); null for an unknown key.
    QAction* action(const QString& key) const;

    // Runs once a second: refreshes the items when the minute has changed.
    void minuteTick();

    // The image files opened or saved last, newest first.
    const RecentFiles& recentFiles() const { return recent_; }

    // Opens the image file named on the command line (the arguments as the
    // program got them, its own name first), if any. A file that cannot be
    // read is reported and the new image stays.
    void openNamedImage(const QStringList& arguments);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // An image file dropped on the window opens, as from the recent files.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusLine();
    void createSurface(const IniFile* settings);
    // The stored place and size, kept on the screen; a first start (no
    // stored size) opens large enough for the whole tool bar.
    void placeWindow(bool sizeStored);
    // MainForm_Edit.cpp: the editing commands and what follows the editor.
    void createEditActions(const IniFile* settings);
    void connectEditing();
    void connectClipboard(); // with undo and redo
    void connectFormat();    // nudges, justification, fonts
    void connectSurface();   // area dialogs, status line, minute timer
    void connectItemStates();
    void showSelection();
    void justificationChosen(int justification, bool down);
    void showJustification(int justification);
    QStringList justificationCaptions() const;
    // An action captioned by the text of key, with an icon of the resource and
    // the short and long hint of hintKey's text (when given).
    QAction* makeAction(const QString& key, const QString& icon = {}, const QString& hintKey = {});
    void addMenu(const QString& key, const QStringList& actionKeys);
    void applyModel();
    void showRulers(bool shown);
    // The tool bar's font boxes: the user picked a name or a size.
    void fontNameChosen();
    void fontSizeChosen();
    void showToolBar(bool hidden);

    // Commands.
    void chooseDisplayUnits();
    void chooseGrid();
    void chooseLanguage();
    // The shift times dialog over the open image's shift table.
    void defineShiftTimes();
    void about();

    // MainWindow_View.cpp: the Zoom menu, the status line's panels for the
    // zoom, the printer model and the serial port, and the caption.
    void createZoomMenu();
    void createViewPanels();
    void connectView();
    void showZoom(int level, bool preview);
    void showModel();
    void showPort();

    // MainForm_File.cpp: the document commands (New, Open, Save, Save As,
    // Image Descriptions) and the label structure dialog.
    void connectFileCommands(const IniFile* settings);

    // Download and the handheld (MainForm_Download.cpp).
    void connectDownloadCommands(const IniFile* settings);
    HandheldCommandContext handheldContext();
    void downloadImage();
    void choosePort();
    void viewHandheld();
    void eraseHandheld();

    // Printing, export and the ink cost (MainWindow_Office.cpp).
    void connectOfficeCommands(const IniFile* settings);
    OfficeCommandContext officeContext();
    QPrinter& printer();
    void printImage();
    void previewPrint();
    void setUpPrinter();
    void exportImage();
    void showInkCost();

    void newImage();
    void resetForNewImage();
    void openImage();
    // After the open dialog: while the image is still altered, asks again
    // (Yes saves under a new name); false when the user cancelled.
    bool mayDiscardImage();
    // Reads the file, then (when given) asks whether it may replace the open
    // image; false when it did not.
    bool loadImage(const QString& path, const std::function<bool()>& mayReplace = {});
    void showLoadedImage(const QString& path);
    // Save proposes the current file name, Save As none; both show the save
    // dialog and answer true only when the file was written.
    bool save();
    bool saveAs();
    bool saveUnder(const QString& proposal);
    bool writeImage(const QString& path);
    void editDescriptions();
    // The open image's own month strings, which date items of the image's
    // month language print.
    void defineMonthStrings();
    void showDescription();
    void showCaption();
    // Asks whether to save an altered image first, saving with `save` on
    // Yes; false when the image must stay (cancelled, or not saved).
    bool mayDropImage(const QString& question, bool (MainWindow::*save)() = &MainWindow::saveAs);

    // MainWindow_Keys.cpp: the commands only keys reach (the next item, the
    // Delete key), Item > Properties, the access keys of every menu, and the
    // names of the undo steps on Edit's entries.
    void createKeyCommands(const IniFile* settings);
    void giveAccessKeys();
    void showUndoNames();

    // MainWindow_Recent.cpp: the recent files and the files dropped on the
    // window. Both read the file first; only a readable image asks about
    // the altered one before it takes its place.
    void createRecentFiles(const IniFile* settings);
    void rememberFile(const QString& path);
    void showRecentFiles();
    void openRecentFile(const QString& path);
    bool openImageFile(const QString& path);

    AppContext& context_;
    MainWindowTexts texts_;
    MainSettings settings_;
    QString fileName_;
    QDateTime lastRefresh_;
    // Set once the user has answered for the altered image (a language change
    // asks before the window closes), so that the close does not ask again.
    bool imageReleased_ = false;

    QHash<QString, QAction*> actions_; // by text key, lower case
    QActionGroup* justifyGroup_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QComboBox* fontNameBox_ = nullptr;
    QComboBox* fontSizeBox_ = nullptr;
    QLabel* diagnosticLabel_ = nullptr;
    std::array<QLabel*, 4> statusPanels_{};
    QLabel* zoomPanel_ = nullptr;
    QLabel* modelPanel_ = nullptr;
    QLabel* portPanel_ = nullptr;
    EditingSurface* surface_ = nullptr;
    QTimer* minuteTimer_ = nullptr;
    RecentFiles recent_;
    QMenu* recentMenu_ = nullptr;

    PrinterModelDialog* selectPrinter_ = nullptr;
    GridDialog* gridForm_ = nullptr;
    LanguageDialog* langForm_ = nullptr;
    ImageNamesDialog* namesFm_ = nullptr;
    LabelStructureDialog* labelStructureForm_ = nullptr;
    MonthStringsDialog* monthStringsForm_ = nullptr;
    ShiftTable shifts_;
    ShiftTimesDialog* shiftTimesForm_ = nullptr;
    // What the date, time and shift code items show and download.
    ImageCalendar calendar_;
    Packet replyPacket_; // the program's reply packet: the handheld's last answer
    SerialPortDialog* commsPortForm_ = nullptr;
    PrinterSetupDialog* printerSetupForm_ = nullptr;
    InkCostDialog* inkCostForm_ = nullptr;
    std::shared_ptr<QPrinter> printer_; // made at the first print, kept for the next
};
