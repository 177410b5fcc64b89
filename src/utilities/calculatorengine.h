#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace qel {

// The keys of the pocket calculator.
enum class CalcKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Comma,
    Equals,
    Plus,
    Minus,
    Times,
    Divide,
    Reciprocal,
    SquareRoot,
    Clear,
    None
};

// The key a typed character presses ("." is the comma, "s" the square root, "x" 1/x, "c" C);
// None for characters the calculator ignores.
CalcKey calcKeyForChar(QChar c);

// A chain calculator: an operator key first completes the pending operation with the number
// shown, then becomes the pending operation; "=" completes it and keeps it pending.
class CalculatorEngine {
public:
    CalculatorEngine() = default;

    // Runs one key. Returns the error message when the key's action failed; the state is then
    // exactly as before the key.
    std::optional<QString> press(CalcKey key);

    // Empties the display and forgets the accumulator and the pending operator.
    void reset();

    const QString& display() const { return display_; }

private:
    void digit(int d);
    void comma();
    std::optional<QString> equals();
    std::optional<QString> operation(QChar op);
    std::optional<QString> unary(CalcKey key);

    QString display_;
    double accumulator_ = 0.0;
    QChar pending_;
    bool accumulatorSet_ = false;
    bool newNumber_ = false;
};

} // namespace qel
