// The main window on Qt's offscreen platform: its controls, start-up and the wiring of the buttons.
#include "RecordingDesktop.h"
#include "RecordingProcesses.h"
#include "ScriptedRandom.h"
#include "Tree.h"

#include "platform/Constants.h"
#include "platform/PlatformError.h"
#include "shell/WidgetDesktop.h"
#include "shell/frmqp.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

class TestWindow final : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void windowFrame();
    void tabMovesFocusInTabOrder();
    void startUp_data();
    void startUp();
    void startUpFailureIsThrown_data();
    void startUpFailureIsThrown();
    void unlistableFolderReportsOnceAndStartUpCompletes();
    void altKeysPressTheButtons();
    void pickThroughTheWindowLeavesLastFolderShown();
    void busyPointerNeverStacks();
    void messageBoxTitleAndIcon_data();
    void messageBoxTitleAndIcon();

private:
    struct Fixture
    {
        RecordingDesktop desktop;
        ScriptedRandom random;
        RecordingProcesses processes;
    };
};

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry"); // pixels: twips / 15
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("tabPosition"); // -1: takes no focus
    QTest::addColumn<int>("role");

    const QColor none;
    const int noRole = -1;
    QTest::newRow("Label1(0)") << "Label1_0" << "QLabel" << "Examination Branch" << QRect(26, 10, 736, 38) << 18.0
                               << true << false << QColor(128, 0, 0) << -1 << int(QAccessible::StaticText);
    QTest::newRow("Label1(1)") << "Label1_1" << "QLabel" << "Random Question Paper Selection"
                               << QRect(26, 52, 736, 38) << 15.75 << true << true << QColor(0, 128, 0) << -1
                               << int(QAccessible::StaticText);
    QTest::newRow("cmd(0)") << "cmd_0" << "QPushButton" << "Pick &Qp's" << QRect(50, 106, 126, 37) << 11.25 << true
                            << false << none << 0 << int(QAccessible::Button);
    QTest::newRow("cmd(1)") << "cmd_1" << "QPushButton" << "Create &Zip File" << QRect(195, 106, 126, 37) << 11.25
                            << true << false << none << 1 << int(QAccessible::Button);
    QTest::newRow("lbstatus") << "lbstatus" << "QLabel" << "" << QRect(402, 113, 334, 25) << 11.25 << true << false
                              << QColor(0, 0, 0) << -1 << int(QAccessible::StaticText);
    QTest::newRow("Line1(0)") << "Line1_0" << "QFrame" << "" << QRect(26, 152, 734, 2) << 0.0 << false << false
                              << none << -1 << noRole;
    QTest::newRow("Line1(1)") << "Line1_1" << "QFrame" << "" << QRect(27, 558, 734, 2) << 0.0 << false << false
                              << none << -1 << noRole;
    QTest::newRow("list(0)") << "list_0" << "QListWidget" << "" << QRect(47, 173, 335, 364) << 11.25 << false
                             << false << none << 4 << int(QAccessible::List);
    QTest::newRow("list(1)") << "list_1" << "QListWidget" << "" << QRect(400, 173, 335, 364) << 11.25 << false
                             << false << none << 5 << int(QAccessible::List);
}

void TestWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);
    QFETCH(int, tabPosition);
    QFETCH(int, role);

    Fixture f;
    QTemporaryDir root;
    frmqp window(root.path(), f.desktop, f.random, f.processes);
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->metaObject()->className(), className);
    QCOMPARE(control->geometry(), geometry);

    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), caption);
    else if (auto* line = qobject_cast<QFrame*>(control); line && className == "QFrame") {
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QCOMPARE(line->lineWidth(), 2);
    }
    if (name.startsWith("Label1"))
        QCOMPARE(qobject_cast<QLabel*>(control)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    if (auto* list = qobject_cast<QListWidget*>(control))
        QCOMPARE(list->count(), 0);

    if (points > 0) {
        QCOMPARE(control->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->font().underline(), underline);
    }
    if (colour.isValid())
        QCOMPARE(control->palette().color(QPalette::WindowText), colour);

    // Labels and lines take no focus; the tab order among the others is checked by pressing Tab.
    QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), tabPosition >= 0);
    if (role >= 0) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
    }
}

