#include "printer/ItemCalendar.h"

#include "platform/Clock.h"

QDateTime ItemCalendar::now() const {
    return clock().now();
}

namespace {

class SystemCalendar final : public ItemCalendar {
public:
    const Clock& clock() const override { return clock_; }
    std::string monthStrings(int) const override { return {}; }
    std::string shiftCodeAt(const QDateTime&) const override { return {}; }

private:
    SystemClock clock_;
};

} // namespace

const ItemCalendar& systemCalendar() {
    static const SystemCalendar calendar;
    return calendar;
}
