// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a real X display: it starts from its program folder,
// shows its main window with the library, and ends when its windows close.
#include "LibraryFixture.h"
#include "RealProgram.h"
#include "TestPictures.h"
#include "library/PictureListFile.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void mainWindowAppearsAndCloses();
};

void StartupTest::mainWindowAppearsAndCloses()
{
    RealProgram program;
    const QString copies = program.programFolder() + "/SystemFolder";
    QVERIFY(QDir().mkpath(copies));
    const QStringList names{"one.jpg", "two.bmp", "three.jpg", "four.jpg", "five.jpg"};
    for (const QString& name : names)
        QVERIFY(TestPictures::write(copies + "/" + name, {640, 480}, Qt::darkCyan,
                                    name.endsWith(".bmp") ? "BMP" : "JPEG"));
    const QString list = program.programFolder() + "/record.txt";
    QVERIFY(PictureListFile::save(list, names));
    const QByteArray before = [&] {
        QFile file(list);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();

    QProcess* process = program.start();
    QStringList windows;
    const QString title = ProgramInfo::titleWithVersion();
    QTRY_VERIFY_WITH_TIMEOUT(
        !(windows = XTool::windowsNamed('^' + QRegularExpression::escape(title) + '$')).isEmpty(),
        20000);
    QCOMPARE(XTool::windowName(windows.first()), title);

    // Close whatever the program shows until it has ended.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            if (process->state() == QProcess::NotRunning)
                return true;
            const QStringList open = XTool::windowsOf(process->processId());
            if (!open.isEmpty())
                XTool::close(open.first());
            return process->state() == QProcess::NotRunning;
        }(),
        20000);
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);

    QFile file(list);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before); // nothing is written at shutdown
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
