#include "selection/RandomPaperPick.h"

#include "platform/ErrorReport.h"
#include "platform/FileSystemObject.h"
#include "platform/PlatformError.h"
#include "platform/RandomSource.h"
#include "selection/SelectionView.h"

#include <algorithm>
#include <cmath>

RandomPaperPick::RandomPaperPick(SelectionView& view, Desktop& desktop, RandomSource& random)
    : m_view(view)
    , m_desktop(desktop)
    , m_random(random)
{
}

QString RandomPaperPick::Random_QP(const QString& lPath)
{
    QString result;
    try {
        const FileSystemObject fso;
        const QList<File> files = fso.GetFolder(lPath).Files();
        QStringList paths;
        paths.reserve(files.size());
        for (const File& file : files) {
            // Hidden and system files (lock files, thumbnail caches) are not papers.
            if (file.isOrdinary())
                paths.append(lPath + QLatin1Char('/') + file.Name());
        }
        m_view.showFiles(paths);

        const qsizetype n = m_view.fileCount();
        if (n > 0) {
            m_random.reseed();
            const double r = m_random.draw();
            const auto index = std::clamp<qsizetype>(static_cast<qsizetype>(std::floor(double(n) * r)), 0, n - 1);
            result = m_view.fileAt(index);
        }
    } catch (const PlatformError& error) {
        ErrorReport::show(m_desktop, error);
    }
    return result;
}
