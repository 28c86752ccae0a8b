// Every save of the program onto a disk that takes no more bytes: the save
// must report the failure and leave the previous file exactly as it was.

#include "platform/AtomicFile.h"

#include "TestFolders.h"
#include "comms/DownloadCompiler.h"
#include "document/ImageFile.h"
#include "document/ItemList.h"
#include "persist/ClassRegistry.h"
#include "persist/DownloadBuffer.h"
#include "platform/IniFile.h"
#include "texts/LanguageFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Outcome { ReportedFailure, ReportedSuccess, Crashed };

// Runs save in a child process that may not write one byte to any file, as
// on a full disk. A save that throws has reported its failure.
Outcome onFullDisk(const std::function<bool()>& save) {
    const pid_t pid = fork();
    if (pid == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        bool saved = false;
        try {
            saved = save();
        } catch (...) {
        }
        _exit(saved ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return Outcome::Crashed;
    return WEXITSTATUS(status) == 0 ? Outcome::ReportedFailure : Outcome::ReportedSuccess;
}

ImageFileHeader smallHeader() {
    ImageFileHeader h;
    h.ShortName = "Short";
    h.TypeCode = 2;
    h.Area = {0, 0, 4100, 228};
    return h;
}

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndFailsWithAReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    writeBytes(path, "a much longer previous content");
    ASSERT_TRUE(AtomicFile::write(path, "new"));
    EXPECT_EQ(fileBytes(path), "new");

    QString error;
    EXPECT_FALSE(AtomicFile::write(dir.filePath("no/such/folder/f.bin"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(AtomicFile, EverySaveOnAFullDiskKeepsThePreviousFile) {
    TestFolders folders;
    QTemporaryDir dir;
    const QByteArray old = "[MainForm]\nWidth=700\n; the previous file, byte for byte\n";
    const ClassRegistry registry;
    const ItemList noItems;

    const struct {
        const char* saver;
        QString path;
        std::function<bool()> save;
    } cases[] = {
        {"AtomicFile", dir.filePath("plain.bin"),
         [&] { return AtomicFile::write(dir.filePath("plain.bin"), "new bytes"); }},
        {"IniFile", folders.iniPath(),
         [&] { return IniFile(folders.iniPath()).writeInteger("MainForm", "Width", 800); }},
        {"ImageFile", dir.filePath("label.G1A"),
         [&] {
             ImageFile::write(dir.filePath("label.G1A"), smallHeader(), noItems, registry);
             return true;
         }},
        {"DownloadCompiler", dir.filePath("image.bin"),
         [&] {
             return DownloadCompiler::saveWholeArray(DownloadBuffer{}, dir.filePath("image.bin"),
                                                     nullptr);
         }},
    };
    for (const auto& c : cases) {
        writeBytes(c.path, old);
        EXPECT_EQ(onFullDisk(c.save), Outcome::ReportedFailure) << c.saver;
        EXPECT_EQ(fileBytes(c.path), old) << c.saver;
        const QFileInfo target(c.path);
        EXPECT_TRUE(target.dir().entryList({target.fileName() + ".*"}, QDir::Files).isEmpty())
            << c.saver << ": a temporary file was left behind";
    }

    // The first start's copy of the English file: no settings file at all
    // rather than an empty one.
    QFile::remove(folders.iniPath());
    folders.writeInstallFile("English.ini", old);
    EXPECT_EQ(onFullDisk([] { return LanguageFiles::createSettingsIfMissing(); }),
              Outcome::ReportedFailure);
    EXPECT_FALSE(QFile::exists(folders.iniPath()));
}
