#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// What counts as a number in a roster: a skill, an option's value, a count of bots.
class NumberText
{
public:
    // The value of a text that counts as a number: blanks around it, a sign, digits with a decimal fraction (".5"
    // and "5." count) and an exponent. No hexadecimal, no "inf" or "nan"; an empty text is no number.
    static std::optional<double> value(QStringView text);

    // The text as a string. Skills repeat from bot to bot: the whole numbers 0 to 100, written as they are
    // written back, are made once and shared by every roster read, the rest made afresh.
    static QString sharedText(QByteArrayView latin1);
};
