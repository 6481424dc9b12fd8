// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessagesDialog.h"

#include "core/MessagePicture.h"
#include "core/Session.h"
#include "library/MessageFile.h"
#include "library/MessageList.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

constexpr QSize PreviewSize(420, 150);

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

template <typename Box> Box* named(Box* box, const char* name)
{
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

MessagesDialog::MessagesDialog(Session& session, Dialogs& dialogs, const Screen& screen,
                               QWidget* parent)
    : QDialog(parent), m_session(session), m_dialogs(dialogs), m_screen(screen)
{
    setObjectName(QStringLiteral("frmMessages"));
    //: The window's title: the user's own short texts, flashed as pictures are.
    setWindowTitle(tr("Messages"));
    auto* buttons = named(
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "buttons");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildList(), 1);
    layout->addWidget(buildLook());
    layout->addWidget(buttons);
    updateButtons();
    updatePreview();
    // Wide enough for every button's text in every language, which a new
    // window's own sizing (two thirds of the screen at most) may not be.
    resize(sizeHint());
}

QWidget* MessagesDialog::buildList()
{
    auto* group = new QGroupBox(tr("Your messages"), this);
    m_list = named(new QListWidget(group), "lstMessages");
    m_list->addItems(m_session.messages().messages());
    m_text = named(new QLineEdit(group), "txtMessage");
    m_text->setMaxLength(MessageFile::MaxLength);
    m_text->setPlaceholderText(tr("A short sentence of your own"));
    m_add = button(tr("&Add"), "cmdAddMessage", group);
    // Enter in the field adds the message typed rather than closing the window.
    m_text->installEventFilter(this);
    //: Puts the text typed in place of the message chosen in the list.
    m_replace = button(tr("&Replace"), "cmdReplaceMessage", group);
    m_delete = button(tr("&Delete"), "cmdDeleteMessage", group);
    m_up = button(tr("Move &Up"), "cmdMessageUp", group);
    m_down = button(tr("Move Do&wn"), "cmdMessageDown", group);
    auto* import = button(tr("&Import..."), "cmdImportMessages", group);
    auto* exportTo = button(tr("E&xport..."), "cmdExportMessages", group);

    auto* side = new QVBoxLayout;
    for (QPushButton* each : {m_delete, m_up, m_down, import, exportTo})
        side->addWidget(each);
    side->addStretch();
    auto* entry = new QHBoxLayout;
    auto* label = new QLabel(tr("&Message:"), group);
    label->setBuddy(m_text);
    entry->addWidget(label);
    entry->addWidget(m_text, 1);
    entry->addWidget(m_add);
    entry->addWidget(m_replace);
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_list, 0, 0);
    grid->addLayout(side, 0, 1);
    grid->addLayout(entry, 1, 0, 1, 2);

    connect(m_add, &QPushButton::clicked, this, &MessagesDialog::addMessage);
    connect(m_replace, &QPushButton::clicked, this, &MessagesDialog::replaceMessage);
    connect(m_delete, &QPushButton::clicked, this, &MessagesDialog::deleteMessage);
    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });
    connect(import, &QPushButton::clicked, this, &MessagesDialog::importMessages);
    connect(exportTo, &QPushButton::clicked, this, &MessagesDialog::exportMessages);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_text->setText(m_list->item(row)->text());
        updateButtons();
        updatePreview();
    });
    connect(m_text, &QLineEdit::textChanged, this, [this] {
        updateButtons();
        updatePreview();
    });
    return group;
}

