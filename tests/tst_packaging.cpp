// Archive packaging: the password generator, the password records and the archive run,
// with the real vorsel-zip and with stand-in archivers for its failures.
#include "FakeView.h"
#include "RecordingDesktop.h"
#include "RecordingProcesses.h"
#include "Tree.h"

#include "packaging/ArchiveRun.h"
#include "packaging/PasswordGenerator.h"
#include "packaging/PasswordRecords.h"
#include "platform/Constants.h"
#include "platform/QtProcessStarter.h"
#include "platform/SystemRandom.h"
#include "shell/CommandDispatcher.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The archive run of one window, on fakes, with a real process starter behind the recorder.
struct Packaging
{
    explicit Packaging(const QString& app)
        : app(app)
        , generator(random)
        , run(app, view, desktop, generator, processes)
        , dispatcher(desktop, {{}, [this] { return run.run(); }})
    {
        processes.forwardTo = &real;
        view.statusTexts = {"Total QP Folders : 3"};
    }
    void click() { dispatcher.cmd_Click(1); }
    QString recordedPassword() const
    {
        const QByteArray record = Tree::read(app + "/pwd.txt");
        return QString::fromUtf8(record.mid(record.indexOf(": ") + 2)).trimmed();
    }

    QString app;
    FakeView view;
    RecordingDesktop desktop;
    SystemRandom random;
    PasswordGenerator generator;
    QtProcessStarter real;
    RecordingProcesses processes;
    ArchiveRun run;
    CommandDispatcher dispatcher;
};

void installArchiver(const QString& app)
{
    QVERIFY(QFile::link(QStringLiteral(VORSEL_ZIP_PROGRAM), app + "/vorsel-zip"));
}

void installScript(const QString& app, const QByteArray& body)
{
    Tree::file(app, "vorsel-zip", "#!/bin/sh\n" + body + "\n");
    QVERIFY(QFile::setPermissions(app + "/vorsel-zip", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                           | QFileDevice::ExeOwner));
}

} // namespace

class TestPackaging final : public QObject
{
    Q_OBJECT

private slots:
    void passwordsUseLengthsAndAlphabetUniformly();
    void recordsAreExactAndOwnerOnly();
    void nothingToZipGivesWarningOnly_data();
    void nothingToZipGivesWarningOnly();
    void successEndToEnd();
    void archiverFailures_data();
    void archiverFailures();
    void passwordFileFailureStartsNoArchiver();
};

void TestPackaging::passwordsUseLengthsAndAlphabetUniformly()
{
    const QString alphabet = PasswordGenerator::alphabet();
    QCOMPARE(alphabet.size(), 54);
    for (const QChar excluded : QStringLiteral("IOQWjlo0"))
        QVERIFY(!alphabet.contains(excluded));

    SystemRandom random;
    PasswordGenerator generator(random);
    QHash<int, int> lengths;
    QHash<QChar, int> characters;
    QString previous;
    const int calls = 5000;
    for (int i = 0; i < calls; ++i) {
        const QString password = generator.Rndpass();
        QVERIFY(password != previous);
        previous = password;
        ++lengths[int(password.size())];
        for (const QChar c : password) {
            QVERIFY2(alphabet.contains(c), qPrintable(password));
            ++characters[c];
        }
    }
    QCOMPARE(lengths.keys().size(), 5);
    for (int length = 16; length <= 20; ++length)
        QVERIFY2(lengths.value(length) > 850 && lengths.value(length) < 1150, qPrintable(QString::number(length)));
    QCOMPARE(characters.size(), 54);
    // 5000 passwords of 18 characters on average: about 1667 of each character.
    for (auto it = characters.cbegin(); it != characters.cend(); ++it)
        QVERIFY2(it.value() > 1400 && it.value() < 1950, qPrintable(QString(it.key())));
}

void TestPackaging::recordsAreExactAndOwnerOnly()
{
    QTemporaryDir root;
    const PasswordRecords records(root.path());
    QVERIFY(!QFile::exists(records.bankPath()));
    for (const char* password : {"FirstPassword123", "Second4567abcdefg", "ThirdXYZ89abcdefgh"}) {
        records.writeRecord(password);
        records.extendBank(password);
    }
    QCOMPARE(Tree::read(records.recordPath()), QByteArray("\r\nPassword : ThirdXYZ89abcdefgh\r\n"));
    QCOMPARE(Tree::read(records.bankPath()),
             QByteArray("FirstPassword123\r\nSecond4567abcdefg\r\nThirdXYZ89abcdefgh\r\n"));
#ifdef Q_OS_UNIX
    QCOMPARE(Tree::mode(records.recordPath()), 0600);
    QCOMPARE(Tree::mode(records.bankPath()), 0600);
#endif
    QCOMPARE(Tree::names(root.path()), (QStringList{"pwd.txt", "pwdbank.txt"}));
}

void TestPackaging::nothingToZipGivesWarningOnly_data()
{
    QTest::addColumn<QStringList>("entries"); // below the application folder; "/" ends a folder
    QTest::newRow("empty collecting folder") << QStringList{"All/"};
    QTest::newRow("only subfolders") << QStringList{"All/sub/paper.pdf", "All/empty/"};
    QTest::newRow("only hidden files") << QStringList{"All/.~lock.pdf#"};
    QTest::newRow("no collecting folder") << QStringList{};
}

