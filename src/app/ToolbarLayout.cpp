#include "app/ToolbarLayout.h"

#include "commands/CommandIds.h"

#include <algorithm>

namespace {

constexpr int S = ToolbarLayout::kSeparator;

// One entry per camera driver, for the Take Photo toolbar's drop-down.
std::vector<int> CameraDrivers()
{
    std::vector<int> ids;
    for (int id = Cmd::CameraDriverFirst; id <= Cmd::CameraDriverLast; ++id)
        ids.push_back(id);
    return ids;
}

std::vector<int> Joined(std::vector<int> first, const std::vector<int>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace

const ToolbarLayout& CenterToolbarLayout()
{
    using namespace Cmd;
    static const ToolbarLayout layout{
        128, "Centers",
        {ViewEditCenter, ViewPhotoCenter, ViewChildCenter, ViewFamilyCenter, ViewStaffCenter,
         ViewReports, ViewTakePhoto},
        false};
    return layout;
}

const std::vector<ToolbarLayout>& ContainerToolbarLayouts()
{
    using namespace Cmd;
    static const std::vector<ToolbarLayout> layouts{
        {135, "Photo",
         {Undo, Redo, S, Cut, CopyObjects, PasteObjects, DeleteObjects, ApplyImageFromClipboard, S,
          RotateLeft, RotateRight, RotateAngle, Mirror, Flip, S, RectangleSelection,
          FreehandSelection, EllipseSelection, Crop, Deselection, S, Lighten, Darken, MoreContrast,
          LessContrast, MoreSaturation, LessSaturation, ColorBalance, GrayScale, Transparency, S,
          Blur, Soften, CircleFade, Beveled, TornEdge, InEllipse, InRoundRectangle, AddBorder,
          AddFrame, AddShadow, Resize, SaveAsImage, S, BringToFront, SendToBack, OneStepFront,
          OneStepBack, AlignLeft, AlignRight, AlignTop, AlignBottom, SameWidth, SameHeight,
          LockObject, UnlockObject},
         false,
         {{"Photo Effects", "bevel",
           {Blur, Soften, CircleFade, Beveled, TornEdge, InEllipse, InRoundRectangle, AddBorder,
            AddFrame, AddShadow}},
          {"Arrange", "order-front",
           {BringToFront, SendToBack, OneStepFront, OneStepBack, AlignLeft, AlignRight, AlignTop,
            AlignBottom, SameWidth, SameHeight}}}},
        {243, "Drawing and Text",
         {ToolLine, ToolArrowedLine, ToolRectangle, ToolRoundRectangle, ToolEllipse, ToolHeart,
          ToolStars, ToolShape26, ToolFreehandShape, ToolOpenFreehand, ToolPolyline, S, InsertText,
          InsertCalendar, Symbols, InsertTuitionSheet, S, LineColor, FillColor, LineWidth,
          LineType, ShadowMenu, NotFill, SolidFill, CustomFill, GetStyle, ApplyStyle, S, FontName,
          FontSize, TextBold, TextItalic, TextUnderline, TextColor, TextAlignLeft,
          TextAlignCenter, TextAlignRight, TextAlignJustify, TextTurnLeft, TextTurnRight,
          TextArt},
         false,
         {{"Text Alignment", "text-align-left",
           {TextAlignLeft, TextAlignCenter, TextAlignRight, TextAlignJustify}}}},
        {163, "Photo Center",
         {IconMode, ReportMode, S, EditPhoto, S, MoveFile, CopyFile, PasteFile, DeleteFile,
          RenameFile},
         true},
        {253, "Staff Center",
         {StaffAdd, StaffEdit, StaffDelete, S, StaffAddWeek, StaffEditCalendar, S,
          StaffPreviousMonth, StaffNextMonth, S, StaffEmail},
         true},
        {533, "Child Center", {ChildAdd, ChildEdit, ChildDelete, S, ChildEmail}, true},
        {582, "Family Center", {PaymentAdd, PaymentEdit, PaymentDelete}, true},
        {288, "Take Photo", Joined({CameraStart, CameraStop, S, CameraTakeNow, S}, CameraDrivers()),
         true, {{"Camera", "center-takephoto", CameraDrivers()}}},
        {164, "Reports",
         {ReportStatement, ReportTuitionList, ReportStaff, S, ReportPreviousMonth,
          ReportNextMonth, S, ReportEmail},
         true},
    };
    return layouts;
}

const ToolbarGroup* ToolbarLayout::GroupOf(int id) const
{
    for (const ToolbarGroup& group : groups)
        if (std::find(group.commands.begin(), group.commands.end(), id) != group.commands.end())
            return &group;
    return nullptr;
}

std::vector<int> ToolbarsOfCenter(Center::Index center)
{
    switch (center) {
    case Center::StartPage: return {};
    case Center::EditCenter: return {135, 243};
    case Center::PhotoCenter: return {163};
    case Center::StaffCenter: return {253};
    case Center::ChildCenter: return {533};
    case Center::FamilyCenter: return {582};
    case Center::TakePhoto: return {288};
    case Center::Reports: return {164};
    }
    return {};
}

const std::vector<int>& FontSizeEntries()
{
    static const std::vector<int> sizes{11, 12, 13, 15, 16, 19, 21, 24, 27, 29, 32,
                                        35, 37, 48, 64, 96, 150, 200, 250, 350, 500};
    return sizes;
}
