#include "platform/systemclock.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(RealSystemClock, RefusesAnInvalidTime) {
    int error = 0;
    EXPECT_FALSE(realSystemClock().setUniversalTime(QDateTime(), &error));
    EXPECT_EQ(error, EINVAL);
}

TEST(RealSystemClock, ReadsLocalTimeInItsOwnZone) {
    const QDateTime now = realSystemClock().localNow();
    const QDateTime inZone(now.date(), now.time(), realSystemClock().timeZone());
    EXPECT_LE(std::abs(inZone.toSecsSinceEpoch() - now.toSecsSinceEpoch()), 1);
}

} // namespace
} // namespace qel
