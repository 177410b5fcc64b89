#include "platform/systemclock.h"

#include <cerrno>
#include <ctime>

namespace qel {
namespace {

class RealSystemClock final : public SystemClock {
public:
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }

    QTimeZone timeZone() const override {
        // Without zone data the C library runs the machine on universal time too.
        const QTimeZone zone = QTimeZone::systemTimeZone();
        return zone.isValid() ? zone : QTimeZone::utc();
    }

    bool setUniversalTime(const QDateTime& utc, int* error) override {
        if (!utc.isValid()) {
            if (error) *error = EINVAL;
            return false;
        }
        timespec ts{};
        ts.tv_sec = static_cast<time_t>(utc.toSecsSinceEpoch());
        ts.tv_nsec = static_cast<long>(utc.time().msec()) * 1000000L;
        if (clock_settime(CLOCK_REALTIME, &ts) != 0) {
            if (error) *error = errno;
            return false;
        }
        if (error) *error = 0;
        return true;
    }
};

} // namespace

SystemClock& realSystemClock() {
    static RealSystemClock clock;
    return clock;
}

} // namespace qel
