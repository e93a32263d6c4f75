// What counts as a number in a roster: whatever the text, blanks around a number do not change it, its value is the
// one the C locale gives (whole numbers take a shorter way there), and the number a roster writes back for it reads
// as the same value.
#include "FuzzCheck.h"
#include "NumberText.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<double> value = NumberText::value(text);
    const std::optional<double> padded = NumberText::value(u' ' + text + u' ');
    FUZZ_CHECK(value.has_value() == padded.has_value());
    if (!value)
        return 0;
    FUZZ_CHECK(std::isfinite(*value));
    FUZZ_CHECK(*padded == *value);
    bool ok = false;
    const double general = QLocale::c().toDouble(QStringView(text).trimmed(), &ok);
    FUZZ_CHECK(ok && general == *value && std::signbit(general) == std::signbit(*value));
    const std::optional<double> again = NumberText::value(QString::number(*value, 'g', 17));
    FUZZ_CHECK(again && *again == *value);
    return 0;
}
