#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;

// A form laid out like a paper one: each row holds two label and field pairs, one in
// each half, or one pair across the whole row. Labels line up in two columns; the
// label's & gives its field the access key.
class FormGrid
{
public:
    enum class Half { Left, Right };

    explicit FormGrid(QGridLayout& grid);

    // `note` is a short text after the field ("(days/week)").
    QLabel* Add(int row, Half half, const QString& label, QWidget* field,
                const QString& note = {});
    QLabel* AddWide(int row, const QString& label, QWidget* field, const QString& note = {});

private:
    QLabel* AddPair(int row, int column, int span, const QString& label, QWidget* field,
                    const QString& note);

    QGridLayout& m_grid;
};
