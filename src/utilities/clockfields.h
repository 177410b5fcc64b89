#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

namespace qel {

// The fields of the clock's time text "hh:mm:ss" and date text "dd/mm/yyyy" that the arrows
// change.
enum class ClockField { Hour, Minute, Day, Month, Year };

// Changes one field by `delta` (+1 or -1) in place, clamped without wrap-around: hours 0..24,
// minutes 0..59, day 0..31, month 0..12, year 1900..2099. The day is not checked against
// the month; setting the clock refuses what does not exist. Returns false when the field
// does not read as a number and nothing changed.
bool stepClockField(ClockField field, int delta, QString& timeText, QString& dateText);

// The universal time of the local date and time the texts show, converted with `zone`;
// nothing when they name no real moment (hour 24, 31 February, a time skipped by a
// daylight-saving change).
std::optional<QDateTime> shownTimeAsUniversal(const QString& timeText, const QString& dateText,
                                              const QTimeZone& zone);

} // namespace qel
