// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/DisplayChoices.h"

#include <QGroupBox>

class QComboBox;
class QRadioButton;

// The "Settings" frame: the interval and duration lists and the two option
// pairs. The flash run reads the choices live; the settings file is read when
// the main window loads and written at every Start/Stop click.
class SettingsPanel : public QGroupBox, public DisplayChoices
{
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    void fillLists();
    void selectFirstItems();

    DisplaySettings current() const override;
    void apply(const DisplaySettings& settings);

private:
    QComboBox* m_intervalList;
    QComboBox* m_durationList;
    QRadioButton* m_randomPlace;
    QRadioButton* m_centre;
    QRadioButton* m_randomOrder;
    QRadioButton* m_listOrder;
};
