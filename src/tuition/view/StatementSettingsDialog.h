#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QSpinBox;

// "Tuition Statement Setting": which child and which month a statement shows.
class StatementSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 2009;
    static constexpr int kLastYear = 2050;

    // Offers the names that are a child's (not empty, "AAA" or "ZZZ") and shows
    // `childName` chosen when it is one of them, else the first. Without any child the
    // dialog says so and OK stays disabled.
    StatementSettingsDialog(const QStringList& childNames, const QString& childName, int year,
                         int month, QWidget* parent = nullptr);

    QString ChildName() const;
    int Year() const;
    int Month() const;

private:
    QComboBox* m_child = nullptr;
    QComboBox* m_month = nullptr;
    QSpinBox* m_year = nullptr;
};
