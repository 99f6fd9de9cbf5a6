#include "Tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <filesystem>

void Tree::file(const QString& root, const QString& relativePath, const QByteArray& content)
{
    const QString path = root + QLatin1Char('/') + relativePath;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile out(path);
    QVERIFY2(out.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(out.write(content), content.size());
}

void Tree::folder(const QString& root, const QString& relativePath)
{
    QVERIFY(QDir().mkpath(root + QLatin1Char('/') + relativePath));
}

QByteArray Tree::read(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return in.readAll();
}

QStringList Tree::names(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

int Tree::mode(const QString& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(QFile::encodeName(path).toStdString(), ec);
    return ec ? -1 : int(status.permissions() & std::filesystem::perms::mask);
}
