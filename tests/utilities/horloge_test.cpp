#include "platform/messages.h"
#include "utilities/clockfields.h"
#include "utilities/horloge.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace qel {
namespace {

// Stands in for the machine's clock: a fixed local time in a chosen zone, and a record of
// what the window tried to set.
class FakeClock : public SystemClock {
public:
    FakeClock(QDate date, QTime time, const QTimeZone& zone)
        : now_(date, time, zone), zone_(zone) {}
    QDateTime localNow() const override { return now_; }
    QTimeZone timeZone() const override { return zone_; }
    bool setUniversalTime(const QDateTime& utc, int* error) override {
        if (refuse) {
            if (error) *error = EPERM;
            return false;
        }
        received.push_back(utc);
        return true;
    }

    bool refuse = false;
    std::vector<QDateTime> received;

private:
    QDateTime now_;
    QTimeZone zone_;
};

QTimeZone paris() {
    return QTimeZone("Europe/Paris");
}

class ClockWindow : public ::testing::Test {
protected:
    void open(QDate date, QTime time, const QTimeZone& zone = paris()) {
        clock = std::make_unique<FakeClock>(date, time, zone);
        window = std::make_unique<THorloge>(*clock);
    }

    void choose(const char* item) {
        window->findChild<QRadioButton*>(QString::fromLatin1(item))->setChecked(true);
    }
    void set() { QTest::mouseClick(window->findChild<QPushButton*>("Button2"), Qt::LeftButton); }
    void up(int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(window->findChild<QToolButton*>("SpinButton1Up"), Qt::LeftButton);
    }
    void down(int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(window->findChild<QToolButton*>("SpinButton1Down"), Qt::LeftButton);
    }

    QStringList messages;
    ScopedMessageHook hook{[this](const Message& m) {
        messages << m.text;
        return MessageResult::Ok;
    }};
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<THorloge> window;
};

TEST_F(ClockWindow, ShowsTheLocalTimeInFrenchLayouts) {
    open(QDate(1998, 10, 20), QTime(18, 23, 0));
    EXPECT_EQ(window->timeText(), QStringLiteral("18:23:00"));
    EXPECT_EQ(window->dateText(), QStringLiteral("20/10/1998"));
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->accessibleName(), QStringLiteral("18:23:00"));
    EXPECT_EQ(window->findChild<QLabel*>("Label2")->accessibleName(), QStringLiteral("20/10/1998"));
}

TEST_F(ClockWindow, HourStopsAtTwentyFourAndCannotBeSet) {
    open(QDate(2023, 1, 10), QTime(23, 15, 0));
    choose("Hr");
    set();
    EXPECT_TRUE(window->isEditing());
    EXPECT_FALSE(window->isRunning());
    up();
    EXPECT_EQ(window->timeText(), QStringLiteral("24:15:00"));
    up();
    EXPECT_EQ(window->timeText(), QStringLiteral("24:15:00"));
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->accessibleName(), QStringLiteral("24:15:00"));

    set();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Impossible de régler l'horloge système")});
    EXPECT_TRUE(clock->received.empty());
    EXPECT_EQ(window->timeText(), QStringLiteral("23:15:00"));
    EXPECT_FALSE(window->isEditing());
    EXPECT_TRUE(window->isRunning());
}

TEST_F(ClockWindow, YearStopsAt2099And1900) {
    open(QDate(2098, 5, 1), QTime(12, 0, 0));
    choose("An");
    up(3);
    EXPECT_EQ(window->dateText(), QStringLiteral("01/05/2099"));
    open(QDate(1901, 5, 1), QTime(12, 0, 0));
    choose("An");
    down(3);
    EXPECT_EQ(window->dateText(), QStringLiteral("01/05/1900"));
}

TEST_F(ClockWindow, ArrowsDoNothingWithoutAField) {
    open(QDate(2023, 1, 10), QTime(23, 15, 0));
    set();
    up();
    down(2);
    EXPECT_EQ(window->timeText(), QStringLiteral("23:15:00"));
    EXPECT_EQ(window->dateText(), QStringLiteral("10/01/2023"));
}

TEST_F(ClockWindow, ThirtyFirstOfFebruaryIsRefused) {
    open(QDate(2023, 2, 28), QTime(9, 0, 0));
    set();
    choose("Jo");
    up(5);
    EXPECT_EQ(window->dateText(), QStringLiteral("31/02/2023"));
    set();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Impossible de régler l'horloge système")});
    EXPECT_TRUE(clock->received.empty());
    EXPECT_EQ(window->dateText(), QStringLiteral("28/02/2023"));
}

TEST_F(ClockWindow, RefusalByTheSystemIsReported) {
    open(QDate(2023, 1, 10), QTime(10, 0, 0));
    clock->refuse = true;
    set();
    choose("Mn");
    up();
    set();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Impossible de régler l'horloge système")});
    EXPECT_EQ(window->timeText(), QStringLiteral("10:00:00"));
}

struct SetCase {
    const char* zone;
    QDate date;
    QTime time;
    const char* field;
    int steps; // positive: up arrow presses, negative: down
    QDateTime expectedUtc;
};

class ClockSetting : public ClockWindow, public ::testing::WithParamInterface<SetCase> {};

