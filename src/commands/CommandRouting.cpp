#include "commands/CommandRouting.h"

#include "commands/CommandIds.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool IsAnyOf(int id, std::initializer_list<int> ids)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool IsCanvasCommand(int id)
{
    using namespace Cmd;
    // The undocumented ids 944, 945, 748, 723, 781 and 782 belong to the canvas's
    // toolbars too; the canvas decides what they do.
    return IsAnyOf(id, {Undo, Redo, Cut, CopyObjects, PasteObjects, CopyAsPicture,
                        ApplyImageFromClipboard, DeleteObjects, RotateLeft, RotateRight,
                        RotateAngle, Mirror, Flip, Crop, Trim, EdgeFade, Resize, InsertCalendar,
                        AddBorder, Darken, Lighten, MoreContrast, LessContrast, MoreSaturation,
                        LessSaturation, ColorBalance, Transparency, Blur, Soften, CircleFade,
                        Beveled, TornEdge, GrayScale, 748, AddShadow, AddFrame, InEllipse,
                        InRoundRectangle, ApplyTo, SaveAsImage, SaveAsImageAlt, InsertText, 944,
                        945, RectangleSelection, FreehandSelection, Deselection,
                        EllipseSelection, ToolLine, ToolArrowedLine, ToolFreehandShape,
                        ToolPolyline, ToolClosedFreehand, ToolOpenFreehand, ToolRectangle,
                        ToolRoundRectangle, ToolEllipse, ToolStars, ToolHeart, ToolShape26,
                        InsertTuitionSheet, StatementSetting, StatementEmail, LineColor, FillColor,
                        FillColorButton, LineWidth,
                        LineType, BasicShapes, BlockArrows, Callouts, Symbols, NotFill,
                        SolidFill, 723, 781, 782, CustomFill, ShadowMenu, NoShadow, HardShadow,
                        SoftShadow, GlowShadow, Effect3D, BringToFront, SendToBack,
                        OneStepFront, OneStepBack, AlignBottom, AlignTop, AlignLeft,
                        AlignRight, SameWidth, SameHeight, LockObject, UnlockObject, GetStyle,
                        ApplyStyle, FilePrint, FilePrintDirect, FilePrintPreview, CanvasPrintSetup})
        || (id >= FontName && id <= FontSize) || (id >= CalendarFont && id <= CalendarNextYear);
}

} // namespace

std::optional<CommandRoute> RouteOfCommand(int id)
{
    using namespace Cmd;
    if (IsCanvasCommand(id))
        return CommandRoute{Center::EditCenter, EnableRule::EditCenterShown};
    if (IsAnyOf(id, {MoveFile, CopyFile, PasteFile, DeleteFile, RenameFile, IconMode, ReportMode,
                     EditPhoto}))
        return CommandRoute{Center::PhotoCenter, EnableRule::PhotoCenterShown};
    if (IsAnyOf(id, {CameraStart, CameraStop, CameraTakeNow})
        || (id >= CameraDriverFirst && id <= CameraDriverLast))
        return CommandRoute{Center::TakePhoto, EnableRule::Always};
    if (IsAnyOf(id, {StaffAdd, StaffEdit, StaffDelete, StaffEmail, StaffAddWeek,
                     StaffEditCalendar, StaffPreviousMonth, StaffNextMonth, StaffSave}))
        return CommandRoute{Center::StaffCenter, EnableRule::Always};
    if (IsAnyOf(id, {ChildAdd, ChildEdit, ChildDelete, ChildEmail, DailyAdd, DailyEdit,
                     DailyDelete}))
        return CommandRoute{Center::ChildCenter, EnableRule::Always};
    if (IsAnyOf(id, {PaymentAdd, PaymentEdit, PaymentDelete, PaymentMenuAdd, PaymentMenuEdit,
                     PaymentMenuDelete})
        || (id >= ShowMonthJanuary && id <= ShowMonthDecember))
        return CommandRoute{Center::FamilyCenter, EnableRule::Always};
    if (IsAnyOf(id, {ReportStatement, ReportEmail, ReportStaff, ReportTuitionList,
                     ReportPreviousMonth, ReportNextMonth}))
        return CommandRoute{Center::Reports, EnableRule::Always};
    return std::nullopt;
}

namespace {

struct ViewCommand
{
    int id;
    Center::Index center;
};

constexpr ViewCommand kViewCommands[] = {
    {Cmd::ViewStartPage, Center::StartPage},     {Cmd::ViewEditCenter, Center::EditCenter},
    {Cmd::ViewPhotoCenter, Center::PhotoCenter}, {Cmd::ViewStaffCenter, Center::StaffCenter},
    {Cmd::ViewChildCenter, Center::ChildCenter}, {Cmd::ViewFamilyCenter, Center::FamilyCenter},
    {Cmd::ViewTakePhoto, Center::TakePhoto},     {Cmd::ViewReports, Center::Reports},
};

} // namespace

std::optional<Center::Index> CenterOfViewCommand(int id)
{
    for (const ViewCommand& command : kViewCommands)
        if (command.id == id)
            return command.center;
    return std::nullopt;
}

int ViewCommandOfCenter(Center::Index center)
{
    for (const ViewCommand& command : kViewCommands)
        if (command.center == center)
            return command.id;
    return 0;
}
