#include "platform/FullscreenWindowSource.h"
#include "platform/X11ScreenSaverSource.h"

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

private:
    static bool activated(const QWidget& window);
    static bool isActive(const QWidget& window);
};

// Asks for the window to be made active, as a pager does (openbox may refuse
// an application's own request), and says whether it is. Asked again on every
// try: on a loaded machine the first request can come before openbox manages
// the window, and is then lost.
bool PauseWindowsTest::activated(const QWidget& window)
{
    if (isActive(window))
        return true;
    X11Tools::run(QStringLiteral("wmctrl"), {"-i", "-a", QString::number(window.winId())});
    return isActive(window);
}

bool PauseWindowsTest::isActive(const QWidget& window)
{
    const QString line = X11Tools::run(QStringLiteral("xprop"), {"-root", "_NET_ACTIVE_WINDOW"});
    const qsizetype hash = line.indexOf('#');
    return hash >= 0 && line.mid(hash + 1).trimmed().toULongLong(nullptr, 16) == window.winId();
}

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
    QTRY_VERIFY(activated(film));
    QVERIFY(!source.isActive());

    film.showFullScreen();
    QTRY_VERIFY(source.isActive());
    film.showNormal();
    QTRY_VERIFY(!source.isActive());

    film.showFullScreen();
    QTRY_VERIFY(source.isActive());
    // The user turns to another window; the film stays fullscreen behind it.
    QTRY_VERIFY(activated(editor));
    QTRY_VERIFY(!source.isActive());
    QVERIFY(X11Tools::windowState(film.winId()).contains("_NET_WM_STATE_FULLSCREEN"));
    QTRY_VERIFY(activated(film));
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
