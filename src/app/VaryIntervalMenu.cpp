// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VaryIntervalMenu.h"

#include "preferences/Preferences.h"

#include <QActionGroup>

VaryIntervalMenu::VaryIntervalMenu(Preferences& preferences, QWidget* parent)
    : QMenu(tr("Vary the interval"), parent), m_preferences(preferences),
      m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("mnuVaryInterval"));
    m_group->setExclusive(true);
    for (int percent : Shares)
        addShare(percent);
    connect(this, &QMenu::aboutToShow, this, &VaryIntervalMenu::refresh);
    refresh();
}

QAction* VaryIntervalMenu::addShare(int percent)
{
    QAction* action =
        addAction(percent == 0 ? tr("Not at all") : tr("By up to ± %1 %").arg(percent));
    action->setObjectName(QStringLiteral("mnuVary%1").arg(percent));
    action->setCheckable(true);
    action->setData(percent);
    m_group->addAction(action);
    connect(action, &QAction::triggered, this, [this, action] {
        m_preferences.setNumber(Preference::IntervalSpread, action->data().toInt());
    });
    return action;
}

void VaryIntervalMenu::refresh()
{
    const int saved = m_preferences.number(Preference::IntervalSpread);
    for (QAction* action : m_group->actions())
        if (action->data().toInt() == saved) {
            action->setChecked(true);
            if (action != m_byHand && m_byHand) {
                delete m_byHand;
                m_byHand = nullptr;
            }
            return;
        }
    if (!m_byHand)
        m_byHand = addShare(saved);
    m_byHand->setText(tr("By up to ± %1 %").arg(saved));
    m_byHand->setObjectName(QStringLiteral("mnuVary%1").arg(saved));
    m_byHand->setData(saved);
    m_byHand->setChecked(true);
}
