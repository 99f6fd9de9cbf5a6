// Paper selection on real folder trees: listing, random pick, the report and the selection run.
#include "FakeView.h"
#include "RecordingDesktop.h"
#include "RecordingProcesses.h"
#include "ScriptedRandom.h"
#include "Tree.h"

#include "platform/Constants.h"
#include "platform/Runtime.h"
#include "platform/SystemRandom.h"
#include "selection/FolderListing.h"
#include "selection/RandomPaperPick.h"
#include "selection/SelectionReport.h"
#include "selection/SelectionRun.h"
#include "shell/CommandDispatcher.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The logic of one window, on fakes.
struct Selection
{
    explicit Selection(const QString& app)
        : app(app)
        , listing(view, desktop)
        , pick(view, desktop, random)
        , run(app, view, desktop, pick, processes)
        , dispatcher(desktop, {[this] { return run.run(); }})
    {
        // As start-up leaves it: the collecting folder exists, the folders are listed.
        if (Runtime::dir(app + "/All", FILE_ATTRIBUTE_DIRECTORY).isEmpty())
            Runtime::mkDir(app + "/All");
        listing.Load_QP_Folders(app);
    }
    QStringList reportLines() const
    {
        QStringList lines = QString::fromUtf8(Tree::read(app + "/vorsel.txt")).split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    QString app;
    FakeView view;
    RecordingDesktop desktop;
    ScriptedRandom random;
    RecordingProcesses processes;
    FolderListing listing;
    RandomPaperPick pick;
    SelectionRun run;
    CommandDispatcher dispatcher;
};

const QString noPick = QStringLiteral("      2  #### Error!!. N                                       ");

} // namespace

class TestSelection final : public QObject
{
    Q_OBJECT

private slots:
    void reportLine_data();
    void reportLine();
    void reportFileIsExact();
    void randomQp_data();
    void randomQp();
    void randomQpWithRealGeneratorReachesEveryFile();
    void listingFailureReportsOnceAndKeepsList();
    void runEmptiesAndRefillsCollectingFolder();
    void hiddenOrMissingPapersGiveNoPickLines();
    void sameNameKeepsEveryPaper();
    void noFoldersGivesWarningOnly();
    void copyFailureMidRunReportsOnce();
    void failureBeforeReport_data();
    void failureBeforeReport();
};

void TestSelection::reportLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("worked example") << SelectionReport::drawnLine(0, "Physics", 12, "set_b.pdf")
                                    << "      1  Physics             12  set_b.pdf                     ";
    QTest::newRow("no-pick line") << SelectionReport::noPickLine(1) << noPick;
    QTest::newRow("folder name of 15 or more is cut")
        << SelectionReport::drawnLine(9, "Computer_Science_II", 3, "p.pdf")
        << "     10  Computer_Scienc      3  p.pdf                         ";
    QTest::newRow("40-character file name keeps 30")
        << SelectionReport::drawnLine(0, "Maths", 40, "abcdefghij0123456789ABCDEFGHIJ0123456789")
        << "      1  Maths               40  abcdefghij0123456789ABCDEFGHIJ";
    QTest::newRow("non-ASCII name cut at a character")
        << SelectionReport::drawnLine(0, "Φυσική_και_Χημεία", 2, "Ερώτηση_Πρώτη_Τελική_Έκδοση_Νέα_2026.pdf")
        << "      1  Φυσική_και_Χημε      2  Ερώτηση_Πρώτη_Τελική_Έκδοση_Νέ";
    QTest::newRow("characters beyond 16 bits count once")
        << SelectionReport::drawnLine(0, "𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁𝕂𝕃𝕄ℕ𝕆ℙ", 1, "𝕏.pdf")
        << "      1  𝔸𝔹ℂ𝔻𝔼𝔽𝔾ℍ𝕀𝕁𝕂𝕃𝕄ℕ𝕆      1  𝕏.pdf                         ";
    QTest::newRow("control characters become ?")
        << SelectionReport::drawnLine(0, "Line\nbreak", 1, "tab\there\r.pdf")
        << "      1  Line?break           1  tab?here?.pdf                 ";
    QTest::newRow("total counts every folder line") << SelectionReport::totalLine(3) << "    Total QPs Selected : 3";
}

void TestSelection::reportLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(line, expected);
    if (!line.startsWith("    Total"))
        QCOMPARE(line.toUcs4().size(), 63);
}

