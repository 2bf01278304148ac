#pragma once

// What the program does once its command line is read.
struct Suite {
    bool fenetre = false;              // open the main window
    bool quitteApresAffichage = false; // and end the run once it is up
    int code = 0;                      // the exit status when there is no window
};

// Reads the whole command line before any window is made, so that --help,
// --version, --nec and a bad option need no display. The NEC-2 check runs
// here, under a QCoreApplication that ends with it.
Suite traiteArguments(int &argc, char **argv);
