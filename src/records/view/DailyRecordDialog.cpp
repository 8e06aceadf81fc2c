#include "records/view/DailyRecordDialog.h"

#include "widgets/DatePicker.h"
#include "widgets/DialogParts.h"
#include "platform/Clock.h"
#include "platform/UserPrompt.h"
#include "records/RecordsSchema.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

int ColumnWidth(const char* column)
{
    const auto* field = RecordsSchema::Table(RecordsSchema::kChildDailyRecord)
                            .Field(QLatin1String(column));
    return field ? field->size : 0;
}

// What to drop when a text runs past its limit: the end of what was just typed or
// pasted (it ends at the caret), so the text that was there stays whole.
struct TextOverflow
{
    int start;
    int count;
};

TextOverflow Overflow(int length, int caret, int limit)
{
    const int excess = length - limit;
    return {caret >= excess ? caret - excess : limit, excess};
}

} // namespace

DailyRecordDialog::DailyRecordDialog(const DailyRecord& record, QWidget* parent)
    : QDialog(parent), m_record(record)
{
    setWindowTitle(QStringLiteral("Child Infomation Dialog"));
    m_form = new QFormLayout;

    m_date = new DatePicker(record.date.isValid() ? record.date : Clock::TodayUtc());
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setToolTip(QStringLiteral("The day this record is about"));
    m_form->addRow(QStringLiteral("&Date:"), m_date);

    auto* childName = AddLineEdit(*m_form, QStringLiteral("Child Name:"),
                                  QStringLiteral("childName"), record.childName);
    childName->setEnabled(false);

    m_pickup = AddChoices(QStringLiteral("&Who Pickup:"), "whoPickup",
                          DailyRecords::PickupChoices(), record.pickup);
    m_pickup->setToolTip(QStringLiteral("Who collected the child: pick one or type a name"));
    KeepWithin(m_pickup->lineEdit(), "Pickup", QStringLiteral("Who Pickup"));

    m_pickupTime = AddChoices(QStringLiteral("Pickup &Time:"), "pickupTime",
                              DailyRecords::PickupTimeChoices(), record.pickupTime);
    m_pickupTime->setToolTip(QStringLiteral("When the child was collected: pick one or type "
                                            "a time"));
    KeepWithin(m_pickupTime->lineEdit(), "PickupTime", QStringLiteral("Pickup Time"));

    m_note = AddNote(QStringLiteral("T&eacher's Note:"), "teacherNote", record.note);
    m_note->setToolTip(QStringLiteral("The teachers' note about the child's day"));
    KeepWithin(m_note, "Note", QStringLiteral("Teacher's Note"));

    m_parentsNote = AddNote(QStringLiteral("&Parent's Note:"), "parentsNote",
                            record.parentsNote);
    m_parentsNote->setToolTip(QStringLiteral("What the parents asked or told the teachers"));
    KeepWithin(m_parentsNote, "ParentsNote", QStringLiteral("Parent's Note"));

    m_cutNotice = new QLabel;
    m_cutNotice->setObjectName(QStringLiteral("cutNotice"));
    m_cutNotice->setWordWrap(true);
    m_cutNotice->hide();
    auto* content = new QVBoxLayout;
    content->addLayout(m_form);
    content->addWidget(m_cutNotice);
    FinishDialog(*this, content);
    m_pickup->setFocus();
}

DailyRecord DailyRecordDialog::Record() const
{
    DailyRecord record = m_record;
    record.date = m_date->date();
    record.pickup = m_pickup->currentText();
    record.pickupTime = m_pickupTime->currentText();
    record.note = m_note->toPlainText();
    record.parentsNote = m_parentsNote->toPlainText();
    return record;
}

void DailyRecordDialog::accept()
{
    if (m_date->TakeTypedOrSay())
        QDialog::accept();
}

QString DailyRecordDialog::CutNotice() const
{
    return m_cutNotice->text();
}

QComboBox* DailyRecordDialog::AddChoices(const QString& label, const char* objectName,
                                            const QStringList& items, const QString& text)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(objectName));
    combo->setEditable(true);
    // What the user types is what is stored: no completion, no new entries.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    m_form->addRow(label, combo);
    return combo;
}

QPlainTextEdit* DailyRecordDialog::AddNote(const QString& label, const char* objectName,
                                              const QString& text)
{
    auto* edit = new QPlainTextEdit(text);
    edit->setObjectName(QLatin1String(objectName));
    edit->setTabChangesFocus(true);
    edit->setMinimumWidth(360);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 4 + 12);
    m_form->addRow(label, edit);
    return edit;
}

void DailyRecordDialog::KeepWithin(QLineEdit* edit, const char* column,
                                      const QString& fieldName)
{
    const int limit = ColumnWidth(column);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, limit, fieldName] {
        if (edit->text().size() <= limit)
            return;
        const TextOverflow drop = Overflow(edit->text().size(), edit->cursorPosition(), limit);
        edit->setSelection(drop.start, drop.count);
        edit->del();
        ShowCut(fieldName, limit);
    });
}

void DailyRecordDialog::KeepWithin(QPlainTextEdit* edit, const char* column,
                                      const QString& fieldName)
{
    const int limit = ColumnWidth(column);
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, limit, fieldName] {
        const int length = edit->toPlainText().size();
        if (length <= limit)
            return;
        QTextCursor cursor = edit->textCursor();
        const TextOverflow drop = Overflow(length, cursor.position(), limit);
        cursor.setPosition(drop.start);
        cursor.setPosition(drop.start + drop.count, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        edit->setTextCursor(cursor);
        ShowCut(fieldName, limit);
    });
}

void DailyRecordDialog::ShowCut(const QString& fieldName, int limit)
{
    m_cutNotice->setText(QStringLiteral("%1 holds at most %2 characters; the text beyond "
                                        "that was not taken.")
                             .arg(fieldName)
                             .arg(limit));
    m_cutNotice->show();
}
