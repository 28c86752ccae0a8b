#include "items/ui/GraphicItemDialog.h"
#include "ItemDialogTest.h"
#include "PictureFiles.h"
#include "items/GraphicItem.h"
#include "items/MonoBitmap.h"
#include "texts/Messages.h"
#include "widgets/LengthEdit.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QSlider>

namespace {

struct GraphicItemDialogTest : ItemDialogTest<GraphicItemDialog, GraphicItem> {
    QString file(const QString& name, const QByteArray& bytes) const {
        const QString path = h.folders.settingsDir() + u'/' + name;
        writeBytes(path, bytes);
        return path;
    }
    void answerOpen(const QString& path) { h.prompter.fileAnswers.push_back({true, path, 1}); }
};

LengthEdit* sizeEdit(const QDialog& dialog, const char* name) {
    return control<LengthEdit>(dialog, name);
}

int dotCount(const QImage& dots) {
    int count = 0;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            count += MonoBitmap::isDot(dots, x, y) ? 1 : 0;
    return count;
}

} // namespace

// Through the dialog's own modal loop, as the user meets it.
TEST_F(GraphicItemDialogTest, LoadsAOneBitBitmapDotForDotAndKeepsItsFolder) {
    h.folders.writeIni("[GraphicItemPropEdForm]\nLastDir=/srv/logos\n");
    answerOpen(file("logo.bmp", windowsBitmap(12, 3, 1)));
    item->Rotation = 1;
    const int result = editModal([this](QDialog& d) {
        EXPECT_TRUE(control<QGroupBox>(d, "FontGroupBox")->isHidden());
        click(d, "LoadButton");
        EXPECT_EQ(sizeEdit(d, "WidthEdit")->text(), "12");
        EXPECT_EQ(sizeEdit(d, "HeightEdit")->text(), "3");
        EXPECT_FALSE(control<QLabel>(d, "PreviewImage")->pixmap().isNull());
        EXPECT_TRUE(control<QWidget>(d, "ThresholdPage")->isHidden());
        EXPECT_EQ(control<RadioGroup>(d, "RotationRG")->itemIndex(), 0);
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(h.prompter.fileRequests.size(), 1u);
    EXPECT_EQ(h.prompter.fileRequests[0].initialDir, "/srv/logos");
    EXPECT_TRUE(h.prompter.fileRequests[0].filter.startsWith("Bitmaps, (*.bmp)|*.bmp|Pictures|"));
    EXPECT_EQ(item->getWidth(), 12);
    EXPECT_EQ(item->getHeight(), 3);
    EXPECT_EQ(item->Rotation, 0);
    EXPECT_TRUE(MonoBitmap::isDot(item->Bitmap, 0, 0));
    EXPECT_EQ(dotCount(item->Bitmap), 1);
    EXPECT_TRUE(h.folders.readIni().contains(("LastDir=" + h.folders.settingsDir()).toUtf8()));
}

TEST_F(GraphicItemDialogTest, FilesItCannotTakeAreRefusedAndLeaveThePicture) {
    h.folders.writeIni("");
    QByteArray tooHigh = windowsBitmap(12, 3, 1);
    put32(tooHigh, 22, 129); // the model's head has 128 dots
    const QByteArray oneBit = windowsBitmap(12, 3, 1);
    struct Case {
        QByteArray bytes;
        QString message;
        bool keepsFolder;
    };
    for (const Case& c :
         {Case{windowsBitmap(8, 2, 8), h.messages.LoadBitmapBitError, false},
          Case{oneBit.left(oneBit.size() - 4), h.messages.LoadBitmapError, true},
          Case{tooHigh,
               "Error - the picture is 12 x 129 dots; the printer's image holds at most 4000 x "
               "128",
               true},
          Case{QByteArray("GIF89a, but no more"), "Error - the picture cannot be read", true}}) {
        h.folders.writeIni("");
        h.prompter.shown.clear();
        answerOpen(file("picture.bmp", c.bytes));
        const int result = edit([](QDialog& d) {
            click(d, "LoadButton");
            click(d, "OKBtn");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        ASSERT_EQ(h.prompter.shown.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(h.prompter.shown[0].text, c.message);
        EXPECT_EQ(h.prompter.shown[0].icon, Prompter::Icon::Stop);
        EXPECT_EQ(item->getWidth(), GraphicItem::NewSide);
        EXPECT_EQ(h.folders.readIni().contains("LastDir="), c.keepsFolder)
            << c.message.toStdString();
    }
}

TEST_F(GraphicItemDialogTest, OtherPicturesTurnIntoDotsAtAThresholdWithALivePreview) {
    QImage picture(20, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(40, 40, 40));
    picture.setPixel(5, 1, qRgb(200, 200, 200));
    const QString path = h.folders.settingsDir() + "/logo.png";
    ASSERT_TRUE(picture.save(path, "PNG"));
    answerOpen(path);
    edit([](QDialog& d) {
        click(d, "LoadButton");
        EXPECT_FALSE(control<QWidget>(d, "ThresholdPage")->isHidden());
        auto* preview = control<QLabel>(d, "PreviewImage");
        const qint64 before = preview->pixmap().cacheKey();
        control<QSlider>(d, "ThresholdSlider")->setValue(250);
        EXPECT_NE(preview->pixmap().cacheKey(), before);
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->getWidth(), 20);
    EXPECT_EQ(dotCount(item->Bitmap), 2);
    EXPECT_TRUE(MonoBitmap::isDot(item->Bitmap, 5, 1));
}

TEST_F(GraphicItemDialogTest, SizeEditsKeepTheAspectWhenAskedAndTakeOnlyNumbers) {
    item->takeBitmap(MonoBitmap::blank(100, 40));
    const int result = editModal([this](QDialog& d) {
        LengthEdit* width = sizeEdit(d, "WidthEdit");
        width->setFocus();
        typeInto(width, "50");
        leave(width);
        EXPECT_EQ(sizeEdit(d, "HeightEdit")->text(), "20");
        control<QCheckBox>(d, "AspectCheckBox1")->click();
        typeInto(sizeEdit(d, "HeightEdit"), "3x0");
        EXPECT_EQ(sizeEdit(d, "HeightEdit")->text(), "30");
        EXPECT_EQ(h.prompter.beeps, 1);
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->getWidth(), 50);
    EXPECT_EQ(item->getHeight(), 30);
    EXPECT_EQ(item->Bitmap.size(), QSize(100, 40)); // stretched when drawn, stored or compiled
}

TEST_F(GraphicItemDialogTest, PastesTheClipboardPictureDotForDot) {
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(6, 4, qRgb(250, 0, 0));
    QGuiApplication::clipboard()->setImage(picture);
    edit([](QDialog& d) {
        click(d, "SpeedButton1");
        EXPECT_EQ(sizeEdit(d, "WidthEdit")->text(), "7");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->getWidth(), 7);
    EXPECT_EQ(item->getHeight(), 5);
    EXPECT_EQ(dotCount(item->Bitmap), 1);
    EXPECT_TRUE(MonoBitmap::isDot(item->Bitmap, 6, 4));
}

TEST_F(GraphicItemDialogTest, ChoosingARotationTurnsThePicture) {
    item->takeBitmap(MonoBitmap::blank(12, 3));
    MonoBitmap::setDot(item->Bitmap, 11, 0);
    edit([](QDialog& d) {
        control<RadioGroup>(d, "RotationRG")->button(1)->click();
        EXPECT_EQ(sizeEdit(d, "WidthEdit")->text(), "3");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->Rotation, 1);
    EXPECT_EQ(item->getWidth(), 3);
    EXPECT_EQ(item->getHeight(), 12);
    EXPECT_TRUE(MonoBitmap::isDot(item->Bitmap, 0, 0));
}

TEST_F(GraphicItemDialogTest, OkWithoutAPictureActsAsCancel) {
    item = std::make_unique<GraphicItem>();
    item->setPosition({60, 60});
    EXPECT_EQ(edit([](QDialog& d) {
                  EXPECT_FALSE(sizeEdit(d, "WidthEdit")->isEnabled());
                  click(d, "OKBtn");
              }),
              QDialog::Rejected);
}
