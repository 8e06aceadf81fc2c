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

// The next prepared answer of a kind, if any is left.
template <typename T>
std::optional<T> TakeFront(std::deque<T>& queue)
{
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
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
    if (const std::optional<Answer> answer = TakeFront(m_answers))
        return *answer;
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString ScriptedPrompt::ChooseFolder(const QString&, const QString&)
{
    return TakeFront(m_folders).value_or(QString());
}

QStringList ScriptedPrompt::ChooseFilesToOpen(const QString& title, const QString&,
                                               const QString& filter)
{
    m_fileDialogs.append(title + QLatin1Char('|') + filter);
    return TakeFront(m_files).value_or(QStringList());
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
    const auto save = TakeFront(m_saves);
    if (!save)
        return {};
    const auto& [path, chosen] = *save;
    if (chosenFilter && !chosen.isEmpty())
        *chosenFilter = chosen;
    else if (chosenFilter && chosenFilter->isEmpty())
        *chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
    return path;
}

std::optional<QColor> ScriptedPrompt::ChooseColor(const QColor&, const QString&)
{
    return TakeFront(m_colors);
}

std::optional<QFont> ScriptedPrompt::ChooseFont(const QFont& initial, const QString&)
{
    lastInitialFont = initial;
    return TakeFront(m_fonts);
}
