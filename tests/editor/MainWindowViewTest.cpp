// The main window's view of the image, driven as a user drives it: the zoom
// by keys, menu and wheel, the dot-level zooms with clicks and drags on
// them, the grid under the items, and the status line's panels.
#include "widgets/Ruler.h"

#include "DrivenWindowFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr int Notch = 120; // a wheel's step, in eighths of a degree

// The main window on the widest model (4000 × 256 dots, 4100 × 356 with
// its margins), too low to show the whole image at 100 %, its port set in
// the settings file.
class MainWindowViewTest : public DrivenWindowFixture {
protected:
    void SetUp() override {
        openWindow("[MainForm]\nWidth=900\nHeight=400\n[SelectPrinter]\nLastUsed=2\n"
                   "[CommsPortForm]\nCommsPort=2\nCOM3Device=/dev/ttyUSB0\n");
        box = window->findChild<QScrollArea*>("ImageScrollBox");
        ASSERT_TRUE(box);
    }
    EdgeRect rectOf(ImageItem& item) { return item.getScreenRect(editor().display()); }
    QPoint scroll() const {
        return {box->horizontalScrollBar()->value(), box->verticalScrollBar()->value()};
    }
    // A pixel of the viewport, as the image widget under it sees it.
    QPoint onImage(QPoint viewportPixel) const { return viewportPixel - image->pos(); }
    // What the status line shows for the pointer over a pixel of the
    // viewport. Sent straight to the picture: the window would drop a move
    // to where the pointer already is.
    QStringList pointedAt(QPoint viewportPixel) {
        const QPoint at = onImage(viewportPixel);
        QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(image, &move);
        return {panel(0), panel(1)};
    }
    // One notch of the wheel over a pixel of the viewport, sent where the
    // window sends it: to the widget under the pointer.
    void turnWheel(QPoint viewportPixel, int notches, Qt::KeyboardModifiers modifiers) {
        QWidget* under = image->geometry().contains(viewportPixel) ? static_cast<QWidget*>(image)
                                                                   : box->viewport();
        const QPoint at = under == image ? onImage(viewportPixel) : viewportPixel;
        QWheelEvent wheel(at, under->mapToGlobal(at), QPoint(), QPoint(0, notches * Notch),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(under, &wheel);
    }

    QScrollArea* box = nullptr;
};

TEST_F(MainWindowViewTest, ZoomRunsFromFiftyToEightHundredPercentAndStopsAtTheEnds) {
    for (int i = 0; i < 8; ++i)
        window->action("ZoomInHint")->trigger();
    EXPECT_EQ(window->surface().zoomLevel(), 7);
    EXPECT_TRUE(window->action("ZoomMenuZoom800")->isChecked());
    EXPECT_EQ(label("ZoomPanel"), "800 %");
    // A dot is a square of 8 × 8 pixels of the picture drawn at one pixel per dot.
    EXPECT_EQ(image->size(), QSize(32800, 2848));
    EXPECT_EQ(editor().pictureSize(), QSize(4100, 356));
    EXPECT_DOUBLE_EQ(window->zoomX(), 8.0);
    // The ruler's ticks follow: ten dots are eighty pixels.
    const auto* ruler = window->findChild<Ruler*>("HRuler1");
    EXPECT_EQ(ruler->pixelOf(10) - ruler->pixelOf(0), 80);
    for (int i = 0; i < 8; ++i)
        window->action("ZoomOutHint")->trigger();
    EXPECT_EQ(window->surface().zoomLevel(), 0);
    EXPECT_EQ(image->size(), QSize(2050, 178));
    EXPECT_TRUE(window->action("ZoomMenuZoom50")->isChecked());
    EXPECT_EQ(label("ZoomPanel"), "50 %");
}

// Each row: the level to start from, a key with its modifiers, and the level
// it leads to.
struct ZoomKey {
    const char* name;
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
};
void PrintTo(const ZoomKey& row, std::ostream* out) {
    *out << row.name;
}

class ZoomKeyTest : public MainWindowViewTest, public ::testing::WithParamInterface<ZoomKey> {};

TEST_P(ZoomKeyTest, ChangesTheZoomThroughTheWindowsShortcuts) {
    const ZoomKey& row = GetParam();
    window->surface().applyZoomLevel(row.from);
    key(row.key, row.modifiers);
    EXPECT_EQ(window->surface().zoomLevel(), row.to);
    EXPECT_DOUBLE_EQ(window->zoomX(), EditingSurface::zoomFactor(row.to));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ZoomKeyTest,
    ::testing::Values(ZoomKey{"CtrlEqualsZoomsIn", 1, Qt::Key_Equal, Qt::ControlModifier, 2},
                      ZoomKey{"CtrlPlusZoomsIn", 3, Qt::Key_Plus, Qt::ControlModifier, 4},
                      ZoomKey{"CtrlMinusZoomsOut", 5, Qt::Key_Minus, Qt::ControlModifier, 4},
                      ZoomKey{"CtrlZeroGoesToOneHundred", 6, Qt::Key_0, Qt::ControlModifier, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowViewTest, CtrlWheelZoomsAboutThePointerKeepingTheDotUnderIt) {
    const QPoint at(box->viewport()->width() / 3, 100);
    ASSERT_LT(box->viewport()->height(), 356);
    const QStringList dot = pointedAt(at);
    ASSERT_NE(dot[0], "X: 0");
    const int steps[] = {1, 1, 1, 1, 1, 1, -1, -2, -3};
    for (const int levels : steps) {
        turnWheel(at, levels, Qt::ControlModifier);
        SCOPED_TRACE(label("ZoomPanel").toStdString());
        EXPECT_EQ(pointedAt(at), dot);
    }
    EXPECT_EQ(window->surface().zoomLevel(), 1);
    EXPECT_EQ(label("ZoomPanel"), "100 %");
    EXPECT_TRUE(window->action("ZoomMenuZoom100")->isChecked());
}

TEST_F(MainWindowViewTest, PlainWheelScrollsDownAndShiftWheelSideways) {
    window->surface().applyZoomLevel(5);
    const QPoint middle = box->viewport()->rect().center();
    box->horizontalScrollBar()->setValue(2000);
    box->verticalScrollBar()->setValue(400);
    // Without a modifier the scroll box itself takes the wheel.
    QWheelEvent plain(middle, box->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, -Notch),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box->viewport(), &plain);
    EXPECT_EQ(scroll().x(), 2000);
    EXPECT_GT(scroll().y(), 400);
    const int down = scroll().y();
    turnWheel(middle, -1, Qt::ShiftModifier);
    EXPECT_EQ(scroll().y(), down);
    EXPECT_GT(scroll().x(), 2000);
    turnWheel(middle, 2, Qt::ShiftModifier);
    EXPECT_LT(scroll().x(), 2000);
    EXPECT_EQ(window->surface().zoomLevel(), 5);
}

TEST_F(MainWindowViewTest, FitShowsTheWholeImageAndZoomsOnFromTheLevelsBesideIt) {
    window->action("ZoomMenuFit")->trigger();
    EXPECT_EQ(window->surface().zoomLevel(), -1);
    EXPECT_FALSE(window->surface().preview());
    EXPECT_TRUE(window->action("ZoomMenuFit")->isChecked());
    QApplication::processEvents(); // the scroll bars go
    const QSize room = box->viewport()->size();
    EXPECT_EQ(room, box->maximumViewportSize());
    EXPECT_LE(image->width(), room.width());
    EXPECT_LE(image->height(), room.height());
    EXPECT_GE(image->width(), room.width() - 1); // the long image fills the width
    EXPECT_EQ(label("ZoomPanel"), QStringLiteral("%1 %").arg(qRound(window->zoomX() * 100)));
    // Below 50 %: out stays, in goes to the first level.
    ASSERT_LT(window->zoomX(), 0.5);
    window->action("ZoomOutHint")->trigger();
    EXPECT_EQ(window->surface().zoomLevel(), -1);
    window->action("ZoomInHint")->trigger();
    EXPECT_EQ(window->surface().zoomLevel(), 0);
}

// At 800 % each dot is a square of 8 × 8 pixels: a click on the last pixel
// of an item's rightmost dot is on that item, the next pixel on its
// neighbour; a drag of n squares moves the item by n dots.
TEST_F(MainWindowViewTest, AtEightHundredPercentClicksHitTheirDotAndDragsMoveByDots) {
    ImageItem& left = addText({300, 200});
    ImageItem& right = addText({400, 200});
    right.setPosition(right.getPosition() + QPoint(rectOf(left).Right + 1 - rectOf(right).Left, 0));
    editor().refreshImage();
    window->surface().applyZoomLevel(7);
    const EdgeRect r = rectOf(left); // dots: the picture is drawn at one pixel per dot
    const int middle = (r.Top + r.Bottom) / 2;
    data->setSnapOn(false);
    box->ensureVisible(r.Right * 8, middle * 8, box->viewport()->width() / 2 - 10, 100);
    const struct {
        int x;
        ImageItem* hit;
    } clicks[] = {{r.Right * 8 + 7, &left},
                  {r.Right * 8 + 8, &right},
                  {r.Left * 8, &left},
                  {r.Left * 8 - 1, nullptr}};
    for (const auto& c : clicks) {
        QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, middle * 8 + 3));
        EXPECT_EQ(editor().selectedItem(), c.hit) << c.x - r.Right * 8;
    }

