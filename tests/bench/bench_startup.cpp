// Times start-up as the operator sees it, a fresh process from launch to the listed and
// painted window, over 20,000 question-paper folders against over none, with each
// process's peak memory. The timing program re-runs itself as the measured process.
#include "RecordingProcesses.h"

#include "platform/SystemRandom.h"
#include "shell/WidgetDesktop.h"
#include "shell/frmqp.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

int childStartUp(int argc, char* argv[], const QString& app)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    WidgetDesktop desktop;
    SystemRandom random;
    RecordingProcesses processes;
    frmqp window(app, desktop, random, processes);
    desktop.setWindow(&window);
    window.Form_Load();
    window.show();
    QCoreApplication::processEvents();
    // Start-up ends with the painted window; tearing it down is not part of it.
    std::fflush(nullptr);
    _exit(window.folderCount() >= 0 ? 0 : 1);
}

struct Measure
{
    double milliseconds;
    long peakKilobytes;
};

Measure spawn(const char* self, const QString& app)
{
    const QByteArray folder = app.toLocal8Bit();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(self, self, "--child", folder.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "start-up in %s failed\n", folder.constData());
    return {std::chrono::duration<double, std::milli>(elapsed).count(), usage.ru_maxrss};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return childStartUp(argc, argv, QString::fromLocal8Bit(argv[2]));

    QTemporaryDir none;
    QTemporaryDir many;
    for (int f = 0; f < 20000; ++f)
        QDir().mkpath(QStringLiteral("%1/QP%2").arg(many.path()).arg(f, 5, 10, QLatin1Char('0')));

    spawn(argv[0], none.path()); // warm the page cache for the program and Qt's libraries
    Measure bestNone{1e99, 0};
    Measure bestMany{1e99, 0};
    for (int round = 0; round < 5; ++round) {
        const Measure a = spawn(argv[0], none.path());
        const Measure b = spawn(argv[0], many.path());
        if (a.milliseconds < bestNone.milliseconds)
            bestNone = a;
        if (b.milliseconds < bestMany.milliseconds)
            bestMany = b;
    }
    std::printf("start-up over none: %.1f ms (peak %ld KB), over 20,000 folders: %.1f ms (peak %ld KB), "
                "ratio %.2f (target <= 2.0)\n",
                bestNone.milliseconds, bestNone.peakKilobytes, bestMany.milliseconds, bestMany.peakKilobytes,
                bestMany.milliseconds / bestNone.milliseconds);
    return 0;
}
