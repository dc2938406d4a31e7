#pragma once

#include <QDialog>
#include <functional>

// Every modal window is shown through here, so tests can drive it.
using ModalHook = std::function<void(QDialog& dialog)>;

// Shows the dialog modally and returns its result. With a hook installed, the hook receives the
// dialog once it is shown, drives it and must close it; a hook that leaves it open gets it rejected.
int ShowModal(QDialog& dialog);

// Replaces the hook that drives modal windows; returns the previous one.
ModalHook SetModalHook(ModalHook hook);
