// SPDX-License-Identifier: GPL-3.0-or-later
// The real program with its real services, on a real X display: the main
// window opens centred, and Start writes the four settings to the real
// settings file.
#include "RealProgram.h"
#include "TestPictures.h"
#include "X11Tools.h"
#include "library/PictureListFile.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

class RealProgramTest : public QObject
{
    Q_OBJECT
private slots:
    void opensCentredAndStartSavesTheSettings();
};

namespace
{

// Left, right, top, bottom of a window's frame, as the window manager says.
QList<int> frameExtents(const QString& window)
{
    const QString line = X11Tools::run("xprop", {"-id", window, "_NET_FRAME_EXTENTS"});
    QList<int> extents;
    for (const QString& number : line.section('=', 1).split(',', Qt::SkipEmptyParts))
        extents << number.trimmed().toInt();
    return extents.size() == 4 ? extents : QList<int>{0, 0, 0, 0};
}

QRect clientGeometry(const QString& window)
{
    const QString shell = XTool::run({"getwindowgeometry", "--shell", window});
    QHash<QString, int> values;
    for (const QString& line : shell.split('\n'))
        values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                 values.value("HEIGHT"));
}

} // namespace

void RealProgramTest::opensCentredAndStartSavesTheSettings()
{
    RealProgram program;
    const QString copies = program.programFolder() + "/SystemFolder";
    QVERIFY(QDir().mkpath(copies));
    QVERIFY(TestPictures::bmp(copies + "/one.bmp"));
    QVERIFY(PictureListFile::save(program.programFolder() + "/record.txt", {"one.bmp"}));

    QProcess* process = program.start();
    const QString title = "^" + QRegularExpression::escape(ProgramInfo::titleWithVersion()) + "$";
    // The window the window manager has framed (others of the title may come first).
    QString window;
    QList<int> frame;
    const auto framed = [&] {
        for (const QString& candidate : XTool::windowsNamed(title)) {
            frame = frameExtents(candidate);
            if (frame != QList<int>({0, 0, 0, 0})) {
                window = candidate;
                return true;
            }
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(framed(), 20000);

    // Centred on the 1024 × 768 screen, up to the frame the window manager adds.
    const QRect client = clientGeometry(window);
    const QRect outer = client.adjusted(-frame[0], -frame[2], frame[1], frame[3]);
    const QPoint offCentre = outer.center() - QPoint(512, 384);
    QVERIFY2(qAbs(offCentre.x()) <= (frame[0] + frame[1]) / 2 + 1 &&
                 qAbs(offCentre.y()) <= (frame[2] + frame[3]) / 2 + 1,
             qPrintable(QStringLiteral("client at %5,%6, frame at %1,%2 %3x%4")
                            .arg(outer.x())
                            .arg(outer.y())
                            .arg(outer.width())
                            .arg(outer.height())
                            .arg(client.x())
                            .arg(client.y())));

    // Alt+S presses Start: the real settings store gets the four keys.
    XTool::run({"windowactivate", "--sync", window});
    XTool::run({"key", "--window", window, "alt+s"});
    const QString file = program.configFolder() + "/zorvik-subliminal-images.conf";
    QTRY_VERIFY_WITH_TIMEOUT(
        QSettings(file, QSettings::IniFormat).value("settings/DispOrder").isValid(), 10000);
    QSettings stored(file, QSettings::IniFormat);
    stored.beginGroup("settings");
    QCOMPARE(stored.childKeys(),
             QStringList({"DispDuration", "DispInterval", "DispLocation", "DispOrder"}));
    QCOMPARE(stored.value("DispInterval").toString(), "0");
    process->kill();
    process->waitForFinished(5000);
}

QTEST_GUILESS_MAIN(RealProgramTest)
#include "tst_realprogram.moc"
