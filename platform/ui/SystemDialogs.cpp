#include "platform/ui/SystemDialogs.h"

#include "platform/AppMessageBox.h"
#include "platform/FileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconFor(MessageBoxStyle::Icon icon)
{
    switch (icon) {
    case MessageBoxStyle::Icon::Stop: return QMessageBox::Critical;
    case MessageBoxStyle::Icon::Question: return QMessageBox::Question;
    case MessageBoxStyle::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxStyle::Icon::Information: return QMessageBox::Information;
    case MessageBoxStyle::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

int showMessageBox(const QString& text, const QString& caption, int flags)
{
    const MessageBoxStyle style = MessageBoxStyle::fromFlags(flags);
    // A carriage return and line feed pair is one line break, as is a lone carriage return.
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    QMessageBox box(iconFor(style.icon), caption, shown,
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    int firstResult = IdOk;
    int secondResult = IdCancel;
    switch (style.buttons) {
    case MessageBoxStyle::Buttons::Ok:
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(first);
        break;
    case MessageBoxStyle::Buttons::OkCancel:
        first = box.addButton(QMessageBox::Ok);
        second = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(second);
        break;
    case MessageBoxStyle::Buttons::YesNo:
        first = box.addButton(QMessageBox::Yes);
        second = box.addButton(QMessageBox::No);
        firstResult = IdYes;
        secondResult = IdNo;
        break;
    }
    box.setDefaultButton(style.secondIsDefault && second ? second : first);
    box.exec();
    if (box.clickedButton() == first)
        return firstResult;
    if (second && box.clickedButton() == second)
        return secondResult;
    return style.buttons == MessageBoxStyle::Buttons::Ok ? IdOk : secondResult;
}

std::optional<QString> showFileDialog(const FileDialogRequest& request)
{
    QWidget* parent = QApplication::activeWindow();
    QString chosen;
    switch (request.kind) {
    case FileDialogRequest::Kind::Open:
        chosen = QFileDialog::getOpenFileName(parent, request.caption, request.startPath, request.filter);
        break;
    case FileDialogRequest::Kind::Save: {
        QFileDialog dialog(parent, request.caption, request.startPath, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
        break;
    }
    case FileDialogRequest::Kind::Folder:
        chosen = QFileDialog::getExistingDirectory(parent, request.caption, request.startPath,
                                                   QFileDialog::ShowDirsOnly);
        break;
    }
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace

void InstallSystemDialogs()
{
    SetMessageBoxHandler(showMessageBox);
    SetFileDialogProvider(showFileDialog);
}
