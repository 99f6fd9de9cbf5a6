// Times a selection run through the real window (offscreen) on 1,000 question-paper folders
// of 20 papers of 64 KB, against one `cp` copying the same 1,000 drawn papers.
// Usage: bench_selection [FOLDER]  (FOLDER keeps the fixture between runs; made when empty)
#include "RecordingProcesses.h"

#include "platform/SystemRandom.h"
#include "shell/WidgetDesktop.h"
#include "shell/frmqp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int folders = 1000;
    const int papers = 20;

    QTemporaryDir root;
    const QString app = argc > 1 ? QString::fromLocal8Bit(argv[1]) : root.path();
    QDir().mkpath(app);
    const bool made = QDir(app).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() >= folders;
    QByteArray content(64 * 1024, '\0');
    for (int f = 0; f < folders && !made; ++f) {
        const QString folder = QStringLiteral("%1/QP%2").arg(app).arg(f, 4, 10, QLatin1Char('0'));
        QDir().mkpath(folder);
        for (int p = 0; p < papers; ++p) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(content.data()), content.size() / 4);
            QFile out(QStringLiteral("%1/QP%2-set%3.pdf").arg(folder).arg(f, 4, 10, QLatin1Char('0')).arg(p, 2, 10, QLatin1Char('0')));
            if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
                return std::fprintf(stderr, "cannot write the fixture\n"), 1;
        }
    }

    WidgetDesktop desktop;
    SystemRandom random;
    RecordingProcesses editor;
    frmqp window(app, desktop, random, editor);
    desktop.setWindow(&window);
    window.Form_Load();
    window.show();
    QCoreApplication::processEvents();

    QTemporaryDir copies; // beside, not in, the application folder
    double bestRun = 1e99;
    double bestCopy = 1e99;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        window.findChild<QPushButton*>(QStringLiteral("cmd_0"))->click();
        bestRun = std::min(bestRun, timer.nsecsElapsed() / 1e6);

        QStringList arguments;
        for (const QString& name : QDir(app + QStringLiteral("/All")).entryList(QDir::Files))
            arguments << QStringLiteral("%1/%2/%3").arg(app, name.left(6), name);
        const QString target = copies.path() + QStringLiteral("/cp-target");
        QDir(target).removeRecursively();
        QDir().mkpath(target);
        arguments << target;
        timer.restart();
        if (QProcess::execute(QStringLiteral("cp"), arguments) != 0)
            return std::fprintf(stderr, "cp failed\n"), 1;
        bestCopy = std::min(bestCopy, timer.nsecsElapsed() / 1e6);
        if (arguments.size() != folders + 1 || editor.detached.size() != round + 1)
            return std::fprintf(stderr, "the run did not copy one paper per folder\n"), 1;
    }
    std::printf("selection run: %.1f ms, cp of the same %d papers: %.1f ms, ratio %.2f (target <= 2.0)\n", bestRun,
                folders, bestCopy, bestRun / bestCopy);
    return 0;
}
