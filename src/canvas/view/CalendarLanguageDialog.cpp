#include "canvas/view/CalendarLanguageDialog.h"

#include "canvas/objects/CalendarSettings.h"
#include "widgets/DialogParts.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kLongestName = 40;

QList<QLineEdit*> AddNameFields(QFormLayout& form, const QStringList& englishNames,
                                const QString& prefix)
{
    QList<QLineEdit*> fields;
    for (int i = 0; i < englishNames.size(); ++i) {
        QLineEdit* edit = AddLineEdit(form, englishNames[i] + QLatin1Char(':'),
                                      prefix + QString::number(i + 1), QString());
        edit->setMaxLength(kLongestName);
        edit->setToolTip(QStringLiteral("Your word for %1").arg(englishNames[i]));
        fields << edit;
    }
    return fields;
}

QStringList Texts(const QList<QLineEdit*>& fields)
{
    QStringList texts;
    for (const QLineEdit* field : fields)
        texts << field->text().trimmed();
    return texts;
}

void Fill(const QList<QLineEdit*>& fields, const QStringList& texts)
{
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(texts.value(i));
}

} // namespace

CalendarLanguageDialog::CalendarLanguageDialog(bool useOwnNames, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Language"));
    const CalendarSettings english = CalendarSettings::English();

    auto* months = new QGroupBox(QStringLiteral("Months"));
    auto* monthForm = new QFormLayout(months);
    m_months = AddNameFields(*monthForm, english.monthNames, QStringLiteral("month"));
    auto* weekdays = new QGroupBox(QStringLiteral("Weekdays"));
    auto* weekdayForm = new QFormLayout(weekdays);
    m_weekdays = AddNameFields(*weekdayForm, english.weekdayNames, QStringLiteral("weekday"));

    m_useOwnNames = new QCheckBox(QStringLiteral("&Use these names on this calendar"));
    m_useOwnNames->setObjectName(QStringLiteral("useOwnNames"));
    m_useOwnNames->setChecked(useOwnNames);
    auto* reset = new QPushButton(QStringLiteral("&English Names"));
    reset->setObjectName(QStringLiteral("englishNames"));
    reset->setAutoDefault(false);
    reset->setToolTip(QStringLiteral("Put the English names back into every field"));
    connect(reset, &QPushButton::clicked, this, &CalendarLanguageDialog::ShowEnglishNames);
    weekdayForm->addRow(reset);

    auto* columns = new QHBoxLayout;
    columns->addWidget(months);
    columns->addWidget(weekdays, 0, Qt::AlignTop);
    auto* content = new QVBoxLayout;
    content->addLayout(columns);
    content->addWidget(m_useOwnNames);
    FinishDialog(*this, content);

    ShowNames(CalendarSettings::Load(Settings()));
}

void CalendarLanguageDialog::ShowNames(const CalendarSettings& names)
{
    Fill(m_months, names.monthNames);
    Fill(m_weekdays, names.weekdayNames);
}

void CalendarLanguageDialog::ShowEnglishNames()
{
    ShowNames(CalendarSettings::English());
}

QStringList CalendarLanguageDialog::MonthNames() const
{
    return Texts(m_months);
}

QStringList CalendarLanguageDialog::WeekdayNames() const
{
    return Texts(m_weekdays);
}

bool CalendarLanguageDialog::UseOwnNames() const
{
    return m_useOwnNames->isChecked();
}

void CalendarLanguageDialog::accept()
{
    for (QLineEdit* field : m_months + m_weekdays) {
        if (field->text().trimmed().isEmpty()) {
            Prompt().Warn(QStringLiteral("Please enter a name for every month and weekday."));
            field->setFocus();
            return;
        }
    }
    CalendarSettings names;
    names.monthNames = MonthNames();
    names.weekdayNames = WeekdayNames();
    if (!names.SaveNames(Settings()))
        Prompt().Warn(QStringLiteral("The names could not be saved; they are used until the program closes."));
    QDialog::accept();
}
