// The command line gives the handheld the same bytes as the designer: for
// every model, rotation and justification, an image opened in the main
// window and saved from its download in diagnostic mode holds exactly what
// tolvane-cli compile writes for the same file.
#include "CliRunner.h"
#include "ImageBytes.h"
#include "ScriptedPrompter.h"
#include "app/ProgramClasses.h"
#include "app/ui/MainWindow.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "document/ImageFile.h"
#include "document/ItemTypeNames.h"
#include "platform/Clock.h"
#include "printer/FontSet.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

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

class CompileParity : public ::testing::TestWithParam<ParityCase> {
protected:
    // The window reads the settings and the font map the command line reads.
    void SetUp() override {
        cli.folders().writeIni("[MainForm]\nHandheldMaxSize=32512\n");
        registerProgramClasses(registry);
        data = std::make_unique<DataStore>(SettingsFile::open().get());
        fonts = std::make_unique<FontSet>(data->printers());
        ASSERT_TRUE(fonts->loadFontMap(cli.fontMap(), registry));
        context = std::make_unique<AppContext>(
            AppContext{prompter, clock, *data, registry, *fonts, messages, kindNames});
        window = std::make_unique<MainWindow>(*context);
        window->show();
    }
    void TearDown() override {
        if (window)
            window->setModified(false);
        window.reset();
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
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(10, 15, 30))};
    ClassRegistry registry;
    Messages messages;
    ItemTypeNames kindNames;
    std::unique_ptr<DataStore> data;
    std::unique_ptr<FontSet> fonts;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<MainWindow> window;
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
