// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"

#include <QTest>

// When the program asks for XWayland, and when it leaves the choice alone.
class PlatformChoiceTest : public QObject
{
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
};

using Environment = PlatformChoice::Environment;
Q_DECLARE_METATYPE(Environment)

void PlatformChoiceTest::choice_data()
{
    QTest::addColumn<Environment>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("x11");

    QTest::newRow("wayland with xwayland")
        << Environment{"", "wayland-0", "wayland", ":0"} << QStringList() << true;
    QTest::newRow("session type alone")
        << Environment{"", "", "wayland", ":0"} << QStringList() << true;
    QTest::newRow("wayland without xwayland")
        << Environment{"", "wayland-0", "wayland", ""} << QStringList() << false;
    QTest::newRow("plain x11") << Environment{"", "", "x11", ":0"} << QStringList() << false;
    QTest::newRow("user chose a platform")
        << Environment{"wayland", "wayland-0", "wayland", ":0"} << QStringList() << false;
    QTest::newRow("-platform argument") << Environment{"", "wayland-0", "wayland", ":0"}
                                        << QStringList{"-platform", "wayland"} << false;
    QTest::newRow("--platform argument") << Environment{"", "wayland-0", "wayland", ":0"}
                                         << QStringList{"--platform", "wayland"} << false;
    QTest::newRow("-platform= argument") << Environment{"", "wayland-0", "wayland", ":0"}
                                         << QStringList{"-platform=wayland"} << false;
    QTest::newRow("other arguments")
        << Environment{"", "wayland-0", "wayland", ":0"} << QStringList{"-style", "fusion"} << true;
}

void PlatformChoiceTest::choice()
{
    QFETCH(Environment, environment);
    QFETCH(QStringList, arguments);
    QFETCH(bool, x11);

    QList<QByteArray> bytes{"zorvik-subliminal-images"};
    for (const QString& argument : arguments)
        bytes << argument.toUtf8();
    QList<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv << argument.constData();
    QCOMPARE(PlatformChoice::shouldUseX11(environment, int(argv.size()), argv.constData()), x11);
}

QTEST_GUILESS_MAIN(PlatformChoiceTest)
#include "tst_platformchoice.moc"
