// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShowPicturesOnMenu.h"

#include "platform/Translated.h"

#include <QActionGroup>

const QString ShowPicturesOnMenu::Title =
    QStringLiteral(QT_TRANSLATE_NOOP("ShowPicturesOnMenu", "Show pictures on"));

ShowPicturesOnMenu::ShowPicturesOnMenu(QWidget* parent)
    : QMenu(translated("ShowPicturesOnMenu", Title), parent)
{
    setObjectName(QStringLiteral("mnuShowPicturesOn"));
    m_group = new QActionGroup(this);
    m_group->setExclusive(true);
    m_primary = addChoice(tr("the &primary monitor"), QStringLiteral("mnuShowOnPrimary"),
                          ShowPicturesOn::Primary);
    m_pointer = addChoice(tr("the monitor with the mouse p&ointer"),
                          QStringLiteral("mnuShowOnPointer"), ShowPicturesOn::Pointer);
    m_each = addChoice(tr("&each monitor in turn"), QStringLiteral("mnuShowOnEach"),
                       ShowPicturesOn::Each);
    m_primary->setChecked(true);
}

QAction* ShowPicturesOnMenu::addChoice(const QString& text, const QString& name,
                                       ShowPicturesOn choice)
{
    QAction* action = addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setData(int(choice));
    m_group->addAction(action);
    // triggered, not toggled: only the user's pick is announced.
    connect(action, &QAction::triggered, this, [this, choice] { emit chosen(choice); });
    return action;
}

void ShowPicturesOnMenu::setChoice(ShowPicturesOn choice)
{
    for (QAction* action : m_group->actions())
        if (action->data().toInt() == int(choice))
            action->setChecked(true);
}

ShowPicturesOn ShowPicturesOnMenu::choice() const
{
    const QAction* checked = m_group->checkedAction();
    return checked ? ShowPicturesOn(checked->data().toInt()) : ShowPicturesOn::Primary;
}
