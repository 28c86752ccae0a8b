#include "FontTestSupport.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QByteArray TwoLines = "2 | 1 | Standard | DejaVu Sans | 7 | 0 | 1  # comment\r\n"
                            "\n"
                            "2|2|Gr\xC3\xA4ns|DejaVu Serif|9|1|255\n";

// Runs the builder; answers its exit code and error output.
std::pair<int, QByteArray> build(const QString& source, const QString& output) {
    QProcess tool;
    tool.start(QStringLiteral(TOLVANE_FONTMAP_BUILD), {source, "-o", output});
    tool.waitForFinished(30000);
    return {tool.exitCode(), tool.readAllStandardError()};
}

} // namespace

TEST(FontMapBuildTool, BadTableFailsWithoutTouchingTheOutput) {
    FontSetHarness h;
    const QString output = h.writeFile({'o', 'l', 'd'}, "FONTMAP.DEF");
    const QByteArray bad = TwoLines + "2 | 3 | Bold\n";
    const QString source = h.writeFile({bad.begin(), bad.end()}, "fontmap.txt");
    const auto [failed, message] = build(source, output);
    EXPECT_EQ(failed, 1);
    EXPECT_TRUE(message.contains("fontmap.txt: line 4: 3 fields")) << message.toStdString();
    EXPECT_EQ(QFileInfo(output).size(), 3);

    h.writeFile({TwoLines.begin(), TwoLines.end()}, "fontmap.txt");
    EXPECT_EQ(build(source, output).first, 0);
    ASSERT_TRUE(h.fonts.loadFontMap(output, h.registry));
    h.selectModel(2);
    EXPECT_EQ(h.fonts.downloadCodeOf(2), 255);
    EXPECT_TRUE(h.fonts.findFont(2)->Bold);
}
