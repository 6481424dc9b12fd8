// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SetsDialog.h"

#include "core/Session.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "library/PictureSets.h"
#include "library/SetArchive.h"
#include "platform/Dialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPushButton* namedButton(const QString& text, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

} // namespace

SetsDialog::SetsDialog(Session& session, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_session(session), m_dialogs(dialogs), m_sets(new QListWidget(this)),
      m_pictures(new QListWidget(this)), m_messages(new QListWidget(this)),
      m_name(new QLineEdit(this)), m_new(namedButton(tr("&New"), "cmdNewSet", this)),
      m_rename(namedButton(tr("&Rename"), "cmdRenameSet", this)),
      m_delete(namedButton(tr("&Delete"), "cmdDeleteSet", this)),
      m_import(namedButton(tr("&Import…"), "cmdImportSet", this)),
      m_export(namedButton(tr("E&xport…"), "cmdExportSet", this))
{
    setObjectName(QStringLiteral("frmSets"));
    //: The window's title: named selections of the list's pictures.
    setWindowTitle(tr("Sets"));
    m_sets->setObjectName(QStringLiteral("lstSets"));
    m_pictures->setObjectName(QStringLiteral("lstSetPictures"));
    m_messages->setObjectName(QStringLiteral("lstSetMessages"));
    m_name->setObjectName(QStringLiteral("txtSetName"));
    m_name->setMaxLength(PictureSets::MaxNameLength);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* setsLabel = new QLabel(tr("S&ets:"), this);
    setsLabel->setBuddy(m_sets);
    auto* picturesLabel = new QLabel(tr("&Pictures in the set:"), this);
    picturesLabel->setBuddy(m_pictures);
    auto* messagesLabel = new QLabel(tr("&Messages in the set:"), this);
    messagesLabel->setBuddy(m_messages);
    auto* nameLabel = new QLabel(tr("N&ame:"), this);
    nameLabel->setBuddy(m_name);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    for (QPushButton* each : {m_new, m_rename, m_delete})
        nameRow->addWidget(each);
    auto* grid = new QGridLayout;
    grid->addWidget(setsLabel, 0, 0);
    grid->addWidget(picturesLabel, 0, 1);
    grid->addWidget(m_sets, 1, 0);
    grid->addWidget(m_pictures, 1, 1);
    grid->addWidget(messagesLabel, 0, 2);
    grid->addWidget(m_messages, 1, 2);
    grid->setColumnStretch(2, 2);
    auto* transferRow = new QHBoxLayout;
    transferRow->addWidget(m_import);
    transferRow->addWidget(m_export);
    grid->addLayout(transferRow, 2, 0);
    grid->setColumnStretch(1, 2);
    auto* saved = new QLabel(tr("Changes are saved as you make them."), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(nameRow);
    layout->addWidget(saved);
    layout->addWidget(buttons);
    resize(760, 400);

    connect(m_sets, &QListWidget::currentRowChanged, this, [this] {
        m_name->setText(chosenSet());
        showPictures();
    });
    for (const QListWidget* list : {m_pictures, m_messages})
        connect(list, &QListWidget::itemChanged, this, [this, list] { tickToggled(list); });
    connect(m_name, &QLineEdit::textChanged, this, &SetsDialog::updateButtons);
    connect(m_new, &QPushButton::clicked, this, &SetsDialog::newSet);
    connect(m_rename, &QPushButton::clicked, this, &SetsDialog::renameSet);
    connect(m_delete, &QPushButton::clicked, this, &SetsDialog::deleteSet);
    connect(m_import, &QPushButton::clicked, this, &SetsDialog::importSet);
    connect(m_export, &QPushButton::clicked, this, &SetsDialog::exportSet);
    showSets(m_session.currentSet());
}

QString SetsDialog::chosenSet() const
{
    const QListWidgetItem* item = m_sets->currentItem();
    return item ? item->text() : QString();
}

void SetsDialog::showSets(const QString& chosen)
{
    m_sets->clear();
    m_sets->addItems(m_session.pictureSets());
    const QList<QListWidgetItem*> found = m_sets->findItems(chosen, Qt::MatchExactly);
    m_sets->setCurrentItem(found.isEmpty() ? m_sets->item(0) : found.constFirst());
    showPictures();
}

void SetsDialog::showPictures()
{
    m_filling = true;
    m_pictures->clear();
    const QString name = chosenSet();
    QString error;
    const auto entries =
        name.isEmpty() ? std::optional<QStringList>() : m_session.sets().entries(name, &error);
    const QStringList inSet = entries.value_or(QStringList());
    for (const QString& entry : m_session.library().entries()) {
        auto* item = new QListWidgetItem(entry, m_pictures);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(inSet.contains(entry) ? Qt::Checked : Qt::Unchecked);
    }
    m_pictures->setEnabled(entries.has_value());
    // A set that names no messages of its own flashes all of them.
    m_messages->clear();
    const auto own = name.isEmpty() ? std::nullopt : m_session.sets().messages(name);
    for (const QString& message : m_session.messages().messages()) {
        auto* item = new QListWidgetItem(message, m_messages);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(!own || own->contains(message) ? Qt::Checked : Qt::Unchecked);
    }
    m_messages->setEnabled(entries.has_value());
    m_filling = false;
    updateButtons();
}

namespace
{

QStringList tickedTexts(const QListWidget* list)
{
    QStringList ticked;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            ticked << list->item(row)->text();
    return ticked;
}

} // namespace

void SetsDialog::tickToggled(const QListWidget* list)
{
    if (m_filling)
        return;
    const QString name = chosenSet();
    const QStringList ticked = tickedTexts(list);
    QString error;
    const bool saved = list == m_pictures ? m_session.sets().save(name, ticked, &error)
                                          : m_session.sets().saveMessages(name, ticked, &error);
    if (!saved)
        return refuse(error);
    follow(name, name);
}

std::optional<QString> SetsDialog::typedName()
{
    const QString name = m_name->text().trimmed();
    if (const QString why = PictureSets::refusal(name); !why.isEmpty()) {
        refuse(why);
        return std::nullopt;
    }
    return name;
}

void SetsDialog::newSet()
{
    const auto name = typedName();
    if (!name)
        return;
    QString error;
    if (m_session.pictureSets().contains(*name))
        return refuse(PictureSets::tr("There is a set named \"%1\" already.").arg(*name));
    if (!m_session.sets().save(*name, {}, &error))
        return refuse(error);
    showSets(*name);
}

void SetsDialog::renameSet()
{
    const auto name = typedName();
    const QString old = chosenSet();
    if (!name || old.isEmpty() || *name == old)
        return;
    QString error;
    if (!m_session.sets().rename(old, *name, &error))
        return refuse(error);
    follow(old, *name);
    showSets(*name);
}

void SetsDialog::deleteSet()
{
    const QString name = chosenSet();
    if (name.isEmpty() ||
        m_dialogs.message(tr("Delete the set \"%1\"? Its pictures stay in the list.").arg(name),
                          MessageIcon::Warning, MessageButtons::YesNo,
                          windowTitle()) != MessageAnswer::Yes)
        return;
    QString error;
    if (!m_session.sets().remove(name, &error))
        return refuse(error);
    follow(name, {});
    showSets({});
}

namespace
{

QString archiveFilter()
{
    return SetsDialog::tr("Sets of pictures") + QStringLiteral("|*") + SetArchive::Suffix;
}

} // namespace

void SetsDialog::importSet()
{
    const QStringList chosen = m_dialogs.openFiles(tr("Import a Set"), archiveFilter(), 1);
    if (chosen.isEmpty())
        return;
    QString name;
    if (const Outcome imported = m_session.importSet(chosen.constFirst(), &name);
        !imported.isDone())
        return refuse(imported.refusal);
    showSets(name);
}

void SetsDialog::exportSet()
{
    const QString name = chosenSet();
    if (name.isEmpty())
        return;
    const auto path =
        m_dialogs.saveFile(tr("Export the Set"), archiveFilter(), name + SetArchive::Suffix);
    if (!path)
        return;
    if (const Outcome exported = m_session.exportSet(name, *path); !exported.isDone())
        refuse(exported.refusal);
}

void SetsDialog::refuse(const QString& error)
{
    m_dialogs.message(error, MessageIcon::Warning, MessageButtons::Ok, windowTitle());
}

void SetsDialog::follow(const QString& changed, const QString& now)
{
    // The set being flashed is read again, under its new name, or gives way
    // to the whole list.
    if (!changed.isEmpty() && changed == m_session.currentSet())
        m_session.chooseSet(now);
}

void SetsDialog::updateButtons()
{
    const bool named = !m_name->text().trimmed().isEmpty();
    const bool chosen = !chosenSet().isEmpty();
    m_new->setEnabled(named);
    m_rename->setEnabled(named && chosen && m_name->text().trimmed() != chosenSet());
    m_delete->setEnabled(chosen);
    m_export->setEnabled(chosen);
}