void TestSelection::reportFileIsExact()
{
    QTemporaryDir root;
    SelectionReport report(root.path() + "/vorsel.txt");
    report.writeDrawn(0, "Physics", 12, "set_b.pdf");
    report.writeNoPick(1);
    report.writeDrawn(2, "Chemistry", 1, "c.pdf");
    report.end(3);

    const QByteArray rule(60, '=');
    const QByteArray expected = rule + "\r\n" + "    Sl.  QP               Total  Selected\r\n" + rule + "\r\n"
        + "      1  Physics             12  set_b.pdf                     \r\n" + noPick.toUtf8() + "\r\n"
        + "      3  Chemistry            1  c.pdf                         \r\n" + rule + "\r\n" + "\r\n"
        + "    Total QPs Selected : 3\r\n";
    QCOMPARE(Tree::read(root.path() + "/vorsel.txt"), expected);
}

void TestSelection::randomQp_data()
{
    QTest::addColumn<QStringList>("entries"); // names ending in "/" are folders
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QStringList>("listed");

    const QStringList three{"b.pdf", "A.pdf", "c.pdf"};
    QTest::newRow("r = 0 draws the first") << three << 0.0 << "A.pdf" << QStringList{"A.pdf", "b.pdf", "c.pdf"};
    QTest::newRow("r just below 1 draws the last")
        << three << 0.9999999999 << "c.pdf" << QStringList{"A.pdf", "b.pdf", "c.pdf"};
    QTest::newRow("r = 0.5 of 3 draws the second") << three << 0.5 << "b.pdf" << QStringList{"A.pdf", "b.pdf", "c.pdf"};
    QTest::newRow("one file") << QStringList{"only.pdf"} << 0.7 << "only.pdf" << QStringList{"only.pdf"};
    QTest::newRow("empty folder") << QStringList{} << 0.3 << "" << QStringList{};
    QTest::newRow("only subfolders") << QStringList{"sub/", "more/"} << 0.3 << "" << QStringList{};
    QTest::newRow("hidden files are not papers")
        << QStringList{".~lock.a.pdf#", "a.pdf", ".thumbs"} << 0.0 << "a.pdf" << QStringList{"a.pdf"};
    // "missing": the folder is not there; the file list keeps the previous folder's paths.
    QTest::newRow("missing folder") << QStringList{"missing"} << 0.3 << "" << QStringList{"previous folder's paper"};
}

void TestSelection::randomQp()
{
    QFETCH(QStringList, entries);
    QFETCH(double, r);
    QFETCH(QString, drawn);
    QFETCH(QStringList, listed);

    QTemporaryDir root;
    const QString folder = root.path() + "/Physics";
    const bool missing = entries == QStringList{"missing"};
    if (!missing)
        Tree::folder(root.path(), "Physics");
    for (const QString& entry : entries) {
        if (missing)
            break;
        if (entry.endsWith('/'))
            Tree::folder(folder, entry);
        else
            Tree::file(folder, entry);
    }
    Selection s(root.path());
    s.random.draws = {r};
    s.view.files = {"previous folder's paper"};

    const QString result = s.pick.Random_QP(folder);
    QCOMPARE(result, drawn.isEmpty() ? QString() : folder + "/" + drawn);
    if (missing) {
        QCOMPARE(s.view.files, listed);
        QCOMPARE(s.random.drawCount, 0);
        QCOMPARE(s.desktop.events, (QStringList{"box 48 Path not found 76", "pointer 0"}));
        return;
    }
    QStringList expectedPaths;
    for (const QString& name : listed)
        expectedPaths << folder + "/" + name;
    QCOMPARE(s.view.files, expectedPaths);
    QCOMPARE(s.random.drawCount, listed.isEmpty() ? 0 : 1);
    QCOMPARE(s.random.reseeds, s.random.drawCount);
    QVERIFY(s.desktop.boxes.isEmpty());
}

void TestSelection::randomQpWithRealGeneratorReachesEveryFile()
{
    QTemporaryDir root;
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf"})
        Tree::file(root.path(), QString("Physics/") + name);
    FakeView view;
    RecordingDesktop desktop;
    SystemRandom random;
    RandomPaperPick pick(view, desktop, random);
    QHash<QString, int> counts;
    for (int i = 0; i < 1000; ++i)
        ++counts[pick.Random_QP(root.path() + "/Physics")];
    QCOMPARE(counts.size(), 5);
    for (int count : counts)
        QVERIFY2(count > 120 && count < 290, qPrintable(QString::number(count))); // expected 200
}