    const QPoint anchor = left.getPosition();
    const QPoint grip(r.Right * 8 + 2, middle * 8 + 5);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, grip);
    EXPECT_TRUE(pointer.empty()); // the item is gripped where it was clicked
    const QPoint moved = grip + QPoint(-3 * 8, 2 * 8);
    QTest::mouseMove(image, moved);
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, moved);
    EXPECT_EQ(left.getPosition(), anchor + QPoint(-3, 2));
    EXPECT_EQ(panel(0), QStringLiteral("X: %1").arg(moved.x() / 8 - 50)); // the pointer's dot
}

// Every pixel of the picture that shows a black dot stays black with the
// grid drawn, at every kind of zoom; and the grid is there.
class GridUnderItemsTest : public MainWindowViewTest, public ::testing::WithParamInterface<int> {};

TEST_P(GridUnderItemsTest, LeavesEveryBlackDotBlack) {
    data->setPitch(2);
    data->setGridOn(true);
    ImageItem& item = addText({300, 200}, "HEH");
    window->surface().applyZoomLevel(GetParam());
    const int m = image->magnification();
    const EdgeRect r = rectOf(item);
    const QRect shown(QPoint(r.Left, r.Top) * m, QPoint(r.Right + 1, r.Bottom + 1) * m);
    const QImage painted = image->grab(shown).toImage();
    const QImage& bitmap = editor().display().bitmap();
    int black = 0, grey = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint at = shown.topLeft() + QPoint(x, y);
            const QRgb dot = bitmap.pixel(at.x() / m, at.y() / m);
            const QRgb seen = painted.pixel(x, y);
            if (qGray(dot) == 0) {
                ++black;
                ASSERT_EQ(qGray(seen), 0) << "pixel " << at.x() << ',' << at.y();
            } else if (qGray(seen) == 0x80) {
                ++grey;
            }
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_GT(grey, 0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, GridUnderItemsTest, ::testing::Values(1, 3, 7));

TEST_F(MainWindowViewTest, StatusLineShowsZoomModelPortAndFollowsANudgedItem) {
    EXPECT_EQ(label("ZoomPanel"), "100 %");
    EXPECT_EQ(label("ModelPanel"), data->printers().coder(2).name);
    EXPECT_EQ(label("PortPanel"), "COM3 (/dev/ttyUSB0)");
    window->action("ZoomMenuZoom150")->trigger();
    EXPECT_EQ(label("ZoomPanel"), "150 %");
    window->action("ZoomMenuZoom100")->trigger();

    ImageItem& item = addText({300, 200});
    clickOn(item);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Right);
    key(Qt::Key_Up);
    EXPECT_EQ(item.getPosition(), QPoint(303, 199));
    EXPECT_EQ(panel(0), "X: 253");
    EXPECT_EQ(panel(1), "Y: 149");
}

} // namespace
