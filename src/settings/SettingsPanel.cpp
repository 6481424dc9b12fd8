// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsPanel.h"

#include "platform/Units.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace
{

const QColor FrameRed(64, 0, 0);

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setFont(Look::standard());
    Look::paint(label, Qt::white);
    return label;
}

QComboBox* addList(QWidget* parent, const QString& name, const QRect& geometry,
                   const QString& accessibleName, const QString& description)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    list->setAccessibleDescription(description);
    list->setFont(Look::verdana(8.25, true));
    list->setStyleSheet(QStringLiteral("QComboBox { background-color: rgb(128, 128, 128);"
                                       " color: rgb(192, 0, 0); }"));
    return list;
}

QRadioButton* addOption(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry, const QString& description)
{
    auto* option = new QRadioButton(text, parent);
    option->setObjectName(name);
    option->setGeometry(geometry);
    option->setFont(Look::standard());
    option->setAccessibleDescription(description);
    // The indicator as the system look draws it: a light round box, with a
    // dark dot when chosen, plain to see on the dark red frame.
    option->setStyleSheet(
        QStringLiteral("QRadioButton { color: white; background-color: %1; }"
                       "QRadioButton::indicator { width: 11px; height: 11px; border-radius: 6px;"
                       " border: 1px solid rgb(128, 128, 128); background-color: white; }"
                       "QRadioButton::indicator:checked { background-color: qradialgradient("
                       "cx: 0.5, cy: 0.5, radius: 0.5, fx: 0.5, fy: 0.5, stop: 0 black,"
                       " stop: 0.42 black, stop: 0.5 white, stop: 1 white); }")
            .arg(FrameRed.name()));
    return option;
}

} // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("fraSettings"));
    setTitle(tr("Settings"));
    Look::styleFrame(this, Qt::black);

    auto* frequency = Look::frame(this, QStringLiteral("fraFrequency"), tr("Image Frequency"),
                                  Units::rect(240, 1560, 3285, 1755), FrameRed);
    addLabel(frequency,
             tr("Below you can set the interval between each images and duration for which each "
                "image is displayed."),
             Units::rect(120, 270, 3075, 675));
    addLabel(frequency, tr("Display every"), Units::rect(180, 1020, 1215, 255));
    m_intervalList =
        addList(frequency, QStringLiteral("cboDispInterval"), Units::rect(1200, 960, 885, 315),
                tr("Display every (seconds)"), tr("The time between two pictures, in seconds"));
    addLabel(frequency, tr("Sec"), Units::rect(2160, 1020, 525, 255));
    addLabel(frequency, tr("Display for"), Units::rect(180, 1440, 1035, 315));
    m_durationList = addList(frequency, QStringLiteral("cboDispDuration"),
                             Units::rect(1200, 1350, 885, 315), tr("Display for (milliseconds)"),
                             tr("How long each picture stays on the screen, in milliseconds"));
    addLabel(frequency, tr("MiliSec"), Units::rect(2160, 1470, 510, 195));

    auto* location = Look::frame(this, QStringLiteral("fraLocation"), tr("Image Display Location"),
                                 Units::rect(240, 3480, 3285, 1245), FrameRed);
    m_randomPlace = addOption(location, QStringLiteral("optLocation_0"),
                              tr("Randomly on the Screen"), Units::rect(90, 360, 2145, 255),
                              tr("Each picture appears at a random place on the screen"));
    m_centre = addOption(location, QStringLiteral("optLocation_1"), tr("Centre of the Screen"),
                         Units::rect(90, 720, 1815, 255),
                         tr("Each picture appears in the middle of the screen"));

    auto* order = Look::frame(this, QStringLiteral("fraOrder"), tr("Image Display Order"),
                              Units::rect(240, 4920, 3285, 975), FrameRed);
    m_randomOrder = addOption(order, QStringLiteral("optDisplayOrder_0"), tr("Random"),
                              Units::rect(150, 300, 2595, 225),
                              tr("The pictures are flashed in a random order"));
    m_listOrder = addOption(order, QStringLiteral("optDisplayOrder_1"), tr("As Displays"),
                            Units::rect(150, 600, 2625, 225),
                            tr("The pictures are flashed in the order of the list"));

    m_randomPlace->setChecked(true);
    m_randomOrder->setChecked(true);
}

void SettingsPanel::fillLists()
{
    m_intervalList->addItems(DisplaySettings::intervalItems());
    m_durationList->addItems(DisplaySettings::durationItems());
}

void SettingsPanel::selectFirstItems()
{
    m_intervalList->setCurrentIndex(0);
    m_durationList->setCurrentIndex(0);
}

DisplaySettings SettingsPanel::current() const
{
    return {m_intervalList->currentIndex(), m_durationList->currentIndex(),
            m_randomPlace->isChecked() ? 0 : 1, m_randomOrder->isChecked() ? 0 : 1};
}

void SettingsPanel::apply(const DisplaySettings& settings)
{
    m_intervalList->setCurrentIndex(settings.interval);
    m_durationList->setCurrentIndex(settings.duration);
    (settings.location == 0 ? m_randomPlace : m_centre)->setChecked(true);
    (settings.order == 0 ? m_randomOrder : m_listOrder)->setChecked(true);
}