void TestWindow::windowFrame()
{
    Fixture f;
    QTemporaryDir root;
    frmqp window(root.path(), f.desktop, f.random, f.processes);
    QCOMPARE(window.objectName(), QStringLiteral("frmqp"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Random QP Selection . . ."));
    QCOMPARE(window.size(), QSize(790, 575));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    window.Form_Load();
    // Screen 1280 x 1080 pixels: centred, the half pixel rounded.
    QCOMPARE(window.pos(), QPoint(245, 253));
    QVERIFY(!f.desktop.events.contains("pointer 11"));
}

void TestWindow::tabMovesFocusInTabOrder()
{
    Fixture f;
    QTemporaryDir root;
    frmqp window(root.path(), f.desktop, f.random, f.processes);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QWidget*>("cmd_0")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"cmd_0", "cmd_1", "list_0", "list_1", "cmd_0"}));
}

void TestWindow::startUp_data()
{
    QTest::addColumn<QString>("appName");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("entriesAfter");

    QTest::newRow("first start makes All") << "app" << QStringList{} << QStringList{} << QStringList{}
                                           << "Total QP Folders : 0" << QStringList{"All"};
    QTest::newRow("later start keeps All and its contents")
        << "app" << QStringList{"Physics"} << QStringList{"All/set_a.pdf", "All/sub/x.pdf"} << QStringList{"Physics"}
        << "Total QP Folders : 1" << QStringList{"All", "All/set_a.pdf", "All/sub", "All/sub/x.pdf", "Physics"};
    QTest::newRow("a file named All is left alone, count is of the list")
        << "app" << QStringList{"Physics", "Chemistry"} << QStringList{"All"} << QStringList{"Chemistry", "Physics"}
        << "Total QP Folders : 2" << QStringList{"All", "Chemistry", "Physics"};
    QTest::newRow("only a file named All: no folders")
        << "app" << QStringList{} << QStringList{"All"} << QStringList{} << "Total QP Folders : 0" << QStringList{"All"};
    QTest::newRow("order, all in any case left out, files ignored")
        << "app" << QStringList{"physics", "ALL", "aLl", "chemistry", "Maths", "Zoology", "biology"}
        << QStringList{"notes.txt", "README"} << QStringList{"biology", "chemistry", "Maths", "physics", "Zoology"}
        << "Total QP Folders : 5"
        << QStringList{"ALL", "Maths", "README", "Zoology", "aLl", "biology", "chemistry", "notes.txt", "physics"};
    QTest::newRow("odd application folder name")
        << "Exam 'Q' \"P\" $HOME Ωμέγα" << QStringList{"Φυσική", "set 1"} << QStringList{} << QStringList{"set 1", "Φυσική"}
        << "Total QP Folders : 2" << QStringList{"All", "set 1", "Φυσική"};
}

void TestWindow::startUp()
{
    QFETCH(QString, appName);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QStringList, listed);
    QFETCH(QString, status);
    QFETCH(QStringList, entriesAfter);

    QTemporaryDir root;
    const QString app = root.path() + "/" + appName;
    Tree::folder(root.path(), appName);
    for (const QString& folder : folders)
        Tree::folder(app, folder);
    for (const QString& file : files)
        Tree::file(app, file);

    Fixture f;
    frmqp window(app, f.desktop, f.random, f.processes);
    window.Form_Load();

    QStringList shown;
    for (qsizetype i = 0; i < window.folderCount(); ++i)
        shown << window.folderAt(i);
    QCOMPARE(shown, listed);
    QCOMPARE(window.status(), status);
    QVERIFY(f.desktop.boxes.isEmpty());

    QStringList entries;
    for (const QString& name : Tree::names(app)) {
        entries << name;
        if (QFileInfo(app + "/" + name).isDir() && name.compare("all", Qt::CaseInsensitive) == 0)
            for (const QString& inner : Tree::names(app + "/" + name))
                entries << name + "/" + inner;
    }
    if (files.contains("All/sub/x.pdf"))
        entries << "All/sub/x.pdf";
    entries.sort();
    QCOMPARE(entries, entriesAfter);
    if (files.contains("All"))
        QCOMPARE(Tree::read(app + "/All"), QByteArray("paper"));
}

void TestWindow::startUpFailureIsThrown_data()
{
    QTest::addColumn<bool>("danglingAll");
    QTest::addColumn<QString>("report");
    QTest::newRow("missing application folder") << false << "Path not found 76";
    QTest::newRow("All is a dangling link: cannot be made") << true << "Path/File access error 75";
}

