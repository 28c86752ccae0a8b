// The main window's view of the image: the Zoom menu and its keys, the
// status line panels for the zoom, the printer model and the serial port,
// and the caption with the image's name and its modified marker.
#include "app/ui/MainWindow.h"

#include "comms/CommsPort.h"
#include "comms/ui/SerialPortDialog.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/ImageEditor.h"
#include "editor/ui/EditingSurface.h"
#include "printer/PrinterModels.h"
#include "texts/SettingsFile.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

#include <iterator>

namespace {

// The zoom levels' menu entries, level 0 first.
const char* const ZoomKeys[] = {"ZoomMenuZoom50",  "ZoomMenuZoom100", "ZoomMenuZoom150",
                                "ZoomMenuZoom200", "ZoomMenuZoom300", "ZoomMenuZoom400",
                                "ZoomMenuZoom600", "ZoomMenuZoom800"};
static_assert(std::size(ZoomKeys) == EditingSurface::MaxZoomLevel + 1);

QString percent(double factor) {
    return QStringLiteral("%1 %").arg(qRound(factor * 100));
}

} // namespace

void MainWindow::createZoomMenu() {
    for (const char* key : {"ZoomMenuZoom300", "ZoomMenuZoom400", "ZoomMenuZoom600",
                            "ZoomMenuZoom800", "ZoomMenuFit"})
        makeAction(QLatin1String(key));
    // Ctrl+= zooms in as well, for keyboards where + needs Shift.
    QAction* zoomIn = action(QStringLiteral("ZoomInHint"));
    zoomIn->setShortcuts(QKeySequence::keyBindings(QKeySequence::ZoomIn)
                         << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    action(QStringLiteral("ZoomMenuZoom100"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction* zoomOut = action(QStringLiteral("ZoomOutHint"));
    for (QAction* a : {zoomIn, zoomOut})
        a->setText(MainWindowTexts::shortHint(a->text()));

    QStringList levels = {QStringLiteral("ZoomMenuFit"), QStringLiteral("ZoomMenuAutoSize")};
    for (const char* key : ZoomKeys)
        levels << QLatin1String(key);
    auto* group = new QActionGroup(this);
    for (const QString& key : levels) {
        action(key)->setCheckable(true);
        group->addAction(action(key));
    }
    action(QStringLiteral("ZoomMenuZoom100"))->setChecked(true);
    addMenu(QStringLiteral("ZoomMenu"),
            QStringList{QStringLiteral("ZoomInHint"), QStringLiteral("ZoomOutHint"),
                        QStringLiteral("ZoomMenuFit"), QString()} +
                levels.mid(1));
}

void MainWindow::createViewPanels() {
    const auto addPanel = [this](QLabel*& panel, const char* name) {
        panel = new QLabel(this);
        panel->setObjectName(QLatin1String(name));
        statusBar()->addPermanentWidget(panel);
    };
    addPanel(zoomPanel_, "ZoomPanel");
    addPanel(modelPanel_, "ModelPanel");
    addPanel(portPanel_, "PortPanel");
}

void MainWindow::connectView() {
    connect(action(QStringLiteral("ZoomMenuAutoSize")), &QAction::triggered, surface_,
            &EditingSurface::showPreview);
    connect(action(QStringLiteral("ZoomMenuFit")), &QAction::triggered, surface_,
            &EditingSurface::zoomToFit);
    for (int level = 0; level <= EditingSurface::MaxZoomLevel; ++level)
        connect(action(QLatin1String(ZoomKeys[level])), &QAction::triggered, surface_,
                [this, level] { surface_->chooseZoomLevel(level); });
    connect(action(QStringLiteral("ZoomInHint")), &QAction::triggered, surface_,
            &EditingSurface::zoomIn);
    connect(action(QStringLiteral("ZoomOutHint")), &QAction::triggered, surface_,
            &EditingSurface::zoomOut);
    connect(surface_, &EditingSurface::zoomShown, this, &MainWindow::showZoom);
    connect(&surface_->editor(), &ImageEditor::modifiedChanged, this, &QWidget::setWindowModified);
    showZoom(surface_->zoomLevel(), surface_->preview());
    showModel();
    showPort();
    showCaption();
}

void MainWindow::showZoom(int level, bool preview) {
    const QString key = preview     ? QStringLiteral("ZoomMenuAutoSize")
                        : level < 0 ? QStringLiteral("ZoomMenuFit")
                                    : QLatin1String(ZoomKeys[level]);
    action(key)->setChecked(true);
    zoomPanel_->setText(percent(surface_->zoomX()));
}

void MainWindow::showModel() {
    const PrinterModels& printers = context_.data.printers();
    modelPanel_->setText(printers.coder(printers.selectedIndex()).name);
}

void MainWindow::showPort() {
    const int port = commsPortForm_->commsPort();
    const QString name = CommsPort::portName(port);
    const QString device = CommsPort::devicePath(SettingsFile::open().get(), port);
    portPanel_->setText(device.isEmpty() ? name : name + QStringLiteral(" (") + device + u')');
}

QString MainWindow::caption() const {
    const QString name = fileName_.isEmpty() ? texts_.Untitled : QFileInfo(fileName_).fileName();
    return name + QStringLiteral("[*] - ") + MainWindowTexts::Title;
}
