#pragma once

// Sections and keys of the per-user settings. Every part of the program reads and
// writes its settings under these names and no others.
namespace SettingsKey {

inline constexpr const char* General = "General";
inline constexpr const char* MenuStyle = "MenuStyle";
inline constexpr const char* GlobalObjectId = "GlobalObjectID";

inline constexpr const char* Setting = "SETTING";
inline constexpr const char* RootDirectory = "ROOTDIRECTORY";
inline constexpr const char* CenterName = "CHILDCARECENTERNAME";
inline constexpr const char* CenterPhone = "CHILDCARECENTERPHONE";
inline constexpr const char* CenterAddress = "CHILDCARECENTERADDRESS";
inline constexpr const char* CenterManager = "CHILDCARECENTERMANAGER";
inline constexpr const char* CenterWebsite = "CHILDCARECENTERWEBSITE";
inline constexpr const char* CenterTitle = "CHILDCARECENTER";
inline constexpr const char* FullTimeRate = "FULLTIMERATE";
inline constexpr const char* PartTimeRate = "PARTTIMERATE";
inline constexpr const char* ExtraHourRate = "EXTRAHOURRATE";
inline constexpr const char* CurrencySymbol = "CURRENCYSYMBOL";
inline constexpr const char* WeekStart = "WEEKSTART";
inline constexpr const char* WeekEnd = "WEEKEND";
inline constexpr const char* PublicHolidays = "PUBLICHOLIDAYS";
inline constexpr const char* PublicHolidayN = "PUBLICHOLIDAY_%1";   // from 1
inline constexpr const char* MonthN = "MONTH_%1";                   // 1..12
inline constexpr const char* WeekdayN = "WEEKDAY_%1";               // 1..7
inline constexpr const char* FileIndex = "FILEINDEX";
inline constexpr const char* DiagramIndex = "DIAGRAMIDX";
inline constexpr const char* BackgroundColor = "BACKGROUNDCOLOR";   // 0x00BBGGRR

inline constexpr const char* Settings = "SETTINGS";
inline constexpr const char* RecentFolderN = "RECENTFOLDER%1";      // from 1
inline constexpr const char* RecentFolderNo = "RECENTFOLDERNO";
inline constexpr const char* RecentFolders = "RECENTFOLDERS";

inline constexpr const char* EmailSetting = "EMAILSETTING";
inline constexpr const char* EmailService = "EMAILSERVICE";
inline constexpr const char* StartHour = "STARTHOUR";
inline constexpr const char* StartMinute = "STARTMINUTE";
inline constexpr const char* SmtpServer = "SMTPSERVER";
inline constexpr const char* EmailSender = "EMAILSENDER";
inline constexpr const char* ImagesToSend = "IMAGESTOSEND";
inline constexpr const char* EmailSubject = "EMAILSUBJECT";
inline constexpr const char* EmailBody = "EMAILBODY";
inline constexpr const char* Password = "PASSWORD";
inline constexpr const char* UserName = "USERNAME";
inline constexpr const char* Ssl = "SSL";
inline constexpr const char* LastDailySending = "LASTDAILYSENDING";   // yyyy-MM-dd

// Where the records live: a server's address without its password, or empty for the
// WRN.mdb file of this computer; PASSWORD as above.
inline constexpr const char* Database = "DATABASE";
inline constexpr const char* DatabaseUrl = "URL";

inline constexpr const char* TextInfo = "TEXTINFO";
inline constexpr const char* TextTool = "TextTool";
inline constexpr const char* FaceName = "lfFaceName";
inline constexpr const char* CharSet = "lfCharSet";
inline constexpr const char* Weight = "lfWeight";
inline constexpr const char* Italic = "lfItalic";
inline constexpr const char* Underline = "lfUnderline";   // read from TextTool
inline constexpr const char* ForeColor = "fcolor";
inline constexpr const char* BackColor = "bcolor";
inline constexpr const char* Opaque = "opaque";
inline constexpr const char* Opacity = "opacity";
inline constexpr const char* RoundRadius = "roundradius";
inline constexpr const char* Antialias = "antialias";

} // namespace SettingsKey
