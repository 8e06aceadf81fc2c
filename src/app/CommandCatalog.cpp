#include "app/CommandCatalog.h"

#include "app/CommandIds.h"

#include <algorithm>
#include <array>

namespace {

// Texts in quotes of the original string tables are kept as they are, with plain
// misspellings corrected.
constexpr std::array kCommands{
    // File
    CCommandInfo{Cmd::FileNew, "&New Post", "Start a new newsletter page", "file-new"},
    CCommandInfo{Cmd::FileOpen, "&Open Post...", "Open a saved newsletter", "file-open"},
    CCommandInfo{Cmd::FileSave, "&Save Post", "Save the newsletter", "file-save"},
    CCommandInfo{Cmd::FileSaveAs, "Save Post &As...", "Save the newsletter under a new name",
                 "file-save-as"},
    CCommandInfo{Cmd::FilePrint, "&Print...\tCtrl+P", "Print the page", "file-print"},
    CCommandInfo{Cmd::FilePrintPreview, "Print Pre&view", "Show the page as it will print",
                 "file-print-preview"},
    CCommandInfo{Cmd::FilePageSetup, "Page Set&up...", "Set the paper size and margins",
                 "file-page-setup"},
    CCommandInfo{Cmd::FileExportPdf, "&Export to PDF", "Export the page to a PDF file",
                 "file-export-pdf"},
    CCommandInfo{Cmd::AppExit, "E&xit", "Close Tendrel", "app-exit"},

    // View
    CCommandInfo{Cmd::ViewStartPage, "Start &Page", "Show the start page with its guide",
                 "center-start"},
    CCommandInfo{Cmd::ViewEditCenter, "&Edit Center", "Make newsletters, art photos and calendars",
                 "center-edit"},
    CCommandInfo{Cmd::ViewPhotoCenter, "&Photo Center", "View and arrange the photos of a folder",
                 "center-photo"},
    CCommandInfo{Cmd::ViewChildCenter, "&Child Center",
                 "Enroll children and record who picked them up", "center-child"},
    CCommandInfo{Cmd::ViewFamilyCenter, "&Family Center", "Family details and weekly tuition",
                 "center-family"},
    CCommandInfo{Cmd::ViewStaffCenter, "&Staff Center", "Staff records and time sheets",
                 "center-staff"},
    CCommandInfo{Cmd::ViewReports, "&Reports", "Monthly statements and reports",
                 "center-reports"},
    CCommandInfo{Cmd::ViewTakePhoto, "&Take Photo", "Take photos with the web camera",
                 "center-takephoto"},

    // Settings
    CCommandInfo{Cmd::OpenFolder, "&Open Folder...\tCtrl+O",
                 "Choose the folder that holds the photo library", "folder-open"},
    CCommandInfo{Cmd::CenterInformation, "Child Care &Center Information...",
                 "The center's name, phone, address, manager and web site", "settings-center"},
    CCommandInfo{Cmd::DailyTuition, "Daily &Tuition...", "Daily tuition rates and currency",
                 "settings-tuition"},
    CCommandInfo{Cmd::EmailServer, "&Email Setting...", "Mail server, sender and daily sending",
                 "settings-email"},
    CCommandInfo{Cmd::BackgroundColor, "&Background Color", "Background colour of the page",
                 "settings-background"},

    // Help
    CCommandInfo{Cmd::HelpTopics, "&Help Topics", "How to use Tendrel", "help-contents"},
    CCommandInfo{Cmd::About, "&About Tendrel...", "Program version", "help-about"},

    // Status bar zoom
    CCommandInfo{Cmd::StatusZoomOut, "Zoom Out", "Zoom out", "zoom-out"},
    CCommandInfo{Cmd::StatusZoomIn, "Zoom In", "Zoom in", "zoom-in"},
    CCommandInfo{Cmd::StatusActualSize, "Actual Size", "Actual size (100%)", "zoom-original"},

    // Canvas editing
    CCommandInfo{Cmd::Undo, "&Undo", "Undo", "edit-undo"},
    CCommandInfo{Cmd::Redo, "&Redo", "Redo", "edit-redo"},
    CCommandInfo{Cmd::Cut, "Cu&t", "Cut", "edit-cut"},
    CCommandInfo{Cmd::CopyObjects, "&Copy", "Copy", "edit-copy"},
    CCommandInfo{Cmd::PasteObjects, "&Paste", "Paste", "edit-paste"},
    CCommandInfo{Cmd::DeleteObjects, "&Delete", "Delete", "edit-delete"},
    CCommandInfo{Cmd::CopyAsPicture, "Copy as Picture",
                 "Put a picture of the selected objects on the clipboard", "edit-copy"},
    CCommandInfo{Cmd::ApplyImageFromClipboard, "Apply Image from Clipboard",
                 "Apply Image from Clipboard", "paste-image"},
    CCommandInfo{Cmd::BringToFront, "Bring to Front", "Bring selected object to front",
                 "order-front"},
    CCommandInfo{Cmd::SendToBack, "Send to Back", "Send selected object to back", "order-back"},
    CCommandInfo{Cmd::OneStepFront, "One Step Front", "One step front", "order-forward"},
    CCommandInfo{Cmd::OneStepBack, "One Step Back", "One step back", "order-backward"},
    CCommandInfo{Cmd::AlignLeft, "Align Left", "Align left", "align-left"},
    CCommandInfo{Cmd::AlignRight, "Align Right", "Align right", "align-right"},
    CCommandInfo{Cmd::AlignTop, "Align Top", "Align top", "align-top"},
    CCommandInfo{Cmd::AlignBottom, "Align Bottom", "Align bottom", "align-bottom"},
    CCommandInfo{Cmd::SameWidth, "Same Width", "Same width", "same-width"},
    CCommandInfo{Cmd::SameHeight, "Same Height", "Same height", "same-height"},
    CCommandInfo{Cmd::LockObject, "Lock Object", "Lock object", "lock"},
    CCommandInfo{Cmd::UnlockObject, "Unlock Object", "Unlock object", "unlock"},
    CCommandInfo{Cmd::RectangleSelection, "Rectangle Selection", "Rectangle selection",
                 "select-rect"},
    CCommandInfo{Cmd::FreehandSelection, "Freehand Selection", "Freehand selection",
                 "select-freehand"},
    CCommandInfo{Cmd::EllipseSelection, "Ellipse Selection", "Ellipse selection",
                 "select-ellipse"},
    CCommandInfo{Cmd::Deselection, "Deselection", "Deselection", "deselect"},
    CCommandInfo{Cmd::SaveAsImage, "Save as Image", "Save as Image", "save-image"},

    // Photo adjustments and effects
    CCommandInfo{Cmd::RotateLeft, "Rotate Left", "Rotate left", "rotate-left"},
    CCommandInfo{Cmd::RotateRight, "Rotate Right", "Rotate right", "rotate-right"},
    CCommandInfo{Cmd::RotateAngle, "Rotate Angle", "Rotate Angle", "rotate-angle"},
    CCommandInfo{Cmd::Mirror, "Mirror", "Mirror current photo or drawing object", "mirror"},
    CCommandInfo{Cmd::Flip, "Flip", "Flip current photo or drawing object", "flip"},
    CCommandInfo{Cmd::Crop, "Crop", "Crop", "crop"},
    CCommandInfo{Cmd::Trim, "Trim", "Erase the selected part of the photo", "crop"},
    CCommandInfo{Cmd::ApplyTo, "Apply to", "Paint the photo into the photo beneath it", ""},
    CCommandInfo{Cmd::Resize, "Resize", "Resize", "photo-resize"},
    CCommandInfo{Cmd::Lighten, "Lighten", "Lighten", "lighten"},
    CCommandInfo{Cmd::Darken, "Darken", "Darken", "darken"},
    CCommandInfo{Cmd::MoreContrast, "More Contrast", "More Contrast", "contrast-more"},
    CCommandInfo{Cmd::LessContrast, "Less Contrast", "Less Contrast", "contrast-less"},
    CCommandInfo{Cmd::MoreSaturation, "More Saturation", "More Saturation", "saturation-more"},
    CCommandInfo{Cmd::LessSaturation, "Less Saturation", "Less Saturation", "saturation-less"},
    CCommandInfo{Cmd::ColorBalance, "Color balance", "Color balance", "color-balance"},
    CCommandInfo{Cmd::Transparency, "Transparency", "Transparency", "transparency"},
    CCommandInfo{Cmd::GrayScale, "Gray Scale", "Gray Scale", "grayscale"},
    CCommandInfo{Cmd::Blur, "Blur", "Blur", "blur"},
    CCommandInfo{Cmd::Soften, "Soften effect", "Soften effect", "soften"},
    CCommandInfo{Cmd::CircleFade, "Circle fade effect", "Circle fade effect", "circle-fade"},
    CCommandInfo{Cmd::Beveled, "Beveled effect", "Beveled effect", "bevel"},
    CCommandInfo{Cmd::TornEdge, "Torn edge effect", "Torn edge effect", "torn-edge"},
    CCommandInfo{Cmd::InEllipse, "In Ellipse", "In Ellipse", "clip-ellipse"},
    CCommandInfo{Cmd::InRoundRectangle, "In Round Rectangle", "In Round Rectangle",
                 "clip-roundrect"},
    CCommandInfo{Cmd::AddBorder, "Add Border", "Add Border", "photo-border"},
    CCommandInfo{Cmd::AddFrame, "Add Frame", "Add Frame", "photo-frame"},
    CCommandInfo{Cmd::AddShadow, "Add Shadow", "Add Shadow", "photo-shadow"},

    // Drawing tools and insertions
    CCommandInfo{Cmd::ToolLine, "Line", "Line", "draw-line"},
    CCommandInfo{Cmd::ToolArrowedLine, "Arrowed Line", "Arrowed line", "draw-arrow"},
    CCommandInfo{Cmd::ToolRectangle, "Rectangle", "Rectangle", "draw-rect"},
    CCommandInfo{Cmd::ToolRoundRectangle, "Round Rectangle", "Round rectangle", "draw-roundrect"},
    CCommandInfo{Cmd::ToolEllipse, "Ellipse", "Ellipse", "draw-ellipse"},
    CCommandInfo{Cmd::ToolHeart, "Heart", "Heart", "draw-heart"},
    CCommandInfo{Cmd::ToolStars, "N-point Stars", "N-point stars", "draw-star"},
    CCommandInfo{Cmd::ToolShape26, "Cloud", "Cloud shape", "draw-shape"},
    CCommandInfo{Cmd::ToolFreehandShape, "Freehand Shape", "Freehand shape",
                 "draw-freehand-closed"},
    CCommandInfo{Cmd::ToolOpenFreehand, "Freehand Line", "Freehand line", "draw-freehand-open"},
    CCommandInfo{Cmd::ToolPolyline, "Polygon", "Polygon: click each corner, double-click to end",
                 "draw-polyline"},
    CCommandInfo{Cmd::InsertText, "Insert Text", "Insert Text", "insert-text"},
    CCommandInfo{Cmd::InsertCalendar, "Calendar", "Calendar", "insert-calendar"},
    CCommandInfo{Cmd::InsertTuitionSheet, "Tuition Sheet", "Tuition Sheet", "insert-tuition"},
    CCommandInfo{Cmd::Symbols, "Graphical Symbols", "Graphical symbols", "insert-symbol"},

    // Styles
    CCommandInfo{Cmd::LineColor, "Line Color", "Line color", "line-color"},
    CCommandInfo{Cmd::FillColor, "Fill Color", "Fill color", "fill-color"},
    CCommandInfo{Cmd::LineWidth, "Line Width", "Line width", "line-width"},
    CCommandInfo{Cmd::LineType, "Line Type", "Line type", "line-type"},
    CCommandInfo{Cmd::ShadowMenu, "Shadow", "Shadow", "shadow"},
    CCommandInfo{Cmd::NoShadow, "No Shadow", "No Shadow", ""},
    CCommandInfo{Cmd::HardShadow, "Hard Shadow", "Hard Shadow", ""},
    CCommandInfo{Cmd::SoftShadow, "Soft Shadow", "Soft Shadow", ""},
    CCommandInfo{Cmd::GlowShadow, "Glow Shadow", "Glow Shadow", ""},
    CCommandInfo{Cmd::NotFill, "Not Fill", "Not Fill", "fill-none"},
    CCommandInfo{Cmd::SolidFill, "Solid Fill", "Solid Fill", "fill-solid"},
    CCommandInfo{Cmd::CustomFill, "Custom Fill", "Custom fill", "custom-fill"},
    CCommandInfo{Cmd::Effect3D, "3-D Effect", "3-D effect", "effect-3d"},
    CCommandInfo{Cmd::GetStyle, "Get Style", "Get selected object style", "style-get"},
    CCommandInfo{Cmd::ApplyStyle, "Apply Style", "Apply style to selected object", "style-apply"},

    // Text formatting
    CCommandInfo{Cmd::TextBold, "Bold", "Bold", "text-bold"},
    CCommandInfo{Cmd::TextItalic, "Italic", "Italic", "text-italic"},
    CCommandInfo{Cmd::TextUnderline, "Underline", "Underline", "text-underline"},
    CCommandInfo{Cmd::TextColor, "Text Color", "Text color", "text-color"},
    CCommandInfo{Cmd::TextAlignLeft, "Align Left", "Align left", "text-align-left"},
    CCommandInfo{Cmd::TextAlignCenter, "Align Center", "Align center", "text-align-center"},
    CCommandInfo{Cmd::TextAlignRight, "Align Right", "Align right", "text-align-right"},
    CCommandInfo{Cmd::TextAlignJustify, "Align Justification", "Align justification",
                 "text-align-justify"},
    CCommandInfo{Cmd::TextTurnLeft, "Turn Left", "Turn the text 15 degrees left",
                 "text-rotate-left"},
    CCommandInfo{Cmd::TextTurnRight, "Turn Right", "Turn the text 15 degrees right",
                 "text-rotate-right"},
    CCommandInfo{Cmd::TextArt, "Text Art", "Text Art", "text-art"},

    // Calendar context menu
    CCommandInfo{Cmd::CalendarFont, "Font", "Fonts of the calendar", ""},
    CCommandInfo{Cmd::CalendarOptions, "Options", "How the calendar looks", ""},
    CCommandInfo{Cmd::CalendarLanguage, "Language", "Month and weekday names", ""},
    CCommandInfo{Cmd::CalendarHolidays, "Public Holidays", "Dates every calendar marks", ""},
    CCommandInfo{Cmd::CalendarRectangle, "Rectangle", "Every calendar in a rectangle", ""},
    CCommandInfo{Cmd::CalendarRoundRectangle, "Round Rectangle",
                 "Every calendar in a round rectangle", ""},
    CCommandInfo{Cmd::CalendarTransparent, "Transparency", "Every calendar without a background", ""},
    CCommandInfo{Cmd::CalendarJanuary, "January", "Show January", ""},
    CCommandInfo{Cmd::CalendarJanuary + 1, "February", "Show February", ""},
    CCommandInfo{Cmd::CalendarJanuary + 2, "March", "Show March", ""},
    CCommandInfo{Cmd::CalendarJanuary + 3, "April", "Show April", ""},
    CCommandInfo{Cmd::CalendarJanuary + 4, "May", "Show May", ""},
    CCommandInfo{Cmd::CalendarJanuary + 5, "June", "Show June", ""},
    CCommandInfo{Cmd::CalendarJanuary + 6, "July", "Show July", ""},
    CCommandInfo{Cmd::CalendarJanuary + 7, "August", "Show August", ""},
    CCommandInfo{Cmd::CalendarJanuary + 8, "September", "Show September", ""},
    CCommandInfo{Cmd::CalendarJanuary + 9, "October", "Show October", ""},
    CCommandInfo{Cmd::CalendarJanuary + 10, "November", "Show November", ""},
    CCommandInfo{Cmd::CalendarDecember, "December", "Show December", ""},
    CCommandInfo{Cmd::CalendarNextYear, "Change Year to Next", "Every calendar one year on", ""},

    // Photo Center list
    CCommandInfo{Cmd::IconMode, "Icon Mode", "Icon Mode", "view-icons"},
    CCommandInfo{Cmd::ReportMode, "Report Mode", "Report Mode", "view-details"},
    CCommandInfo{Cmd::EditPhoto, "Edit\tCtrl+E", "Edit Photo", "photo-edit"},
    CCommandInfo{Cmd::MoveFile, "Move File\tCtrl+X", "Move File", "edit-cut"},
    CCommandInfo{Cmd::CopyFile, "Copy File\tCtrl+C", "Copy File", "edit-copy"},
    CCommandInfo{Cmd::PasteFile, "Paste File\tCtrl+V", "Paste File", "edit-paste"},
    CCommandInfo{Cmd::DeleteFile, "Delete File\tDel", "Delete File", "edit-delete"},
    CCommandInfo{Cmd::RenameFile, "Rename File\tF2", "Rename File", "file-rename"},

    // Staff Center
    CCommandInfo{Cmd::StaffAdd, "Add", "Add new staff information", "record-add"},
    CCommandInfo{Cmd::StaffEdit, "Edit", "Edit staff information", "record-edit"},
    CCommandInfo{Cmd::StaffDelete, "Delete", "Delete staff information", "record-delete"},
    CCommandInfo{Cmd::StaffEmail, "Email", "Email the selected staff member", "mail-send"},
    CCommandInfo{Cmd::StaffAddWeek, "Add One Week", "Add one week time sheet for all staff",
                 "staff-week"},
    CCommandInfo{Cmd::StaffEditCalendar, "Edit Calendar", "Edit the shown month's calendar",
                 "calendar-edit"},
    CCommandInfo{Cmd::StaffPreviousMonth, "Previous Month", "Show the previous month",
                 "go-previous"},
    CCommandInfo{Cmd::StaffNextMonth, "Next Month", "Show the next month", "go-next"},

    // Child Center
    CCommandInfo{Cmd::ChildAdd, "Add", "Add one child information", "record-add"},
    CCommandInfo{Cmd::ChildEdit, "Edit", "Edit selected child information", "record-edit"},
    CCommandInfo{Cmd::ChildDelete, "Delete", "Delete selected child information",
                 "record-delete"},
    CCommandInfo{Cmd::ChildEmail, "Email", "Email the parents", "mail-send"},
    CCommandInfo{Cmd::DailyAdd, "Add", "Add a daily record of the child", "record-add"},
    CCommandInfo{Cmd::DailyEdit, "Edit", "Edit the selected daily record", "record-edit"},
    CCommandInfo{Cmd::DailyDelete, "Delete", "Delete the selected daily record",
                 "record-delete"},

    // Family Center
    CCommandInfo{Cmd::PaymentAdd, "Add", "Add a tuition payment", "record-add"},
    CCommandInfo{Cmd::PaymentEdit, "Edit", "Edit the selected tuition payment", "record-edit"},
    CCommandInfo{Cmd::PaymentDelete, "Delete", "Delete the selected tuition payment",
                 "record-delete"},
    CCommandInfo{Cmd::PaymentMenuAdd, "Add", "Add this week's tuition row of the child",
                 "record-add"},
    CCommandInfo{Cmd::PaymentMenuEdit, "Edit", "Enter what was paid for the selected week",
                 "record-edit"},
    CCommandInfo{Cmd::PaymentMenuDelete, "Delete", "Delete the selected week",
                 "record-delete"},
    CCommandInfo{Cmd::ShowMonthJanuary, "January", "List the weeks starting in January", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 1, "February", "List the weeks starting in February", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 2, "March", "List the weeks starting in March", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 3, "April", "List the weeks starting in April", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 4, "May", "List the weeks starting in May", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 5, "June", "List the weeks starting in June", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 6, "July", "List the weeks starting in July", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 7, "August", "List the weeks starting in August", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 8, "September", "List the weeks starting in September", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 9, "October", "List the weeks starting in October", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 10, "November", "List the weeks starting in November", ""},
    CCommandInfo{Cmd::ShowMonthJanuary + 11, "December", "List the weeks starting in December", ""},

    // Tuition statement context menu
    CCommandInfo{Cmd::StatementSetting, "Setting", "Choose the child and the month", ""},
    CCommandInfo{Cmd::StatementEmail, "Email to Parent",
                 "Send the page with the statement to the child's parents", "mail-send"},

    // Take Photo
    CCommandInfo{Cmd::CameraStart, "Start Camera", "Start capturing", "camera-start"},
    CCommandInfo{Cmd::CameraStop, "Stop Camera", "Stop capturing", "camera-stop"},

    // Reports
    CCommandInfo{Cmd::ReportStatement, "Tuition Statement",
                 "Show the tuition statement of the selected child", "report-statement"},
    CCommandInfo{Cmd::ReportTuitionList, "Tuition List", "Show the tuition list of all children",
                 "report-tuition-list"},
    CCommandInfo{Cmd::ReportStaff, "Staff Report", "Show the staff report", "report-staff"},
    CCommandInfo{Cmd::ReportPreviousMonth, "Previous Month", "Previous month", "go-previous"},
    CCommandInfo{Cmd::ReportNextMonth, "Next Month", "Next month", "go-next"},
    CCommandInfo{Cmd::ReportEmail, "Email", "Email the current report", "mail-send"},
};

} // namespace

const CCommandInfo* FindCommandInfo(int id)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [id](const CCommandInfo& info) { return info.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

QString PlainCommandText(const CCommandInfo& info)
{
    QString text = QString::fromUtf8(info.text);
    text = text.left(text.indexOf(QLatin1Char('\t')));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
