#include "platform/view/DesktopPrompt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QWidget* Owner()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon ToQt(UserPrompt::Icon icon)
{
    switch (icon) {
    case UserPrompt::Icon::Information: return QMessageBox::Information;
    case UserPrompt::Icon::Warning: return QMessageBox::Warning;
    case UserPrompt::Icon::Stop: return QMessageBox::Critical;
    case UserPrompt::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(UserPrompt::Buttons buttons)
{
    switch (buttons) {
    case UserPrompt::Buttons::Ok: return QMessageBox::Ok;
    case UserPrompt::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case UserPrompt::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case UserPrompt::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

UserPrompt::Answer DesktopPrompt::Show(const QString& text, Icon icon, Buttons buttons,
                                     const QString& title)
{
    QMessageBox box(ToQt(icon), title.isEmpty() ? DefaultTitle() : title, text, ToQt(buttons),
                    Owner());
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString DesktopPrompt::ChooseFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(Owner(), title, startFolder);
}

QStringList DesktopPrompt::ChooseFilesToOpen(const QString& title, const QString& folder,
                                              const QString& filter)
{
    return QFileDialog::getOpenFileNames(Owner(), title, folder, filter);
}

QString DesktopPrompt::ChooseFileToOpen(const QString& title, const QString& folder,
                                         const QString& filter)
{
    return QFileDialog::getOpenFileName(Owner(), title, folder, filter);
}

QString DesktopPrompt::ChooseFileToSave(const QString& title, const QString& folder,
                                         const QString& filter, QString* chosenFilter)
{
    return QFileDialog::getSaveFileName(Owner(), title, folder, filter, chosenFilter);
}

std::optional<QColor> DesktopPrompt::ChooseColor(const QColor& initial, const QString& title)
{
    const QColor color = QColorDialog::getColor(initial, Owner(), title);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> DesktopPrompt::ChooseFont(const QFont& initial, const QString& title)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, Owner(), title);
    if (!ok)
        return std::nullopt;
    return font;
}
