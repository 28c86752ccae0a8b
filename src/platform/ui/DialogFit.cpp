#include "platform/ui/DialogFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

// An empty title shows the program's name.
QString shownTitle(const QWidget& window) {
    const QString title = window.windowTitle();
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

// A column narrower than its header elides the header's text; a view
// narrower than its columns cuts the last ones off.
void fitColumns(QAbstractItemView& view) {
    const auto headers = view.findChildren<QHeaderView*>();
    for (QHeaderView* header : headers) {
        if (header->orientation() != Qt::Horizontal || header->isHidden())
            continue;
        int total = 0;
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const int wanted = header->sectionSizeHint(section);
            if (header->sectionSize(section) < wanted &&
                header->sectionResizeMode(section) == QHeaderView::Interactive)
                header->resizeSection(section, wanted);
            total += std::max(wanted, header->sectionSize(section));
        }
        const int frame = 2 * view.frameWidth();
        const int scrollBar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
        view.setMinimumWidth(std::max(view.minimumWidth(), total + frame + scrollBar));
    }
}

} // namespace

namespace DialogFit {

QFont titleFont(const QWidget& window) {
    QFont font = QApplication::font(&window);
    font.setBold(true);
    return font;
}

int titleWidth(const QWidget& window, const QString& title) {
    return QFontMetrics(titleFont(window)).horizontalAdvance(title) + TitleAllowance;
}

void fit(QWidget& window) {
    window.ensurePolished();
    const auto views = window.findChildren<QAbstractItemView*>();
    for (QAbstractItemView* view : views)
        fitColumns(*view);
    // The minimum stays the layout's, so that contents that grow later
    // still get their room.
    window.adjustSize();
    const int wanted = titleWidth(window, shownTitle(window));
    if (window.width() < wanted)
        window.resize(wanted, window.height());
}

void fit(QMessageBox& box) {
    // The box sets its own size when shown, from its layout's minimum: a
    // spacer as wide as the title makes that minimum enough.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(titleWidth(box, shownTitle(box)), 0, QSizePolicy::Fixed,
                                  QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace DialogFit
