#pragma once

#include <QDialog>
#include <QFont>

class QListWidget;

// The five symbols the text dialog offers a button each: copyright, per mille,
// reference mark, degree Celsius and section sign.
QString QuickSymbols();

// A font that has every one of `characters`: "Lucida Sans Unicode" where installed,
// else the first common face that has them all, else the default face.
QFont SymbolFont(const QString& characters, int pixelSize);

// "Symbols": a grid of common symbols; OK or a double click gives the chosen one.
class SymbolPickerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SymbolPickerDialog(QWidget* parent = nullptr);

    // The symbols offered: the common ones the symbol font can draw.
    static QStringList Symbols();

    // The chosen symbol, empty when none is chosen.
    QString Symbol() const;
    void Select(const QString& symbol);

private:
    QListWidget* m_grid = nullptr;
};
