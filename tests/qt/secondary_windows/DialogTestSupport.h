// Shared by the dialog tests: showing a dialog modally, intercepting web
// pages, finding controls by their design names.
#pragma once

#include "QtTestHelpers.h"

#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QLabel;

namespace mrv::test {

struct DialogKind {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
};
const DialogKind& instructionsKind();
const DialogKind& aboutKind();

// Shows a fresh dialog with exec(), as the main window's Help menu does, and
// runs `whileOpen` once it is active. Whatever is still open afterwards is
// closed. Returns false if the dialog never became active.
bool runModal(const DialogKind& kind, const std::function<void(QDialog&)>& whileOpen);

// Waits until `dialog`'s modal showing has ended.
bool waitClosed(QDialog& dialog);

// Mouse input as the window system delivers it: hit-tested in the window and
// subject to modal blocking. `at` is in `widget`'s coordinates, its centre
// if omitted.
void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
void doubleClick(QWidget* widget, QPoint at = {});
void press(QWidget* widget, QPoint at = {});
void release(QWidget* widget, QPoint at = {});

} // namespace mrv::test
