// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStyle>

namespace
{

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

QStyle::StandardPixmap listIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Information:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// The message and its list, with an OK button; the list is filled by setListed().
void buildListedMessage(QDialog& box, const QString& title)
{
    box.setWindowTitle(title);
    auto* layout = new QGridLayout(&box);
    auto* picture = new QLabel(&box);
    picture->setObjectName(QStringLiteral("messageIcon"));
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    auto* label = new QLabel(&box);
    label->setObjectName(QStringLiteral("messageText"));
    label->setWordWrap(true);
    layout->addWidget(label, 0, 1);
    auto* list = new QPlainTextEdit(&box);
    list->setObjectName(QStringLiteral("messageList"));
    list->setReadOnly(true);
    // A reason is a sentence after the file's name: it wraps, never cut off.
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(list, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons, 2, 0, 1, 2);
}

void setListed(QDialog& box, const QString& text, const QStringList& items, MessageIcon icon)
{
    box.findChild<QLabel*>(QStringLiteral("messageIcon"))
        ->setPixmap(box.style()->standardIcon(listIcon(icon)).pixmap(32, 32));
    box.findChild<QLabel*>(QStringLiteral("messageText"))->setText(text);
    auto* list = box.findChild<QPlainTextEdit*>(QStringLiteral("messageList"));
    list->setPlainText(items.join(u'\n'));
    list->setMinimumSize(480, qMin(12, int(items.size()) + 1) * list->fontMetrics().height());
    list->setVisible(!items.isEmpty());
}

} // namespace

QtDialogs::~QtDialogs()
{
    delete m_notice.data();
}

MessageAnswer QtDialogs::message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                 const QString& title)
{
    QMessageBox box(boxIcon(icon), title, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    QApplication::activeWindow());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtDialogs::messageWithList(const QString& text, const QStringList& items, MessageIcon icon,
                                const QString& title)
{
    QDialog box(QApplication::activeWindow());
    buildListedMessage(box, title);
    setListed(box, text, items, icon);
    box.exec();
}

void QtDialogs::notice(const QString& text, const QStringList& items, MessageIcon icon,
                       const QString& title)
{
    if (!m_notice) {
        // Without a parent: it neither blocks nor rides along with a window.
        m_notice = new QDialog;
        m_notice->setAttribute(Qt::WA_DeleteOnClose);
        m_notice->setObjectName(QStringLiteral("notice"));
        buildListedMessage(*m_notice, title);
    }
    setListed(*m_notice, text, items, icon);
    m_notice->show();
}

bool QtDialogs::isNoticeOpen() const
{
    return m_notice && m_notice->isVisible();
}

QStringList QtDialogs::openFiles(const QString& title, const QString& filter, int selectedPair)
{
    const QStringList filters = FileFilter::toQtFilters(filter);
    QFileDialog dialog(QApplication::activeWindow(), title, m_lastFolder);
    // Several files by Ctrl/Shift-click, or several quoted names typed in.
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (selectedPair >= 1 && selectedPair <= filters.size())
        dialog.selectNameFilter(filters.at(selectedPair - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QStringList chosen = dialog.selectedFiles();
    m_lastFolder = QFileInfo(chosen.constFirst()).absolutePath();
    return chosen;
}

std::optional<QString> QtDialogs::openFolder(const QString& title)
{
    QFileDialog dialog(QApplication::activeWindow(), title, m_lastFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = chosen;
    return chosen;
}

std::optional<QString> QtDialogs::saveFile(const QString& title, const QString& filter,
                                           const QString& suggested)
{
    QFileDialog dialog(QApplication::activeWindow(), title, m_lastFolder);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(FileFilter::toQtFilters(filter));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QColor> QtDialogs::pickColour(const QString& title, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow(), title);
    return chosen.isValid() ? std::optional(chosen) : std::nullopt;
}
