// The main window's recent files (File > Recent Files) and the image files
// dropped on the window.
#include "app/ui/MainWindow.h"

#include "document/AppContext.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace {

// The first local file a drag carries, or an empty path.
QString draggedFile(const QMimeData* data) {
    if (!data)
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void MainWindow::createRecentFiles(const IniFile* settings) {
    recent_.read(settings);
    setAcceptDrops(true);
    auto* fileMenu = menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
    recentMenu_ = new QMenu(SettingsFile::text(settings, MainWindowTexts::Section,
                                               QStringLiteral("FileMenuRecentFiles"),
                                               QStringLiteral("Recent Files")),
                            this);
    recentMenu_->setObjectName(QStringLiteral("FileMenuRecentFiles"));
    // After Save As, before the separator that follows it.
    const QList<QAction*> entries = fileMenu->actions();
    const qsizetype saveAs = entries.indexOf(action(QStringLiteral("FileMenuSaveAs")));
    QAction* before = saveAs >= 0 && saveAs + 1 < entries.size() ? entries[saveAs + 1] : nullptr;
    fileMenu->insertMenu(before, recentMenu_);
    showRecentFiles();
}

void MainWindow::rememberFile(const QString& path) {
    recent_.add(path);
    showRecentFiles();
}

void MainWindow::showRecentFiles() {
    recentMenu_->clear();
    int number = 0;
    for (const QString& path : recent_.paths()) {
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++number).arg(shown));
        connect(entry, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    recentMenu_->menuAction()->setEnabled(!recent_.paths().isEmpty());
}

void MainWindow::openRecentFile(const QString& path) {
    if (!openImageFile(path) && !QFileInfo::exists(path)) {
        // The reason was shown with the file's name; the entry goes.
        recent_.remove(path);
        showRecentFiles();
    }
}

bool MainWindow::openImageFile(const QString& path) {
    return loadImage(QFileInfo(path).absoluteFilePath(), [this] {
        return mayDropImage(context_.messages.FileNewConfirm, &MainWindow::save);
    });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag ends before any question is asked about the open image.
    QMetaObject::invokeMethod(
        this, [this, path] { openImageFile(path); }, Qt::QueuedConnection);
}
