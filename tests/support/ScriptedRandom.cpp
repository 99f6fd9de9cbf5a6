#include "ScriptedRandom.h"

void ScriptedRandom::reseed()
{
    ++reseeds;
}

double ScriptedRandom::draw()
{
    ++drawCount;
    return draws.isEmpty() ? m_fallback.draw() : draws.takeFirst();
}

quint32 ScriptedRandom::uniform(quint32 bound)
{
    return m_fallback.uniform(bound);
}
