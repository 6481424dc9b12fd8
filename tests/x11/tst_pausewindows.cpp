// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FullscreenWindowSource.h"
#include "desktop/X11ScreenSaverSource.h"

#include "X11Tools.h"

#include <QTest>
#include <QWidget>

// The X11 pause sources against real windows under openbox: the active window
// going fullscreen and back, another window taking the focus, and the X
// server's own screen saver.
class PauseWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void fullscreenActiveWindowPauses();
    void screenSaverBlankingPauses();
};

void PauseWindowsTest::fullscreenActiveWindowPauses()
{
    QWidget film;
    film.setWindowTitle(QStringLiteral("film"));
    film.resize(300, 200);
    QWidget editor;
    editor.setWindowTitle(QStringLiteral("editor"));
    editor.resize(300, 200);
    editor.show();
    film.show();
    QVERIFY(QTest::qWaitForWindowExposed(&film));
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    FullscreenWindowSource source;
    source.setWatching(true);
    QTRY_VERIFY(X11Tools::activated(film.winId()));
    QVERIFY(!source.isActive());

    film.showFullScreen();
    QTRY_VERIFY(source.isActive());
    film.showNormal();
    QTRY_VERIFY(!source.isActive());

    film.showFullScreen();
    QTRY_VERIFY(source.isActive());
    // The user turns to another window; the film stays fullscreen behind it.
    QTRY_VERIFY(X11Tools::activated(editor.winId()));
    QTRY_VERIFY(!source.isActive());
    QVERIFY(X11Tools::windowState(film.winId()).contains("_NET_WM_STATE_FULLSCREEN"));
    QTRY_VERIFY(X11Tools::activated(film.winId()));
    QTRY_VERIFY(source.isActive());

    // The window goes away while fullscreen.
    film.hide();
    QTRY_VERIFY(!source.isActive());

    source.setWatching(false);
    QVERIFY(!source.isActive());
}

void PauseWindowsTest::screenSaverBlankingPauses()
{
    X11ScreenSaverSource source;
    source.setWatching(true);
    QVERIFY(!source.isActive());
    X11Tools::run(QStringLiteral("xset"), {"s", "activate"});
    QTRY_VERIFY(source.isActive());
    X11Tools::run(QStringLiteral("xset"), {"s", "reset"});
    QTRY_VERIFY(!source.isActive());
}

QTEST_MAIN(PauseWindowsTest)
#include "tst_pausewindows.moc"
