#include "platform/systemclock.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

namespace qel {
namespace {

// Whether this process may set the clock (CAP_SYS_TIME, bit 25 of the effective set).
bool maySetClock() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return true; // unknown: assume yes and stay away from the real clock
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("CapEff:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> 25) & 1;
    return true;
}

TEST(RealSystemClock, RefusesAnInvalidTime) {
    int error = 0;
    EXPECT_FALSE(realSystemClock().setUniversalTime(QDateTime(), &error));
    EXPECT_EQ(error, EINVAL);
}

TEST(RealSystemClock, RefusesWithoutTheRightToSetIt) {
    if (maySetClock()) GTEST_SKIP() << "this process may set the clock; not touching it";
    int error = 0;
    EXPECT_FALSE(realSystemClock().setUniversalTime(QDateTime::currentDateTimeUtc(), &error));
    EXPECT_EQ(error, EPERM);
}

TEST(RealSystemClock, ReadsLocalTimeInItsOwnZone) {
    const QDateTime now = realSystemClock().localNow();
    const QDateTime inZone(now.date(), now.time(), realSystemClock().timeZone());
    EXPECT_LE(std::abs(inZone.toSecsSinceEpoch() - now.toSecsSinceEpoch()), 1);
}

} // namespace
} // namespace qel
