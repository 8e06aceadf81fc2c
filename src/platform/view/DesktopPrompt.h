#pragma once

#include "platform/UserPrompt.h"

// Shows the real Qt dialogs, owned by the active window.
class DesktopPrompt : public UserPrompt
{
public:
    Answer Show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    QString ChooseFolder(const QString& title, const QString& startFolder) override;
    QStringList ChooseFilesToOpen(const QString& title, const QString& folder,
                                  const QString& filter) override;
    QString ChooseFileToOpen(const QString& title, const QString& folder,
                             const QString& filter) override;
    QString ChooseFileToSave(const QString& title, const QString& folder, const QString& filter,
                             QString* chosenFilter) override;
    std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) override;
};
