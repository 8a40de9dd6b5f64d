#include "Handlers.h"

#include "widgets/Dialogs.h"
#include "widgets/Latin1.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QListWidget>

#include <exception>

namespace tb {

namespace {
QWidget* ErrorBoxParent(const QWidget* context) {
    if (context && context->window()->isVisible()) return context->window();
    return QApplication::activeWindow();
}

void ShowError(const QWidget* context, const QString& text) noexcept {
    try {
        Dialogs::Error(ErrorBoxParent(context), text);
    } catch (...) {
        // Nothing more can be done for an error box that cannot be shown.
    }
}
} // namespace

bool RunHandler(const QWidget* context, const std::function<void()>& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowError(context, ToQt(error.what()));
    } catch (...) {
        ShowError(context, "Unexpected error");
    }
    return false;
}

void BindCommand(QWidget* context, const std::function<void()>& handler, QAbstractButton* button,
                 QAction* item, QListWidget* doubleClickedList) {
    if (button) Connect(button, &QAbstractButton::clicked, context, handler);
    if (item) Connect(item, &QAction::triggered, context, handler);
    if (doubleClickedList)
        Connect(doubleClickedList, &QListWidget::itemDoubleClicked, context, handler);
}

} // namespace tb
