#include "comms/ui/DownloadCommands.h"

#include "comms/DownloadCompiler.h"
#include "comms/ui/DownloadDialog.h"
#include "comms/ui/HandheldContentsDialog.h"
#include "document/DataStore.h"
#include "document/ItemList.h"
#include "texts/SettingsFile.h"

namespace {

const QString SaveQuestion = QStringLiteral("Save to file ?");

void stop(Prompter& prompter, const QString& text) {
    prompter.message(text, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
}

DownloadCompiler::Result compile(const DownloadImageContext& image) {
    DataStore& data = image.data;
    // The month strings are replaced only on the way to compiling.
    const bool compiling =
        !data.shortName().empty() && !data.longName().empty() && image.items.count() > 0;
    if (compiling && (data.monthStrings().empty() || data.monthLanguageName().empty()))
        data.resetMonthLanguage();
    const DownloadSource source{data.shortName(),
                                data.longName(),
                                data.monthStrings(),
                                image.shifts,
                                image.items,
                                image.fonts,
                                data.printers().selectedIndex(),
                                image.calendar};
    return DownloadCompiler::compile(source, image.limits);
}

// In diagnostic mode the compiled bytes may go to a file instead of the
// handheld; true when they did and the download is off.
bool savedInstead(Prompter& prompter, const DownloadImageContext& image,
                  const DownloadBuffer& compiled) {
    if (!image.data.diagnostic() ||
        prompter.message(SaveQuestion, QString(), Prompter::Icon::Question,
                         Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return false;
    const Prompter::FileAnswer file = prompter.saveFile(image.saveRequest);
    if (!file.accepted || file.fileName.isEmpty())
        return false;
    QString error;
    if (!DownloadCompiler::saveWholeArray(compiled, file.fileName, &error))
        stop(prompter, file.fileName + QStringLiteral(": ") + error);
    return true;
}

} // namespace

void runDownload(const HandheldCommandContext& handheld, const DownloadImageContext& image) {
    const auto settings = SettingsFile::open(&handheld.prompter);
    const DownloadCompiler::Result result = compile(image);
    if (result.refusal != DownloadCompiler::Refusal::None)
        return stop(
            handheld.prompter,
            DownloadCompiler::messageFor(result, image.items, handheld.messages, image.kindNames));
    if (savedInstead(handheld.prompter, image, *result.image))
        return;
    DownloadDialog form(settings.get(), handheld.replyPacket, handheld.messages, handheld.timeouts,
                        handheld.parent);
    form.run(handheld.prompter, handheld.commsPort, *result.image, image.data.shortName(),
             image.data.longName());
}

HandheldContentsDialog* viewHandheld(const HandheldCommandContext& handheld) {
    const auto settings = SettingsFile::open(&handheld.prompter);
    auto* form = new HandheldContentsDialog(settings.get(), handheld.replyPacket, handheld.messages,
                                            handheld.timeouts, handheld.parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (form->view(handheld.prompter, handheld.commsPort))
        return form;
    delete form;
    return nullptr;
}

void eraseHandheld(const HandheldCommandContext& handheld) {
    const auto settings = SettingsFile::open(&handheld.prompter);
    DownloadDialog form(settings.get(), handheld.replyPacket, handheld.messages, handheld.timeouts,
                        handheld.parent);
    form.runErase(handheld.prompter, handheld.commsPort);
}
