#include "widgets/ModalRunner.h"

#include <QDialog>

namespace {

ModalHook& Hook()
{
    static ModalHook hook;
    return hook;
}

} // namespace

int RunModal(QDialog& dialog)
{
    if (Hook())
        return Hook()(dialog);
    return dialog.exec();
}

ModalHook SetModalHook(ModalHook hook)
{
    std::swap(hook, Hook());
    return hook;
}
