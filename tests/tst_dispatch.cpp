// The command dispatch: busy pointer, command by index, common tail, one error report per failure.
#include "RecordingDesktop.h"

#include "platform/PlatformError.h"
#include "shell/CommandDispatcher.h"

#include <QTest>

#include <stdexcept>

class TestDispatch final : public QObject
{
    Q_OBJECT

private slots:
    void cmdClick_data();
    void cmdClick();
};

namespace {

enum class Behaviour { Complete, LeaveEarly, FailPlatform, FailOther };

CommandOutcome act(Behaviour behaviour, RecordingDesktop& desktop)
{
    switch (behaviour) {
    case Behaviour::Complete:
        return CommandOutcome::Completed;
    case Behaviour::LeaveEarly:
        desktop.messageBox("Nothing to do", 48);
        desktop.mousePointer(0);
        return CommandOutcome::LeftEarly;
    case Behaviour::FailPlatform:
        throw PlatformError::fromNumber(ErrorTable::PathNotFound);
    case Behaviour::FailOther:
        throw std::runtime_error("unexpected");
    }
    return CommandOutcome::Completed;
}

} // namespace

void TestDispatch::cmdClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<QStringList>("ran");
    QTest::addColumn<QStringList>("events");

    const int complete = int(Behaviour::Complete);
    QTest::newRow("index 0 runs the selection command")
        << 0 << complete << QStringList{"0"} << QStringList{"pointer 11", "pointer 0"};
    QTest::newRow("index 1 runs the archive command")
        << 1 << complete << QStringList{"1"} << QStringList{"pointer 11", "pointer 0"};
    QTest::newRow("another index runs nothing")
        << 2 << complete << QStringList{} << QStringList{"pointer 11", "pointer 0"};
    QTest::newRow("a negative index runs nothing")
        << -1 << complete << QStringList{} << QStringList{"pointer 11", "pointer 0"};
    QTest::newRow("leaving early skips the tail")
        << 0 << int(Behaviour::LeaveEarly) << QStringList{"0"}
        << QStringList{"pointer 11", "box 48 Nothing to do", "pointer 0"};
    QTest::newRow("a failure gives one report while busy, then the default pointer")
        << 1 << int(Behaviour::FailPlatform) << QStringList{"1"}
        << QStringList{"pointer 11", "box 48 Path not found 76", "pointer 0"};
    QTest::newRow("an unexpected exception is reported, never escapes")
        << 0 << int(Behaviour::FailOther) << QStringList{"0"}
        << QStringList{"pointer 11", "box 48 unexpected 51", "pointer 0"};
}

void TestDispatch::cmdClick()
{
    QFETCH(int, index);
    QFETCH(int, behaviour);
    QFETCH(QStringList, ran);
    QFETCH(QStringList, events);

    RecordingDesktop desktop;
    QStringList commandsRun;
    auto command = [&](int i) {
        return [&, i] {
            commandsRun << QString::number(i);
            return act(Behaviour(behaviour), desktop);
        };
    };
    CommandDispatcher dispatcher(desktop, {command(0), command(1)});
    dispatcher.cmd_Click(index);

    QCOMPARE(commandsRun, ran);
    QCOMPARE(desktop.events, events);
    QCOMPARE(desktop.pointer, 0);
}

QTEST_GUILESS_MAIN(TestDispatch)
#include "tst_dispatch.moc"
