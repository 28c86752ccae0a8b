// The designer's --help and --version, answered before any window exists.
#include "app/StartOptions.h"

#include <gtest/gtest.h>

namespace {

enum class Answer { Starts, Help, Version };

struct Case {
    QStringList args;
    Answer answer;
};

Answer answerFor(const QStringList& args) {
    const std::optional<QByteArray> info = StartOptions::informationFor(args);
    if (!info)
        return Answer::Starts;
    if (info->startsWith("Usage: tolvane "))
        return Answer::Help;
    EXPECT_EQ(*info, QByteArray("tolvane " TOLVANE_PROJECT_VERSION "\n"));
    return Answer::Version;
}

} // namespace

TEST(StartOptions, OnlyHelpAndVersionKeepTheDesignerFromStarting) {
    const Case cases[] = {
        {{}, Answer::Starts},
        {{"carton.G4E"}, Answer::Starts},
        {{"-platform", "offscreen"}, Answer::Starts}, // Qt's own options pass through
        {{"--helpful.G4E"}, Answer::Starts},
        {{"--", "--help"}, Answer::Starts}, // a file named --help
        {{"--help"}, Answer::Help},
        {{"-h"}, Answer::Help},
        {{"carton.G4E", "--help"}, Answer::Help},
        {{"--version"}, Answer::Version},
        {{"-v"}, Answer::Version},
        {{"--version", "--help"}, Answer::Version}, // the first decides
    };
    for (const Case& c : cases)
        EXPECT_EQ(answerFor(c.args), c.answer) << c.args.join(u' ').toStdString();
}

TEST(StartOptions, ArgvLeavesOutTheProgramName) {
    char program[] = "tolvane";
    char file[] = "Gr\xc3\xbc\xc3\x9f"
                  "e.G4E";
    char* argv[] = {program, file, nullptr};
    EXPECT_EQ(StartOptions::fromArgv(2, argv), QStringList{QStringLiteral("Grüße.G4E")});
}
