// The proof print: which part of the view goes to the page and how large.
#include "office/ProofPrint.h"

#include "TestFolders.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <gtest/gtest.h>

namespace {

constexpr int ModelDpi = 185; // the second and third models

// The third model's whole image at a zoom: 4100 × 356 dots with the margins.
ProofPrint::View viewAt(double zoom) {
    ProofPrint::View view;
    view.picture = QSize(int(4100 * zoom), int(356 * zoom));
    view.scaleX = view.scaleY = zoom;
    view.areaEnd = QPoint(4100, 356);
    return view;
}

struct LayoutCase {
    const char* name;
    ProofPrint::View view;
    ProofPrint::Page page;
    QRect source;
    QSize destination;
};

ProofPrint::View scrolled(ProofPrint::View view, QPoint scroll, QPoint rulers) {
    view.scroll = scroll;
    view.rulerExtent = rulers;
    return view;
}

ProofPrint::View areaEndingAt(ProofPrint::View view, QPoint end) {
    view.areaEnd = end;
    return view;
}

const ProofPrint::Page LargePage{QSize(20000, 20000), QSize(ModelDpi, ModelDpi)};
// A4 at 600 dpi.
const ProofPrint::Page A4At600{QSize(4960, 7016), QSize(600, 600)};

const LayoutCase LayoutCases[] = {
    {"one view pixel is one page pixel at the model's resolution", viewAt(1.0), LargePage,
     QRect(0, 0, 4100, 356), QSize(4100, 356)},
    {"at 600 dpi a dot is 600/185 pixels, cut at the page's right edge", viewAt(1.0), A4At600,
     QRect(0, 0, 1529, 356), QSize(4960, 1155)},
    {"at 200 % zoom the print keeps the true size", viewAt(2.0), A4At600, QRect(0, 0, 3059, 712),
     QSize(4960, 1155)},
    {"at 50 % zoom likewise", viewAt(0.5), LargePage, QRect(0, 0, 2050, 178), QSize(4100, 356)},
    {"a scrolled view prints from the scroll position less the rulers",
     scrolled(viewAt(1.0), QPoint(300, 40), QPoint(20, 10)), LargePage, QRect(280, 30, 3820, 326),
     QSize(3820, 326)},
    {"rulers not smaller than the scroll position start at the picture's edge",
     scrolled(viewAt(1.0), QPoint(10, 5), QPoint(20, 5)), LargePage, QRect(0, 0, 4100, 356),
     QSize(4100, 356)},
    {"the print ends at the restricted area's edges", areaEndingAt(viewAt(1.0), QPoint(2050, 300)),
     LargePage, QRect(0, 0, 2050, 300), QSize(2050, 300)},
    {"a page lower than the picture cuts it at the bottom", viewAt(1.0),
     ProofPrint::Page{QSize(5000, 100), QSize(ModelDpi, ModelDpi)}, QRect(0, 0, 4100, 100),
     QSize(4100, 100)},
};

class ProofPrintLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ProofPrintLayout, TakesThePartOfTheViewThatFitsThePageAtTrueSize) {
    const LayoutCase& c = GetParam();
    const ProofPrint::Layout layout = ProofPrint::layout(c.view, c.page, QSize(ModelDpi, ModelDpi));
    EXPECT_EQ(layout.source, c.source);
    EXPECT_EQ(layout.destination, c.destination);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProofPrintLayout, ::testing::ValuesIn(LayoutCases),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// The smallest rectangle of black pixels.
QRect blackBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The view of the third model at 100 % with a block of dots at 100…149,
// 60…79 and a column of dots at 3000, beyond what an A4 page holds.
QImage testView() {
    QImage view(4100, 356, QImage::Format_RGB32);
    view.fill(Qt::white);
    QPainter painter(&view);
    painter.fillRect(QRect(100, 60, 50, 20), Qt::black);
    painter.fillRect(QRect(3000, 60, 1, 200), Qt::black);
    return view;
}

QImage pageAt600Dpi() {
    QImage page(A4At600.size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(600 / 0.0254);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    page.fill(Qt::white);
    return page;
}

TEST(ProofPrint, PaintsTheViewScaledByPpiOverTheModelsResolutionCutAtThePageEdge) {
    const QImage view = testView();
    QImage page = pageAt600Dpi();
    ASSERT_TRUE(ProofPrint::paint(page, view, viewAt(1.0), QSize(ModelDpi, ModelDpi)));
    // The block only: the column at dot 3000 lies beyond the page's edge.
    const QRect ink = blackBounds(page);
    const double f = 600.0 / ModelDpi;
    EXPECT_NEAR(ink.left(), 100 * f, 1.5);
    EXPECT_NEAR(ink.right() + 1, 150 * f, 1.5);
    EXPECT_NEAR(ink.top(), 60 * f, 1.5);
    EXPECT_NEAR(ink.bottom() + 1, 80 * f, 1.5);
}

TEST(ProofPrint, NothingToPrintPaintsNothing) {
    QImage page = pageAt600Dpi();
    EXPECT_FALSE(ProofPrint::paint(page, testView(),
                                   scrolled(viewAt(1.0), QPoint(5000, 0), QPoint()),
                                   QSize(ModelDpi, ModelDpi)));
    EXPECT_FALSE(ProofPrint::paint(page, testView(), viewAt(1.0), QSize(0, 0)));
    EXPECT_TRUE(blackBounds(page).isNull());
}

// The print to a PDF file at 600 dpi: one page whose bitmap has the width of
// the page (cut at its edge) and the view's height scaled by 600/185.
TEST(ProofPrint, PrintsOnePageToAPdfFileAt600Dpi) {
    TestFolders folders;
    const QString path = folders.settingsDir() + QStringLiteral("/proof.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_EQ(printer.logicalDpiX(), 600);
    const QSize page(printer.width(), printer.height());
    ASSERT_TRUE(ProofPrint::paint(printer, testView(), viewAt(1.0), QSize(ModelDpi, ModelDpi)));

    const QByteArray pdf = fileBytes(path);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    qsizetype pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(pdf.contains("/Width " + QByteArray::number(page.width())));
    EXPECT_TRUE(pdf.contains("/Height " + QByteArray::number(qRound(356 * 600.0 / ModelDpi))));
}

} // namespace
