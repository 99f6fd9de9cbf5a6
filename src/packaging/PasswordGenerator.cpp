#include "packaging/PasswordGenerator.h"

#include "platform/RandomSource.h"

PasswordGenerator::PasswordGenerator(RandomSource& random)
    : m_random(random)
{
}

QString PasswordGenerator::Rndpass()
{
    const QString letters = alphabet();
    m_random.reseed();
    const int length = shortest + int(m_random.uniform(longest - shortest + 1));
    QString password;
    password.reserve(length);
    while (password.size() < length) {
        m_random.reseed();
        password.append(letters.at(m_random.uniform(quint32(letters.size()))));
    }
    return password;
}

QString PasswordGenerator::alphabet()
{
    return QStringLiteral("ABCDEFGHJKLMNPRSTUVXYZabcdefghikmnpqrstuvwxyz123456789");
}
