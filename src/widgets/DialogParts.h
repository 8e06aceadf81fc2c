#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QFormLayout;
class QLayout;
class QLineEdit;

// Pieces every settings dialog is made of.

// A labelled single-line field on a form; the label's & gives the field its access key.
QLineEdit* AddLineEdit(QFormLayout& form, const QString& label, const QString& objectName,
                       const QString& text);

// Puts the content above OK and Cancel, wires the two buttons to accept and reject,
// and fixes the dialog's size to its content. Returns the button box.
QDialogButtonBox* FinishDialog(QDialog& dialog, QLayout* content);
