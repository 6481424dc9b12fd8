// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureSetMenu.h"

#include "core/Session.h"
#include "platform/Dialogs.h"

#include <QActionGroup>

PictureSetMenu::PictureSetMenu(Session& session, Dialogs& dialogs, QWidget* parent)
    : QMenu(tr("Picture Set"), parent), m_session(session), m_dialogs(dialogs)
{
    connect(this, &QMenu::aboutToShow, this, &PictureSetMenu::rebuild);
    rebuild();
}

void PictureSetMenu::rebuild()
{
    clear();
    auto* group = new QActionGroup(this);
    const QString current = m_session.currentSet();
    const auto add = [&](const QString& text, const QString& name) {
        QAction* action = addAction(text);
        action->setCheckable(true);
        action->setChecked(name == current);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [this, name] { choose(name); });
    };
    //: The set that holds every picture of the list.
    add(tr("The &whole list"), QString());
    const QStringList sets = m_session.pictureSets();
    if (!sets.isEmpty())
        addSeparator();
    for (const QString& name : sets) // a name's own "&" is no access key
        add(QString(name).replace(u'&', QStringLiteral("&&")), name);
    addSeparator();
    QAction* edit = addAction(tr("&Edit Sets..."));
    edit->setObjectName(QStringLiteral("mnuEditSets"));
    connect(edit, &QAction::triggered, this, &PictureSetMenu::editRequested);
}

void PictureSetMenu::choose(const QString& name)
{
    QStringList leftOut;
    const Outcome outcome = m_session.chooseSet(name, &leftOut);
    if (!outcome.isDone())
        m_dialogs.message(outcome.refusal, MessageIcon::Warning, MessageButtons::Ok, title());
    else if (!leftOut.isEmpty())
        m_dialogs.notice(tr("The set names pictures that are not in the list; they are left out:"),
                         leftOut, MessageIcon::Information, title());
}
