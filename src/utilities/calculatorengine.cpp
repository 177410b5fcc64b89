#include "utilities/calculatorengine.h"

#include "utilities/calculatornumber.h"

#include <cmath>

namespace qel {
namespace {

QString notAFloat(const QString& text) {
    return QStringLiteral("'%1' n'est pas une valeur flottante correcte").arg(text);
}

const QString kDivisionByZero = QStringLiteral("Division flottante par zéro");
const QString kInvalidOperation = QStringLiteral("Opération flottante incorrecte");
const QString kOverflow = QStringLiteral("Débordement flottant");

// The display read as an operand, or the message that reports why it cannot be.
std::optional<QString> readOperand(const QString& display, double& value) {
    const ParsedNumber parsed = parseCalculatorNumber(display);
    if (parsed.status == ParsedNumber::NotNumber) return notAFloat(display);
    if (parsed.status == ParsedNumber::Overflow) return kOverflow;
    value = parsed.value;
    return std::nullopt;
}

bool overflows(double value) {
    return !std::isfinite(value) || std::fabs(value) > kCalculatorMaximum;
}

} // namespace

CalcKey calcKeyForChar(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return static_cast<CalcKey>(c.unicode() - '0');
    switch (c.unicode()) {
    case ',':
    case '.':
        return CalcKey::Comma;
    case '+':
        return CalcKey::Plus;
    case '-':
        return CalcKey::Minus;
    case '*':
        return CalcKey::Times;
    case '/':
        return CalcKey::Divide;
    case '=':
        return CalcKey::Equals;
    case 'C':
    case 'c':
        return CalcKey::Clear;
    case 'S':
    case 's':
        return CalcKey::SquareRoot;
    case 'X':
    case 'x':
        return CalcKey::Reciprocal;
    default:
        return CalcKey::None;
    }
}

std::optional<QString> CalculatorEngine::press(CalcKey key) {
    switch (key) {
    case CalcKey::Comma:
        comma();
        return std::nullopt;
    case CalcKey::Equals:
        return equals();
    case CalcKey::Plus:
        return operation(QLatin1Char('+'));
    case CalcKey::Minus:
        return operation(QLatin1Char('-'));
    case CalcKey::Times:
        return operation(QLatin1Char('*'));
    case CalcKey::Divide:
        return operation(QLatin1Char('/'));
    case CalcKey::Reciprocal:
    case CalcKey::SquareRoot:
        return unary(key);
    case CalcKey::Clear:
        reset();
        return std::nullopt;
    case CalcKey::None:
        return std::nullopt;
    default:
        digit(static_cast<int>(key));
        return std::nullopt;
    }
}

void CalculatorEngine::reset() {
    // The new-number flag survives on purpose: it makes no difference on an empty display.
    display_.clear();
    accumulator_ = 0.0;
    accumulatorSet_ = false;
    pending_ = QChar();
}

void CalculatorEngine::digit(int d) {
    if (newNumber_) display_.clear();
    display_ += QChar(QLatin1Char('0' + d));
    newNumber_ = false;
}

void CalculatorEngine::comma() {
    // After a result the comma starts a new number, so ", 2" enters 0,2 rather than 2.
    if (newNumber_ || display_.isEmpty()) {
        display_ = QStringLiteral("0,");
        newNumber_ = false;
        return;
    }
    display_ += QLatin1Char(',');
}

std::optional<QString> CalculatorEngine::equals() {
    if (!accumulatorSet_) {
        const ParsedNumber parsed = parseCalculatorNumber(display_);
        if (parsed.status == ParsedNumber::NotNumber) {
            display_.clear();
            return std::nullopt;
        }
        if (parsed.status == ParsedNumber::Overflow) return kOverflow;
        accumulator_ = parsed.value;
        accumulatorSet_ = true;
        newNumber_ = true;
        return std::nullopt;
    }

    double operand = 0.0;
    if (auto error = readOperand(display_, operand)) return error;
    double result = accumulator_;
    switch (pending_.unicode()) {
    case '+':
        result = accumulator_ + operand;
        break;
    case '-':
        result = accumulator_ - operand;
        break;
    case '*':
        result = accumulator_ * operand;
        break;
    case '/':
        if (operand == 0.0) return accumulator_ == 0.0 ? kInvalidOperation : kDivisionByZero;
        result = accumulator_ / operand;
        break;
    default:
        break;
    }
    if (overflows(result)) return kOverflow;

    accumulator_ = result;
    display_ = formatResult(result);
    newNumber_ = true;
    return std::nullopt;
}

std::optional<QString> CalculatorEngine::operation(QChar op) {
    if (auto error = equals()) return error;
    pending_ = op;
    return std::nullopt;
}

std::optional<QString> CalculatorEngine::unary(CalcKey key) {
    double operand = 0.0;
    if (auto error = readOperand(display_, operand)) return error;
    double result = 0.0;
    if (key == CalcKey::Reciprocal) {
        if (operand == 0.0) return kDivisionByZero;
        result = 1.0 / operand;
    } else {
        if (operand < 0.0) return kInvalidOperation;
        result = std::sqrt(operand);
    }
    if (overflows(result)) return kOverflow;

    accumulator_ = result;
    accumulatorSet_ = true;
    display_ = formatGeneral(result);
    newNumber_ = true;
    return std::nullopt;
}

} // namespace qel
