#include "TextLines.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TREVLIN_SSE2
#endif

bool TextLines::Cursor::next(QByteArrayView &line)
{
    if (m_start >= m_bytes.size())
        return false;
    const char *data = m_bytes.data();
    const void *lineFeed = std::memchr(data + m_start, '\n', size_t(m_bytes.size() - m_start));
    const qsizetype end = lineFeed ? static_cast<const char *>(lineFeed) - data : m_bytes.size();
    qsizetype lineEnd = end;
    if (lineEnd > m_start && m_bytes.at(lineEnd - 1) == '\r')
        --lineEnd;
    line = m_bytes.sliced(m_start, lineEnd - m_start);
    m_start = end + 1;
    return true;
}

qsizetype TextLines::Cursor::remaining() const
{
    if (m_start >= m_bytes.size())
        return 0;
    const QByteArrayView rest = m_bytes.sliced(m_start);
    return lineBreaks(rest, 0, rest.size()).lineFeeds + (rest.endsWith('\n') ? 0 : 1);
}

qsizetype TextLines::nthLineFeed(QByteArrayView bytes, qsizetype n)
{
    qsizetype at = 0;
#ifdef TREVLIN_SSE2
    // Sixteen bytes at a time: the line feeds of a chunk are counted from its mask, and the one sought is picked
    // out of the mask of the chunk that holds it.
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; bytes.size() - at >= 16; at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes.data() + at));
        unsigned feeds = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lineFeed)));
        const int count = std::popcount(feeds);
        if (count < n) {
            n -= count;
            continue;
        }
        while (--n > 0)
            feeds &= feeds - 1;
        return at + std::countr_zero(feeds);
    }
#endif
    for (; at < bytes.size(); ++at) {
        if (bytes[at] == '\n' && --n == 0)
            return at;
    }
    return -1;
}

TextLines::LineBreaks TextLines::lineBreaks(QByteArrayView bytes, qsizetype from, qsizetype to)
{
    LineBreaks found;
    if (from >= to)
        return found; // also keeps an empty view's null data out of the pointer sums below
    const char *const begin = bytes.data();
    const char *at = begin + from;
    const char *const stop = begin + to;
    const char *const end = begin + bytes.size();
#ifdef TREVLIN_SSE2
    // Each chunk beside the chunk one byte further on: a carriage return in the first without a line feed after
    // it is bare. Each byte of the counters counts its column's line feeds, at most 255 rounds before they are
    // summed; bare carriage returns are only noted, and looked for one by one in the rare stretch that has one.
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (;;) {
        const qsizetype rounds = std::min<qsizetype>(255, (std::min(stop, end - 1) - at) / 16);
        if (rounds <= 0)
            break;
        const char *const stretch = at;
        __m128i counters = _mm_setzero_si128();
        __m128i bare = _mm_setzero_si128();
        for (qsizetype round = 0; round < rounds; ++round, at += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 1));
            counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(chunk, lineFeed));
            bare = _mm_or_si128(
                bare, _mm_andnot_si128(_mm_cmpeq_epi8(next, lineFeed), _mm_cmpeq_epi8(chunk, carriageReturn)));
        }
        const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
        found.lineFeeds += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
        if (found.bareCarriageReturn < 0 && _mm_movemask_epi8(bare)) {
            for (const char *c = stretch; c < at && found.bareCarriageReturn < 0; ++c) {
                if (*c == '\r' && c[1] != '\n')
                    found.bareCarriageReturn = c - begin;
            }
        }
    }
#endif
    for (; at < stop; ++at) {
        found.lineFeeds += *at == '\n';
        if (*at == '\r' && at + 1 < end && at[1] != '\n' && found.bareCarriageReturn < 0)
            found.bareCarriageReturn = at - begin;
    }
    return found;
}

QStringList TextLines::split(const QByteArray &bytes)
{
    QStringList lines;
    Cursor cursor(bytes);
    QByteArrayView line;
    while (cursor.next(line))
        lines.append(QString::fromLatin1(line));
    return lines;
}

qsizetype TextLines::endOfLine(const QByteArray &bytes, int count)
{
    qsizetype end = 0;
    for (int i = 0; i < count && end < bytes.size(); ++i) {
        const qsizetype lineFeed = bytes.indexOf('\n', end);
        end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
    }
    return end;
}

QByteArray TextLines::join(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void TextLines::appendLatin1(QByteArray &bytes, QStringView text)
{
    const qsizetype at = bytes.size();
    bytes.resize(at + text.size());
    char *out = bytes.data() + at;
    for (const QChar c : text)
        *out++ = char(c.unicode());
}

bool TextLines::fitsLatin1(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}

QString TextLines::lasting(QLatin1StringView text)
{
    // Never freed: every copy of the text points into it, wherever it went.
    auto *units = new char16_t[size_t(std::max<qsizetype>(text.size(), 1))];
    std::transform(text.begin(), text.end(), units, [](char c) { return char16_t(static_cast<unsigned char>(c)); });
    return QString::fromRawData(reinterpret_cast<const QChar *>(units), text.size());
}
