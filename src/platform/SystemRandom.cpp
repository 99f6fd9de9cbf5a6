#include "platform/SystemRandom.h"

#include <QRandomGenerator>

#include <limits>

void SystemRandom::reseed()
{
    // The system generator draws on the kernel's entropy pool at every call; there is
    // no state of ours that a clock could improve, and replacing it could only repeat draws.
}

double SystemRandom::draw()
{
    return QRandomGenerator::system()->generateDouble();
}

quint32 SystemRandom::uniform(quint32 bound)
{
    Q_ASSERT(bound > 0);
    // Reject the top, partial run of values so every remainder is equally likely.
    const quint32 limit = std::numeric_limits<quint32>::max() - (std::numeric_limits<quint32>::max() % bound + 1) % bound;
    for (;;) {
        const quint32 value = QRandomGenerator::system()->generate();
        if (value <= limit)
            return value % bound;
    }
}
