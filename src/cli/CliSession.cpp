#include "cli/CliSession.h"

#include "app/MainSettings.h"
#include "app/ProgramClasses.h"
#include "document/ImageFile.h"
#include "document/ItemTypeNames.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/TolvError.h"
#include "printer/FontSet.h"
#include "printer/ProgramFonts.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QBuffer>
#include <QDir>

void CliSession::savePicture(const QImage& picture, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!picture.save(&buffer, "PNG"))
        error = QStringLiteral("the picture cannot be encoded");
    else
        AtomicFile::write(path, png, &error);
    if (!error.isEmpty())
        throw TolvError((QStringLiteral("Cannot save \"") + QDir::toNativeSeparators(path) +
                         QStringLiteral("\": ") + error)
                            .toStdString());
}

CliSession::CliSession() : settings_(SettingsFile::open()), models_(settings_.get()) {
    registerProgramClasses(registry_);
    messages_.load(settings_.get());
    kindNames_.load(settings_.get());
}

std::unique_ptr<Clock> CliSession::clockOf(const QString& command, const QString& text) {
    if (text.isEmpty())
        return std::make_unique<SystemClock>();
    const QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!moment.isValid())
        throw TolvError((command + QStringLiteral(": --now must be \"YYYY-MM-DD hh:mm\", not "
                                                  "\"%1\"")
                                       .arg(text))
                            .toStdString());
    return std::make_unique<FixedClock>(moment);
}

ImageCalendar CliSession::calendarOf(const Clock& clock, const ImageFileHeader& header) const {
    return ImageCalendar(clock, DataStore::readMonthLanguages(settings_.get()), header.MonthStrings,
                         header.Shifts);
}

QString CliSession::fileExtension(int modelIndex) const {
    // The main window's settings read nothing without a settings file; the
    // extensions then are the built-in ones.
    static const std::array<QString, 3> builtIn = {QStringLiteral(".G4E"), QStringLiteral(".G1A"),
                                                   QStringLiteral(".G3C")};
    if (!settings_)
        return builtIn.at(size_t(modelIndex));
    MainSettings main;
    main.read(settings_.get());
    return main.FileExtension.at(size_t(modelIndex));
}

void CliSession::loadFontMap(FontSet& fonts, const QString& command) const {
    const QString path = Folders::findDataFile(FontMapFileName);
    const QString cannot = QStringLiteral("Cannot ") + command;
    if (path.isEmpty())
        throw TolvError((cannot + QStringLiteral(": the font map %1 is neither in the current "
                                                 "folder nor in the installation folder \"%2\"")
                                      .arg(FontMapFileName,
                                           QDir::toNativeSeparators(Folders::installDataDir())))
                            .toStdString());
    if (!fonts.loadFontMap(path, registry_) || fonts.isEmpty())
        throw TolvError(
            (cannot + QStringLiteral(" with the font map \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path),
                               fonts.loadError().isEmpty() ? QStringLiteral("no fonts in it")
                                                           : fonts.loadError()))
                .toStdString());
}
