#pragma once

#include <random>

// The program's one source of random values, uniform in [0, 1). Every run starts from the same seed, so the bot
// names drawn in a fresh run repeat from run to run until something reseeds it from the clock.
class RandomSource
{
public:
    RandomSource();

    // The next value r, with 0 <= r < 1.
    double next();
    // A pick among count choices: the whole part of count * r, from 0 to count - 1.
    int pick(int count);

    void reseedFromClock();

private:
    std::mt19937_64 m_engine;
};
