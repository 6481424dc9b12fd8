// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped languages: the windows open in each, their texts are translated
// and fit their rooms, and every control has an accessible name.
#include "Fakes.h"
#include "app/ActiveHoursDialog.h"
#include "app/FlashLookDialog.h"
#include "app/MainWindow.h"
#include "app/MessagesDialog.h"
#include "app/RecordDialog.h"
#include "app/RunTrayIcon.h"
#include "app/SetsDialog.h"
#include "app/Translations.h"
#include "flash/FlashWindow.h"
#include "web/AboutBox.h"
#include "web/ExitScreen.h"
#include "widgets/LinkLabel.h"
#include "widgets/TextRoom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace
{

QString textOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    return frame ? frame->title() : QString();
}

// The texts of the visible controls and of the menus, in the order they were
// made, which is the same in every language.
QList<QPair<const QObject*, QString>> texts(const QWidget* window, const QMenu* extra)
{
    QList<QPair<const QObject*, QString>> found;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisibleTo(window) && !textOf(widget).isEmpty())
            found.append({widget, textOf(widget)});
    QList<QAction*> actions = extra ? extra->actions() : QList<QAction*>();
    if (const auto* main = qobject_cast<const QMainWindow*>(window))
        actions += main->menuBar()->actions();
    while (!actions.isEmpty()) {
        QAction* action = actions.takeFirst();
        if (action->menu())
            actions += action->menu()->actions();
        if (action->isVisible() && !action->text().isEmpty())
            found.append({action, action->text()});
    }
    return found;
}

// The texts one press of Alt chooses among: a window's controls with the titles
// of its menu bar, and each menu's entries.
QList<QStringList> accessKeyPlaces(const QWidget* window, QMenu* tray)
{
    QStringList own;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (widget->window() == window && widget->isVisibleTo(window) &&
            (qobject_cast<const QAbstractButton*>(widget) || (label && label->buddy())))
            own.append(textOf(widget));
    }
    QList<QAction*> menus{tray ? tray->menuAction() : nullptr};
    if (const auto* main = qobject_cast<const QMainWindow*>(window))
        for (QAction* title : main->menuBar()->actions()) {
            own.append(title->isVisible() ? title->text() : QString());
            menus.append(title);
        }
    QList<QStringList> places{own};
    while (!menus.isEmpty())
        if (const QAction* title = menus.takeFirst(); title && title->menu()) {
            places.append(QStringList());
            for (QAction* entry : title->menu()->actions()) {
                places.last().append(entry->isVisible() ? entry->text() : QString());
                menus.append(entry);
            }
        }
    return places;
}

// Texts of one place that share an access key, as "Alt+X: first | second".
QStringList accessKeyClashes(const QStringList& place)
{
    QMap<QString, QStringList> byKey;
    for (const QString& text : place)
        byKey[QKeySequence::mnemonic(text).toString()].append(text);
    byKey.remove(QString()); // texts without an access key
    QStringList clashes;
    for (auto texts = byKey.begin(); texts != byKey.end(); ++texts)
        if (texts->sort(), texts->size() > 1)
            clashes.append(texts.key() + ": " + texts->join(" | "));
    return clashes;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Translations::install({}); }
    void languageFollowsTheDesktop_data();
    void languageFollowsTheDesktop();
    void windowsAreTranslatedAndFit_data();
    void windowsAreTranslatedAndFit();
    void everyControlHasAnAccessibleName();
};

void TranslationsTest::languageFollowsTheDesktop_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("English first") << QStringList{"en-GB", "de"} << "";
    QTest::newRow("first shipped") << QStringList{"eo", "pt-PT", "fr-CA", "de"} << "fr";
    QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Chinese") << QStringList{"zh-Hans-CN"} << "zh_CN";
}

void TranslationsTest::languageFollowsTheDesktop()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::install(desktop), chosen);
    QCOMPARE(TextRoom::translated(), !chosen.isEmpty());
}

void TranslationsTest::windowsAreTranslatedAndFit_data()
{
    // Texts a language keeps as in English, besides the program's name.
    QTest::addColumn<QStringList>("kept");
    for (const char* language : {"fr", "es", "pt_BR", "pl", "ru", "zh_CN", "ja"})
        QTest::newRow(language) << QStringList();
    QTest::newRow("de") << QStringList{"&Start"};
    QTest::newRow("it") << QStringList{"&File"};
    QTest::newRow("nl") << QStringList{"&Help"};
}

