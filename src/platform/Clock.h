#pragma once

#include <QDateTime>

// The current date and time. Items that show dates, times and shifts, the
// minute refresh and the download compiler ask a Clock, so that tests and the
// command line can fix "now".
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime t) : t_(std::move(t)) {}
    QDateTime now() const override { return t_; }
    void set(QDateTime t) { t_ = std::move(t); }
    void advanceSecs(qint64 s) { t_ = t_.addSecs(s); }

private:
    QDateTime t_;
};
