#pragma once
// The application object. Handlers' errors are caught where they run
// (RunHandler); the application only backs that up: an error that still
// reaches it is shown in the standard error box and the program goes on.

#include <QApplication>

namespace tb {

class TarnbeckApplication : public QApplication {
    Q_OBJECT
public:
    TarnbeckApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Gives a new data folder the starter course list the program carries, as
// the launcher does, so that the first window finds a course list. A folder
// it cannot be written to is said so in an error box.
void PlaceStarterCourseList();
// Creates the main window and the long-lived forms, in start-up order: the
// main window is made and shown first, and the other forms are made once it
// has been drawn (TMainForm::MakeWaitingForms).
void StartForms();

} // namespace tb
