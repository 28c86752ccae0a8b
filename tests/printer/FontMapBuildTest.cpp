#include "FontTestSupport.h"
#include "platform/TolvError.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QByteArray TwoLines = "2 | 1 | Standard | DejaVu Sans | 7 | 0 | 1  # comment\r\n"
                            "\n"
                            "2|2|Gr\xC3\xA4ns|DejaVu Serif|9|1|255\n";

std::string parseError(const QByteArray& text) {
    try {
        parseFontTable(text);
    } catch (const TolvError& e) {
        return e.what();
    }
    return "(no error)";
}

// Runs the builder; answers its exit code and error output.
std::pair<int, QByteArray> build(const QString& source, const QString& output) {
    QProcess tool;
    tool.start(QStringLiteral(TOLVANE_FONTMAP_BUILD), {source, "-o", output});
    tool.waitForFinished(30000);
    return {tool.exitCode(), tool.readAllStandardError()};
}

} // namespace

TEST(FontTable, ReadsFontsBetweenCommentsAndBlankLines) {
    const FontTable fonts = parseFontTable(TwoLines + "4 | 1 | Standard | DejaVu Sans | 7 | 0 | 1");
    ASSERT_EQ(fonts.size(), 3u);
    const NEBRAFont& f = *fonts[1];
    EXPECT_EQ(std::tie(f.ModelCode, f.FontNumber, f.Name, f.FaceName, f.PointSize, f.Bold,
                       f.DownloadCode),
              std::make_tuple(2, 2, "Gr\xE4ns", "DejaVu Serif", 9, true, 255));
    EXPECT_EQ(parseError("# only a comment\n"), "the table lists no fonts");
}

TEST(FontTable, BadLineIsReportedWithItsNumberAndReason) {
    for (const auto& [line, reason] :
         {std::pair{"2 | 3 | Bold | DejaVu Sans | 9 | 0", "line 4: 6 fields"},
          {"3 | 3 | Bold | DejaVu Sans | 9 | 0 | 3", "line 4: model code"},
          {"2 | 3 |  | DejaVu Sans | 9 | 0 | 3", "line 4: name is empty"},
          {"2 | 3 | Bold | DejaVu Sans | 9.5 | 0 | 3", "line 4: point size"},
          {"2 | 3 | Bold | DejaVu Sans | 9 | 2 | 3", "line 4: bold flag"},
          {"2 | 3 | Bold | DejaVu Sans | 9 | 0 | 256", "line 4: download code"},
          {"2 | 3 | \xE2\x82\xAC | DejaVu Sans | 9 | 0 | 3", "line 4: name \"\xE2\x82\xAC\" has"},
          {"2 | 1 | Bold | DejaVu Sans | 9 | 0 | 3", "line 4: font number 1 of model 2 is "
                                                     "already on line 1"},
          {"2 | 3 | Standard | DejaVu Sans | 7 | 0 | 3", "already on line 1"}}) {
        const std::string error = parseError(TwoLines + line);
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
}

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
    ASSERT_TRUE(h.fonts.LoadFontMap(output, h.registry));
    h.selectModel(2);
    EXPECT_EQ(h.fonts.DownloadCodeOf(2), 255);
    EXPECT_TRUE(h.fonts.FindFont(2)->Bold);
}
