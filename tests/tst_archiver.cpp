// vorsel-zip on real files, every archive checked with 7-Zip as an independent reader.
#include "Tree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result runProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

Result zip(const QStringList& arguments, const QByteArray& input = {})
{
    return runProgram(QStringLiteral(VORSEL_ZIP_PROGRAM), arguments, input);
}

Result sevenZip(const QStringList& arguments)
{
    return runProgram(QStringLiteral("7zz"), arguments);
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// Relative path -> method, from 7-Zip's technical listing.
QMap<QString, QString> methods(const QString& archive, const QString& password)
{
    const Result listing = sevenZip({"l", "-slt", "-p" + password, archive});
    QMap<QString, QString> result;
    QString path;
    for (const QString& line : listing.out.split('\n')) {
        if (line.startsWith("Path = "))
            path = line.mid(7).trimmed();
        else if (line.startsWith("Method = ") && path != archive)
            result.insert(path, line.mid(9).trimmed());
    }
    return result;
}

// Every file below folder as "relative/path" -> content.
QMap<QString, QByteArray> contents(const QString& folder, const QString& prefix = {})
{
    QMap<QString, QByteArray> result;
    for (const QString& name : Tree::names(folder)) {
        const QString path = folder + "/" + name;
        if (QFileInfo(path).isDir())
            result.insert(contents(path, prefix + name + "/"));
        else
            result.insert(prefix + name, Tree::read(path));
    }
    return result;
}

} // namespace

class TestArchiver final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void packsWhatOnlyThePasswordOpens();
    void replacesAnExistingArchive();
    void linksToFilesPackedLinksToFoldersNot();
    void unreadableSourceLeavesNothing();
    void fullDiskLeavesNothing();
    void badArguments_data();
    void badArguments();
    void emptyPasswordIsRefused();

private:
    QString m_password = QStringLiteral("Kd8mZ3pq7TxRb2nv");
};

void TestArchiver::initTestCase()
{
    if (runProgram("7zz", {"i"}).exitCode != 0)
        QFAIL("7zz (Debian package 7zip) is needed to check archives");
}

void TestArchiver::packsWhatOnlyThePasswordOpens()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/scan.pdf", randomBytes(200 * 1024));
    Tree::file(app, "All/set_b.txt", QByteArray("Question 1. Explain.\r\n").repeated(2000));
    Tree::file(app, "All/Ωμέγα paper.txt", "non-ASCII name");
    Tree::file(app, "All/sub/deep.txt", "in a subfolder");
    Tree::folder(app, "All/empty");

    const Result result = zip({"a", "-ep1", "-p", app + "/all.zip", app + "/all/*.*", "-r"}, m_password.toUtf8() + "\n");
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    const QStringList progress = result.out.split('\n', Qt::SkipEmptyParts);
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last(), QStringLiteral("100%"));
    for (const QString& line : progress)
        QVERIFY2(QRegularExpression("^\\d{1,3}%$").match(line).hasMatch(), qPrintable(line));
    QCOMPARE(Tree::names(app), (QStringList{"All", "all.zip"})); // no temporary file left

    QCOMPARE(sevenZip({"x", "-y", "-p" + m_password, "-o" + app + "/out", app + "/all.zip"}).exitCode, 0);
    QCOMPARE(contents(app + "/out"), contents(app + "/All"));
    QVERIFY(QFileInfo(app + "/out/empty").isDir());

    const QMap<QString, QString> method = methods(app + "/all.zip", m_password);
    QCOMPARE(method.value("scan.pdf"), QStringLiteral("AES-256 Store"));
    QVERIFY2(method.value("set_b.txt").startsWith("AES-256 Deflate"), qPrintable(method.value("set_b.txt")));
    for (const QString file : {"Ωμέγα paper.txt", "sub/deep.txt"})
        QVERIFY2(method.value(file).startsWith("AES-256"), qPrintable(file));

    QVERIFY(sevenZip({"t", "-pWrongPassword1234", app + "/all.zip"}).exitCode != 0);

    // The password may also be joined to the switch.
    QCOMPARE(zip({"a", "-p" + m_password, app + "/joined.zip", app + "/All/*.*"}).exitCode, 0);
    QCOMPARE(sevenZip({"t", "-p" + m_password, app + "/joined.zip"}).exitCode, 0);
    QVERIFY(!methods(app + "/joined.zip", m_password).contains("sub/deep.txt")); // no -r: top level only
}