QWidget* MessagesDialog::buildLook()
{
    auto* group = new QGroupBox(tr("How they are flashed"), this);
    const MessageLook look = MessageLook::load(m_session.preferences());
    m_content = named(new QComboBox(group), "cboFlashContent");
    //: What a run flashes.
    m_content->addItems({tr("Pictures only"), tr("Messages only"), tr("Pictures and messages")});
    m_content->setCurrentIndex(int(FlashSequence::load(m_session.preferences())));
    m_desktopFont = named(new QCheckBox(tr("The des&ktop's font"), group), "chkDesktopFont");
    m_desktopFont->setChecked(look.font.isEmpty());
    m_font = named(new QFontComboBox(group), "cboMessageFont");
    if (!look.font.isEmpty())
        m_font->setCurrentFont(QFont(look.font));
    m_font->setEnabled(!look.font.isEmpty());
    m_size = named(new QComboBox(group), "cboMessageSize");
    //: Sizes of a message's letters.
    m_size->addItems({tr("Small"), tr("Medium"), tr("Large"), tr("As large as fits")});
    m_size->setCurrentIndex(int(look.size));
    m_colour = look.colour;
    m_colourButton = button(tr("&Colour..."), "cmdMessageColour", group);
    showColour(m_colourButton, m_colour);
    m_edge = named(new QComboBox(group), "cboMessageEdge");
    //: Around a message's letters, so that it reads on any background.
    m_edge->addItems({tr("None"), tr("Outline"), tr("Shadow")});
    m_edge->setCurrentIndex(int(look.edge));
    m_box = named(new QCheckBox(tr("On a &box"), group), "chkMessageBox");
    m_box->setChecked(look.box);
    m_boxColour = look.boxColour;
    m_boxColourButton = button(tr("Box Co&lour..."), "cmdMessageBoxColour", group);
    showColour(m_boxColourButton, m_boxColour);
    m_preview = named(new QLabel(group), "picMessagePreview");
    m_preview->setFixedSize(PreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);

    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(m_desktopFont);
    fontRow->addWidget(m_font, 1);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_colourButton);
    colourRow->addWidget(m_box);
    colourRow->addWidget(m_boxColourButton);
    colourRow->addStretch();
    auto* form = new QFormLayout(group);
    form->addRow(tr("&Flash:"), m_content);
    form->addRow(tr("F&ont:"), fontRow);
    form->addRow(tr("&Size:"), m_size);
    form->addRow(tr("Ed&ge:"), m_edge);
    form->addRow(colourRow);
    form->addRow(m_preview);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(fontRow)))
        label->setBuddy(m_font);
    const QString noBlending =
        tr("Your desktop does not blend windows now: a message is shown on its box's colour.");
    if (!m_screen.composites()) {
        auto* note = named(new QLabel(noBlending, group), "lblMessageNoBlending");
        note->setWordWrap(true);
        form->addRow(note);
    }

    connect(m_desktopFont, &QCheckBox::toggled, m_font, [this](bool desktop) {
        m_font->setEnabled(!desktop);
        updatePreview();
    });
    connect(m_font, &QFontComboBox::currentFontChanged, this, &MessagesDialog::updatePreview);
    for (QComboBox* box : {m_size, m_edge})
        connect(box, &QComboBox::currentIndexChanged, this, &MessagesDialog::updatePreview);
    connect(m_box, &QCheckBox::toggled, this, &MessagesDialog::updatePreview);
    connect(m_colourButton, &QPushButton::clicked, this,
            [this] { chooseColour(&m_colour, m_colourButton); });
    connect(m_boxColourButton, &QPushButton::clicked, this,
            [this] { chooseColour(&m_boxColour, m_boxColourButton); });
    return group;
}

QStringList MessagesDialog::messages() const
{
    QStringList messages;
    for (int row = 0; row < m_list->count(); ++row)
        messages << m_list->item(row)->text();
    return messages;
}

MessageLook MessagesDialog::look() const
{
    MessageLook look;
    look.font = m_desktopFont->isChecked() ? QString() : m_font->currentFont().family();
    look.size = MessageLook::Size(m_size->currentIndex());
    look.colour = m_colour;
    look.edge = MessageLook::Edge(m_edge->currentIndex());
    look.box = m_box->isChecked();
    look.boxColour = m_boxColour;
    return look;
}

FlashSequence::Content MessagesDialog::content() const
{
    return FlashSequence::Content(m_content->currentIndex());
}

QImage MessagesDialog::preview() const
{
    return m_preview->pixmap().toImage();
}

void MessagesDialog::refuse(const QString& text)
{
    m_dialogs.message(text, MessageIcon::Warning, MessageButtons::Ok, windowTitle());
}

void MessagesDialog::addMessage()
{
    QString error;
    const auto added = MessageFile::accept({m_text->text()}, m_list->count(), &error);
    if (!added)
        return refuse(error);
    m_list->addItems(*added);
    m_list->setCurrentRow(m_list->count() - 1);
    m_text->clear();
}

void MessagesDialog::replaceMessage()
{
    QString error;
    const auto replaced = MessageFile::accept({m_text->text()}, 0, &error);
    if (!replaced)
        return refuse(error);
    if (QListWidgetItem* item = m_list->currentItem())
        item->setText(replaced->constFirst());
    updatePreview();
}

