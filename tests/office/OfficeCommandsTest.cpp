// The main window's print, preview, export and ink cost commands, driven as
// a user drives them.
#include "office/ImageExport.h"
#include "office/ui/InkCostDialog.h"

#include "DrivenWindowFixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The main window on the third model (4000 × 256 dots), with two text items.
class OfficeCommandsTest : public DrivenWindowFixture {
protected:
    void SetUp() override { start(false); }
    void start(bool realDialogs) {
        openWindow("[MainForm]\nWidth=900\nHeight=600\n[SelectPrinter]\nLastUsed=2\n", realDialogs);
        addText(QPoint(100, 200), "TOLVANE", 2);
        addText(QPoint(1000, 150), "123", 2);
    }
    // The command, which must be there and enabled.
    void trigger(const char* key) {
        QAction* command = window->action(QLatin1String(key));
        ASSERT_TRUE(command);
        ASSERT_TRUE(command->isEnabled()) << key;
        command->trigger();
    }
    // Black pixels of the picture, counted here, inside the 50-dot margin.
    std::int64_t blackInPrintableArea() {
        const QImage picture = editor().display().bitmap().convertToFormat(QImage::Format_RGB32);
        std::int64_t count = 0;
        for (int y = 50; y < picture.height() - 50; ++y)
            for (int x = 50; x < picture.width() - 50; ++x)
                count += (picture.pixel(x, y) & 0xFFFFFF) == 0;
        return count;
    }
    QString path(const char* name) const {
        return folders.settingsDir() + u'/' + QLatin1String(name);
    }
    // The print dialog set to print to a PDF file, answered with result.
    ScriptedPrompter::DialogScript printTo(const QString& pdf, int result) {
        return [pdf, result](QDialog& d) {
            QPrinter* printer = static_cast<QPrintDialog&>(d).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return result;
        };
    }
};

TEST_F(OfficeCommandsTest, ACancelledPrintDialogPrintsNothing) {
    const QString pdf = path("none.pdf");
    prompter.dialogScripts.push_back(printTo(pdf, QDialog::Rejected));
    trigger("FileMenuPrint");
    EXPECT_FALSE(QFile::exists(pdf));
}

// The printer setup's resolution is the one the page is printed at.
TEST_F(OfficeCommandsTest, PrintSetupChoosesThePrintersResolution) {
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        // 600 DPI, clicked on its round button (a radio button takes clicks
        // on its button and caption only).
        auto* button = control<QAbstractButton>(d, "Item2");
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        click(d, "OKButton");
    }));
    trigger("FileMenuPrintSetup");
    const QString pdf = path("fine.pdf");
    prompter.dialogScripts.push_back(printTo(pdf, QDialog::Accepted));
    trigger("FileMenuPrint");
    EXPECT_EQ(prompter.dialogsRun, (QStringList{"PrinterSetupForm", "PrintDialog1"}));
    EXPECT_TRUE(
        fileBytes(pdf).contains("/Height " + QByteArray::number(qRound(356 * 600.0 / 185))));
}

struct ExportCase {
    const char* name;
    int filterIndex;
    Prompter::Answer margins;
    const char* written;
};

class OfficeExportTest : public OfficeCommandsTest,
                         public ::testing::WithParamInterface<ExportCase> {};

TEST_P(OfficeExportTest, WritesTheChosenFormat) {
    const ExportCase c = GetParam();
    window->surface().applyZoomLevel(0);
    answerFile(path(c.name), c.filterIndex);
    prompter.answers.push_back(c.margins);
    trigger("FileMenuExport");
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].filter,
              "PNG picture, one pixel per dot|*.png|SVG drawing, true size|*.svg|"
              "PDF document, true size|*.pdf");
    EXPECT_EQ(prompter.shown.back().text, "Export the margins around the image as well?");
    const QByteArray bytes = fileBytes(path(c.written));
    const bool margins = c.margins == Prompter::Answer::Yes;
    const QSize dots = margins ? QSize(4100, 356) : QSize(4000, 256);
    switch (*ImageExport::formatOf(QLatin1String(c.written))) {
    case ImageExport::Format::Png: {
        const QImage png = QImage::fromData(bytes, "PNG");
        EXPECT_EQ(png.size(), dots);
        // Exported at one pixel per dot whatever the zoom.
        const QImage view = editor().display().bitmap();
        EXPECT_TRUE(png.convertToFormat(QImage::Format_RGB32) ==
                    view.copy(margins ? view.rect() : view.rect().adjusted(50, 50, -50, -50))
                        .convertToFormat(QImage::Format_RGB32));
        break;
    }
    case ImageExport::Format::Svg:
        EXPECT_TRUE(bytes.contains("<svg")) << c.name;
        break;
    case ImageExport::Format::Pdf:
        EXPECT_TRUE(bytes.startsWith("%PDF")) << c.name;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, OfficeExportTest,
    ::testing::Values(ExportCase{"plain.png", 0, Prompter::Answer::No, "plain.png"},
                      ExportCase{"margins.png", 0, Prompter::Answer::Yes, "margins.png"},
                      ExportCase{"drawing.svg", 0, Prompter::Answer::No, "drawing.svg"},
                      ExportCase{"chosen", 2, Prompter::Answer::No, "chosen.pdf"}));

