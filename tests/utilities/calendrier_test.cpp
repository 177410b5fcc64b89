#include "utilities/calendrier.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qel {
namespace {

QWidget* grid(TCalendrier& calendar) {
    return calendar.findChild<QCalendarWidget*>()->findChild<QAbstractItemView*>();
}

struct MonthStep {
    QDate from;
    Qt::Key key;
    QDate to;
    const char* caption;
};

class CalendarMonthStep : public ::testing::TestWithParam<MonthStep> {};

TEST_P(CalendarMonthStep, KeepsTheDayOrTakesTheLastOne) {
    TCalendrier calendar;
    calendar.setSelectedDate(GetParam().from);
    QTest::keyClick(grid(calendar), GetParam().key);
    EXPECT_EQ(calendar.selectedDate(), GetParam().to);
    EXPECT_EQ(calendar.monthCaption(), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CalendarMonthStep,
    ::testing::Values(MonthStep{{2023, 1, 31}, Qt::Key_PageDown, {2023, 2, 28}, "février  2023"},
                      MonthStep{{2024, 1, 31}, Qt::Key_PageDown, {2024, 2, 29}, "février  2024"},
                      MonthStep{{2023, 2, 28}, Qt::Key_PageUp, {2023, 1, 28}, "janvier  2023"},
                      MonthStep{{2023, 12, 15}, Qt::Key_PageDown, {2024, 1, 15}, "janvier  2024"},
                      MonthStep{{1999, 1, 10}, Qt::Key_PageUp, {1998, 12, 10}, "décembre  1998"},
                      MonthStep{{2023, 3, 31}, Qt::Key_PageUp, {2023, 2, 28}, "février  2023"}));

TEST(Calendar, MoisButtonsStepAndPageUpComesBackWithTheSameDay) {
    TCalendrier calendar;
    calendar.setSelectedDate(QDate(2023, 1, 31));
    QTest::mouseClick(calendar.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_EQ(calendar.selectedDate(), QDate(2023, 2, 28));
    QTest::keyClick(calendar.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::Key_PageUp);
    EXPECT_EQ(calendar.selectedDate(), QDate(2023, 1, 28));
    QTest::mouseClick(calendar.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    EXPECT_EQ(calendar.selectedDate(), QDate(2022, 12, 28));
    EXPECT_EQ(calendar.monthCaption(), QStringLiteral("décembre  2022"));
}

TEST(Calendar, OpensOnTodayAndSpeaksItsCaption) {
    TCalendrier calendar;
    EXPECT_EQ(calendar.selectedDate(), QDate::currentDate());
    calendar.setSelectedDate(QDate(1998, 10, 20));
    auto* caption = calendar.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(caption->text(), QStringLiteral("octobre  1998"));
    EXPECT_EQ(caption->accessibleName(), QStringLiteral("octobre  1998"));
}

TEST(Calendar, WeekStartsOnSunday) {
    TCalendrier calendar;
    calendar.setSelectedDate(QDate(1998, 10, 20));
    auto* view = calendar.findChild<QCalendarWidget*>()->findChild<QAbstractItemView*>();
    const QAbstractItemModel* model = view->model();
    // Row 0 holds the day names; 1 October 1998 was a Thursday, the fifth column.
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), QStringLiteral("dim."));
    EXPECT_EQ(model->data(model->index(1, 4)).toInt(), 1);
}

TEST(Calendar, EscapeFromAnywhereAndFermerClose) {
    for (const char* from : {"grid", "BitBtn1", "BitBtn2", "Button1", "click Button1"}) {
        TCalendrier calendar;
        calendar.show();
        if (std::string(from) == "click Button1") {
            QTest::mouseClick(calendar.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        } else {
            QWidget* target = std::string(from) == "grid"
                                  ? grid(calendar)
                                  : calendar.findChild<QPushButton*>(QString::fromLatin1(from));
            ASSERT_NE(target, nullptr);
            QTest::keyClick(target, Qt::Key_Escape);
        }
        EXPECT_FALSE(calendar.isVisible()) << from;
    }
}

} // namespace
} // namespace qel
