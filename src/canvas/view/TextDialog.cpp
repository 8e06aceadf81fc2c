#include "canvas/view/TextDialog.h"

#include "canvas/view/SymbolPickerDialog.h"
#include "widgets/DialogParts.h"
#include "widgets/ModalRunner.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QString SymbolName(QChar symbol)
{
    switch (symbol.unicode()) {
    case 0x00A9:
        return QStringLiteral("copyright sign");
    case 0x2030:
        return QStringLiteral("per mille sign");
    case 0x203B:
        return QStringLiteral("reference mark");
    case 0x2103:
        return QStringLiteral("degree Celsius sign");
    case 0x00A7:
        return QStringLiteral("section sign");
    default:
        return QStringLiteral("symbol");
    }
}

} // namespace

TextDialog::TextDialog(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Text Dialog"));

    m_text = new QTextEdit;
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setAcceptRichText(false);
    m_text->setTabChangesFocus(true);
    m_text->setPlainText(text);
    m_text->moveCursor(QTextCursor::End);
    m_text->setMinimumSize(380, 160);
    m_text->setToolTip(QStringLiteral("The text to place on the page; Ctrl+Enter closes with OK"));
    auto* textLabel = new QLabel(QStringLiteral("&Text:"));
    textLabel->setBuddy(m_text);

    auto* symbols = new QHBoxLayout;
    const QString quick = QuickSymbols();
    const QFont symbolFont = SymbolFont(quick, 18);
    for (const QChar symbol : quick) {
        auto* button = new QPushButton(QString(symbol));
        button->setObjectName(QStringLiteral("symbol") +
                              QString::number(symbol.unicode(), 16).rightJustified(4, u'0').toUpper());
        button->setFont(symbolFont);
        button->setFixedSize(36, 32);
        button->setAutoDefault(false);
        button->setToolTip(QStringLiteral("Insert the %1 at the caret").arg(SymbolName(symbol)));
        connect(button, &QPushButton::clicked, this, [this, symbol] { InsertSymbol(QString(symbol)); });
        symbols->addWidget(button);
    }
    auto* more = new QPushButton(QStringLiteral("&More..."));
    more->setObjectName(QStringLiteral("moreSymbols"));
    more->setAutoDefault(false);
    more->setToolTip(QStringLiteral("Choose from more symbols"));
    connect(more, &QPushButton::clicked, this, &TextDialog::ChooseMoreSymbols);
    symbols->addWidget(more);
    symbols->addStretch();
    auto* symbolsLabel = new QLabel(QStringLiteral("Symbols:"));

    auto* content = new QVBoxLayout;
    content->addWidget(textLabel);
    content->addWidget(m_text);
    content->addWidget(symbolsLabel);
    content->addLayout(symbols);
    FinishDialog(*this, content);

    m_text->installEventFilter(this);
    m_text->setFocus();
}

// Enter starts a new line in the text, so OK takes Ctrl+Enter there.
bool TextDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers().testFlag(Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString TextDialog::Text() const
{
    return m_text->toPlainText();
}

void TextDialog::InsertSymbol(const QString& symbol)
{
    m_text->insertPlainText(symbol);
    m_text->setFocus();
}

void TextDialog::ChooseMoreSymbols()
{
    SymbolPickerDialog picker(this);
    if (RunModal(picker) == QDialog::Accepted && !picker.Symbol().isEmpty())
        InsertSymbol(picker.Symbol());
}
