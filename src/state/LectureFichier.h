#pragma once

#include <QByteArray>
#include <QString>

// Why reading a whole file failed.
enum class EchecLecture {
    Aucun,
    Absent,
    Dossier,
    NonOrdinaire, // a device, a pipe or a socket: it could block or never end
    TropGrand,
    AccesRefuse,
    Illisible,
};

// Reads a plain file of at most `max` bytes into `octets`, looking at it
// before it is opened: a pipe would block the program and a device would feed
// it without end. Every file the program reads from the user goes through
// here: the band table and projects.
EchecLecture LitFichierBorne(const QString &chemin, qint64 max, QByteArray &octets);

// Why a file could not be read, as a clause of a sentence ("le fichier
// n'existe pas"); `tropGrand` says it of a file over its bound, in words that
// fit what the file was meant to hold.
QString RaisonLecture(EchecLecture echec, const QString &tropGrand);
