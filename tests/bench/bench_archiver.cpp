// Times vorsel-zip against 7-Zip (zip, AES-256) on 200 MB of question-paper-like files:
// half incompressible (scanned papers), half text. Prints both times and archive sizes.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double timed(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
        return -1;
    }
    return seconds;
}

QByteArray text(int size, QRandomGenerator& random)
{
    static const char* const words[] = {"question", "answer", "explain", "the", "of", "marks", "section", "describe",
                                        "with", "an", "example", "compare", "and", "contrast", "define", "energy",
                                        "reaction", "equation", "prove", "that", "for", "all", "values", "given"};
    QByteArray out;
    out.reserve(size);
    int sentence = 1;
    while (out.size() < size) {
        out += QByteArray::number(sentence++) + ". ";
        const int length = 6 + int(random.bounded(14));
        for (int w = 0; w < length; ++w) {
            out += words[random.bounded(int(std::size(words)))];
            out += w + 1 < length ? " " : " (" + QByteArray::number(2 + random.bounded(9)) + " marks)\r\n";
        }
    }
    out.truncate(size);
    return out;
}

} // namespace

int main()
{
    QTemporaryDir root;
    const QString source = root.path() + "/All";
    QDir().mkpath(source);
    QRandomGenerator random(20261209);
    const int files = 100;
    const int size = 1024 * 1024;
    for (int i = 0; i < files; ++i) {
        QByteArray scan(size, '\0');
        random.fillRange(reinterpret_cast<quint32*>(scan.data()), size / 4);
        QFile pdf(QStringLiteral("%1/scan%2.pdf").arg(source).arg(i, 3, 10, QLatin1Char('0')));
        QFile txt(QStringLiteral("%1/paper%2.txt").arg(source).arg(i, 3, 10, QLatin1Char('0')));
        if (!pdf.open(QIODevice::WriteOnly) || !txt.open(QIODevice::WriteOnly) || pdf.write(scan) != size
            || txt.write(text(size, random)) != size)
            return std::fprintf(stderr, "cannot write the fixture\n"), 1;
    }
    const QString password = QStringLiteral("Kd8mZ3pq7TxRb2nv");
    const QString ours = root.path() + "/ours.zip";
    const QString theirs = root.path() + "/7zip.zip";

    double bestOurs = 1e99;
    double bestTheirs = 1e99;
    for (int round = 0; round < 3; ++round) {
        QFile::remove(ours);
        QFile::remove(theirs);
        bestOurs = std::min(bestOurs, timed(QStringLiteral(VORSEL_ZIP_PROGRAM),
                                            {"a", "-ep1", "-p", ours, source + "/*.*", "-r"}, password.toUtf8() + "\n"));
        bestTheirs = std::min(bestTheirs, timed("7zz", {"a", "-tzip", "-mem=AES256", "-p" + password, theirs, source + "/*"}));
    }
    const double ourSize = double(QFileInfo(ours).size());
    const double theirSize = double(QFileInfo(theirs).size());
    std::printf("200 MB (half incompressible): vorsel-zip %.2f s, 7zz %.2f s, time ratio %.2f (target <= 0.5); "
                "sizes %.1f MB and %.1f MB, ours %+.2f%% (target <= +2%%)\n",
                bestOurs, bestTheirs, bestOurs / bestTheirs, ourSize / 1e6, theirSize / 1e6,
                (ourSize / theirSize - 1.0) * 100.0);
    return 0;
}
