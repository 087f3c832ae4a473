#pragma once

#include "app/app_state.h"
#include "app/startup.h"
#include "db/product_db.h"

#include <QApplication>

// The application object: owns the state of the run and the database
// connection, runs start-up and then the main window until it closes.
class CArveloCalcApp : public QApplication {
public:
    CArveloCalcApp(int& argc, char** argv);

    // Returns the main window's result once it has closed.
    int initInstance();

private:
    AppState state_;
    ProductDb db_;
    WorkingFolders folders_;
};