void TestPackaging::nothingToZipGivesWarningOnly()
{
    QFETCH(QStringList, entries);
    QTemporaryDir root;
    for (const QString& entry : entries) {
        if (entry.endsWith('/'))
            Tree::folder(root.path(), entry);
        else
            Tree::file(root.path(), entry);
    }
    Tree::file(root.path(), "all.zip", "earlier archive");
    Packaging p(root.path());
    p.click();

    QCOMPARE(p.desktop.events, (QStringList{"pointer 11", "box 48 No files selected to Zip!!", "pointer 0"}));
    QVERIFY(!QFile::exists(root.path() + "/pwd.txt"));
    QVERIFY(!QFile::exists(root.path() + "/pwdbank.txt"));
    QCOMPARE(Tree::read(root.path() + "/all.zip"), QByteArray("earlier archive"));
    QVERIFY(p.processes.waited.isEmpty());
}

void TestPackaging::successEndToEnd()
{
    QTemporaryDir root;
    // Paths reach a second program here: nothing in them may split or expand.
    const QString app = root.path() + "/Exam 'Q' \"P\" $HOME Ωμέγα";
    Tree::file(app, "All/set_b.pdf", "physics paper");
    Tree::file(app, "All/c1.pdf", "chemistry paper");
    Tree::file(app, "all.zip", "an archive of an earlier run");
    installArchiver(app);

    Packaging p(app);
    p.click();
    p.click();

    QCOMPARE(p.desktop.events, (QStringList{"pointer 11", "box 64 Zip file created Succeessfully!!", "pointer 0",
                                            "pointer 11", "box 64 Zip file created Succeessfully!!", "pointer 0"}));
    const QString password = p.recordedPassword();
    QVERIFY(password.size() >= 16 && password.size() <= 20);
    const QStringList bank = QString::fromUtf8(Tree::read(app + "/pwdbank.txt")).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(bank.size(), 2);
    QCOMPARE(bank.last(), password);
    QVERIFY(bank.first() != bank.last());

    QCOMPARE(p.processes.waited.size(), 2);
    const RecordingProcesses::Start& start = p.processes.waited.last();
    QCOMPARE(start.program, app + "/vorsel-zip");
    QCOMPARE(start.arguments, (QStringList{"a", "-ep1", "-p", app + "/all.zip", app + "/all/*.*", "-r"}));
    for (const QString& argument : start.arguments)
        QVERIFY(!argument.contains(password));
    QCOMPARE(start.input, password.toUtf8() + "\n");

    // Progress was shown while the archiver worked, and the folder count came back.
    QVERIFY(p.view.statusTexts.contains("Zipping... 100%"));
    QCOMPARE(p.view.status(), QStringLiteral("Total QP Folders : 3"));

    QProcess sevenZip;
    sevenZip.start("7zz", {"x", "-y", "-p" + password, "-o" + app + "/out", app + "/all.zip"});
    QVERIFY(sevenZip.waitForFinished(60000));
    QCOMPARE(sevenZip.exitCode(), 0);
    QCOMPARE(Tree::names(app + "/out"), (QStringList{"c1.pdf", "set_b.pdf"}));
    QCOMPARE(Tree::read(app + "/out/set_b.pdf"), QByteArray("physics paper"));
}

void TestPackaging::archiverFailures_data()
{
    QTest::addColumn<QByteArray>("script"); // empty: no archiver at all
    QTest::addColumn<QString>("report");

    QTest::newRow("no archiver program") << QByteArray() << "File not found 53";
    QTest::newRow("archiver fails") << QByteArray("echo 50%; echo 'vorsel-zip: /x/All/a.pdf: Permission denied' >&2; exit 1")
                                    << "vorsel-zip: /x/All/a.pdf: Permission denied 1";
    QTest::newRow("archiver fails silently") << QByteArray("exit 7") << "The archiver failed 7";
    QTest::newRow("archiver makes no archive") << QByteArray("exit 0") << "The archiver made no archive 53";
    QTest::newRow("archiver crashes") << QByteArray("kill -SEGV $$") << "The archiver stopped unexpectedly 51";
}

void TestPackaging::archiverFailures()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, report);

    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/a.pdf");
    Tree::file(app, "all.zip", "an archive of an earlier run");
    if (!script.isEmpty())
        installScript(app, script);

    Packaging p(app);
    p.click();

    QCOMPARE(p.desktop.events, (QStringList{"pointer 11", "box 48 " + report, "pointer 0"}));
    QVERIFY(!QFile::exists(app + "/all.zip")); // the old archive went before the archiver ran
    const QString password = p.recordedPassword();
    QVERIFY(!password.isEmpty());
    QCOMPARE(Tree::read(app + "/pwdbank.txt"), password.toUtf8() + "\r\n");
    QCOMPARE(p.view.status(), QStringLiteral("Total QP Folders : 3"));
}

void TestPackaging::passwordFileFailureStartsNoArchiver()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/a.pdf");
    Tree::folder(app, "pwdbank.txt"); // stands where the bank must be created
    installArchiver(app);

    Packaging p(app);
    p.click();

    QCOMPARE(p.desktop.events, (QStringList{"pointer 11", "box 48 File already exists 58", "pointer 0"}));
    QVERIFY(p.processes.waited.isEmpty());
    QVERIFY(!p.recordedPassword().isEmpty()); // the record was written before the bank failed
    QVERIFY(!QFile::exists(app + "/all.zip"));
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
