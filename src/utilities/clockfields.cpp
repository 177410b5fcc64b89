#include "utilities/clockfields.h"

#include <algorithm>

namespace qel {
namespace {

struct FieldPlace {
    bool inDate;
    int start; // 0-based character position
    int width;
    int lowest;
    int highest;
};

FieldPlace placeOf(ClockField field) {
    switch (field) {
    case ClockField::Hour:
        return {false, 0, 2, 0, 24};
    case ClockField::Minute:
        return {false, 3, 2, 0, 59};
    case ClockField::Day:
        return {true, 0, 2, 0, 31};
    case ClockField::Month:
        return {true, 3, 2, 0, 12};
    case ClockField::Year:
        break;
    }
    return {true, 6, 4, 1900, 2099};
}

std::optional<int> readNumber(const QString& text, int start, int width) {
    if (text.size() < start + width) return std::nullopt;
    bool ok = false;
    const int value = QStringView(text).mid(start, width).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

bool stepClockField(ClockField field, int delta, QString& timeText, QString& dateText) {
    const FieldPlace place = placeOf(field);
    QString& text = place.inDate ? dateText : timeText;
    std::optional<int> value = readNumber(text, place.start, place.width);
    if (!value) return false;
    int v = *value;
    if (field == ClockField::Year && v < 100) v += 1900;
    v = delta > 0 ? std::min(v + delta, place.highest) : std::max(v + delta, place.lowest);
    text.replace(place.start, place.width,
                 QStringLiteral("%1").arg(v, place.width, 10, QLatin1Char('0')));
    return true;
}

std::optional<QDateTime> shownTimeAsUniversal(const QString& timeText, const QString& dateText,
                                              const QTimeZone& zone) {
    const auto hour = readNumber(timeText, 0, 2);
    const auto minute = readNumber(timeText, 3, 2);
    const auto second = readNumber(timeText, 6, 2);
    const auto day = readNumber(dateText, 0, 2);
    const auto month = readNumber(dateText, 3, 2);
    const auto year = readNumber(dateText, 6, 4);
    if (!hour || !minute || !second || !day || !month || !year) return std::nullopt;
    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, *second);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    const QDateTime local(date, time, zone);
    // A local time that the zone skips comes back moved or invalid: not what was shown.
    if (!local.isValid() || local.date() != date || local.time() != time) return std::nullopt;
    return local.toUTC();
}

} // namespace qel
