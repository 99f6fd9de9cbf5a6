// The platform services on real folders: probe, case-insensitive names, listing order,
// error numbers, safe copies and text files.
#include "Tree.h"

#include "platform/CaseInsensitivePath.h"
#include "platform/Constants.h"
#include "platform/FileSystemObject.h"
#include "platform/PlatformError.h"
#include "platform/Runtime.h"
#include "platform/SystemRandom.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

class TestPlatform final : public QObject
{
    Q_OBJECT

private slots:
    void probe_data();
    void probe();
    void caseInsensitiveNamesPreferExactMatch();
    void listingOrderAndKinds();
    void failuresCarryTableNumbers_data();
    void failuresCarryTableNumbers();
    void copyReplacesAndLeavesNoTemporary();
    void copyOntoFolderFailsCleanly();
    void textFileHasCrlfLinesInUtf8();
    void atomicTextFileKeepsOldContentUntilClose();
    void ownerOnlyTextFile();
    void writeToFullDiskIsDiskFull();
    void systemRandomRanges();
};

void TestPlatform::probe_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ordinary file, mask 0") << QStringList{"a.pdf"} << QStringList{} << "a.pdf" << 0 << "a.pdf";
    QTest::newRow("folder unseen by mask 0") << QStringList{} << QStringList{"All"} << "All" << 0 << "";
    QTest::newRow("folder seen by mask 16") << QStringList{} << QStringList{"All"} << "All" << 16 << "All";
    QTest::newRow("file seen by mask 16") << QStringList{"All"} << QStringList{} << "All" << 16 << "All";
    QTest::newRow("name in other case") << QStringList{} << QStringList{"All"} << "all" << 16 << "All";
    QTest::newRow("hidden file unseen") << QStringList{".lock"} << QStringList{} << ".lock" << 0 << "";
    QTest::newRow("missing") << QStringList{} << QStringList{} << "none.pdf" << 0 << "";
    QTest::newRow("*.* first in order") << QStringList{"all/b.pdf", "all/A.pdf"} << QStringList{} << "all/*.*" << 0
                                        << "A.pdf";
    QTest::newRow("*.* matches names without a dot") << QStringList{"All/README"} << QStringList{} << "all/*.*" << 0
                                                     << "README";
    QTest::newRow("*.* skips hidden and folders") << QStringList{"All/.x"} << QStringList{"All/sub"} << "all/*.*" << 0
                                                  << "";
    QTest::newRow("*.* in a missing folder") << QStringList{} << QStringList{} << "nothing/*.*" << 0 << "";
}

void TestPlatform::probe()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QString, pattern);
    QFETCH(int, mask);
    QFETCH(QString, expected);

    QTemporaryDir root;
    for (const QString& f : folders)
        Tree::folder(root.path(), f);
    for (const QString& f : files)
        Tree::file(root.path(), f);
    QCOMPARE(Runtime::dir(root.path() + "/" + pattern, mask), expected);
}

void TestPlatform::caseInsensitiveNamesPreferExactMatch()
{
    QTemporaryDir root;
    Tree::file(root.path(), "All/x.pdf");
    QCOMPARE(CaseInsensitivePath::resolve(root.path() + "/all/X.PDF"), root.path() + "/All/x.pdf");
    // A name that matches nothing is kept as written, below the folder that does match.
    QCOMPARE(CaseInsensitivePath::resolve(root.path() + "/ALL/new.txt"), root.path() + "/All/new.txt");

    Tree::folder(root.path(), "all");
    QCOMPARE(CaseInsensitivePath::resolve(root.path() + "/all"), root.path() + "/all");
    QCOMPARE(CaseInsensitivePath::resolve(root.path() + "/All"), root.path() + "/All");
}

