#pragma once

#include <functional>

class QDialog;

// Runs the program's own modal dialogs. Tests install a hook that fills in the
// dialog and presses its buttons instead of waiting for a person.
using ModalHook = std::function<int(QDialog&)>;

int RunModal(QDialog& dialog);
// Installs a hook (an empty one restores exec()) and returns the previous one.
ModalHook SetModalHook(ModalHook hook);
