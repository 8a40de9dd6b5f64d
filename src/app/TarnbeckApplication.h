#pragma once
// The application object. It is the general error handler: an error that
// leaves an event handler (a conversion error, a file input/output error) is
// shown in the standard error box, the handler stops there, and the program
// goes on.

#include <QApplication>

namespace tb {

class TarnbeckApplication : public QApplication {
    Q_OBJECT
public:
    TarnbeckApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Creates the main window and the long-lived forms, in start-up order.
void CreateForms();

} // namespace tb
