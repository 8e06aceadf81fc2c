#include "settings/ProgramSettings.h"

#include "settings/SettingsKeys.h"
#include "platform/ColorRef.h"
#include "platform/SettingsStore.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

QString K(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

EmailSettings EmailSettings::Load(const SettingsStore& store)
{
    using namespace SettingsKey;
    const QString section = K(EmailSetting);
    EmailSettings defaults;
    EmailSettings s;
    s.useEmailService = store.GetInt(section, K(EmailService), defaults.useEmailService) != 0;
    s.startHour = store.GetInt(section, K(StartHour), defaults.startHour);
    s.startMinute = store.GetInt(section, K(StartMinute), defaults.startMinute);
    s.smtpServer = store.GetString(section, K(SmtpServer), defaults.smtpServer);
    s.sender = store.GetString(section, K(EmailSender), defaults.sender);
    s.imagesToSend = store.GetInt(section, K(ImagesToSend), defaults.imagesToSend);
    s.subject = store.GetString(section, K(EmailSubject), defaults.subject);
    s.body = store.GetString(section, K(EmailBody), defaults.body);
    s.password = store.GetString(section, K(Password), defaults.password);
    s.userName = store.GetString(section, K(UserName), defaults.userName);
    s.ssl = store.GetInt(section, K(Ssl), defaults.ssl) != 0;
    return s;
}

void EmailSettings::Save(SettingsStore& store) const
{
    using namespace SettingsKey;
    const QString section = K(EmailSetting);
    store.WriteInt(section, K(EmailService), useEmailService ? 1 : 0);
    store.WriteInt(section, K(StartHour), startHour);
    store.WriteInt(section, K(StartMinute), startMinute);
    store.WriteString(section, K(SmtpServer), smtpServer);
    store.WriteString(section, K(EmailSender), sender);
    store.WriteInt(section, K(ImagesToSend), imagesToSend);
    store.WriteString(section, K(EmailSubject), subject);
    store.WriteString(section, K(EmailBody), body);
    store.WriteString(section, K(Password), password);
    store.WriteString(section, K(UserName), userName);
    store.WriteInt(section, K(Ssl), ssl ? 1 : 0);
}

QDate LoadLastDailySending(const SettingsStore& store)
{
    using namespace SettingsKey;
    return QDate::fromString(store.GetString(K(EmailSetting), K(LastDailySending)), Qt::ISODate);
}

void SaveLastDailySending(SettingsStore& store, const QDate& day)
{
    using namespace SettingsKey;
    store.WriteString(K(EmailSetting), K(LastDailySending), day.toString(Qt::ISODate));
}

std::optional<StartTime> ParseStartTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return StartTime{};
    const qsizetype colon = trimmed.indexOf(QLatin1Char(':'));
    const QString hourText = (colon < 0 ? trimmed : trimmed.left(colon)).trimmed();
    const QString minuteText = colon < 0 ? QString() : trimmed.mid(colon + 1).trimmed();
    bool hourOk = false;
    bool minuteOk = true;
    const int hour = hourText.toInt(&hourOk);
    const int minute = minuteText.isEmpty() ? 0 : minuteText.toInt(&minuteOk);
    if (!hourOk || !minuteOk || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return StartTime{hour, minute};
}

QString FormatStartTime(int hour, int minute)
{
    return QStringLiteral("%1:%2").arg(hour).arg(minute);
}

namespace {

// A text setting of section SETTING and the member that holds it.
template <typename T>
struct TextSetting
{
    const char* key;
    QString T::*member;
};

template <typename T, std::size_t N>
T LoadTexts(const SettingsStore& store, const std::array<TextSetting<T>, N>& settings)
{
    const T defaults;
    T values;
    for (const auto& [key, member] : settings)
        values.*member = store.GetString(K(SettingsKey::Setting), K(key), defaults.*member);
    return values;
}

template <typename T, std::size_t N>
void SaveTexts(SettingsStore& store, const T& values, const std::array<TextSetting<T>, N>& settings)
{
    for (const auto& [key, member] : settings)
        store.WriteString(K(SettingsKey::Setting), K(key), values.*member);
}

constexpr std::array<TextSetting<CenterInfo>, 5> kCenterInfoSettings{{
    {SettingsKey::CenterName, &CenterInfo::name},
    {SettingsKey::CenterPhone, &CenterInfo::phone},
    {SettingsKey::CenterAddress, &CenterInfo::address},
    {SettingsKey::CenterManager, &CenterInfo::manager},
    {SettingsKey::CenterWebsite, &CenterInfo::website},
}};

constexpr std::array<TextSetting<TuitionRateTexts>, 4> kRateSettings{{
    {SettingsKey::FullTimeRate, &TuitionRateTexts::fullTime},
    {SettingsKey::PartTimeRate, &TuitionRateTexts::partTime},
    {SettingsKey::ExtraHourRate, &TuitionRateTexts::extraHour},
    {SettingsKey::CurrencySymbol, &TuitionRateTexts::currencySymbol},
}};

} // namespace

CenterInfo CenterInfo::Load(const SettingsStore& store)
{
    return LoadTexts(store, kCenterInfoSettings);
}

void CenterInfo::Save(SettingsStore& store) const
{
    SaveTexts(store, *this, kCenterInfoSettings);
}

TuitionRateTexts TuitionRateTexts::Load(const SettingsStore& store)
{
    return LoadTexts(store, kRateSettings);
}

void TuitionRateTexts::Save(SettingsStore& store) const
{
    SaveTexts(store, *this, kRateSettings);
}

TuitionRates TuitionRates::FromTexts(const TuitionRateTexts& texts)
{
    TuitionRates rates;
    rates.fullTime = RateFromText(texts.fullTime);
    rates.partTime = RateFromText(texts.partTime);
    rates.extraHour = RateFromText(texts.extraHour);
    rates.currencySymbol = texts.currencySymbol;
    return rates;
}

double RateFromText(const QString& text)
{
    // Like the C library's atof, but independent of the locale's decimal point.
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

TextToolDefaults TextToolDefaults::Load(const SettingsStore& store)
{
    using namespace SettingsKey;
    const QString section = K(TextInfo);
    const TextToolDefaults defaults;
    TextToolDefaults d;
    d.faceName = store.GetString(section, K(FaceName), defaults.faceName);
    d.charSet = store.GetInt(section, K(CharSet), defaults.charSet);
    d.weight = store.GetInt(section, K(Weight), defaults.weight);
    d.italic = store.GetInt(section, K(Italic), defaults.italic) != 0;
    d.underline = store.GetInt(K(TextTool), K(Underline), defaults.underline) != 0;
    d.foreColor = static_cast<unsigned int>(
        store.GetInt(section, K(ForeColor), static_cast<int>(defaults.foreColor)));
    d.backColor = static_cast<unsigned int>(
        store.GetInt(section, K(BackColor), static_cast<int>(defaults.backColor)));
    d.opaque = store.GetInt(section, K(Opaque), defaults.opaque) != 0;
    d.opacity = store.GetInt(section, K(Opacity), 0) / 100.0;
    d.roundRadius = store.GetInt(section, K(RoundRadius), defaults.roundRadius);
    d.antialias = store.GetInt(section, K(Antialias), defaults.antialias) != 0;
    return d;
}

QColor LoadCanvasBackground(const SettingsStore& store, const QColor& defaultColor)
{
    using namespace SettingsKey;
    const int stored = store.GetInt(K(Setting), K(BackgroundColor),
                                    int(ToColorRef(defaultColor)));
    // Whatever a hand-edited file holds, only the colour bytes count.
    return ToQColor(ColorRef(stored));
}

void SaveCanvasBackground(SettingsStore& store, const QColor& color)
{
    using namespace SettingsKey;
    store.WriteInt(K(Setting), K(BackgroundColor), int(ToColorRef(color)));
}
