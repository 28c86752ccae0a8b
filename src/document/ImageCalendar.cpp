#include "document/ImageCalendar.h"

#include "document/ShiftTable.h"
#include "platform/Windows1252.h"

ImageCalendar::ImageCalendar(const Clock& clock, const DataStore::MonthLanguages& languages,
                             const std::string& imageMonthStrings, const ShiftTable& shifts)
    : clock_(clock), imageMonthStrings_(imageMonthStrings), shifts_(shifts) {
    for (std::size_t i = 0; i < languages.size(); ++i)
        languages_[i] = Windows1252::encode(languages[i].strings);
}

std::string ImageCalendar::monthStrings(int languageIndex) const {
    // An image without month strings of its own downloads the first
    // language's, so it shows them too.
    if (languageIndex == ImageMonthLanguage)
        return imageMonthStrings_.empty() ? languages_[0] : imageMonthStrings_;
    if (languageIndex < 0 || languageIndex >= int(languages_.size()))
        return {};
    return languages_[std::size_t(languageIndex)];
}

std::string ImageCalendar::shiftCodeAt(const QDateTime& moment) const {
    return shifts_.currentShiftCode(moment);
}
