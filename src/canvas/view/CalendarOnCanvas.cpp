// The calendar on the page: placing a year's or a month's calendars, and the right-click
// commands that change one calendar or every calendar of the page.
#include "canvas/view/CalendarOnCanvas.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarOptionSet.h"
#include "canvas/objects/CalendarSettings.h"
#include "canvas/view/CalendarDialog.h"
#include "canvas/view/CalendarFontDialog.h"
#include "canvas/view/CalendarLanguageDialog.h"
#include "canvas/view/CalendarOptionsDialog.h"
#include "canvas/view/PublicHolidaysDialog.h"
#include "commands/CommandIds.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "widgets/ModalRunner.h"

namespace {

// Changes to the page's calendars, each one undo step.
class CalendarChanges
{
public:
    CalendarChanges(CalendarObject& calendar, CanvasModel& model)
        : m_calendar(calendar), m_model(model),
          m_all(model.ObjectsOfType(ObjectType::Calendar))
    {
    }

    void EveryCalendar(const std::function<void(CalendarObject&)>& change)
    {
        m_model.ModifyEach(m_all, [&](PageObject& object) {
            change(static_cast<CalendarObject&>(object));
        });
    }

    void SetShape(int shape)
    {
        EveryCalendar([shape](CalendarObject& calendar) {
            CalendarLook look = CalendarLook::Of(calendar);
            look.shape = shape;
            look.ApplyTo(calendar);
        });
    }

    template <typename Choice>
    void ThisCalendar(const Choice& choice)
    {
        m_model.Modify(m_calendar, [&](PageObject&) {
            choice.ApplyTo(m_calendar);
            return true;
        });
    }

    void SetMonth(int month)
    {
        m_model.Modify(m_calendar, [&](PageObject&) {
            m_calendar.m_nMonth = month;
            return true;
        });
    }

    // The names and holidays the settings hold now, for every calendar.
    void ReloadNames(std::optional<bool> ownLanguageOfThis = std::nullopt)
    {
        const CalendarSettings names = CalendarSettings::Load(Settings());
        EveryCalendar([&](CalendarObject& calendar) {
            names.CopyInto(calendar);
            if (ownLanguageOfThis && &calendar == &m_calendar)
                calendar.m_bOwnLanguage = *ownLanguageOfThis ? 1 : 0;
        });
    }

private:
    CalendarObject& m_calendar;
    CanvasModel& m_model;
    std::vector<PageObject*> m_all;
};

void RunCalendarCommand(int id, CalendarChanges& change, const CalendarObject& calendar,
                        QWidget* window)
{
    using namespace Cmd;
    switch (id) {
    case CalendarFont: {
        CalendarFontDialog dialog(CalendarFonts::Of(calendar), window);
        if (RunModal(dialog) == QDialog::Accepted)
            change.ThisCalendar(dialog.Fonts());
        break;
    }
    case CalendarOptions: {
        CalendarOptionsDialog dialog(CalendarLook::Of(calendar), window);
        if (RunModal(dialog) == QDialog::Accepted)
            change.ThisCalendar(dialog.Look());
        break;
    }
    case CalendarLanguage: {
        CalendarLanguageDialog dialog(calendar.m_bOwnLanguage != 0, window);
        if (RunModal(dialog) == QDialog::Accepted)
            change.ReloadNames(dialog.UseOwnNames());
        break;
    }
    case CalendarHolidays: {
        PublicHolidaysDialog dialog(window);
        if (RunModal(dialog) == QDialog::Accepted)
            change.ReloadNames();
        break;
    }
    case CalendarRectangle: change.SetShape(CalendarShape::Rectangle); break;
    case CalendarRoundRectangle: change.SetShape(CalendarShape::RoundRectangle); break;
    case CalendarTransparent: change.SetShape(CalendarShape::Transparent); break;
    case CalendarNextYear: change.EveryCalendar([](CalendarObject& c) { ++c.m_nYear; }); break;
    default: change.SetMonth(id - CalendarJanuary + 1); break;
    }
}

class CalendarCommands : public ObjectKindCommands
{
public:
    int Type() const override { return ObjectType::Calendar; }
    int InsertCommand() const override { return Cmd::InsertCalendar; }

    ObjectList Place(const QPoint& at, QWidget* window) const override
    {
        const CalendarOptionSet initial = CalendarOptionSet::StartingAt(Clock::TodayLocal());
        CalendarDialog dialog(initial, window);
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        // The dialog may have changed the names and holidays: read them afterwards.
        const CalendarSettings settings = CalendarSettings::Load(Settings());
        ObjectList placed;
        for (auto& calendar : dialog.Options().MakeCalendars(at, settings))
            placed.push_back(std::move(calendar));
        return placed;
    }

    QString MenuName() const override { return QStringLiteral("Calendar"); }
    QList<int> MenuCommands() const override
    {
        using namespace Cmd;
        QList<int> ids{CalendarFont,      CalendarOptions,        CalendarLanguage,
                       CalendarHolidays,  0,                      CalendarRectangle,
                       CalendarRoundRectangle, CalendarTransparent, 0};
        for (int month = CalendarJanuary; month <= CalendarDecember; ++month)
            ids.append(month);
        ids.append({CalendarNextYear, 0, DeleteObjects, CopyAsPicture});
        return ids;
    }
    QString SubmenuOf(int id) const override
    {
        const bool month = id >= Cmd::CalendarJanuary && id <= Cmd::CalendarDecember;
        return month ? QStringLiteral("Change Month to") : QString();
    }

    bool Handles(int id) const override
    {
        return id >= Cmd::CalendarFont && id <= Cmd::CalendarNextYear;
    }

    CommandState Update(int, const PageObject* current) const override
    {
        return CommandState::Enabled(current && current->m_nType == ObjectType::Calendar);
    }

    void Run(int id, PageObject& current, const KindCommandContext& canvas) override
    {
        auto* calendar = dynamic_cast<CalendarObject*>(&current);
        if (!calendar)
            return;
        CalendarChanges change(*calendar, canvas.model);
        RunCalendarCommand(id, change, *calendar, canvas.window);
    }
};

} // namespace

void RegisterCalendarOnCanvas()
{
    ObjectKinds::Register(std::make_unique<CalendarCommands>());
}
