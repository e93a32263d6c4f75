#include "RandomSource.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr std::mt19937_64::result_type fixedSeed = 5489;

} // namespace

RandomSource::RandomSource()
    : m_engine(fixedSeed)
{ }

double RandomSource::next()
{
    // The top 53 bits fill a double's mantissa exactly, so the value is uniform and never reaches 1; the standard
    // distributions may round up to 1 and differ between libraries, which would change the fixed draws.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

int RandomSource::pick(int count)
{
    return std::min(int(count * next()), count - 1);
}

void RandomSource::reseedFromClock()
{
    m_engine.seed(std::mt19937_64::result_type(std::chrono::system_clock::now().time_since_epoch().count()));
}
