// Times one password: Rndpass on the system generator.
#include "packaging/PasswordGenerator.h"
#include "platform/SystemRandom.h"

#include <QElapsedTimer>

#include <cstdio>

int main()
{
    SystemRandom random;
    PasswordGenerator generator(random);
    const int calls = 10000;
    qsizetype characters = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        characters += generator.Rndpass().size();
    const double micro = timer.nsecsElapsed() / 1e3 / calls;
    std::printf("Rndpass: %.2f us per call over %d calls (%.1f characters on average)\n", micro, calls,
                double(characters) / calls);
    return 0;
}
