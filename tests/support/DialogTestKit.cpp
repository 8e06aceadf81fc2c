#include "support/DialogTestKit.h"

#include "widgets/ModalRunner.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

void DialogTest::ScriptNextDialog(std::function<void(QDialog&)> script)
{
    SetModalHook([this, script](QDialog& dialog) {
        ++m_dialogsRun;
        dialog.show();
        script(dialog);
        return dialog.result();
    });
}

void Press(QDialog& dialog, int standardButton)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(box, nullptr);
    box->button(QDialogButtonBox::StandardButton(standardButton))->click();
}

void Type(QWidget* widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = QKeySequence(QString(c).toUpper())[0].key();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}
