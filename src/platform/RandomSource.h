// Random numbers as callers ask for them: re-seed, draw a fraction, or pick below a bound.
#pragma once

#include <QtGlobal>

class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Callers re-seed before every draw; it must never make successive draws repeat.
    virtual void reseed() = 0;
    // A fraction r with 0 <= r < 1.
    virtual double draw() = 0;
    // An integer uniformly in [0, bound), bound > 0, without modulo bias.
    virtual quint32 uniform(quint32 bound) = 0;
};