void MessagesDialog::deleteMessage()
{
    delete m_list->takeItem(m_list->currentRow());
    updateButtons();
}

void MessagesDialog::move(int by)
{
    const int row = m_list->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_list->count())
        return;
    m_list->insertItem(to, m_list->takeItem(row));
    m_list->setCurrentRow(to);
}

void MessagesDialog::importMessages()
{
    const QStringList files =
        m_dialogs.openFiles(tr("Import Messages"), tr("Text files (*.txt)|*.txt|All files|*"), 1);
    if (files.isEmpty())
        return;
    QString error;
    auto imported = MessageFile::load(files.constFirst(), &error);
    if (imported && m_list->count() + imported->size() > MessageFile::MaxMessages) {
        error =
            MessageFile::tr("At most %n messages can be kept.", nullptr, MessageFile::MaxMessages);
        imported.reset();
    }
    if (!imported)
        //: %1 is a file, %2 why none of its lines were taken.
        return refuse(tr("Nothing was imported from %1: %2").arg(files.constFirst(), error));
    m_list->addItems(*imported);
    updateButtons();
}

void MessagesDialog::exportMessages()
{
    const auto file = m_dialogs.saveFile(tr("Export Messages"), tr("Text files (*.txt)|*.txt"),
                                         QStringLiteral("messages.txt"));
    QString error;
    if (file && !MessageFile::save(*file, messages(), &error))
        refuse(tr("The messages could not be exported to %1: %2").arg(*file, error));
}

void MessagesDialog::chooseColour(QColor* colour, QPushButton* button)
{
    if (const auto chosen = m_dialogs.pickColour(button->text().remove(u'&'), *colour)) {
        *colour = *chosen;
        showColour(button, *colour);
        updatePreview();
    }
}

void MessagesDialog::showColour(QPushButton* button, const QColor& colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    button->setIcon(swatch);
}

void MessagesDialog::updateButtons()
{
    const bool chosen = m_list->currentRow() >= 0;
    m_replace->setEnabled(chosen && !m_text->text().trimmed().isEmpty());
    m_delete->setEnabled(chosen);
    m_up->setEnabled(chosen && m_list->currentRow() > 0);
    m_down->setEnabled(chosen && m_list->currentRow() < m_list->count() - 1);
    m_add->setEnabled(!m_text->text().trimmed().isEmpty());
    m_boxColourButton->setEnabled(m_box->isChecked() || !m_screen.composites());
}

void MessagesDialog::updatePreview()
{
    QString text = MessageFile::tidy(m_text->text());
    if (text.isEmpty() && m_list->currentItem())
        text = m_list->currentItem()->text();
    if (text.isEmpty())
        text = tr("Your own words");
    // Laid out for the real screen, drawn at twice the preview's scale (as
    // quick to draw at each key as a small picture is), over a page of work.
    const bool opaque = !m_screen.composites();
    const double scale =
        std::min(1.0, 2.0 * PreviewSize.width() / std::max(1, m_screen.size().width()));
    const QImage drawn = MessagePicture::draw(text.left(MessageFile::MaxLength), look(),
                                              m_screen.size(), scale, opaque);
    QImage page(PreviewSize, QImage::Format_ARGB32_Premultiplied);
    page.fill(palette().base().color());
    QPainter painter(&page);
    painter.setPen(QPen(palette().text().color(), 2));
    for (int y = 12; y < page.height() - 6; y += 12)
        painter.drawLine(10, y, page.width() - 10 - (y * 37) % 60, y);
    const QSizeF shown =
        QSizeF(drawn.size()) / scale * (double(PreviewSize.width()) / m_screen.size().width());
    QRectF where(QPointF(), shown.boundedTo(QSizeF(PreviewSize)));
    where.moveCenter(QRectF(page.rect()).center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(where, drawn);
    painter.end();
    m_preview->setPixmap(QPixmap::fromImage(page));
    updateButtons();
}

bool MessagesDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_add->isEnabled())
                addMessage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MessagesDialog::accept()
{
    QString error;
    if (!m_session.messages().setMessages(messages(), &error))
        return refuse(tr("The messages could not be saved: %1").arg(error));
    look().save(m_session.preferences());
    FlashSequence::save(m_session.preferences(), content());
    QDialog::accept();
}