TEST_P(ClockSetting, SetsTheShownLocalTimeAsUniversalTime) {
    const SetCase& c = GetParam();
    const QTimeZone zone(c.zone);
    ASSERT_TRUE(zone.isValid()) << c.zone;
    open(c.date, c.time, zone);
    set();
    choose(c.field);
    if (c.steps > 0)
        up(c.steps);
    else
        down(-c.steps);
    set();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(clock->received.size(), 1u);
    EXPECT_EQ(clock->received[0], c.expectedUtc);
    EXPECT_EQ(clock->received[0].timeSpec(), Qt::UTC);
}

const QTimeZone kUtc = QTimeZone::utc();

INSTANTIATE_TEST_SUITE_P(
    Zones, ClockSetting,
    ::testing::Values(
        // Winter and summer time in the same zone: the offset follows the shown date.
        SetCase{"Europe/Paris",
                {2023, 1, 10},
                {22, 15, 0},
                "Hr",
                1,
                QDateTime({2023, 1, 10}, {22, 15, 0}, kUtc)},
        SetCase{"Europe/Paris",
                {2023, 7, 10},
                {22, 15, 0},
                "Hr",
                1,
                QDateTime({2023, 7, 10}, {21, 15, 0}, kUtc)},
        // Midnight is an ordinary hour; the universal time falls on the day before.
        SetCase{"Europe/Paris",
                {2023, 1, 10},
                {1, 30, 5},
                "Hr",
                -1,
                QDateTime({2023, 1, 9}, {23, 30, 5}, kUtc)},
        SetCase{"America/New_York",
                {2023, 1, 10},
                {22, 15, 0},
                "Mn",
                2,
                QDateTime({2023, 1, 11}, {3, 17, 0}, kUtc)},
        SetCase{"Asia/Kolkata",
                {2023, 1, 10},
                {12, 0, 0},
                "Mo",
                1,
                QDateTime({2023, 2, 10}, {6, 30, 0}, kUtc)},
        SetCase{"UTC",
                {2023, 1, 10},
                {12, 0, 0},
                "Jo",
                -1,
                QDateTime({2023, 1, 9}, {12, 0, 0}, kUtc)}));

TEST_F(ClockWindow, EscapeAndFermerClose) {
    open(QDate(2023, 1, 10), QTime(10, 0, 0));
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    window->show();
    QTest::keyClick(window->findChild<QPushButton*>("Button1"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ClockWindow, ButtonsAreNamedByTheirCaption) {
    open(QDate(2023, 1, 10), QTime(10, 0, 0));
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (!b->text().isEmpty()) EXPECT_EQ(b->accessibleName(), b->text());
}

struct Step {
    ClockField field;
    int delta;
    const char* time;
    const char* date;
    const char* timeAfter;
    const char* dateAfter;
};

class ClockFieldStep : public ::testing::TestWithParam<Step> {};

TEST_P(ClockFieldStep, ClampsWithoutWrapping) {
    QString time = QString::fromLatin1(GetParam().time);
    QString date = QString::fromLatin1(GetParam().date);
    EXPECT_TRUE(stepClockField(GetParam().field, GetParam().delta, time, date));
    EXPECT_EQ(time, QString::fromLatin1(GetParam().timeAfter));
    EXPECT_EQ(date, QString::fromLatin1(GetParam().dateAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ClockFieldStep,
    ::testing::Values(
        Step{ClockField::Hour, -1, "00:10:00", "01/01/2000", "00:10:00", "01/01/2000"},
        Step{ClockField::Minute, 1, "10:59:30", "01/01/2000", "10:59:30", "01/01/2000"},
        Step{ClockField::Minute, -1, "10:00:30", "01/01/2000", "10:00:30", "01/01/2000"},
        Step{ClockField::Minute, 1, "10:09:30", "01/01/2000", "10:10:30", "01/01/2000"},
        Step{ClockField::Day, 1, "10:00:00", "31/01/2000", "10:00:00", "31/01/2000"},
        Step{ClockField::Day, -1, "10:00:00", "01/01/2000", "10:00:00", "00/01/2000"},
        Step{ClockField::Day, -1, "10:00:00", "00/01/2000", "10:00:00", "00/01/2000"},
        Step{ClockField::Month, 1, "10:00:00", "01/12/2000", "10:00:00", "01/12/2000"},
        Step{ClockField::Month, -1, "10:00:00", "01/00/2000", "10:00:00", "01/00/2000"},
        Step{ClockField::Year, 1, "10:00:00", "01/01/0098", "10:00:00", "01/01/1999"}));

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

TEST(RealClock, RefusalWithoutRightsIsReported) {
    if (maySetClock()) GTEST_SKIP() << "this process may set the clock; not touching it";
    QStringList messages;
    ScopedMessageHook hook([&messages](const Message& m) {
        messages << m.text;
        return MessageResult::Ok;
    });
    THorloge window;
    QTest::mouseClick(window.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{QStringLiteral("Impossible de régler l'horloge système")});
}

TEST(ShownTime, TimeSkippedBySummerTimeIsNoMoment) {
    EXPECT_FALSE(
        shownTimeAsUniversal(QStringLiteral("02:30:00"), QStringLiteral("26/03/2023"), paris()));
    EXPECT_FALSE(
        shownTimeAsUniversal(QStringLiteral("10:00:00"), QStringLiteral("10/00/2023"), paris()));
    EXPECT_TRUE(
        shownTimeAsUniversal(QStringLiteral("03:30:00"), QStringLiteral("26/03/2023"), paris()));
}

} // namespace
} // namespace qel
