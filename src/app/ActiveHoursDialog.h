// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ActiveHours.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QTimeEdit;

// Edits the active hours: on or off, the days in the locale's order of the
// week, and the window's start and end in the locale's time format.
class ActiveHoursDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit ActiveHoursDialog(const ActiveHours& hours, QWidget* parent = nullptr);

    // As the controls show them now.
    ActiveHours hours() const;

private:
    void updateControls();

    QCheckBox* m_enabled;
    QList<QCheckBox*> m_days; // by Qt::DayOfWeek, Monday first
    QTimeEdit* m_from;
    QTimeEdit* m_to;
    QDialogButtonBox* m_buttons;
};