void TestWindow::startUpFailureIsThrown()
{
    QFETCH(bool, danglingAll);
    QFETCH(QString, report);

    QTemporaryDir root;
    QString app = root.path() + "/missing";
    if (danglingAll) {
        app = root.path();
        QVERIFY(QFile::link(root.path() + "/gone", app + "/All"));
    }
    Fixture f;
    frmqp window(app, f.desktop, f.random, f.processes);
    try {
        window.Form_Load();
        QFAIL("start-up did not fail");
    } catch (const PlatformError& error) {
        QCOMPARE(error.reportText(), report);
    }
}

void TestWindow::unlistableFolderReportsOnceAndStartUpCompletes()
{
    if (::geteuid() == 0)
        QSKIP("root reads every folder; the listing failure itself is covered in tst_selection");
    QTemporaryDir root;
    Tree::folder(root.path(), "All");
    Tree::folder(root.path(), "Physics");
    QVERIFY(QFile::setPermissions(root.path(), QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    Fixture f;
    frmqp window(root.path(), f.desktop, f.random, f.processes);
    window.Form_Load();
    QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(f.desktop.boxes.size(), 1);
    QCOMPARE(f.desktop.boxes.first().text, QStringLiteral("Permission denied 70"));
    QCOMPARE(window.folderCount(), 0);
    QCOMPARE(f.desktop.pointer, 0);
}

void TestWindow::altKeysPressTheButtons()
{
    QTemporaryDir root;
    Fixture f;
    frmqp window(root.path(), f.desktop, f.random, f.processes);
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // An empty application folder: each command only warns that there is nothing to do.
    QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE(f.desktop.boxes.size(), 1);
    QCOMPARE(f.desktop.boxes.at(0).text, QStringLiteral("No QP Files found to select!!"));
    QTest::keyClick(&window, Qt::Key_Z, Qt::AltModifier);
    QTRY_COMPARE(f.desktop.boxes.size(), 2);
    QCOMPARE(f.desktop.boxes.at(1).text, QStringLiteral("No files selected to Zip!!"));
    QCOMPARE(f.desktop.boxes.at(1).style, MB_ICONWARNING);
    QCOMPARE(f.desktop.pointer, 0);
}

void TestWindow::pickThroughTheWindowLeavesLastFolderShown()
{
    QTemporaryDir root;
    Tree::file(root.path(), "Physics/set_a.pdf");
    Tree::file(root.path(), "Chemistry/c1.pdf");
    Tree::file(root.path(), "Chemistry/c2.pdf");
    Fixture f;
    frmqp window(root.path(), f.desktop, f.random, f.processes);
    window.Form_Load();
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>("cmd_0"), Qt::LeftButton);

    QVERIFY(f.desktop.boxes.isEmpty());
    auto* folders = window.findChild<QListWidget*>("list_0");
    auto* files = window.findChild<QListWidget*>("list_1");
    QCOMPARE(folders->currentRow(), 1);
    QCOMPARE(folders->currentItem()->text(), QStringLiteral("Physics"));
    QCOMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), root.path() + "/Physics/set_a.pdf");
    QCOMPARE(f.processes.detached.size(), 1);
    QCOMPARE(f.processes.detached.first().arguments, QStringList{root.path() + "/vorsel.txt"});
    QCOMPARE(Tree::names(root.path() + "/All").size(), 2);
}

void TestWindow::busyPointerNeverStacks()
{
    WidgetDesktop desktop;
    desktop.mousePointer(vbDefault);
    QVERIFY(!QApplication::overrideCursor());
    for (int i = 0; i < 3; ++i)
        desktop.mousePointer(vbHourglass);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.mousePointer(vbDefault);
    QVERIFY(!QApplication::overrideCursor());
}

void TestWindow::messageBoxTitleAndIcon_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::newRow("warning") << MB_ICONWARNING << int(QMessageBox::Warning);
    QTest::newRow("information") << MB_ICONINFORMATION << int(QMessageBox::Information);
}

void TestWindow::messageBoxTitleAndIcon()
{
    QFETCH(int, style);
    QFETCH(int, icon);

    WidgetDesktop desktop;
    QString title;
    QString text;
    int shownIcon = -1;
    int buttons = 0;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            shownIcon = int(box->icon());
            buttons = int(box->buttons().size());
            box->accept();
        }
    });
    closer.start();
    desktop.messageBox("Path not found 76", style);
    QCOMPARE(title, QStringLiteral("vorsel"));
    QCOMPARE(text, QStringLiteral("Path not found 76"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(buttons, 1);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
