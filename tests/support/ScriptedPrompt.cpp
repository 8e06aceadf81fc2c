#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

void StandForAMoment()
{
    QDialog box;
    box.setModal(true);
    QTimer::singleShot(0, &box, [&box] {
        QApplication::setActiveWindow(&box);
        box.setFocus();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        box.accept();
    });
    box.exec();
}

} // namespace

QStringList ScriptedPrompt::Texts() const
{
    QStringList texts;
    for (const Shown& shown : m_messages)
        texts.append(shown.text);
    return texts;
}

UserPrompt::Answer ScriptedPrompt::Show(const QString& text, Icon icon, Buttons buttons,
                                      const QString&)
{
    m_messages.append({text, icon, buttons});
    if (m_modal)
        StandForAMoment();
    if (!m_answers.empty()) {
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString ScriptedPrompt::ChooseFolder(const QString&, const QString&)
{
    if (m_folders.empty())
        return {};
    const QString folder = m_folders.front();
    m_folders.pop_front();
    return folder;
}

QStringList ScriptedPrompt::ChooseFilesToOpen(const QString& title, const QString&,
                                               const QString& filter)
{
    m_fileDialogs.append(title + QLatin1Char('|') + filter);
    if (m_files.empty())
        return {};
    const QStringList files = m_files.front();
    m_files.pop_front();
    return files;
}

QString ScriptedPrompt::ChooseFileToOpen(const QString& title, const QString& folder,
                                          const QString& filter)
{
    return ChooseFilesToOpen(title, folder, filter).value(0);
}

QString ScriptedPrompt::ChooseFileToSave(const QString& title, const QString& folder,
                                          const QString& filter, QString* chosenFilter)
{
    m_fileDialogs.append(title + QLatin1Char('|') + filter);
    m_saveFolders.append(folder);
    if (m_saves.empty())
        return {};
    const auto [path, chosen] = m_saves.front();
    m_saves.pop_front();
    if (chosenFilter && !chosen.isEmpty())
        *chosenFilter = chosen;
    else if (chosenFilter && chosenFilter->isEmpty())
        *chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
    return path;
}

std::optional<QColor> ScriptedPrompt::ChooseColor(const QColor&, const QString&)
{
    if (m_colors.empty())
        return std::nullopt;
    const QColor color = m_colors.front();
    m_colors.pop_front();
    return color;
}

std::optional<QFont> ScriptedPrompt::ChooseFont(const QFont& initial, const QString&)
{
    lastInitialFont = initial;
    if (m_fonts.empty())
        return std::nullopt;
    const QFont font = m_fonts.front();
    m_fonts.pop_front();
    return font;
}
