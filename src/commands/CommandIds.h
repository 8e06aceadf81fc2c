#pragma once

// Every command of the program keeps its numeric id here. Menus, toolbars, keys and
// tests all reach a command through its id.
namespace Cmd {

// File
inline constexpr int FileSave = 97;
inline constexpr int FileNew = 98;
inline constexpr int FileOpen = 99;
inline constexpr int FileSaveAs = 33133;
inline constexpr int FilePageSetup = 57605;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintDirect = 57608;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileExportPdf = 107;
inline constexpr int AppExit = 57665;
inline constexpr int CanvasPrintSetup = 526;   // print setup as the canvas receives it

// View: the centers
inline constexpr int ViewStartPage = 529;
inline constexpr int ViewEditCenter = 919;
inline constexpr int ViewPhotoCenter = 1154;
inline constexpr int ViewStaffCenter = 801;
inline constexpr int ViewChildCenter = 33158;
inline constexpr int ViewFamilyCenter = 114;
inline constexpr int ViewTakePhoto = 800;
inline constexpr int ViewReports = 785;

// Settings
inline constexpr int OpenFolder = 536;
inline constexpr int CenterInformation = 33213;
inline constexpr int DailyTuition = 33215;
inline constexpr int EmailServer = 767;
inline constexpr int Database = 33230;
inline constexpr int BackgroundColor = 32825;

// Help
inline constexpr int HelpTopics = 57667;
inline constexpr int HelpContext = 57669;
inline constexpr int Help = 57670;
inline constexpr int About = 57664;

// Panes
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;

// Status bar zoom controls
inline constexpr int StatusZoomIn = 4786;
inline constexpr int StatusZoomOut = 4787;
inline constexpr int StatusActualSize = 4795;
inline constexpr int StatusZoomSlider = 3292;

// Canvas zoom
inline constexpr int CanvasZoomIn = 929;
inline constexpr int CanvasZoom100 = 930;
inline constexpr int CanvasZoomOut = 931;

// Canvas editing
inline constexpr int Undo = 923;
inline constexpr int Redo = 924;
inline constexpr int Cut = 952;
inline constexpr int CopyObjects = 32996;
inline constexpr int PasteObjects = 32997;
inline constexpr int CopyAsPicture = 33001;
inline constexpr int ApplyImageFromClipboard = 33005;
inline constexpr int DeleteObjects = 33016;
inline constexpr int BringToFront = 937;
inline constexpr int SendToBack = 938;
inline constexpr int OneStepFront = 963;
inline constexpr int OneStepBack = 964;
inline constexpr int AlignBottom = 939;
inline constexpr int AlignTop = 940;
inline constexpr int AlignLeft = 941;
inline constexpr int AlignRight = 942;
inline constexpr int SameWidth = 273;
inline constexpr int SameHeight = 274;
inline constexpr int LockObject = 720;
inline constexpr int UnlockObject = 721;
inline constexpr int RectangleSelection = 925;
inline constexpr int FreehandSelection = 950;
inline constexpr int EllipseSelection = 32858;
inline constexpr int Deselection = 953;
inline constexpr int SaveAsImage = 926;
inline constexpr int SaveAsImageAlt = 321;

// Photo adjustments and effects
inline constexpr int RotateLeft = 921;
inline constexpr int RotateRight = 922;
inline constexpr int RotateAngle = 955;
inline constexpr int Mirror = 1150;
inline constexpr int Flip = 957;
inline constexpr int Crop = 956;
inline constexpr int Trim = 538;
inline constexpr int EdgeFade = 958;
inline constexpr int Prune = 130;
inline constexpr int Resize = 959;
inline constexpr int Lighten = 947;
inline constexpr int Darken = 946;
inline constexpr int MoreContrast = 949;
inline constexpr int LessContrast = 948;
inline constexpr int MoreSaturation = 268;
inline constexpr int LessSaturation = 269;
inline constexpr int ColorBalance = 264;
inline constexpr int Transparency = 263;
inline constexpr int Blur = 265;
inline constexpr int Soften = 271;
inline constexpr int CircleFade = 270;
inline constexpr int Beveled = 266;
inline constexpr int TornEdge = 267;
inline constexpr int GrayScale = 749;
inline constexpr int InEllipse = 969;
inline constexpr int InRoundRectangle = 970;
inline constexpr int AddBorder = 961;
inline constexpr int AddFrame = 32901;
inline constexpr int AddShadow = 968;
inline constexpr int ApplyTo = 954;

// Calendar context menu
inline constexpr int CalendarFont = 632;
inline constexpr int CalendarOptions = 633;
inline constexpr int CalendarLanguage = 634;
inline constexpr int CalendarHolidays = 635;
inline constexpr int CalendarRectangle = 636;
inline constexpr int CalendarRoundRectangle = 637;
inline constexpr int CalendarTransparent = 638;
inline constexpr int CalendarJanuary = 639;   // to CalendarJanuary + 11, December
inline constexpr int CalendarDecember = 650;
inline constexpr int CalendarNextYear = 651;

// Drawing tools and insertions
inline constexpr int ToolLine = 740;
inline constexpr int ToolArrowedLine = 328;
inline constexpr int ToolRectangle = 741;
inline constexpr int ToolRoundRectangle = 742;
inline constexpr int ToolEllipse = 744;
inline constexpr int ToolHeart = 110;
inline constexpr int ToolStars = 743;
inline constexpr int ToolShape26 = 738;
inline constexpr int ToolFreehandShape = 330;
inline constexpr int ToolClosedFreehand = 725;
inline constexpr int ToolOpenFreehand = 726;
inline constexpr int ToolPolyline = 724;
inline constexpr int InsertText = 935;
inline constexpr int InsertCalendar = 960;
inline constexpr int InsertTuitionSheet = 118;
inline constexpr int BasicShapes = 731;
inline constexpr int BlockArrows = 732;
inline constexpr int Callouts = 733;
inline constexpr int Symbols = 734;

// Line, fill and shadow styles
inline constexpr int LineColor = 739;
inline constexpr int FillColorButton = 735;
inline constexpr int FillColor = 936;
inline constexpr int LineWidth = 736;
inline constexpr int LineType = 737;
inline constexpr int ShadowMenu = 722;
inline constexpr int NoShadow = 32983;
inline constexpr int HardShadow = 32984;
inline constexpr int SoftShadow = 32985;
inline constexpr int GlowShadow = 32986;
inline constexpr int NotFill = 32981;
inline constexpr int SolidFill = 32992;
inline constexpr int CustomFill = 783;
inline constexpr int Effect3D = 498;
inline constexpr int GetStyle = 768;
inline constexpr int ApplyStyle = 769;

// Text formatting
inline constexpr int FontName = 701;
inline constexpr int TextBold = 702;
inline constexpr int TextItalic = 703;
inline constexpr int TextUnderline = 704;
inline constexpr int TextColor = 705;
inline constexpr int TextAlignLeft = 707;
inline constexpr int TextAlignRight = 708;
inline constexpr int TextAlignCenter = 709;
inline constexpr int TextTurnLeft = 710;
inline constexpr int TextTurnRight = 711;
inline constexpr int TextAlignJustify = 712;
inline constexpr int TextArt = 713;
inline constexpr int FontSize = 715;

// Photo Center list
inline constexpr int IconMode = 3288;
inline constexpr int ReportMode = 3289;
inline constexpr int EditPhoto = 2889;
inline constexpr int MoveFile = 32874;
inline constexpr int CopyFile = 32875;
inline constexpr int PasteFile = 32876;
inline constexpr int DeleteFile = 32877;
inline constexpr int RenameFile = 32878;
inline constexpr int ListZoomOut = 3290;
inline constexpr int ListZoomIn = 3291;
inline constexpr int ListActualSize = 3293;

// Folder tree
inline constexpr int TreeExportPhotos = 2773;
inline constexpr int TreeImportPhotos = 2774;
inline constexpr int TreeAddFolder = 2775;
inline constexpr int TreeDeleteFolder = 2776;
inline constexpr int TreeHideFolder = 2777;
inline constexpr int TreeRenameFolder = 2778;
inline constexpr int TreeRefreshSelection = 2779;
inline constexpr int TreeAddNewsletter = 5002;
inline constexpr int TreeOpenDocument = 5005;
inline constexpr int TreeDeleteDocument = 5008;
inline constexpr int TreeRenameDocument = 5009;
inline constexpr int TreeSendEmail = 1365;

// Staff Center
inline constexpr int StaffAdd = 972;
inline constexpr int StaffEdit = 973;
inline constexpr int StaffDelete = 974;
inline constexpr int StaffEmail = 975;
inline constexpr int StaffAddWeek = 33164;
inline constexpr int StaffEditCalendar = 812;
inline constexpr int StaffPreviousMonth = 813;
inline constexpr int StaffNextMonth = 814;
inline constexpr int StaffSave = 1378;

// Child Center
inline constexpr int ChildAdd = 33165;
inline constexpr int ChildEdit = 33166;
inline constexpr int ChildDelete = 33167;
inline constexpr int ChildEmail = 109;
// the daily records' right-click menu
inline constexpr int DailyEdit = 33181;
inline constexpr int DailyAdd = 33183;
inline constexpr int DailyDelete = 33184;

// Family Center
inline constexpr int PaymentAdd = 115;
inline constexpr int PaymentEdit = 116;
inline constexpr int PaymentDelete = 117;
// the payment list's right-click menu "ChildPayment"
inline constexpr int PaymentMenuAdd = 33186;
inline constexpr int PaymentMenuEdit = 33187;
inline constexpr int PaymentMenuDelete = 33189;
inline constexpr int ShowMonthJanuary = 33191;    // to ShowMonthJanuary + 11, December
inline constexpr int ShowMonthDecember = 33202;

// the tuition statement's right-click menu "Tuition Statement"
inline constexpr int StatementSetting = 33207;
inline constexpr int StatementEmail = 33211;

// Take Photo
inline constexpr int CameraStart = 120;
inline constexpr int CameraStop = 121;
inline constexpr int CameraTakeNow = 1104;
inline constexpr int CameraDriverFirst = 1105;   // to CameraDriverFirst + 10, the eleventh camera
inline constexpr int CameraDriverLast = 1115;

// Reports
inline constexpr int ReportStatement = 594;
inline constexpr int ReportTuitionList = 33217;
inline constexpr int ReportStaff = 131;
inline constexpr int ReportPreviousMonth = 122;
inline constexpr int ReportNextMonth = 123;
inline constexpr int ReportEmail = 595;

} // namespace Cmd