void TranslationsTest::windowsAreTranslatedAndFit()
{
    QFETCH(QStringList, kept);
    // Qt's own word for the button, the same in many languages.
    kept << QStringLiteral("Zorvik Subliminal Images v1.10") << QStringLiteral("OK")
         << QStringLiteral("&OK");
    const auto open = [](TestServices& fakes) {
        auto* main = new MainWindow(fakes.services);
        main->load();
        main->show();
        auto* exit = new ExitScreen(fakes.services, {});
        exit->load();
        exit->show();
        QList<QWidget*> windows{main,
                                exit,
                                new FlashLookDialog(FlashLook(), false, fakes.timers),
                                new ActiveHoursDialog(ActiveHours(), nullptr),
                                new RecordDialog(main->session(), fakes.clock),
                                new MessagesDialog(main->session(), fakes.dialogs, fakes.screen),
                                new SetsDialog(main->session(), fakes.dialogs),
                                new AboutBox(fakes.shell)};
        for (QWidget* window : std::as_const(windows))
            window->show();
        return windows;
    };
    TestServices fakes;
    const QList<QWidget*> english = open(fakes);
    const QString language = QString::fromLatin1(QTest::currentDataTag());
    QCOMPARE(Translations::install({language}), language);
    // A desktop in that language names the days in it too.
    QLocale::setDefault(QLocale(language));
    const QList<QWidget*> translated = open(fakes);
    QLocale::setDefault(QLocale::c());
    const auto trayOf = [](QWidget* window) {
        auto* main = qobject_cast<MainWindow*>(window);
        return main ? main->trayIcon().menu() : nullptr;
    };
    for (qsizetype i = 0; i < english.size(); ++i) {
        const auto before = texts(english[i], trayOf(english[i]));
        const auto after = texts(translated[i], trayOf(translated[i]));
        QCOMPARE(after.size(), before.size());
        for (qsizetype k = 0; k < after.size(); ++k) {
            const QString where = after[k].first->objectName() + ": " + after[k].second;
            QVERIFY2(after[k].second != before[k].second || kept.contains(after[k].second),
                     qPrintable("untranslated " + where));
            const auto* widget = qobject_cast<const QWidget*>(after[k].first);
            QVERIFY2(!widget || TextRoom::fits(widget), qPrintable("cut off " + where));
            // Shrunk no further than a desktop's small font.
            const double designed = before[k].first->property("font").value<QFont>().pointSizeF();
            QVERIFY2(!widget || widget->font().pointSizeF() >= qMin(8.0, designed),
                     qPrintable("too small " + where));
            // Shrunk no further than a desktop's small font.
            QVERIFY2(
                !widget ||
                    widget->font().pointSizeF() >=
                        qMin(8.0, before[k].first->property("font").value<QFont>().pointSizeF()),
                qPrintable("too small " + where));
        }
    }
    QStringList clashes;
    for (qsizetype i = 0; i < english.size(); ++i)
        for (const QStringList& place : accessKeyPlaces(translated[i], trayOf(translated[i])) +
                                            accessKeyPlaces(english[i], trayOf(english[i])))
            clashes += accessKeyClashes(place);
    // English keeps Alt+D for its Delete Picture button and its Donate menu.
    clashes.removeAll(QStringLiteral("Alt+D: &Donate | << &Delete Picture"));
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    const QMenuBar* bar = static_cast<QMainWindow*>(translated[0])->menuBar();
    for (QAction* entry : bar->actions())
        QVERIFY(!bar->actionGeometry(entry).isEmpty() &&
                bar->actionGeometry(entry).right() < bar->width());
    qDeleteAll(english + translated);
}

void TranslationsTest::everyControlHasAnAccessibleName()
{
    Translations::install({QStringLiteral("de")});
    TestServices fakes;
    MainWindow main(fakes.services);
    main.load();
    ExitScreen exit(fakes.services, {});
    FlashWindow flash(fakes.timers);
    QAccessibleInterface* silent = QAccessible::queryAccessibleInterface(&flash);
    QVERIFY(silent->text(QAccessible::Name).isEmpty() && silent->state().invisible);
    QVERIFY(flash.focusPolicy() == Qt::NoFocus &&
            flash.testAttribute(Qt::WA_ShowWithoutActivating));
    // Described besides named: what the caption alone does not tell.
    const QStringList described{"lvwDisplay",        "picScrollForm",     "cboDispInterval",
                                "cboDispDuration",   "optLocation_0",     "optLocation_1",
                                "optDisplayOrder_0", "optDisplayOrder_1", "Label14",
                                "lblCobrand",        "lblFullBrand",      "lblGoToHome"};
    for (const QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&exit)})
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            // A combo box's drop-down list is a window of its own, and Qt's.
            if (control->window() == window &&
                (control->focusPolicy() != Qt::NoFocus || name == "picScrollForm"))
                QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(name));
            if (described.contains(name))
                QVERIFY2(!accessible->text(QAccessible::Description).isEmpty(), qPrintable(name));
        }
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
