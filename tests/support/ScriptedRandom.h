// A random source that hands out set values, then falls back to the system generator.
#pragma once

#include "platform/RandomSource.h"
#include "platform/SystemRandom.h"

#include <QList>

class ScriptedRandom final : public RandomSource
{
public:
    void reseed() override;
    double draw() override;
    quint32 uniform(quint32 bound) override;

    QList<double> draws;
    int reseeds = 0;
    int drawCount = 0;

private:
    SystemRandom m_fallback;
};
