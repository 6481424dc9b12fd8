// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ActiveHoursDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <tuple>

namespace
{

QTimeEdit* addTimeEdit(QWidget* parent, const QString& name, QTime time)
{
    auto* edit = new QTimeEdit(time, parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QLocale().timeFormat(QLocale::ShortFormat));
    return edit;
}

} // namespace

ActiveHoursDialog::ActiveHoursDialog(const ActiveHours& hours, QWidget* parent)
    : QDialog(parent), m_enabled(new QCheckBox(tr("&Enabled"), this)),
      m_from(addTimeEdit(this, QStringLiteral("tmeFrom"), hours.from)),
      m_to(addTimeEdit(this, QStringLiteral("tmeTo"), hours.to)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("frmActiveHours"));
    setWindowTitle(tr("Active Hours"));
    m_enabled->setObjectName(QStringLiteral("chkEnabled"));
    m_enabled->setChecked(hours.enabled);
    m_buttons->setObjectName(QStringLiteral("buttons"));

    const QLocale locale;
    auto* dayRow = new QHBoxLayout;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        auto* box = new QCheckBox(locale.dayName(day, QLocale::ShortFormat), this);
        box->setObjectName(QStringLiteral("chkDay%1").arg(day));
        box->setChecked(hours.days.contains(Qt::DayOfWeek(day)));
        connect(box, &QCheckBox::toggled, this, &ActiveHoursDialog::updateControls);
        m_days << box;
    }
    for (int i = 0; i < 7; ++i)
        dayRow->addWidget(m_days.at((locale.firstDayOfWeek() - 1 + i) % 7));

    auto* timeRow = new QHBoxLayout;
    for (auto [name, text, edit] : {std::tuple(QStringLiteral("lblFrom"), tr("&From"), m_from),
                                    std::tuple(QStringLiteral("lblTo"), tr("&to"), m_to)}) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setBuddy(edit);
        timeRow->addWidget(label);
        timeRow->addWidget(edit);
    }
    timeRow->addStretch();
    //: A run: the pictures shown one at a time at the interval, from Start
    //: until Stop; it waits, it does not end. A window: a span of hours.
    auto* hint = new QLabel(tr("A window may go on past midnight; the same time twice is the "
                               "whole day. Outside these hours a run waits."),
                            this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(dayRow);
    layout->addLayout(timeRow);
    layout->addWidget(hint);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_enabled, &QCheckBox::toggled, this, &ActiveHoursDialog::updateControls);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateControls();
}

ActiveHours ActiveHoursDialog::hours() const
{
    ActiveHours hours;
    hours.enabled = m_enabled->isChecked();
    hours.days.clear();
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        if (m_days.at(day - 1)->isChecked())
            hours.days << Qt::DayOfWeek(day);
    hours.from = QTime(m_from->time().hour(), m_from->time().minute());
    hours.to = QTime(m_to->time().hour(), m_to->time().minute());
    return hours;
}

void ActiveHoursDialog::updateControls()
{
    const bool on = m_enabled->isChecked();
    for (QCheckBox* box : std::as_const(m_days))
        box->setEnabled(on);
    m_from->setEnabled(on);
    m_to->setEnabled(on);
    // Hours on no day at all would hold a run back for ever.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!on || !hours().days.isEmpty());
}
