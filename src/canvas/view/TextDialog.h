#pragma once

#include <QDialog>

class QTextEdit;

// "Text Dialog": the text of a text object, with buttons for the symbols that are
// hard to type.
class TextDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TextDialog(const QString& text = QString(), QWidget* parent = nullptr);

    QString Text() const;

    // Puts a symbol at the caret, replacing any selection, and returns to the text.
    void InsertSymbol(const QString& symbol);
    // "More...": the larger symbol choice.
    void ChooseMoreSymbols();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_text = nullptr;
};