void TestSelection::listingFailureReportsOnceAndKeepsList()
{
    QTemporaryDir root;
    Tree::folder(root.path(), "Physics");
    Selection s(root.path());
    QCOMPARE(s.view.folders, QStringList{"Physics"});
    s.view.statusTexts = {"Total QP Folders : 1"};

    s.listing.Load_QP_Folders(root.path() + "/gone");
    QCOMPARE(s.desktop.events, (QStringList{"box 48 Path not found 76", "pointer 0"}));
    QCOMPARE(s.view.folders, QStringList{"Physics"});
    QCOMPARE(s.view.statusTexts, QStringList{"Total QP Folders : 1"});
}

void TestSelection::runEmptiesAndRefillsCollectingFolder()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "Physics/p1.pdf", "physics paper");
    Tree::file(app, "Chemistry/c1.pdf", "chemistry paper");
    Tree::file(app, "All/old.pdf");
    Tree::file(app, "All/.old-hidden");
    Tree::file(app, "All/readonly.pdf");
    QVERIFY(QFile::setPermissions(app + "/All/readonly.pdf", QFileDevice::ReadOwner));
    Tree::file(app, "All/sub/kept.pdf", "kept");

    Selection s(app);
    s.dispatcher.cmd_Click(0);

    QVERIFY(s.desktop.boxes.isEmpty());
    QCOMPARE(s.desktop.events.first(), QStringLiteral("pointer 11"));
    QCOMPARE(s.desktop.pointer, 0);
    QCOMPARE(Tree::names(app + "/All"), (QStringList{"c1.pdf", "p1.pdf", "sub"}));
    QCOMPARE(Tree::read(app + "/All/c1.pdf"), QByteArray("chemistry paper"));
    QCOMPARE(Tree::read(app + "/All/p1.pdf"), QByteArray("physics paper"));
    QCOMPARE(Tree::read(app + "/All/sub/kept.pdf"), QByteArray("kept"));

    const QStringList lines = s.reportLines();
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(3), QStringLiteral("      1  Chemistry            1  c1.pdf                        "));
    QCOMPARE(lines.at(4), QStringLiteral("      2  Physics              1  p1.pdf                        "));
    QCOMPARE(lines.at(7), QStringLiteral("    Total QPs Selected : 2"));
    QCOMPARE(s.view.selected, 1);
    QCOMPARE(s.view.files, QStringList{app + "/Physics/p1.pdf"});
    QVERIFY(s.desktop.paints > 0); // the window was let repaint as the run went

    QCOMPARE(s.processes.detached.size(), 1);
    QCOMPARE(s.processes.detached.first().program, SelectionRun::editorProgram());
    QCOMPARE(s.processes.detached.first().arguments, QStringList{app + "/vorsel.txt"});
    QCOMPARE(s.processes.detached.first().windowState, SW_SHOWMAXIMIZED);
}

void TestSelection::hiddenOrMissingPapersGiveNoPickLines()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "Art/.hidden.pdf");
    Tree::file(app, "Biology/b.pdf");
    Tree::folder(app, "Civics");
    Tree::file(app, "Drama/d.pdf");

    Selection s(app);
    QCOMPARE(s.view.folders.size(), 4);
    // Drama vanishes after start-up: reported by the pick, and the run carries on.
    QVERIFY(QDir(app + "/Drama").removeRecursively());
    s.dispatcher.cmd_Click(0);

    QCOMPARE(s.desktop.events,
             (QStringList{"pointer 11", "box 48 Path not found 76", "pointer 0", "pointer 0"}));
    const QStringList lines = s.reportLines();
    QCOMPARE(lines.at(3), QStringLiteral("      1  #### Error!!. N                                       "));
    QCOMPARE(lines.at(4), QStringLiteral("      2  Biology              1  b.pdf                         "));
    QCOMPARE(lines.at(5), QStringLiteral("      3  #### Error!!. N                                       "));
    QCOMPARE(lines.at(6), QStringLiteral("      4  #### Error!!. N                                       "));
    QCOMPARE(lines.last(), QStringLiteral("    Total QPs Selected : 4"));
    QCOMPARE(Tree::names(app + "/All"), QStringList{"b.pdf"});
    QCOMPARE(s.processes.detached.size(), 1); // opened even with no-pick lines
}

