// Random numbers from the operating system's cryptographically secure generator.
#pragma once

#include "platform/RandomSource.h"

class SystemRandom final : public RandomSource
{
public:
    void reseed() override;
    double draw() override;
    quint32 uniform(quint32 bound) override;
};
