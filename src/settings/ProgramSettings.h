#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <optional>

class SettingsStore;

// The mail account and the daily sending, section EMAILSETTING.
struct EmailSettings
{
    static constexpr const char* kDefaultServer = "smtp.gmail.com";
    static constexpr const char* kDefaultSender = "quillon0@gmail.com";
    static constexpr const char* kDefaultPassword = "sample26";

    bool useEmailService = true;
    int startHour = 13;
    int startMinute = 10;
    QString smtpServer = QString::fromLatin1(kDefaultServer);
    QString sender = QString::fromLatin1(kDefaultSender);
    int imagesToSend = 1;
    QString subject = QStringLiteral("email from childcare");
    QString body = QStringLiteral("Photos of your child");
    QString password = QString::fromLatin1(kDefaultPassword);
    QString userName = QStringLiteral("quillon0");
    bool ssl = true;

    static EmailSettings Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
    bool operator==(const EmailSettings&) const = default;
};

// The day the daily sending last went through every folder; invalid when never.
QDate LoadLastDailySending(const SettingsStore& store);
void SaveLastDailySending(SettingsStore& store, const QDate& day);

// The time of day from which the daily sending may start.
struct StartTime
{
    int hour = 13;
    int minute = 30;
    bool operator==(const StartTime&) const = default;
};

// Reads "hour:minute" as typed in the e-mail settings. An empty text is 13:30; a
// missing minute is 0; anything that is not a time of day gives nullopt.
std::optional<StartTime> ParseStartTime(const QString& text);
// The start time as the e-mail settings show it ("%d:%d").
QString FormatStartTime(int hour, int minute);

// The center's details printed on statements, section SETTING.
struct CenterInfo
{
    QString name;
    QString phone;
    QString address;
    QString manager;
    QString website;

    static CenterInfo Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
    bool operator==(const CenterInfo&) const = default;
};

// The rates as typed, section SETTING; they are stored as text.
struct TuitionRateTexts
{
    QString fullTime = QStringLiteral("66.66");
    QString partTime = QStringLiteral("69.66");
    QString extraHour = QStringLiteral("30.00");
    QString currencySymbol = QStringLiteral("$");

    static TuitionRateTexts Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
    bool operator==(const TuitionRateTexts&) const = default;
};

// The daily rates in use.
struct TuitionRates
{
    double fullTime = 66.66;
    double partTime = 69.66;
    double extraHour = 30.00;
    QString currencySymbol = QStringLiteral("$");

    static TuitionRates FromTexts(const TuitionRateTexts& texts);
};

// A rate as the program reads it: the longest leading decimal number of the text,
// 0 when the text does not start with one.
double RateFromText(const QString& text);

// The defaults of new text objects, section TEXTINFO (and lfUnderline in TextTool).
struct TextToolDefaults
{
    QString faceName = QStringLiteral("Times New Roman");
    int charSet = 238;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    unsigned int foreColor = 10551295;   // 0x00BBGGRR: red 255, green 255, blue 160
    unsigned int backColor = 10506240;   // red 0, green 80, blue 160
    bool opaque = true;
    double opacity = 0.0;                // stored as a percentage
    int roundRadius = 25;
    bool antialias = true;

    static TextToolDefaults Load(const SettingsStore& store);
};

// The page's background colour chosen under Settings, section SETTING, kept as colours
// are everywhere: 0x00BBGGRR.
QColor LoadCanvasBackground(const SettingsStore& store, const QColor& defaultColor);
void SaveCanvasBackground(SettingsStore& store, const QColor& color);
