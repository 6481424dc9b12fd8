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
    static void activate(QWidget& window);
    static bool isActive(const QWidget& window);
};

void PauseWindowsTest::activate(QWidget& window)
{
    // As a pager does: openbox may refuse an application's own request.
    X11Tools::run(QStringLiteral("wmctrl"), {"-i", "-a", QString::number(window.winId())});
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
    activate(film);
    QTRY_VERIFY(isActive(film));
    QVERIFY(!source.isActive());

    film.showFullScreen();
    QTRY_VERIFY(source.isActive());
    film.showNormal();
    QTRY_VERIFY(!source.isActive());

    film.showFullScreen();
    QTRY_VERIFY(source.isActive());
    // The user turns to another window; the film stays fullscreen behind it.
    activate(editor);
    QTRY_VERIFY(!source.isActive());
    QVERIFY(X11Tools::windowState(film.winId()).contains("_NET_WM_STATE_FULLSCREEN"));
    activate(film);
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
