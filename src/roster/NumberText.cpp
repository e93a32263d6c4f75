#include "NumberText.h"

#include "TextLines.h"

#include <QLocale>

#include <array>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<double> NumberText::value(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView number = text.sliced(begin, end - begin);

    qsizetype at = 0;
    const auto skipSign = [&] {
        if (at < number.size() && (number[at] == u'+' || number[at] == u'-'))
            ++at;
    };
    const auto skipDigits = [&] {
        const qsizetype start = at;
        while (at < number.size() && isAsciiDigit(number[at]))
            ++at;
        return at - start;
    };
    skipSign();
    qsizetype digits = skipDigits();
    // A whole number of up to 15 digits, as skills and counts are, is exact as a double: no need for the general
    // conversion, which costs a hundred times as much.
    if (at == number.size() && digits > 0 && digits <= 15) {
        double whole = 0;
        for (qsizetype i = number.size() - digits; i < number.size(); ++i)
            whole = whole * 10 + (number[i].unicode() - u'0');
        return number[0] == u'-' ? -whole : whole;
    }
    if (at < number.size() && number[at] == u'.') {
        ++at;
        digits += skipDigits();
    }
    if (digits == 0)
        return std::nullopt;
    if (at < number.size() && (number[at] == u'e' || number[at] == u'E')) {
        ++at;
        skipSign();
        if (skipDigits() == 0)
            return std::nullopt;
    }
    if (at != number.size())
        return std::nullopt;

    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString NumberText::sharedText(QByteArrayView latin1)
{
    static const std::array<QString, 101> shared = [] {
        std::array<QString, 101> texts;
        for (int i = 0; i < int(texts.size()); ++i)
            texts[i] = TextLines::lasting(QLatin1StringView(QByteArray::number(i)));
        return texts;
    }();
    // Digits without a leading zero, as QString::number() writes them.
    const qsizetype size = latin1.size();
    if (size >= 1 && size <= 3 && (size == 1 || latin1[0] != '0')) {
        int number = 0;
        for (const char c : latin1) {
            if (c < '0' || c > '9')
                return QString::fromLatin1(latin1);
            number = number * 10 + (c - '0');
        }
        if (number < int(shared.size()))
            return shared[number];
    }
    return QString::fromLatin1(latin1);
}
