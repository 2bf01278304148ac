#pragma once

#include <QString>

// What the program does once its command line is read.
struct Suite {
    bool fenetre = false;              // open the main window
    bool quitteApresAffichage = false; // and end the run once it is up
    int code = 0;                      // the exit status when there is no window
    QString langue = {};               // the texts' language, "--langue" or the settings'
    QString projet = {};               // a project file to open ("kesu antenne.kesu")
};

// Reads the whole command line before any window is made, so that --help,
// --version, --nec and a bad option need no display. They run under a
// QCoreApplication that ends with this function, in the language chosen.
Suite traiteArguments(int &argc, char **argv);
