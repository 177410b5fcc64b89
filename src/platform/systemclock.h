#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace qel {

// Reading and setting the machine's clock. The clock window talks only to this interface so
// that tests can hand it a fake and never touch the real clock.
class SystemClock {
public:
    virtual ~SystemClock() = default;

    // The current date and time in the machine's local time.
    virtual QDateTime localNow() const = 0;

    // The zone that turns the local time shown to the user into universal time.
    virtual QTimeZone timeZone() const = 0;

    // Sets the system clock to `utc`. On refusal returns false, changes nothing and stores the
    // errno-style reason in `error` when given.
    virtual bool setUniversalTime(const QDateTime& utc, int* error = nullptr) = 0;
};

// The machine's own clock.
SystemClock& realSystemClock();

} // namespace qel
