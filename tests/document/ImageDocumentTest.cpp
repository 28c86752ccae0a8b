#include "document/ImageDocument.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "persist/MemoryStream.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

using ImageDocument::forceExtension;

namespace {

ImageFileContents contentsOf(const QByteArray& bytes) {
    MemoryStream s(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return ImageFile::read(s, imageFileRegistry(), Messages());
}

} // namespace

TEST(ImageDocument, ForceExtensionReplacesOrAppendsTheModelsExtension) {
    EXPECT_EQ(forceExtension("label", ".G1A"), "label.G1A");
    EXPECT_EQ(forceExtension("/home/a.b/label", ".G1A"), "/home/a.b/label.G1A");
    EXPECT_EQ(forceExtension("/home/a.b/label.txt", ".G1A"), "/home/a.b/label.G1A");
    EXPECT_EQ(forceExtension("label", "G3C"), "label.G3C"); // a setting without its dot
    EXPECT_EQ(forceExtension("label.old", ""), "label.old");
}

TEST(ImageDocument, AFileWithoutTypeCodeKeepsTheSelectedModel) {
    RenderHarness h(2);
    const ImageFileContents c =
        contentsOf(ImageBytes::smallImage("nebra V1.0X008", std::nullopt, false));
    ImageDocument::applyGeometry(c.Header, h.models, h.display);
    EXPECT_EQ(h.models.selectedIndex(), 2);
    EXPECT_EQ(h.display.imageWidth(), 384); // up to the area's right edge
    EXPECT_EQ(h.models.width(), 4000);      // the model's own length stays
}
