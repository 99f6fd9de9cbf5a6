#include "shell/WidgetDesktop.h"

#include "platform/Constants.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

WidgetDesktop::WidgetDesktop()
{
    m_sincePaint.start();
}

void WidgetDesktop::setWindow(QWidget* window)
{
    m_window = window;
}

void WidgetDesktop::messageBox(const QString& text, int style)
{
    const QMessageBox::Icon icon = style == MB_ICONINFORMATION ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(icon, QStringLiteral("vorsel"), text, QMessageBox::Ok, m_window);
    box.exec();
}

void WidgetDesktop::mousePointer(int kind)
{
    // Qt keeps override cursors on a stack; hold at most one so vbDefault always restores.
    if (kind == vbHourglass && !m_busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_busy = true;
    } else if (kind == vbDefault && m_busy) {
        QApplication::restoreOverrideCursor();
        m_busy = false;
    }
}

QSize WidgetDesktop::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? Twips::fromPixels(screen->geometry().size()) : QSize();
}

void WidgetDesktop::keepPainting()
{
    if (m_sincePaint.elapsed() < 50)
        return;
    // Input waits in the queue until the command is over, so no click can start a second one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePaint.restart();
}