TEST_F(OfficeCommandsTest, ExportCancelledAtTheMarginsQuestionWritesNothing) {
    answerFile(path("x.png"));
    prompter.answers.push_back(Prompter::Answer::Cancel);
    trigger("FileMenuExport");
    EXPECT_FALSE(QFile::exists(path("x.png")));
}

TEST_F(OfficeCommandsTest, AnExportThatCannotBeWrittenIsReported) {
    const QString target = path("missing/x.png");
    answerFile(target);
    prompter.answers.push_back(Prompter::Answer::No);
    trigger("FileMenuExport");
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_TRUE(prompter.shown[1].text.startsWith("Cannot write " + target + ": "))
        << prompter.shown[1].text.toStdString();
    EXPECT_EQ(prompter.shown[1].icon, Prompter::Icon::Stop);
}

class RealDialogOfficeTest : public OfficeCommandsTest {
protected:
    void SetUp() override { start(true); }
};

// The preview comes up in its own modal loop, draws the page, and closes.
TEST_F(RealDialogOfficeTest, PrintPreviewOpensAndCloses) {
    ModalDriver user{[](QWidget& w) {
        QTimer::singleShot(50, &w, [&w] { static_cast<QDialog&>(w).reject(); });
    }};
    trigger("FileMenuPrintPreview");
    EXPECT_EQ(user.met, QStringList{"QPrintPreviewDialog"});
    EXPECT_EQ(user.unexpected, 0);
}

// The standard print dialog, set to print to a PDF file as a user would.
TEST_F(RealDialogOfficeTest, PrintsThroughTheStandardPrintDialog) {
    const QString pdf = path("real.pdf");
    ModalDriver user{[&pdf](QWidget& w) {
        auto* printers = control<QComboBox>(w, "printers");
        ASSERT_TRUE(printers);
        const int toFile = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
        ASSERT_GE(toFile, 0);
        printers->setCurrentIndex(toFile);
        QLineEdit* file = control<QLineEdit>(w, "filename");
        ASSERT_TRUE(file);
        file->setText(pdf);
        QMetaObject::invokeMethod(&w, "accept"); // the Print button
    }};
    trigger("FileMenuPrint");
    EXPECT_EQ(user.met, QStringList{"QPrintDialog"});
    EXPECT_EQ(user.unexpected, 0);
    const QByteArray bytes = fileBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Height " + QByteArray::number(qRound(356 * 300.0 / 185))));
}

// The file dialog and the question of the export, as the user answers them.
TEST_F(RealDialogOfficeTest, ExportsThroughTheFileDialogAndTheQuestion) {
    const QString svg = path("real.svg");
    ModalDriver user{[&svg](QWidget& w) {
                         auto& files = static_cast<QFileDialog&>(w);
                         files.selectFile(svg);
                         QMetaObject::invokeMethod(&files, "accept"); // the Save button
                     },
                     [](QWidget& w) {
                         auto& box = static_cast<QMessageBox&>(w);
                         EXPECT_EQ(box.text(), "Export the margins around the image as well?");
                         box.button(QMessageBox::Yes)->click();
                     }};
    trigger("FileMenuExport");
    EXPECT_EQ(user.met, (QStringList{"QFileDialog", "QMessageBox"}));
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_TRUE(fileBytes(svg).contains("<svg"));
}

// The count is of the black dots of the view at 100 %, whatever the zoom was.
TEST_F(RealDialogOfficeTest, InkCostRunsInItsOwnModalLoopAtOneHundredPercent) {
    window->surface().applyZoomLevel(3);
    std::int64_t shown = -1;
    ModalDriver user{[&shown](QWidget& w) {
        auto& d = static_cast<QDialog&>(w);
        EXPECT_TRUE(eventually([&] { return !labelText(d, "Label2").isEmpty(); }));
        shown = static_cast<InkCostDialog&>(d).dotCount();
        click(d, "OKButton");
    }};
    trigger("InkCostButtonHint");
    EXPECT_EQ(user.met, QStringList{"InkCostDialog"});
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_EQ(window->surface().zoomLevel(), 1);
    EXPECT_EQ(editor().pictureSize(), QSize(4100, 356));
    EXPECT_GT(shown, 100);
    EXPECT_EQ(shown, blackInPrintableArea());
}

} // namespace
