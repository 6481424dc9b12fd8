#include "settings/SettingsPanel.h"

#include "widgets/Look.h"
#include "platform/SettingsStore.h"
#include "platform/Units.h"

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

QComboBox* addList(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setEditable(false);
    list->setFont(Look::verdana(8.25, true));
    list->setStyleSheet(QStringLiteral("QComboBox { background-color: rgb(128, 128, 128);"
                                       " color: rgb(192, 0, 0); }"));
    return list;
}

QRadioButton* addOption(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry)
{
    auto* option = new QRadioButton(text, parent);
    option->setObjectName(name);
    option->setGeometry(geometry);
    option->setFont(Look::standard());
    option->setStyleSheet(QStringLiteral("QRadioButton { color: white; background-color: %1; }")
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
    cboDispInterval =
        addList(frequency, QStringLiteral("cboDispInterval"), Units::rect(1200, 960, 885, 315));
    addLabel(frequency, tr("Sec"), Units::rect(2160, 1020, 525, 255));
    addLabel(frequency, tr("Display for"), Units::rect(180, 1440, 1035, 315));
    cboDispDuration =
        addList(frequency, QStringLiteral("cboDispDuration"), Units::rect(1200, 1350, 885, 315));
    addLabel(frequency, tr("MiliSec"), Units::rect(2160, 1470, 510, 195));

    auto* location = Look::frame(this, QStringLiteral("fraLocation"), tr("Image Display Location"),
                                 Units::rect(240, 3480, 3285, 1245), FrameRed);
    optLocation[0] = addOption(location, QStringLiteral("optLocation_0"),
                               tr("Randomly on the Screen"), Units::rect(90, 360, 2145, 255));
    optLocation[1] = addOption(location, QStringLiteral("optLocation_1"),
                               tr("Centre of the Screen"), Units::rect(90, 720, 1815, 255));

    auto* order = Look::frame(this, QStringLiteral("fraOrder"), tr("Image Display Order"),
                              Units::rect(240, 4920, 3285, 975), FrameRed);
    optDisplayOrder[0] = addOption(order, QStringLiteral("optDisplayOrder_0"), tr("Random"),
                                   Units::rect(150, 300, 2595, 225));
    optDisplayOrder[1] = addOption(order, QStringLiteral("optDisplayOrder_1"), tr("As Displays"),
                                   Units::rect(150, 600, 2625, 225));

    optLocation[0]->setChecked(true);
    optDisplayOrder[0]->setChecked(true);
}

void SettingsPanel::fillLists()
{
    cboDispInterval->addItems(DisplaySettings::intervalItems());
    cboDispDuration->addItems(DisplaySettings::durationItems());
}

void SettingsPanel::selectFirstItems()
{
    cboDispInterval->setCurrentIndex(0);
    cboDispDuration->setCurrentIndex(0);
}

DisplaySettings SettingsPanel::current() const
{
    return {cboDispInterval->currentIndex(), cboDispDuration->currentIndex(),
            optLocation[0]->isChecked() ? 0 : 1, optDisplayOrder[0]->isChecked() ? 0 : 1};
}

void SettingsPanel::apply(const DisplaySettings& settings)
{
    cboDispInterval->setCurrentIndex(settings.interval);
    cboDispDuration->setCurrentIndex(settings.duration);
    optLocation[settings.location == 0 ? 0 : 1]->setChecked(true);
    optDisplayOrder[settings.order == 0 ? 0 : 1]->setChecked(true);
}

void SettingsPanel::restore(SettingsStore& store, const QString& application)
{
    apply(DisplaySettings::restore([&](const QString& key) {
        return store.read(application, DisplaySettings::Section, key);
    }));
}

void SettingsPanel::save(SettingsStore& store, const QString& application) const
{
    current().save([&](const QString& key, const QString& value) {
        store.write(application, DisplaySettings::Section, key, value);
    });
}

int SettingsPanel::intervalSeconds() const
{
    return cboDispInterval->currentText().toInt();
}

int SettingsPanel::durationMilliseconds() const
{
    return cboDispDuration->currentText().toInt();
}

bool SettingsPanel::randomLocation() const
{
    return optLocation[0]->isChecked();
}

bool SettingsPanel::randomOrder() const
{
    return optDisplayOrder[0]->isChecked();
}
