#include "platform/messages.h"
#include "utilities/clockfields.h"
#include "utilities/horloge.h"

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

// Each field's arrows stop at its limits; a shown time the system cannot take, or a refusal
// by the system, is reported and the running clock comes back.
TEST_F(ClockWindow, ArrowsStopAtTheLimitsAndRefusalsAreReported) {
    const QString refused = QStringLiteral("Impossible de régler l'horloge système");
    const struct {
        const char* what;
        QDate date;
        QTime time;
        const char* field; // empty: none chosen
        int steps;         // up arrow presses, or down when negative
        const char* shown; // the time and date shown before the second press of "Set"
        bool systemRefuses, reported;
    } cases[] = {
        {"hour stops at 24", {2023, 1, 10}, {23, 15}, "Hr", 2, "24:15:00 10/01/2023", 0, 1},
        {"no field, no change", {2023, 1, 10}, {23, 15}, "", -2, "23:15:00 10/01/2023", 0, 0},
        {"year stops at 2099", {2098, 5, 1}, {12, 0}, "An", 3, "12:00:00 01/05/2099", 0, 0},
        {"year stops at 1900", {1901, 5, 1}, {12, 0}, "An", -3, "12:00:00 01/05/1900", 0, 0},
        {"31 February", {2023, 2, 28}, {9, 0}, "Jo", 5, "09:00:00 31/02/2023", 0, 1},
        {"the system refuses", {2023, 1, 10}, {10, 0}, "Mn", 1, "10:01:00 10/01/2023", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        open(c.date, c.time);
        clock->refuse = c.systemRefuses;
        set();
        EXPECT_FALSE(window->isRunning());
        if (*c.field) choose(c.field);
        c.steps > 0 ? up(c.steps) : down(-c.steps);
        EXPECT_EQ(window->timeText() + ' ' + window->dateText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(window->findChild<QLabel*>("Label1")->accessibleName(), window->timeText());
        messages.clear();
        set();
        EXPECT_EQ(messages, c.reported ? QStringList{refused} : QStringList{});
        EXPECT_EQ(clock->received.size(), c.reported ? 0u : 1u);
        if (c.reported) EXPECT_EQ(window->timeText(), c.time.toString(QStringLiteral("HH:mm:ss")));
        EXPECT_TRUE(window->isRunning());
    }
}

struct SetCase {
    const char* zone;
    const char* shown; // local date and time
    const char* field;
    int steps; // up arrow presses, or down when negative
    const char* utc;
};

class ClockSetting : public ClockWindow, public ::testing::WithParamInterface<SetCase> {};

TEST_P(ClockSetting, SetsTheShownLocalTimeAsUniversalTime) {
    const SetCase& c = GetParam();
    const QTimeZone zone(c.zone);
    ASSERT_TRUE(zone.isValid()) << c.zone;
    const QDateTime shown = QDateTime::fromString(QString::fromLatin1(c.shown), Qt::ISODate);
    open(shown.date(), shown.time(), zone);
    set();
    choose(c.field);
    c.steps > 0 ? up(c.steps) : down(-c.steps);
    set();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(clock->received.size(), 1u);
    EXPECT_EQ(clock->received[0], QDateTime::fromString(QString::fromLatin1(c.utc), Qt::ISODate));
    EXPECT_EQ(clock->received[0].timeSpec(), Qt::UTC);
}

// Winter and summer time in one zone: the offset follows the shown date; midnight is an
// ordinary hour.
INSTANTIATE_TEST_SUITE_P(
    Zones, ClockSetting,
    ::testing::Values(
        SetCase{"Europe/Paris", "2023-01-10T22:15:00", "Hr", 1, "2023-01-10T22:15:00Z"},
        SetCase{"Europe/Paris", "2023-07-10T22:15:00", "Hr", 1, "2023-07-10T21:15:00Z"},
        SetCase{"Europe/Paris", "2023-01-10T01:30:05", "Hr", -1, "2023-01-09T23:30:05Z"},
        SetCase{"America/New_York", "2023-01-10T22:15:00", "Mn", 2, "2023-01-11T03:17:00Z"},
        SetCase{"Asia/Kolkata", "2023-01-10T12:00:00", "Mo", 1, "2023-02-10T06:30:00Z"},
        SetCase{"UTC", "2023-01-10T12:00:00", "Jo", -1, "2023-01-09T12:00:00Z"}));

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