void TestSelection::sameNameKeepsEveryPaper()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "Chemistry/SET.pdf", "chemistry");
    Tree::file(app, "Maths/set.pdf", "maths");
    Tree::file(app, "Physics/set.pdf", "physics");
    Tree::file(app, "Zoology/set (2).pdf", "zoology");

    Selection s(app);
    s.dispatcher.cmd_Click(0);

    QCOMPARE(s.desktop.events, (QStringList{"pointer 11", "pointer 0"}));
    QCOMPARE(Tree::names(app + "/All"), (QStringList{"SET.pdf", "set (2) (2).pdf", "set (2).pdf", "set (3).pdf"}));
    QCOMPARE(Tree::read(app + "/All/SET.pdf"), QByteArray("chemistry"));
    QCOMPARE(Tree::read(app + "/All/set (2).pdf"), QByteArray("maths"));
    QCOMPARE(Tree::read(app + "/All/set (3).pdf"), QByteArray("physics"));
    QCOMPARE(Tree::read(app + "/All/set (2) (2).pdf"), QByteArray("zoology"));
    const QStringList lines = s.reportLines();
    QVERIFY(lines.at(4).endsWith("set (2).pdf                   "));
    QVERIFY(lines.at(5).endsWith("set (3).pdf                   "));
    QCOMPARE(SelectionRun::freeName("README", {"readme"}), QStringLiteral("README (2)"));
}

void TestSelection::noFoldersGivesWarningOnly()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "All/kept.pdf");
    Tree::file(app, "vorsel.txt", "earlier report");

    Selection s(app);
    s.dispatcher.cmd_Click(0);

    QCOMPARE(s.desktop.events,
             (QStringList{"pointer 11", "box 48 No QP Files found to select!!", "pointer 0"}));
    QCOMPARE(Tree::names(app + "/All"), QStringList{"kept.pdf"});
    QCOMPARE(Tree::read(app + "/vorsel.txt"), QByteArray("earlier report"));
    QVERIFY(s.processes.detached.isEmpty());
}

void TestSelection::copyFailureMidRunReportsOnce()
{
    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "A/a.pdf");
    Tree::file(app, "B/b.pdf");
    Tree::file(app, "C/c.pdf");
    // A folder in the collecting folder survives emptying and stands where b.pdf must go.
    Tree::folder(app, "All/b.pdf");

    Selection s(app);
    s.dispatcher.cmd_Click(0);

    QCOMPARE(s.desktop.events, (QStringList{"pointer 11", "box 48 Path/File access error 75", "pointer 0"}));
    const QStringList lines = s.reportLines();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(3), QStringLiteral("      1  A                    1  a.pdf                         "));
    QCOMPARE(Tree::names(app + "/All"), (QStringList{"a.pdf", "b.pdf"}));
    QVERIFY(s.processes.detached.isEmpty());
}

void TestSelection::failureBeforeReport_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("report");
    QTest::newRow("collecting folder gone") << "no All" << "Path not found 76";
    QTest::newRow("report cannot be created") << "vorsel.txt is a folder" << "Path/File access error 75";
}

void TestSelection::failureBeforeReport()
{
    QFETCH(QString, blocker);
    QFETCH(QString, report);

    QTemporaryDir root;
    const QString app = root.path();
    Tree::file(app, "A/a.pdf");
    if (blocker == "no All")
        Tree::file(app, "vorsel.txt", "earlier report");
    else
        Tree::folder(app, "vorsel.txt");
    Tree::file(app, "All/old.pdf");

    Selection s(app);
    if (blocker == "no All")
        QVERIFY(QDir(app + "/All").removeRecursively());
    s.dispatcher.cmd_Click(0);

    QCOMPARE(s.desktop.events, (QStringList{"pointer 11", "box 48 " + report, "pointer 0"}));
    if (blocker == "no All")
        QCOMPARE(Tree::read(app + "/vorsel.txt"), QByteArray("earlier report"));
    QVERIFY(s.processes.detached.isEmpty());
}

QTEST_GUILESS_MAIN(TestSelection)
#include "tst_selection.moc"
