#include "commands/CommandCatalog.h"

#include "commands/CommandIds.h"

#include <algorithm>
#include <array>

namespace {

// Texts in quotes of the original string tables are kept as they are, with plain
// misspellings corrected.
constexpr std::array kCommands{
    // File
    CommandInfo{Cmd::FileNew, "&New Post", "Start a new newsletter page", "file-new"},
    CommandInfo{Cmd::FileOpen, "&Open Post...", "Open a saved newsletter", "file-open"},
    CommandInfo{Cmd::FileSave, "&Save Post", "Save the newsletter", "file-save"},
    CommandInfo{Cmd::FileSaveAs, "Save Post &As...", "Save the newsletter under a new name",
                 "file-save-as"},
    CommandInfo{Cmd::FilePrint, "&Print...\tCtrl+P", "Print the page", "file-print"},
    CommandInfo{Cmd::FilePrintPreview, "Print Pre&view", "Show the page as it will print",
                 "file-print-preview"},
    CommandInfo{Cmd::FilePageSetup, "Page Set&up...", "Set the paper size and margins",
                 "file-page-setup"},
    CommandInfo{Cmd::FileExportPdf, "&Export to PDF", "Export the page to a PDF file",
                 "file-export-pdf"},
    CommandInfo{Cmd::AppExit, "E&xit", "Close Tendrel", "app-exit"},

    // View
    CommandInfo{Cmd::ViewStartPage, "Start &Page", "Show the start page with its guide",
                 "center-start"},
    CommandInfo{Cmd::ViewEditCenter, "&Edit Center", "Make newsletters, art photos and calendars",
                 "center-edit"},
    CommandInfo{Cmd::ViewPhotoCenter, "&Photo Center", "View and arrange the photos of a folder",
                 "center-photo"},
    CommandInfo{Cmd::ViewChildCenter, "&Child Center",
                 "Enroll children and record who picked them up", "center-child"},
    CommandInfo{Cmd::ViewFamilyCenter, "&Family Center", "Family details and weekly tuition",
                 "center-family"},
    CommandInfo{Cmd::ViewStaffCenter, "&Staff Center", "Staff records and time sheets",
                 "center-staff"},
    CommandInfo{Cmd::ViewReports, "&Reports", "Monthly statements and reports",
                 "center-reports"},
    CommandInfo{Cmd::ViewTakePhoto, "&Take Photo", "Take photos with the web camera",
                 "center-takephoto"},

    // Settings
    CommandInfo{Cmd::OpenFolder, "&Open Folder...\tCtrl+O",
                 "Choose the folder that holds the photo library", "folder-open"},
    CommandInfo{Cmd::CenterInformation, "Child Care &Center Information...",
                 "The center's name, phone, address, manager and web site", "settings-center"},
    CommandInfo{Cmd::DailyTuition, "Daily &Tuition...", "Daily tuition rates and currency",
                 "settings-tuition"},
    CommandInfo{Cmd::EmailServer, "&Email Setting...", "Mail server, sender and daily sending",
                 "settings-email"},
    CommandInfo{Cmd::Database, "&Database...",
                 "Where the records live: this computer or a server", "settings-database"},
    CommandInfo{Cmd::BackgroundColor, "&Background Color", "Background colour of the page",
                 "settings-background"},

    // Help
    CommandInfo{Cmd::HelpTopics, "&Help Topics", "How to use Tendrel", "help-contents"},
    CommandInfo{Cmd::About, "&About Tendrel...", "Program version", "help-about"},

    // Status bar zoom
    CommandInfo{Cmd::StatusZoomOut, "Zoom Out", "Zoom out", "zoom-out"},
    CommandInfo{Cmd::StatusZoomIn, "Zoom In", "Zoom in", "zoom-in"},
    CommandInfo{Cmd::StatusActualSize, "Actual Size", "Actual size (100%)", "zoom-original"},

    // Canvas editing
    CommandInfo{Cmd::Undo, "&Undo", "Undo", "edit-undo"},
    CommandInfo{Cmd::Redo, "&Redo", "Redo", "edit-redo"},
    CommandInfo{Cmd::Cut, "Cu&t", "Cut", "edit-cut"},
    CommandInfo{Cmd::CopyObjects, "&Copy", "Copy", "edit-copy"},
    CommandInfo{Cmd::PasteObjects, "&Paste", "Paste", "edit-paste"},
    CommandInfo{Cmd::DeleteObjects, "&Delete", "Delete", "edit-delete"},
    CommandInfo{Cmd::CopyAsPicture, "Copy as Picture",
                 "Put a picture of the selected objects on the clipboard", "edit-copy"},
    CommandInfo{Cmd::ApplyImageFromClipboard, "Apply Image from Clipboard",
                 "Apply Image from Clipboard", "paste-image"},
    CommandInfo{Cmd::BringToFront, "Bring to Front", "Bring selected object to front",
                 "order-front"},
    CommandInfo{Cmd::SendToBack, "Send to Back", "Send selected object to back", "order-back"},
    CommandInfo{Cmd::OneStepFront, "One Step Front", "One step front", "order-forward"},
    CommandInfo{Cmd::OneStepBack, "One Step Back", "One step back", "order-backward"},
    CommandInfo{Cmd::AlignLeft, "Align Left", "Align left", "align-left"},
    CommandInfo{Cmd::AlignRight, "Align Right", "Align right", "align-right"},
    CommandInfo{Cmd::AlignTop, "Align Top", "Align top", "align-top"},
    CommandInfo{Cmd::AlignBottom, "Align Bottom", "Align bottom", "align-bottom"},
    CommandInfo{Cmd::SameWidth, "Same Width", "Same width", "same-width"},
    CommandInfo{Cmd::SameHeight, "Same Height", "Same height", "same-height"},
    CommandInfo{Cmd::LockObject, "Lock Object", "Lock object", "lock"},
    CommandInfo{Cmd::UnlockObject, "Unlock Object", "Unlock object", "unlock"},
    CommandInfo{Cmd::RectangleSelection, "Rectangle Selection", "Rectangle selection",
                 "select-rect"},
    CommandInfo{Cmd::FreehandSelection, "Freehand Selection", "Freehand selection",
                 "select-freehand"},
    CommandInfo{Cmd::EllipseSelection, "Ellipse Selection", "Ellipse selection",
                 "select-ellipse"},
    CommandInfo{Cmd::Deselection, "Deselection", "Deselection", "deselect"},
    CommandInfo{Cmd::SaveAsImage, "Save as Image", "Save as Image", "save-image"},

    // Photo adjustments and effects
    CommandInfo{Cmd::RotateLeft, "Rotate Left", "Rotate left", "rotate-left"},
    CommandInfo{Cmd::RotateRight, "Rotate Right", "Rotate right", "rotate-right"},
    CommandInfo{Cmd::RotateAngle, "Rotate Angle", "Rotate Angle", "rotate-angle"},
    CommandInfo{Cmd::Mirror, "Mirror", "Mirror current photo or drawing object", "mirror"},
    CommandInfo{Cmd::Flip, "Flip", "Flip current photo or drawing object", "flip"},
    CommandInfo{Cmd::Crop, "Crop", "Crop", "crop"},
    CommandInfo{Cmd::Trim, "Trim", "Erase the selected part of the photo", "crop"},
    CommandInfo{Cmd::ApplyTo, "Apply to", "Paint the photo into the photo beneath it", ""},
    CommandInfo{Cmd::Resize, "Resize", "Resize", "photo-resize"},
    CommandInfo{Cmd::Lighten, "Lighten", "Lighten", "lighten"},
    CommandInfo{Cmd::Darken, "Darken", "Darken", "darken"},
    CommandInfo{Cmd::MoreContrast, "More Contrast", "More Contrast", "contrast-more"},
    CommandInfo{Cmd::LessContrast, "Less Contrast", "Less Contrast", "contrast-less"},
    CommandInfo{Cmd::MoreSaturation, "More Saturation", "More Saturation", "saturation-more"},
    CommandInfo{Cmd::LessSaturation, "Less Saturation", "Less Saturation", "saturation-less"},
    CommandInfo{Cmd::ColorBalance, "Color balance", "Color balance", "color-balance"},
    CommandInfo{Cmd::Transparency, "Transparency", "Transparency", "transparency"},
    CommandInfo{Cmd::GrayScale, "Gray Scale", "Gray Scale", "grayscale"},
    CommandInfo{Cmd::Blur, "Blur", "Blur", "blur"},
    CommandInfo{Cmd::Soften, "Soften effect", "Soften effect", "soften"},
    CommandInfo{Cmd::CircleFade, "Circle fade effect", "Circle fade effect", "circle-fade"},
    CommandInfo{Cmd::Beveled, "Beveled effect", "Beveled effect", "bevel"},
    CommandInfo{Cmd::TornEdge, "Torn edge effect", "Torn edge effect", "torn-edge"},
    CommandInfo{Cmd::InEllipse, "In Ellipse", "In Ellipse", "clip-ellipse"},
    CommandInfo{Cmd::InRoundRectangle, "In Round Rectangle", "In Round Rectangle",
                 "clip-roundrect"},
    CommandInfo{Cmd::AddBorder, "Add Border", "Add Border", "photo-border"},
    CommandInfo{Cmd::AddFrame, "Add Frame", "Add Frame", "photo-frame"},
    CommandInfo{Cmd::AddShadow, "Add Shadow", "Add Shadow", "photo-shadow"},

    // Drawing tools and insertions
    CommandInfo{Cmd::ToolLine, "Line", "Line", "draw-line"},
    CommandInfo{Cmd::ToolArrowedLine, "Arrowed Line", "Arrowed line", "draw-arrow"},
    CommandInfo{Cmd::ToolRectangle, "Rectangle", "Rectangle", "draw-rect"},
    CommandInfo{Cmd::ToolRoundRectangle, "Round Rectangle", "Round rectangle", "draw-roundrect"},
    CommandInfo{Cmd::ToolEllipse, "Ellipse", "Ellipse", "draw-ellipse"},
    CommandInfo{Cmd::ToolHeart, "Heart", "Heart", "draw-heart"},
    CommandInfo{Cmd::ToolStars, "N-point Stars", "N-point stars", "draw-star"},
    CommandInfo{Cmd::ToolShape26, "Cloud", "Cloud shape", "draw-shape"},
    CommandInfo{Cmd::ToolFreehandShape, "Freehand Shape", "Freehand shape",
                 "draw-freehand-closed"},
    CommandInfo{Cmd::ToolOpenFreehand, "Freehand Line", "Freehand line", "draw-freehand-open"},
    CommandInfo{Cmd::ToolPolyline, "Polygon", "Polygon: click each corner, double-click to end",
                 "draw-polyline"},
    CommandInfo{Cmd::InsertText, "Insert Text", "Insert Text", "insert-text"},
    CommandInfo{Cmd::InsertCalendar, "Calendar", "Calendar", "insert-calendar"},
    CommandInfo{Cmd::InsertTuitionSheet, "Tuition Sheet", "Tuition Sheet", "insert-tuition"},
    CommandInfo{Cmd::Symbols, "Graphical Symbols", "Graphical symbols", "insert-symbol"},

    // Styles
    CommandInfo{Cmd::LineColor, "Line Color", "Line color", "line-color"},
    CommandInfo{Cmd::FillColor, "Fill Color", "Fill color", "fill-color"},
    CommandInfo{Cmd::LineWidth, "Line Width", "Line width", "line-width"},
    CommandInfo{Cmd::LineType, "Line Type", "Line type", "line-type"},
    CommandInfo{Cmd::ShadowMenu, "Shadow", "Shadow", "shadow"},
    CommandInfo{Cmd::NoShadow, "No Shadow", "No Shadow", ""},
    CommandInfo{Cmd::HardShadow, "Hard Shadow", "Hard Shadow", ""},
    CommandInfo{Cmd::SoftShadow, "Soft Shadow", "Soft Shadow", ""},
    CommandInfo{Cmd::GlowShadow, "Glow Shadow", "Glow Shadow", ""},
    CommandInfo{Cmd::NotFill, "Not Fill", "Not Fill", "fill-none"},
    CommandInfo{Cmd::SolidFill, "Solid Fill", "Solid Fill", "fill-solid"},
    CommandInfo{Cmd::CustomFill, "Custom Fill", "Custom fill", "custom-fill"},
    CommandInfo{Cmd::Effect3D, "3-D Effect", "3-D effect", "effect-3d"},
    CommandInfo{Cmd::GetStyle, "Get Style", "Get selected object style", "style-get"},
    CommandInfo{Cmd::ApplyStyle, "Apply Style", "Apply style to selected object", "style-apply"},

    // Text formatting
    CommandInfo{Cmd::TextBold, "Bold", "Bold", "text-bold"},
    CommandInfo{Cmd::TextItalic, "Italic", "Italic", "text-italic"},
    CommandInfo{Cmd::TextUnderline, "Underline", "Underline", "text-underline"},
    CommandInfo{Cmd::TextColor, "Text Color", "Text color", "text-color"},
    CommandInfo{Cmd::TextAlignLeft, "Align Left", "Align left", "text-align-left"},
    CommandInfo{Cmd::TextAlignCenter, "Align Center", "Align center", "text-align-center"},
    CommandInfo{Cmd::TextAlignRight, "Align Right", "Align right", "text-align-right"},
    CommandInfo{Cmd::TextAlignJustify, "Align Justification", "Align justification",
                 "text-align-justify"},
    CommandInfo{Cmd::TextTurnLeft, "Turn Left", "Turn the text 15 degrees left",
                 "text-rotate-left"},
    CommandInfo{Cmd::TextTurnRight, "Turn Right", "Turn the text 15 degrees right",
                 "text-rotate-right"},
    CommandInfo{Cmd::TextArt, "Text Art", "Text Art", "text-art"},

    // Calendar context menu
    CommandInfo{Cmd::CalendarFont, "Font", "Fonts of the calendar", ""},
    CommandInfo{Cmd::CalendarOptions, "Options", "How the calendar looks", ""},
    CommandInfo{Cmd::CalendarLanguage, "Language", "Month and weekday names", ""},
    CommandInfo{Cmd::CalendarHolidays, "Public Holidays", "Dates every calendar marks", ""},
    CommandInfo{Cmd::CalendarRectangle, "Rectangle", "Every calendar in a rectangle", ""},
    CommandInfo{Cmd::CalendarRoundRectangle, "Round Rectangle",
                 "Every calendar in a round rectangle", ""},
    CommandInfo{Cmd::CalendarTransparent, "Transparency", "Every calendar without a background", ""},
    CommandInfo{Cmd::CalendarJanuary, "January", "Show January", ""},
    CommandInfo{Cmd::CalendarJanuary + 1, "February", "Show February", ""},
    CommandInfo{Cmd::CalendarJanuary + 2, "March", "Show March", ""},
    CommandInfo{Cmd::CalendarJanuary + 3, "April", "Show April", ""},
    CommandInfo{Cmd::CalendarJanuary + 4, "May", "Show May", ""},
    CommandInfo{Cmd::CalendarJanuary + 5, "June", "Show June", ""},
    CommandInfo{Cmd::CalendarJanuary + 6, "July", "Show July", ""},
    CommandInfo{Cmd::CalendarJanuary + 7, "August", "Show August", ""},
    CommandInfo{Cmd::CalendarJanuary + 8, "September", "Show September", ""},
    CommandInfo{Cmd::CalendarJanuary + 9, "October", "Show October", ""},
    CommandInfo{Cmd::CalendarJanuary + 10, "November", "Show November", ""},
    CommandInfo{Cmd::CalendarDecember, "December", "Show December", ""},
    CommandInfo{Cmd::CalendarNextYear, "Change Year to Next", "Every calendar one year on", ""},

    // Photo Center list
    CommandInfo{Cmd::IconMode, "Icon Mode", "Icon Mode", "view-icons"},
    CommandInfo{Cmd::ReportMode, "Report Mode", "Report Mode", "view-details"},
    CommandInfo{Cmd::EditPhoto, "Edit\tCtrl+E", "Edit Photo", "photo-edit"},
    CommandInfo{Cmd::MoveFile, "Move File\tCtrl+X", "Move File", "edit-cut"},
    CommandInfo{Cmd::CopyFile, "Copy File\tCtrl+C", "Copy File", "edit-copy"},
    CommandInfo{Cmd::PasteFile, "Paste File\tCtrl+V", "Paste File", "edit-paste"},
    CommandInfo{Cmd::DeleteFile, "Delete File\tDel", "Delete File", "edit-delete"},
    CommandInfo{Cmd::RenameFile, "Rename File\tF2", "Rename File", "file-rename"},

    // Staff Center
    CommandInfo{Cmd::StaffAdd, "Add", "Add new staff information", "record-add"},
    CommandInfo{Cmd::StaffEdit, "Edit", "Edit staff information", "record-edit"},
    CommandInfo{Cmd::StaffDelete, "Delete", "Delete staff information", "record-delete"},
    CommandInfo{Cmd::StaffEmail, "Email", "Email the selected staff member", "mail-send"},
    CommandInfo{Cmd::StaffAddWeek, "Add One Week", "Add one week time sheet for all staff",
                 "staff-week"},
    CommandInfo{Cmd::StaffEditCalendar, "Edit Calendar", "Edit the shown month's calendar",
                 "calendar-edit"},
    CommandInfo{Cmd::StaffPreviousMonth, "Previous Month", "Show the previous month",
                 "go-previous"},
    CommandInfo{Cmd::StaffNextMonth, "Next Month", "Show the next month", "go-next"},
    CommandInfo{Cmd::StaffSave, "Save", "Save the new staff member or the changes", "file-save"},

    // Child Center
    CommandInfo{Cmd::ChildAdd, "Add", "Add one child information", "record-add"},
    CommandInfo{Cmd::ChildEdit, "Edit", "Edit selected child information", "record-edit"},
    CommandInfo{Cmd::ChildDelete, "Delete", "Delete selected child information",
                 "record-delete"},
    CommandInfo{Cmd::ChildEmail, "Email", "Email the parents", "mail-send"},
    CommandInfo{Cmd::DailyAdd, "Add", "Add a daily record of the child", "record-add"},
    CommandInfo{Cmd::DailyEdit, "Edit", "Edit the selected daily record", "record-edit"},
    CommandInfo{Cmd::DailyDelete, "Delete", "Delete the selected daily record",
                 "record-delete"},

    // Family Center
    CommandInfo{Cmd::PaymentAdd, "Add", "Add a tuition payment", "record-add"},
    CommandInfo{Cmd::PaymentEdit, "Edit", "Edit the selected tuition payment", "record-edit"},
    CommandInfo{Cmd::PaymentDelete, "Delete", "Delete the selected tuition payment",
                 "record-delete"},
    CommandInfo{Cmd::PaymentMenuAdd, "Add", "Add this week's tuition row of the child",
                 "record-add"},
    CommandInfo{Cmd::PaymentMenuEdit, "Edit", "Enter what was paid for the selected week",
                 "record-edit"},
    CommandInfo{Cmd::PaymentMenuDelete, "Delete", "Delete the selected week",
                 "record-delete"},
    CommandInfo{Cmd::ShowMonthJanuary, "January", "List the weeks starting in January", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 1, "February", "List the weeks starting in February", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 2, "March", "List the weeks starting in March", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 3, "April", "List the weeks starting in April", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 4, "May", "List the weeks starting in May", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 5, "June", "List the weeks starting in June", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 6, "July", "List the weeks starting in July", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 7, "August", "List the weeks starting in August", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 8, "September", "List the weeks starting in September", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 9, "October", "List the weeks starting in October", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 10, "November", "List the weeks starting in November", ""},
    CommandInfo{Cmd::ShowMonthJanuary + 11, "December", "List the weeks starting in December", ""},

    // Tuition statement context menu
    CommandInfo{Cmd::StatementSetting, "Setting", "Choose the child and the month", ""},
    CommandInfo{Cmd::StatementEmail, "Email to Parent",
                 "Send the page with the statement to the child's parents", "mail-send"},

    // Take Photo
    CommandInfo{Cmd::CameraStart, "Start Camera", "Start capturing", "camera-start"},
    CommandInfo{Cmd::CameraStop, "Stop Camera", "Stop capturing", "camera-stop"},
    CommandInfo{Cmd::CameraTakeNow, "Take one now", "Store the camera's picture at once",
                 "camera-take-now"},
    CommandInfo{Cmd::CameraDriverFirst + 0, "Camera 1", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 1, "Camera 2", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 2, "Camera 3", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 3, "Camera 4", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 4, "Camera 5", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 5, "Camera 6", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 6, "Camera 7", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 7, "Camera 8", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 8, "Camera 9", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 9, "Camera 10", "Use this camera", "center-takephoto"},
    CommandInfo{Cmd::CameraDriverFirst + 10, "Camera 11", "Use this camera", "center-takephoto"},

    // Reports
    CommandInfo{Cmd::ReportStatement, "Tuition Statement",
                 "Show the tuition statement of the selected child", "report-statement"},
    CommandInfo{Cmd::ReportTuitionList, "Tuition List", "Show the tuition list of all children",
                 "report-tuition-list"},
    CommandInfo{Cmd::ReportStaff, "Staff Report", "Show the staff report", "report-staff"},
    CommandInfo{Cmd::ReportPreviousMonth, "Previous Month", "Previous month", "go-previous"},
    CommandInfo{Cmd::ReportNextMonth, "Next Month", "Next month", "go-next"},
    CommandInfo{Cmd::ReportEmail, "Email", "Email the current report", "mail-send"},
};

} // namespace

const CommandInfo* FindCommandInfo(int id)
{
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [id](const CommandInfo& info) { return info.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

QString PlainCommandText(const CommandInfo& info)
{
    QString text = QString::fromUtf8(info.text);
    text = text.left(text.indexOf(QLatin1Char('\t')));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