void TestPlatform::listingOrderAndKinds()
{
    QTemporaryDir root;
    for (const char* name : {"beta", "Alpha", "gamma", "alpha2", "Zeta"})
        Tree::folder(root.path(), name);
    Tree::file(root.path(), "loose.pdf");
    Tree::file(root.path(), ".hidden.pdf");
    QVERIFY(QFile::link(root.path() + "/nowhere", root.path() + "/dangling"));

    const Folder folder = FileSystemObject().GetFolder(root.path());
    QCOMPARE(folder.SubFolderNames(), (QStringList{"Alpha", "alpha2", "beta", "gamma", "Zeta"}));

    QStringList files;
    QStringList ordinary;
    for (const File& f : folder.Files()) {
        files << f.Name();
        QCOMPARE(f.Path(), root.path() + "/" + f.Name());
        if (f.isOrdinary())
            ordinary << f.Name();
    }
    QCOMPARE(files, (QStringList{".hidden.pdf", "loose.pdf"}));
    QCOMPARE(ordinary, QStringList{"loose.pdf"});
}

void TestPlatform::failuresCarryTableNumbers_data()
{
    QTest::addColumn<std::function<void(const QString&)>>("operation");
    QTest::addColumn<QString>("report");

    QTest::newRow("GetFolder of a missing folder") << std::function<void(const QString&)>([](const QString& root) {
        FileSystemObject().GetFolder(root + "/missing");
    }) << "Path not found 76";
    QTest::newRow("GetFolder of a file") << std::function<void(const QString&)>([](const QString& root) {
        Tree::file(root, "All");
        FileSystemObject().GetFolder(root + "/all");
    }) << "Path not found 76";
    QTest::newRow("delete a missing file") << std::function<void(const QString&)>([](const QString& root) {
        Runtime::kill(root + "/none.zip");
    }) << "File not found 53";
    QTest::newRow("make a folder that exists") << std::function<void(const QString&)>([](const QString& root) {
        Runtime::mkDir(root);
    }) << "Path/File access error 75";
    QTest::newRow("make a folder in a missing folder") << std::function<void(const QString&)>([](const QString& root) {
        Runtime::mkDir(root + "/missing/All");
    }) << "Path not found 76";
    QTest::newRow("copy a missing file") << std::function<void(const QString&)>([](const QString& root) {
        Runtime::fileCopy(root + "/none.pdf", root + "/copy.pdf");
    }) << "File not found 53";
    QTest::newRow("copy into a missing folder") << std::function<void(const QString&)>([](const QString& root) {
        Tree::file(root, "a.pdf");
        Runtime::fileCopy(root + "/a.pdf", root + "/All/a.pdf");
    }) << "Path not found 76";
    QTest::newRow("create over an existing file without overwrite")
        << std::function<void(const QString&)>([](const QString& root) {
               Tree::file(root, "pwdbank.txt");
               FileSystemObject().CreateTextFile(root + "/pwdbank.txt", false);
           })
        << "File already exists 58";
    QTest::newRow("append to a missing file") << std::function<void(const QString&)>([](const QString& root) {
        FileSystemObject().OpenTextFile(root + "/pwdbank.txt");
    }) << "File not found 53";
}

void TestPlatform::failuresCarryTableNumbers()
{
    QFETCH(std::function<void(const QString&)>, operation);
    QFETCH(QString, report);

    QTemporaryDir root;
    try {
        operation(root.path());
        QFAIL("no failure raised");
    } catch (const PlatformError& error) {
        QCOMPARE(error.reportText(), report);
    }
}

void TestPlatform::copyReplacesAndLeavesNoTemporary()
{
    QTemporaryDir root;
    Tree::file(root.path(), "Physics/set_b.pdf", "new paper");
    Tree::file(root.path(), "All/set_b.pdf", "old paper");
    Runtime::fileCopy(root.path() + "/physics/SET_B.pdf", root.path() + "/all/set_b.pdf");
    QCOMPARE(Tree::read(root.path() + "/All/set_b.pdf"), QByteArray("new paper"));
    QCOMPARE(Tree::names(root.path() + "/All"), QStringList{"set_b.pdf"});
}