void TestArchiver::replacesAnExistingArchive()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/old.pdf", "old");
    QCOMPARE(zip({"a", "-p", app + "/all.zip", app + "/All/*.*", "-r"}, "FirstPassword123\n").exitCode, 0);
    QVERIFY(QFile::remove(app + "/All/old.pdf"));
    Tree::file(app, "All/new.pdf", "new");
    QCOMPARE(zip({"a", "-p", app + "/all.zip", app + "/All/*.*", "-r"}, m_password.toUtf8() + "\n").exitCode, 0);
    QCOMPARE(methods(app + "/all.zip", m_password).keys(), QStringList{"new.pdf"});
}

void TestArchiver::linksToFilesPackedLinksToFoldersNot()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "Physics/set_a.pdf", "linked paper");
    Tree::file(app, "All/own.pdf", "own");
    QVERIFY(QFile::link(app + "/Physics/set_a.pdf", app + "/All/linked.pdf"));
    QVERIFY(QFile::link(app, app + "/All/loop")); // would never end if followed

    QCOMPARE(zip({"a", "-p", app + "/all.zip", app + "/All/*.*", "-r"}, m_password.toUtf8() + "\n").exitCode, 0);
    QCOMPARE(methods(app + "/all.zip", m_password).keys(), (QStringList{"linked.pdf", "own.pdf"}));
    QCOMPARE(sevenZip({"x", "-y", "-p" + m_password, "-o" + app + "/out", app + "/all.zip"}).exitCode, 0);
    QCOMPARE(Tree::read(app + "/out/linked.pdf"), QByteArray("linked paper"));
}

void TestArchiver::unreadableSourceLeavesNothing()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/a.pdf");
    // A link to a paper that is gone cannot be read, whoever runs the archiver.
    QVERIFY(QFile::link(app + "/Physics/gone.pdf", app + "/All/b.pdf"));

    const Result result = zip({"a", "-p", app + "/all.zip", app + "/All/*.*", "-r"}, m_password.toUtf8() + "\n");
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.contains(app + "/All/b.pdf") && result.err.contains("No such file"), qPrintable(result.err));
    QCOMPARE(Tree::names(app), QStringList{"All"});
}

void TestArchiver::fullDiskLeavesNothing()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/big.pdf", randomBytes(1024 * 1024));
    for (int i = 0; i < 12; ++i) // deflated on worker threads while the disk fills
        Tree::file(app, QStringLiteral("All/text%1.txt").arg(i), QByteArray("Question. ").repeated(30000) + randomBytes(64));
    const QString small = app + "/small";
    Tree::folder(app, "small");
    if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP("mounting a small file system needs root; the full-disk case is not run here");
    Tree::file(small, "earlier.txt", "kept");

    const Result result = zip({"a", "-p", small + "/all.zip", app + "/All/*.*", "-r"}, m_password.toUtf8() + "\n");
    const QStringList left = Tree::names(small);
    ::umount(QFile::encodeName(small).constData());

    QVERIFY(result.exitCode != 0);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.contains(small + "/all.zip"), qPrintable(result.err));
    QCOMPARE(left, QStringList{"earlier.txt"});
}

void TestArchiver::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"x", "-pX", "/tmp/a.zip", "/tmp/All/*.*"};
    QTest::newRow("no password switch") << QStringList{"a", "/tmp/a.zip", "/tmp/All/*.*"};
    QTest::newRow("unknown switch") << QStringList{"a", "-ep1", "-y", "-pX", "/tmp/a.zip", "/tmp/All/*.*"};
    QTest::newRow("one path") << QStringList{"a", "-pX", "/tmp/a.zip"};
    QTest::newRow("three paths") << QStringList{"a", "-pX", "/tmp/a.zip", "/tmp/All/*.*", "/tmp/more"};
    QTest::newRow("pattern without a name") << QStringList{"a", "-pX", "/tmp/a.zip", "/tmp/All/"};
    QTest::newRow("two passwords") << QStringList{"a", "-pX", "-pY", "/tmp/a.zip", "/tmp/All/*.*"};
}

void TestArchiver::badArguments()
{
    QFETCH(QStringList, arguments);
    const Result result = zip(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.startsWith("usage: vorsel-zip"));
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY(!QFile::exists("/tmp/a.zip"));
}

void TestArchiver::emptyPasswordIsRefused()
{
    QTemporaryDir root;
    Tree::file(root.path(), "All/a.pdf");
    const Result result = zip({"a", "-p", root.path() + "/all.zip", root.path() + "/All/*.*"}, "\n");
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.err.contains("bad password argument"));
    QCOMPARE(Tree::names(root.path()), QStringList{"All"});
}

QTEST_GUILESS_MAIN(TestArchiver)
#include "tst_archiver.moc"
