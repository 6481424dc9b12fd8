// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"

#include <QApplication>
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

} // namespace

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
    box.setWindowTitle(title);
    auto* layout = new QGridLayout(&box);
    auto* picture = new QLabel(&box);
    picture->setPixmap(box.style()->standardIcon(listIcon(icon)).pixmap(32, 32));
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    auto* label = new QLabel(text, &box);
    label->setWordWrap(true);
    layout->addWidget(label, 0, 1);
    if (!items.isEmpty()) {
        auto* list = new QPlainTextEdit(items.join(u'\n'), &box);
        list->setObjectName(QStringLiteral("messageList"));
        list->setReadOnly(true);
        // A reason is a sentence after the file's name: it wraps, never cut off.
        list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        list->setMinimumSize(480, qMin(12, int(items.size()) + 1) * list->fontMetrics().height());
        layout->addWidget(list, 1, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons, 2, 0, 1, 2);
    box.exec();
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
