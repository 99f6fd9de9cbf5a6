// Makes the random password that locks each archive.
#pragma once

#include <QString>

class RandomSource;

class PasswordGenerator final
{
public:
    explicit PasswordGenerator(RandomSource& random);

    // 16 to 20 characters, each length equally likely, each character an independent
    // uniform choice from the alphabet.
    QString Rndpass();

    // Letters and digits that cannot be mistaken for one another when read aloud or copied.
    static QString alphabet();
    static constexpr int shortest = 16;
    static constexpr int longest = 20;

private:
    RandomSource& m_random;
};
