#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

MessageAnswer QtDialogs::message(const QString& text, MessageIcon icon, MessageButtons buttons,
                                 const QString& title)
{
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title,
        text,
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        QApplication::activeWindow());
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<QString> QtDialogs::openFile(const QString& title, const QString& filter,
                                           int selectedPair)
{
    const QStringList filters = FileFilter::toQtFilters(filter);
    QFileDialog dialog(QApplication::activeWindow(), title, m_lastFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (selectedPair >= 1 && selectedPair <= filters.size())
        dialog.selectNameFilter(filters.at(selectedPair - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}
