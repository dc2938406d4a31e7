#include "platform/ui/ShowModal.h"

#include <QPointer>
#include <QTimer>

namespace {
ModalHook& currentHook()
{
    static ModalHook hook;
    return hook;
}
} // namespace

int ShowModal(QDialog& dialog)
{
    if (currentHook()) {
        ModalHook hook = currentHook();
        QPointer<QDialog> guarded(&dialog);
        QTimer::singleShot(0, &dialog, [hook, guarded] {
            if (!guarded)
                return;
            hook(*guarded);
            if (guarded && guarded->isVisible())
                guarded->reject();
        });
    }
    return dialog.exec();
}

ModalHook SetModalHook(ModalHook hook)
{
    ModalHook previous = currentHook();
    currentHook() = std::move(hook);
    return previous;
}
