#include "items/PictureFile.h"
#include "PictureFiles.h"
#include "TestFolders.h"
#include "items/MonoBitmap.h"

#include <gtest/gtest.h>

namespace {

struct Files {
    TestFolders folders;
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = folders.settingsDir() + u'/' + name;
        writeBytes(path, bytes);
        return path;
    }
};

const QSize Limit(4000, 256);

} // namespace

// The bit count at offset 28 is read before anything else of the file.
TEST(PictureFile, BitmapsOfMoreThanOneBitPerPixelAreRefused) {
    Files f;
    for (const int bits : {4, 8, 24}) {
        const QByteArray bytes = windowsBitmap(8, 2, bits);
        ASSERT_EQ(int(bytes[int(PictureFile::BitCountOffset)]), bits);
        EXPECT_EQ(PictureFile::load(f.write("colour.bmp", bytes), Limit).problem,
                  PictureFile::Problem::ColourBitmap)
            << bits;
        // Even with dimensions no image holds.
        QByteArray huge = bytes;
        put32(huge, 18, 100000);
        EXPECT_EQ(PictureFile::load(f.write("huge.bmp", huge), Limit).problem,
                  PictureFile::Problem::ColourBitmap);
    }
}

TEST(PictureFile, DamagedOrOversizedFilesAreRefusedBeforeTheirPixelsAreRead) {
    Files f;
    const QByteArray good = windowsBitmap(40, 10, 1);
    QByteArray hostile = good;
    put32(hostile, 18, 0x7FFFFFFF);
    put32(hostile, 22, 0x7FFFFFFF);
    QByteArray tooHigh = good;
    put32(tooHigh, 22, 257);
    QByteArray noWidth = good;
    put32(noWidth, 18, 0);
    struct Case {
        const char* name;
        QByteArray bytes;
        PictureFile::Problem problem;
    };
    for (const Case& c :
         {Case{"hostile", hostile, PictureFile::Problem::TooLarge},
          Case{"tooHigh", tooHigh, PictureFile::Problem::TooLarge},
          Case{"truncated", good.left(good.size() - 1), PictureFile::Problem::Unreadable},
          Case{"headerOnly", good.left(20), PictureFile::Problem::Unreadable},
          Case{"noWidth", noWidth, PictureFile::Problem::Unreadable},
          Case{"text", QByteArray("hello, world"), PictureFile::Problem::Unreadable}}) {
        const PictureFile::Loaded loaded = PictureFile::load(f.write("bad.bmp", c.bytes), Limit);
        EXPECT_EQ(loaded.problem, c.problem) << c.name;
        EXPECT_TRUE(loaded.picture.isNull()) << c.name;
    }
    EXPECT_EQ(PictureFile::load(f.folders.settingsDir() + "/missing.bmp", Limit).problem,
              PictureFile::Problem::Unreadable);
}

TEST(PictureFile, OtherPicturesComeBackWholeForTheThreshold) {
    Files f;
    QImage grey(30, 2, QImage::Format_RGB32);
    grey.fill(Qt::white);
    grey.setPixel(0, 0, qRgb(40, 40, 40));
    const QString path = f.folders.settingsDir() + "/logo.png";
    ASSERT_TRUE(grey.save(path, "PNG"));
    const PictureFile::Loaded loaded = PictureFile::load(path, Limit);
    ASSERT_EQ(loaded.problem, PictureFile::Problem::None);
    EXPECT_FALSE(loaded.windowsBitmap);
    EXPECT_EQ(loaded.picture.pixel(0, 0), qRgb(40, 40, 40));
    EXPECT_EQ(PictureFile::load(path, QSize(29, 2)).problem, PictureFile::Problem::TooLarge);
}

TEST(MonoBitmap, ThresholdMakesDotsOfWhatIsDarker) {
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(100, 100, 100));
    picture.setPixel(2, 0, qRgb(200, 200, 200));
    picture.setPixel(3, 0, qRgba(0, 0, 0, 0)); // transparent: paper
    for (const auto& [threshold, dots] :
         {std::pair(1, "#..."), std::pair(100, "#..."), std::pair(101, "##.."),
          std::pair(201, "###."), std::pair(255, "###.")}) {
        const QImage result = MonoBitmap::fromThreshold(picture, threshold);
        std::string row;
        for (int x = 0; x < 4; ++x)
            row += MonoBitmap::isDot(result, x, 0) ? '#' : '.';
        EXPECT_EQ(row, dots) << threshold;
    }
    // Not white at all is a dot when a picture is taken as it is.
    const QImage notWhite = MonoBitmap::fromNotWhite(picture);
    EXPECT_TRUE(MonoBitmap::isDot(notWhite, 2, 0));
    EXPECT_FALSE(MonoBitmap::isDot(notWhite, 3, 0));
}
