#pragma once

#include <QStringView>

#include <optional>

// What counts as a number in a roster: a skill, an option's value, a count of bots.
class NumberText
{
public:
    // The value of a text that counts as a number: blanks around it, a sign, digits with a decimal fraction (".5"
    // and "5." count) and an exponent. No hexadecimal, no "inf" or "nan"; an empty text is no number.
    static std::optional<double> value(QStringView text);
};
