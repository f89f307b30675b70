// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/quantity_text.h"

#include "framework/translatable.h"

#include <cctype>
#include <cmath>

namespace ambrel {

namespace {

// What the reader refuses, in English; the desktop shows them translated
// (describe in framework/entry.h).
constexpr const char* kNotANumber = AMBREL_TEXT("not a number");
constexpr const char* kControlCharacter = AMBREL_TEXT("not a number: a control character");
constexpr const char* kExpectedOperator = AMBREL_TEXT("not a number: expected an operator");
constexpr const char* kExpectedOperatorOrUnit = AMBREL_TEXT("expected an operator or a unit");
constexpr const char* kSumNeedsUnits = AMBREL_TEXT("a sum of amounts needs a unit after each");
constexpr const char* kUnclosed = AMBREL_TEXT("unclosed parenthesis");
constexpr const char* kControlInUnit = AMBREL_TEXT("control character");
constexpr const char* kUnexpected = AMBREL_TEXT("unexpected '%1'");
constexpr const char* kDivisionByZero = AMBREL_TEXT("division by zero");
constexpr const char* kExpectedNumber = AMBREL_TEXT("expected a number");
constexpr const char* kTooDeep = AMBREL_TEXT("too deeply nested");
constexpr const char* kExpectedClose = AMBREL_TEXT("expected ')'");

constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isControl(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && !isSpace(c)) || u == 0x7f;
}

// A recursive-descent reader over the text; `fail` records the first error
// and every later step gives up.
class Reader {
public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    QuantityReading quantity(bool unitsAllowed)
    {
        skipSpace();
        if (atEnd()) {
            result_.terms.push_back({});
            return result_;
        }
        bool first = true;
        bool negativeStart = false;
        while (!failed() && !atEnd()) {
            int sign = 1;
            bool explicitSign = false;
            if (!first && (peek('+') || peek('-') || peekMinus())) {
                explicitSign = true;
                sign = peek('+') ? 1 : -1;
                advanceOperator();
                skipSpace();
            }
            QuantityTerm term;
            term.exact = sum(0);
            if (failed())
                break;
            skipSpace();
            if (startsWord()) {
                const std::size_t unitStart = pos_;
                term.unitAt = characterAt(pos_);
                term.unit = unitWords();
                if (!unitsAllowed) {
                    fail(unitStart, kNotANumber);
                    break;
                }
            } else if (!atEnd()) {
                fail(pos_,
                     isControl(text_[pos_]) ? kControlCharacter
                         : first            ? kExpectedOperator
                                            : kExpectedOperatorOrUnit);
                break;
            }
            if (first)
                negativeStart = term.exact.isNegative();
            else if (!explicitSign && negativeStart)
                sign = -1;
            if (sign < 0)
                term.exact = -term.exact;
            term.value = term.exact.toDouble();
            if (!first && term.unit.empty()) {
                fail(pos_, kSumNeedsUnits);
                break;
            }
            result_.terms.push_back(std::move(term));
            first = false;
            skipSpace();
        }
        if (failed())
            result_.terms.clear();
        return result_;
    }

private:
    bool failed() const { return !result_.message.empty(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    bool peek(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool peekMinus() const { return text_.substr(pos_, kUnicodeMinus.size()) == kUnicodeMinus; }
    void advanceOperator() { pos_ += peekMinus() ? kUnicodeMinus.size() : 1; }

    void skipSpace()
    {
        while (pos_ < text_.size() && isSpace(text_[pos_]))
            ++pos_;
    }

    // Characters, not bytes, so the position points where a person counts.
    std::size_t characterAt(std::size_t byte) const
    {
        std::size_t n = 1;
        for (std::size_t i = 0; i < byte && i < text_.size(); ++i)
            n += (static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80;
        return n;
    }

    ExactValue fail(std::size_t byte, std::string why, NumberError error = NumberError::None)
    {
        return fail(byte, std::move(why), {}, error);
    }

    ExactValue fail(std::size_t byte, std::string why, std::string detail, NumberError error = NumberError::None)
    {
        if (failed())
            return {};
        result_.position = characterAt(byte);
        result_.error = error;
        result_.message = std::move(why);
        result_.detail = std::move(detail);
        return {};
    }

    // A result of arithmetic obeys the range a typed number does.
    ExactValue checked(ExactValue value, std::size_t at)
    {
        if (const NumberError error = rangeError(value); error != NumberError::None)
            return fail(at, describe(error), error);
        return value;
    }

    bool startsNumber() const
    {
        return pos_ < text_.size() &&
            (isDigit(text_[pos_]) ||
             ((text_[pos_] == '.' || text_[pos_] == separator_) && pos_ + 1 < text_.size() &&
              isDigit(text_[pos_ + 1])));
    }

    bool isOperator(std::size_t at) const
    {
        const char c = text_[at];
        return c == '+' || c == '-' || c == '*' || c == '/' || c == '(' || c == ')' ||
            text_.substr(at, kUnicodeMinus.size()) == kUnicodeMinus;
    }

    // "(physics)" after a unit's name is part of the name.
    bool startsParenthesizedWord() const
    {
        return peek('(') && pos_ + 1 < text_.size() && !isDigit(text_[pos_ + 1]) && text_[pos_ + 1] != '.' &&
            !isSpace(text_[pos_ + 1]) && !isControl(text_[pos_ + 1]) && !isOperator(pos_ + 1);
    }

    bool startsWord() const
    {
        if (atEnd())
            return false;
        const char c = text_[pos_];
        return !isDigit(c) && c != '.' && c != separator_ && !isSpace(c) && !isControl(c) && !isOperator(pos_);
    }

    // One or more words, single-spaced. Inside a word "-", "/" and "*" join
    // what is not a digit or a space ("km/hr"), and digits and "^" belong to
    // it ("m2", "ft^3").
    std::string unitWords()
    {
        std::string unit;
        while (startsWord() || (!unit.empty() && startsParenthesizedWord())) {
            if (!unit.empty())
                unit += ' ';
            if (peek('(')) {
                const std::size_t close = text_.find(')', pos_);
                if (close == std::string_view::npos) {
                    fail(pos_, kUnclosed);
                    break;
                }
                unit.append(text_.substr(pos_, close + 1 - pos_));
                pos_ = close + 1;
            }
            while (pos_ < text_.size()) {
                const char c = text_[pos_];
                if (isSpace(c) || isControl(c))
                    break;
                if (c == '-' || c == '/' || c == '*') {
                    // "km/hr", "l/100km", "light-year", "N*m"; a "-" before a
                    // digit subtracts the next amount, a "*" multiplies by it.
                    const bool joins = pos_ + 1 < text_.size() && !(c != '/' && isDigit(text_[pos_ + 1])) &&
                        !isSpace(text_[pos_ + 1]) && !isOperator(pos_ + 1);
                    if (!joins)
                        break;
                } else if (c == '.' && !unit.empty() && !isDigit(unit.back()) && pos_ + 1 < text_.size() &&
                           std::isalpha(static_cast<unsigned char>(text_[pos_ + 1]))) {
                    // "Pa.s", "N.m": a dot between letters is a product's.
                } else if (isOperator(pos_) || c == separator_) {
                    break;
                }
                unit += c;
                ++pos_;
            }
            if (pos_ < text_.size() && !isSpace(text_[pos_]) && !peek('+') && !peek('-') && !peekMinus()) {
                fail(pos_, isControl(text_[pos_]) ? std::string(kControlInUnit) : std::string(kUnexpected),
                     std::string(1, text_[pos_]));
                break;
            }
            skipSpace();
        }
        return unit;
    }

    ExactValue sum(int depth)
    {
        ExactValue value = product(depth);
        for (;;) {
            skipSpace();
            if (failed() || !(peek('+') || peek('-') || peekMinus()))
                return value;
            const bool minus = !peek('+');
            const std::size_t at = pos_;
            advanceOperator();
            const ExactValue rhs = product(depth);
            if (failed())
                return {};
            value = checked(minus ? value - rhs : value + rhs, at);
        }
    }

    ExactValue product(int depth)
    {
        ExactValue value = factor(depth);
        for (;;) {
            skipSpace();
            if (failed() || !(peek('*') || peek('/')))
                return value;
            const bool divide = peek('/');
            const std::size_t at = pos_;
            ++pos_;
            const ExactValue rhs = factor(depth);
            if (failed())
                return {};
            if (divide && rhs.isZero())
                return fail(at, kDivisionByZero);
            value = checked(divide ? value / rhs : value * rhs, at);
        }
    }

    ExactValue factor(int depth)
    {
        skipSpace();
        if (failed())
            return {};
        if (atEnd())
            return fail(pos_, kExpectedNumber);
        if (peek('+') || peek('-') || peekMinus()) {
            const bool minus = !peek('+');
            advanceOperator();
            if (depth > kDeepestParentheses * 2)
                return fail(pos_, kTooDeep);
            const ExactValue v = factor(depth + 1);
            return minus ? -v : v;
        }
        if (peek('(')) {
            const std::size_t open = pos_;
            if (depth >= kDeepestParentheses)
                return fail(open, kTooDeep);
            ++pos_;
            const ExactValue v = sum(depth + 1);
            skipSpace();
            if (failed())
                return {};
            if (!peek(')'))
                return fail(atEnd() ? open : pos_, atEnd() ? kUnclosed : kExpectedClose);
            ++pos_;
            return v;
        }
        if (!startsNumber()) {
            if (isControl(text_[pos_]))
                return fail(pos_, kControlCharacter);
            return fail(pos_, startsWord() ? kNotANumber : kExpectedNumber);
        }
        return number();
    }

    // Digits, a decimal point and an exponent; readNumber judges them.
    ExactValue number()
    {
        const std::size_t start = pos_;
        auto digits = [&] {
            while (pos_ < text_.size() && isDigit(text_[pos_]))
                ++pos_;
        };
        digits();
        // Digits in groups as the windows show them ("1 234 567"): the whole
        // run, whose groups readNumber judges.
        while (text_.substr(pos_, kGroupSeparator.size()) == kGroupSeparator &&
               pos_ + kGroupSeparator.size() < text_.size() && isDigit(text_[pos_ + kGroupSeparator.size()])) {
            pos_ += kGroupSeparator.size();
            digits();
        }
        if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == separator_)) {
            ++pos_;
            digits();
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            std::size_t e = pos_ + 1;
            if (e < text_.size() && (text_[e] == '+' || text_[e] == '-'))
                ++e;
            if (e < text_.size() && isDigit(text_[e])) {
                pos_ = e;
                digits();
            }
        }
        // A grouped "1.500.000" in a comma locale: take the whole run so the
        // reader can say why it is refused.
        while (pos_ + 1 < text_.size() && (text_[pos_] == '.' || text_[pos_] == separator_) &&
               isDigit(text_[pos_ + 1])) {
            ++pos_;
            digits();
        }
        ExactValue exact;
        const NumberReading r = readNumber(text_.substr(start, pos_ - start), separator_, &exact);
        if (!r.ok())
            return fail(start, describe(r.error), r.error);
        return exact;
    }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    QuantityReading result_;
};

QuantityReading read(std::string_view text, char separator, bool unitsAllowed)
{
    return Reader(text, separator).quantity(unitsAllowed);
}

}  // namespace

QuantityReading readQuantity(std::string_view text, char decimalSeparator)
{
    return read(text, decimalSeparator, true);
}

QuantityReading readAmount(std::string_view text, char decimalSeparator)
{
    return read(text, decimalSeparator, false);
}

}  // namespace ambrel
