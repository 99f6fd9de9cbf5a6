// Start-up: the window on the folder that holds the program.
#include "platform/PlatformError.h"
#include "platform/QtProcessStarter.h"
#include "platform/Runtime.h"
#include "platform/SystemRandom.h"
#include "shell/WidgetDesktop.h"
#include "shell/frmqp.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorsel"));

    WidgetDesktop desktop;
    SystemRandom random;
    QtProcessStarter processes;
    frmqp window(Runtime::applicationFolder(), desktop, random, processes);
    desktop.setWindow(&window);

    try {
        window.Form_Load();
    } catch (const PlatformError& error) {
        // Without its collecting folder the program cannot work: say why and stop.
        QMessageBox::critical(nullptr, QStringLiteral("vorsel"),
                              QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.description()));
        return 1;
    }

    window.show();
    return QApplication::exec();
}
