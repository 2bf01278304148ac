#pragma once

#include "mesure/Releve.h"

#include <QByteArray>
#include <QList>

// What both readers share: the file's lines, numbers read without the locale,
// and each point checked before it is kept. Every refusal names the file and
// the line.
namespace Mesure {

// The file's lines without their line ends (LF, CRLF or CR alone).
QList<QByteArray> lignes(const QByteArray &octets);

class Collecte {
public:
    explicit Collecte(QString nom) { releve_.nom = std::move(nom); }

    [[noreturn]] void refuse(int ligne, const QString &raison) const;
    [[noreturn]] void refuseFichier(const QString &raison) const;
    // A number as written, with a decimal point: anything else refuses the line.
    double nombre(int ligne, const QByteArray &texte) const;
    // Keeps a point once its frequency follows the previous one and its
    // reflection is that of a passive load.
    void ajoute(int ligne, double frequenceHz, Complexe gamma, const QByteArray &texteFrequence);
    void fixeReference(double ohms) { releve_.referenceOhms = ohms; }
    std::size_t nombrePoints() const { return releve_.points.size(); }
    // The sweep read, refused when it holds no point.
    Releve fin();

private:
    Releve releve_;
    QByteArray textePrecedent_;
};

Releve litTouchstone(const QByteArray &octets, const QString &nom);
Releve litCsv(const QByteArray &octets, const QString &nom);

} // namespace Mesure
