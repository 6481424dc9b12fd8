#pragma once

#include "settings/DisplaySettings.h"

#include <QGroupBox>

class QComboBox;
class QRadioButton;
class SettingsStore;

// The "Settings" frame: the interval and duration lists and the two option
// pairs. The flash run reads the controls live; the store is read when the
// main window loads and written at every Start/Stop click.
class SettingsPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    QComboBox* cboDispInterval = nullptr;
    QComboBox* cboDispDuration = nullptr;
    QRadioButton* optLocation[2] = {};
    QRadioButton* optDisplayOrder[2] = {};

    void fillLists();
    void selectFirstItems();

    DisplaySettings current() const;
    void apply(const DisplaySettings& settings);

    void restore(SettingsStore& store, const QString& application);
    void save(SettingsStore& store, const QString& application) const;

    // What the flash run reads at each tick or Start.
    int intervalSeconds() const;
    int durationMilliseconds() const;
    bool randomLocation() const;
    bool randomOrder() const;
};
