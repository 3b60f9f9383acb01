// The window versions of the message-box, file-dialog and view-focus seams,
// installed while the main window exists.
#pragma once
#include <memory>

#include "model/document/docservices.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"

class QWidget;

// Message boxes and file dialogs over the given window.
std::unique_ptr<INotifier> MakeMessageBoxNotifier(QWidget* parent);
std::unique_ptr<IFileChooser> MakeFileDialogChooser(QWidget* parent);
// The view has the focus unless a modal dialog holds it.
std::unique_ptr<IViewFocus> MakeWidgetFocus(QWidget* view);
