#include "shell/frmqp.h"

#include "packaging/ArchiveRun.h"
#include "packaging/PasswordGenerator.h"
#include "platform/Constants.h"
#include "platform/Desktop.h"
#include "platform/Runtime.h"
#include "selection/FolderListing.h"
#include "selection/RandomPaperPick.h"
#include "selection/SelectionRun.h"
#include "shell/CommandDispatcher.h"
#include "shell/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <utility>

namespace {

QFont calibri(qreal points, bool bold, bool underline = false)
{
    QFont font(QStringLiteral("Calibri"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

frmqp::frmqp(QString applicationFolder, Desktop& desktop, RandomSource& random, ProcessStarter& processes,
             QWidget* parent)
    : QWidget(parent)
    , m_applicationFolder(std::move(applicationFolder))
    , m_desktop(desktop)
{
    buildControls();

    m_listing = std::make_unique<FolderListing>(*this, desktop);
    m_pick = std::make_unique<RandomPaperPick>(*this, desktop, random);
    m_selection = std::make_unique<SelectionRun>(m_applicationFolder, *this, desktop, *m_pick, processes);
    m_generator = std::make_unique<PasswordGenerator>(random);
    m_archive = std::make_unique<ArchiveRun>(m_applicationFolder, *this, desktop, *m_generator, processes);
    m_dispatcher = std::make_unique<CommandDispatcher>(
        desktop, std::vector<CommandDispatcher::Command>{[this] { return m_selection->run(); },
                                                         [this] { return m_archive->run(); }});

    for (int i = 0; i < int(m_cmd.size()); ++i)
        connect(m_cmd[i], &QPushButton::clicked, this, [this, i] { cmd_Click(i); });
}

frmqp::~frmqp() = default;

void frmqp::buildControls()
{
    setObjectName(QStringLiteral("frmqp"));
    setWindowTitle(QStringLiteral("Random QP Selection . . ."));
    setFixedSize(Twips::toPixels(11850), Twips::toPixels(8625));

    const QString titles[] = {QStringLiteral("Examination Branch"), QStringLiteral("Random Question Paper Selection")};
    const QRect titleGeometry[] = {Twips::toPixels(390, 150, 11040, 570), Twips::toPixels(390, 780, 11040, 570)};
    for (int i = 0; i < 2; ++i) {
        m_Label1[i] = new QLabel(titles[i], this);
        m_Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        m_Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_Label1[i]->setGeometry(titleGeometry[i]);
    }
    m_Label1[0]->setFont(calibri(18, true));
    setTextColour(m_Label1[0], QColor(128, 0, 0));
    m_Label1[1]->setFont(calibri(15.75, true, true));
    setTextColour(m_Label1[1], QColor(0, 128, 0));

    const QString captions[] = {QStringLiteral("Pick &Qp's"), QStringLiteral("Create &Zip File")};
    const QRect buttonGeometry[] = {Twips::toPixels(750, 1590, 1890, 555), Twips::toPixels(2925, 1590, 1890, 555)};
    for (int i = 0; i < 2; ++i) {
        m_cmd[i] = new QPushButton(captions[i], this);
        m_cmd[i]->setObjectName(QStringLiteral("cmd_%1").arg(i));
        m_cmd[i]->setFont(calibri(11.25, true));
        m_cmd[i]->setGeometry(buttonGeometry[i]);
    }

    m_lbstatus = new QLabel(this);
    m_lbstatus->setObjectName(QStringLiteral("lbstatus"));
    m_lbstatus->setFont(calibri(11.25, true));
    setTextColour(m_lbstatus, Qt::black);
    m_lbstatus->setGeometry(Twips::toPixels(6030, 1695, 5010, 375));

    // Two-pixel rules drawn from one end point to the other.
    const QRect lineGeometry[] = {
        QRect(QPoint(Twips::toPixels(390), Twips::toPixels(2280)), QPoint(Twips::toPixels(11385), Twips::toPixels(2295))),
        QRect(QPoint(Twips::toPixels(405), Twips::toPixels(8370)), QPoint(Twips::toPixels(11400), Twips::toPixels(8385))),
    };
    for (int i = 0; i < 2; ++i) {
        m_Line1[i] = new QFrame(this);
        m_Line1[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
        m_Line1[i]->setFrameShape(QFrame::HLine);
        m_Line1[i]->setFrameShadow(QFrame::Plain);
        m_Line1[i]->setLineWidth(2);
        m_Line1[i]->setGeometry(lineGeometry[i]);
    }

    const QRect listGeometry[] = {Twips::toPixels(705, 2595, 5025, 5460), Twips::toPixels(6000, 2595, 5025, 5460)};
    const QString listNames[] = {QStringLiteral("Question-paper folders"), QStringLiteral("Files of the folder")};
    for (int i = 0; i < 2; ++i) {
        m_list[i] = new QListWidget(this);
        m_list[i]->setObjectName(QStringLiteral("list_%1").arg(i));
        m_list[i]->setFont(calibri(11.25, false));
        m_list[i]->setGeometry(listGeometry[i]);
        m_list[i]->setAccessibleName(listNames[i]);
        // Thousands of entries: uniform rows let the view skip measuring each one.
        m_list[i]->setUniformItemSizes(true);
    }

    // Tab order: cmd(0), cmd(1), Label1(0), Label1(1), list(0), list(1), lbstatus.
    QWidget* const order[] = {m_cmd[0], m_cmd[1], m_Label1[0], m_Label1[1], m_list[0], m_list[1], m_lbstatus};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmqp::Form_Load()
{
    // The window's size is read before the screen's.
    const QSize window = Twips::fromPixels(size());
    const QSize screen = m_desktop.screenSize();
    const double left = screen.width() / 2.0 - window.width() / 2.0;
    const double top = screen.height() / 2.0 - window.height() / 2.0;
    move(qRound(left / Twips::perPixel), qRound(top / Twips::perPixel));

    const QString collecting = m_applicationFolder + QStringLiteral("/All");
    if (Runtime::dir(collecting, FILE_ATTRIBUTE_DIRECTORY).isEmpty())
        Runtime::mkDir(collecting);

    m_listing->Load_QP_Folders(m_applicationFolder);
}

void frmqp::cmd_Click(int Index)
{
    m_dispatcher->cmd_Click(Index);
}

void frmqp::clearFolders()
{
    m_list[0]->clear();
}

void frmqp::appendFolders(const QStringList& names)
{
    m_list[0]->addItems(names);
}

qsizetype frmqp::folderCount() const
{
    return m_list[0]->count();
}

QString frmqp::folderAt(qsizetype index) const
{
    return m_list[0]->item(int(index))->text();
}

void frmqp::selectFolder(qsizetype index)
{
    m_list[0]->setCurrentRow(int(index));
}

void frmqp::showFiles(const QStringList& paths)
{
    m_list[1]->clear();
    m_list[1]->addItems(paths);
}

qsizetype frmqp::fileCount() const
{
    return m_list[1]->count();
}

QString frmqp::fileAt(qsizetype index) const
{
    return m_list[1]->item(int(index))->text();
}

void frmqp::setStatus(const QString& text)
{
    m_lbstatus->setText(text);
}

QString frmqp::status() const
{
    return m_lbstatus->text();
}
