#include "app/TuitionRatesDialog.h"

#include "widgets/DialogParts.h"
#include "platform/UserPrompt.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

bool IsRate(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*\\d+(\\.\\d*)?\\s*$|^\\s*\\.\\d+\\s*$"));
    return number.match(text).hasMatch();
}

} // namespace

TuitionRatesDialog::TuitionRatesDialog(const TuitionRateTexts& rates, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Daily tuition setting"));
    auto* form = new QFormLayout;
    m_fullTime = AddLineEdit(*form, QStringLiteral("&Fulltime Daily Rate:"),
                             QStringLiteral("fullTimeRate"), rates.fullTime);
    m_partTime = AddLineEdit(*form, QStringLiteral("&Parttime Daily Rate:"),
                             QStringLiteral("partTimeRate"), rates.partTime);
    m_extraHour = AddLineEdit(*form, QStringLiteral("&Extra Hour Rate:"),
                              QStringLiteral("extraHourRate"), rates.extraHour);
    m_currency = AddLineEdit(*form, QStringLiteral("&Currency Symbol:"),
                             QStringLiteral("currencySymbol"), rates.currencySymbol);
    m_fullTime->setToolTip(QStringLiteral("Daily fee of a child enrolled five days a week"));
    m_partTime->setToolTip(QStringLiteral("Daily fee of a child enrolled fewer days a week"));
    m_extraHour->setToolTip(QStringLiteral("Charge for each extra hour"));
    m_currency->setToolTip(QStringLiteral("Shown before amounts on statements"));
    m_currency->setMaxLength(8);
    FinishDialog(*this, form);
}

TuitionRateTexts TuitionRatesDialog::Rates() const
{
    return {m_fullTime->text().trimmed(), m_partTime->text().trimmed(),
            m_extraHour->text().trimmed(), m_currency->text()};
}

void TuitionRatesDialog::accept()
{
    const std::pair<QLineEdit*, const char*> fields[] = {
        {m_fullTime, "Fulltime Daily Rate"},
        {m_partTime, "Parttime Daily Rate"},
        {m_extraHour, "Extra Hour Rate"},
    };
    for (const auto& [edit, name] : fields) {
        if (!IsRate(edit->text())) {
            Prompt().Warn(QStringLiteral("%1 must be an amount such as 66.66.")
                              .arg(QString::fromLatin1(name)));
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}
