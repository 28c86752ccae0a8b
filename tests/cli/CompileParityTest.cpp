// The command line gives the handheld the same bytes as the designer: for
// every model, rotation and justification, an image opened in the main
// window and saved from its download in diagnostic mode holds exactly what
// tolvane-cli compile writes for the same file.
#include "CliRunner.h"
#include "ImageBytes.h"
#include "MainWindowFixture.h"
#include "app/ProgramClasses.h"
#include "document/ImageFile.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

struct ParityCase {
    int model;
    int rotation;
    int justification;
};

std::vector<ParityCase> everyCase() {
    std::vector<ParityCase> cases;
    for (int model = 0; model < 3; ++model)
        for (int rotation = 0; rotation < 4; ++rotation)
            for (int justification = 0; justification < 4; ++justification)
                cases.push_back({model, rotation, justification});
    return cases;
}

// A restricted area away from the image's start on each model, and an item
// that justification has to move.
void writeImage(const QString& path, const ParityCase& c) {
    static const DotRect areas[] = {{20, 30, 484, 1500}, {610, 0, 1310, 228}, {300, 20, 2000, 356}};
    static const QPoint stored[] = {{200, 900}, {900, 120}, {1000, 200}};
    ImageFileHeader h;
    h.ShortName = "AB";
    h.LongName = "PRODUCT";
    h.TypeCode = c.model == 0 ? 1 : c.model == 1 ? 2 : 4;
    h.Area = areas[c.model];
    h.MonthLanguageName = "English";
    h.MonthStrings = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    ItemList items;
    auto item = storedTextItem(3, stored[c.model], "Lot 42", c.rotation);
    item->Justification = uint8_t(c.justification);
    items.append(std::move(item));
    ImageFile::write(path, h, items, imageFileRegistry());
}

class CompileParity : public MainWindowFixture, public ::testing::WithParamInterface<ParityCase> {
protected:
    // The window reads the settings and the font map the command line reads:
    // the runner's folders, made after the fixture's, are the ones in use.
    void SetUp() override {
        cli.folders().writeIni("[MainForm]\nHandheldMaxSize=32512\n");
        registerProgramClasses(registry);
        makeModel();
        ASSERT_TRUE(fonts->loadFontMap(cli.fontMap(), registry));
        makeWindow();
        window->show();
    }
    // What the designer's download sends for the image file: its diagnostic
    // save, which holds the whole buffer, cut to the compiled length.
    QByteArray designerBytes(const QString& image, qsizetype length) {
        prompter.fileAnswers.push_back({true, image, 0});
        window->action(QStringLiteral("FileMenuLoad"))->trigger();
        data->switchOnDiagnostic();
        const QString saved = cli.path(QStringLiteral("designer.bin"));
        prompter.answers = {Prompter::Answer::Yes};
        prompter.fileAnswers.push_back({true, saved, 0});
        window->action(QStringLiteral("FileMenuDownloadImage"))->trigger();
        EXPECT_EQ(prompter.texts(), QStringList({"Save to file ?"}));
        return fileBytes(saved).left(length);
    }

    CliRunner cli;
};

TEST_P(CompileParity, TheCommandLineCompilesWhatTheDesignerDownloads) {
    const QString image = cli.path(QStringLiteral("label.img"));
    writeImage(image, GetParam());
    const CliRunner::Result r = cli.run({"compile", image, "-o", "cli.bin"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray compiled = fileBytes(cli.path(QStringLiteral("cli.bin")));
    ASSERT_FALSE(compiled.isEmpty());
    EXPECT_EQ(designerBytes(image, compiled.size()).toHex(' '), compiled.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(EveryModelRotationAndJustification, CompileParity,
                         ::testing::ValuesIn(everyCase()),
                         [](const ::testing::TestParamInfo<ParityCase>& info) {
                             const ParityCase& c = info.param;
                             return "Model" + std::to_string(c.model) + "Rotation" +
                                    std::to_string(c.rotation) + "Justification" +
                                    std::to_string(c.justification);
                         });

} // namespace
