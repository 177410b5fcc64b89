#include "utilities/calculatorengine.h"
#include "utilities/calculatornumber.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace qel {
namespace {

struct Sequence {
    const char* keys; // typed characters, as the keyboard map reads them
    const char* display;
    const char* errors; // messages shown, joined by "|"
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << '"' << s.keys << '"';
}

class KeySequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(KeySequence, LeavesTheDisplayAndMessages) {
    CalculatorEngine engine;
    QStringList errors;
    for (QChar c : QString::fromUtf8(GetParam().keys))
        if (auto error = engine.press(calcKeyForChar(c))) errors << *error;
    EXPECT_EQ(engine.display(), QString::fromUtf8(GetParam().display));
    EXPECT_EQ(errors.join(QLatin1Char('|')), QString::fromUtf8(GetParam().errors));
}

INSTANTIATE_TEST_SUITE_P(
    Chain, KeySequence,
    ::testing::Values(Sequence{"2+3=", "5", ""}, Sequence{"2+3+4=", "9", ""},
                      Sequence{"2+3=+4=", "14", ""}, Sequence{"2+3+", "5", ""},
                      Sequence{"7-9=", "-2", ""}, Sequence{"100/8=", "12,5", ""},
                      Sequence{"10+0,5=", "10,5", ""}, Sequence{"2,5*4=", "10", ""},
                      Sequence{"=", "", ""}, Sequence{"5=", "5", ""}, Sequence{"5=+3=", "8", ""},
                      Sequence{"5=3=", "5", ""}, Sequence{"2+c3=", "3", ""},
                      Sequence{"0012+1=", "13", ""}, Sequence{"12.5", "12,5", ""},
                      Sequence{"2+3=q", "5", ""}));

// Results show at most 15 characters, rounded, and never lose a digit before their first zero.
INSTANTIATE_TEST_SUITE_P(
    ResultText, KeySequence,
    ::testing::Values(Sequence{"1,05+0=", "1,05", ""}, Sequence{"10,05*1=", "10,05", ""},
                      Sequence{"0,1+0,2=", "0,3", ""}, Sequence{"1/3=", "0,3333333333333", ""},
                      Sequence{"2/3=", "0,6666666666667", ""}, Sequence{"1/4=", "0,25", ""},
                      Sequence{"99999999*99999999=", "9,9999998E15", ""},
                      Sequence{"1000000*1000000*1000=", "1E15", ""},
                      Sequence{"15/10000000=", "1,5E-6", ""},
                      Sequence{"3/1000000000*1000000000=", "3", ""}));

INSTANTIATE_TEST_SUITE_P(Unary, KeySequence,
                         ::testing::Values(Sequence{"9s", "3", ""}, Sequence{"4x", "0,25", ""},
                                           Sequence{"2+4x=", "0,5", ""},
                                           Sequence{"4x=", "0,25", ""},
                                           Sequence{"3x", "0,333333333333333", ""},
                                           Sequence{"2s", "1,4142135623731", ""},
                                           Sequence{"9s5", "5", ""}, Sequence{"0s", "0", ""}));

// After a result the comma starts a new number instead of being lost.
INSTANTIATE_TEST_SUITE_P(Comma, KeySequence,
                         ::testing::Values(Sequence{"5=,2", "0,2", ""},
                                           Sequence{",5+1=", "1,5", ""},
                                           Sequence{"1,,2", "1,,2", ""},
                                           Sequence{"1,2,3+", "", ""}));

INSTANTIATE_TEST_SUITE_P(
    Errors, KeySequence,
    ::testing::Values(
        Sequence{"1/0=", "0", "Division flottante par zéro"},
        Sequence{"0x", "0", "Division flottante par zéro"},
        Sequence{"0/0=", "0", "Opération flottante incorrecte"},
        Sequence{"7-9=s", "-2", "Opération flottante incorrecte"},
        Sequence{"x", "", "'' n'est pas une valeur flottante correcte"},
        Sequence{"s", "", "'' n'est pas une valeur flottante correcte"},
        Sequence{"2+1,2,3=", "1,2,3", "'1,2,3' n'est pas une valeur flottante correcte"},
        Sequence{"100000000000000000000*100000000000000000000=", "100000000000000000000",
                 "Débordement flottant"},
        Sequence{"0,000000000000000000000000000000000000001x",
                 "0,000000000000000000000000000000000000001", "Débordement flottant"},
        Sequence{"1000000000000000000000000000000000000000=",
                 "1000000000000000000000000000000000000000", "Débordement flottant"},
        // A failed key leaves everything as before it: the pending "+" still completes.
        Sequence{"2+0x=", "2", "Division flottante par zéro"},
        Sequence{"6/0=3=", "2", "Division flottante par zéro"}));

TEST(CalculatorEngine, ClearKeepsNothingPending) {
    CalculatorEngine engine;
    for (QChar c : QStringLiteral("2+3"))
        engine.press(calcKeyForChar(c));
    engine.reset();
    EXPECT_EQ(engine.display(), QString());
    for (QChar c : QStringLiteral("4="))
        engine.press(calcKeyForChar(c));
    EXPECT_EQ(engine.display(), QStringLiteral("4"));
}

struct Format {
    double value;
    const char* text;
};

class GeneralFormat : public ::testing::TestWithParam<Format> {};

TEST_P(GeneralFormat, WritesCommaDecimals) {
    EXPECT_EQ(formatGeneral(GetParam().value), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFormat,
    ::testing::Values(Format{0.0, "0"}, Format{-0.0, "0"}, Format{12.5, "12,5"}, Format{-2.0, "-2"},
                      Format{999999999999999.0, "999999999999999"}, Format{1e15, "1E15"},
                      Format{1.5e20, "1,5E20"}, Format{0.00001, "0,00001"},
                      Format{0.000009, "9E-6"}, Format{-2.5e-7, "-2,5E-7"},
                      Format{1.0 / 3.0, "0,333333333333333"}, Format{1.7e38, "1,7E38"}));

struct Parse {
    const char* text;
    ParsedNumber::Status status;
    double value;
};

class DisplayNumber : public ::testing::TestWithParam<Parse> {};

TEST_P(DisplayNumber, ReadsOnlyCalculatorNumbers) {
    const ParsedNumber parsed = parseCalculatorNumber(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(parsed.status, GetParam().status);
    if (parsed.status == ParsedNumber::Ok) EXPECT_DOUBLE_EQ(parsed.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DisplayNumber,
    ::testing::Values(
        Parse{"", ParsedNumber::NotNumber, 0}, Parse{",", ParsedNumber::NotNumber, 0},
        Parse{"1,2,3", ParsedNumber::NotNumber, 0}, Parse{"1.5", ParsedNumber::NotNumber, 0},
        Parse{"inf", ParsedNumber::NotNumber, 0}, Parse{"nan", ParsedNumber::NotNumber, 0},
        Parse{" 5", ParsedNumber::NotNumber, 0}, Parse{"5,", ParsedNumber::Ok, 5},
        Parse{",5", ParsedNumber::Ok, 0.5}, Parse{"0007", ParsedNumber::Ok, 7},
        Parse{"-2", ParsedNumber::Ok, -2}, Parse{"1,5E20", ParsedNumber::Ok, 1.5e20},
        Parse{"9E-6", ParsedNumber::Ok, 9e-6}, Parse{"1,7E38", ParsedNumber::Ok, 1.7e38},
        Parse{"1,8E38", ParsedNumber::Overflow, 0}, Parse{"1E400", ParsedNumber::Overflow, 0},
        Parse{"1E-400", ParsedNumber::Ok, 0}));

} // namespace
} // namespace qel