void TestPlatform::copyOntoFolderFailsCleanly()
{
    QTemporaryDir root;
    Tree::file(root.path(), "Physics/set_b.pdf");
    Tree::file(root.path(), "All/set_b.pdf/keep.txt");
    try {
        Runtime::fileCopy(root.path() + "/Physics/set_b.pdf", root.path() + "/All/set_b.pdf");
        QFAIL("copy over a folder succeeded");
    } catch (const PlatformError& error) {
        QCOMPARE(error.number(), 75);
    }
    QCOMPARE(Tree::names(root.path() + "/All"), QStringList{"set_b.pdf"});
    QCOMPARE(Tree::names(root.path() + "/All/set_b.pdf"), QStringList{"keep.txt"});
}

void TestPlatform::textFileHasCrlfLinesInUtf8()
{
    QTemporaryDir root;
    TextStream stream = FileSystemObject().CreateTextFile(root.path() + "/r.txt", true);
    stream.WriteBlankLines(1);
    stream.WriteLine(QStringLiteral("Ωμέγα é"));
    stream.Close();
    QCOMPARE(Tree::read(root.path() + "/r.txt"), QByteArray("\r\n\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1 \xc3\xa9\r\n"));

    TextStream again = FileSystemObject().OpenTextFile(root.path() + "/R.TXT");
    again.WriteLine("x");
    again.Close();
    QVERIFY(Tree::read(root.path() + "/r.txt").endsWith("\r\nx\r\n"));
}

void TestPlatform::atomicTextFileKeepsOldContentUntilClose()
{
    QTemporaryDir root;
    Tree::file(root.path(), "pwd.txt", "old");
    TextStream::Options atomic;
    atomic.atomic = true;
    {
        TextStream abandoned = FileSystemObject().CreateTextFile(root.path() + "/pwd.txt", true, atomic);
        abandoned.WriteLine("new");
        QCOMPARE(Tree::read(root.path() + "/pwd.txt"), QByteArray("old"));
    } // dropped without Close, as after a failure
    QCOMPARE(Tree::read(root.path() + "/pwd.txt"), QByteArray("old"));
    QCOMPARE(Tree::names(root.path()), QStringList{"pwd.txt"});

    TextStream done = FileSystemObject().CreateTextFile(root.path() + "/pwd.txt", true, atomic);
    done.WriteLine("new");
    done.Close();
    QCOMPARE(Tree::read(root.path() + "/pwd.txt"), QByteArray("new\r\n"));
}

void TestPlatform::ownerOnlyTextFile()
{
#ifndef Q_OS_UNIX
    QSKIP("POSIX permissions only");
#endif
    QTemporaryDir root;
    TextStream::Options ownerOnly;
    ownerOnly.ownerOnly = true;
    for (bool atomic : {false, true}) {
        ownerOnly.atomic = atomic;
        const QString path = root.path() + (atomic ? "/a.txt" : "/b.txt");
        TextStream stream = FileSystemObject().CreateTextFile(path, true, ownerOnly);
        stream.WriteLine("secret");
        stream.Close();
        QCOMPARE(Tree::mode(path), 0600);
    }
}

void TestPlatform::writeToFullDiskIsDiskFull()
{
    if (!QFile::exists("/dev/full"))
        QSKIP("no /dev/full on this system");
    try {
        TextStream stream = FileSystemObject().OpenTextFile("/dev/full");
        stream.WriteLine("a line that cannot land");
        stream.Close();
        QFAIL("write to a full disk succeeded");
    } catch (const PlatformError& error) {
        QCOMPARE(error.reportText(), QStringLiteral("Disk full 61"));
    }
}

void TestPlatform::systemRandomRanges()
{
    SystemRandom random;
    QSet<double> draws;
    QSet<quint32> seen;
    for (int i = 0; i < 2000; ++i) {
        random.reseed();
        const double r = random.draw();
        QVERIFY(r >= 0.0 && r < 1.0);
        draws.insert(r);
        const quint32 u = random.uniform(5);
        QVERIFY(u < 5);
        seen.insert(u);
    }
    QCOMPARE(draws.size(), 2000); // re-seeding never repeats a draw
    QCOMPARE(seen.size(), 5);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
