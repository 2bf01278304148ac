#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A project file (.kesu): every input of the main window, the NEC-2 check and
// the advised lengths, and free notes, as UTF-8 text, one "key = value" a
// line, so that a design reads, diffs and mails well. Reading never trusts
// the file: a key it does not know is kept and written back; a missing key
// leaves its default; a bad value is named with its line and dropped, the
// others read; a newer format opens read-only.
namespace Projet {

inline constexpr int Format = 1;

struct Valeur {
    QString cle;
    QString valeur;
    bool operator==(const Valeur &) const = default;
};

struct Fichier {
    int format = Format;
    std::vector<Valeur> valeurs; // in the file's order, known keys and others
    QString notes;               // free text, any number of lines

    std::optional<QString> valeur(const QString &cle) const;
    // Replaces the key's value, or adds it at the end.
    void pose(const QString &cle, const QString &valeur);
    // The same values, in whatever order.
    bool operator==(const Fichier &autre) const;
};

struct Lecture {
    Fichier fichier;
    QStringList fautes;        // one sentence a bad line, naming it
    bool lectureSeule = false; // a newer format: saved only under another name
};

// Never throws: what cannot be read is said in fautes.
Lecture lit(const QByteArray &texte);
QByteArray ecrit(const Fichier &f);

// Written whole or not at all, the previous file kept until then; false with
// the reason when it cannot be.
bool enregistre(const QString &chemin, const Fichier &f, QString &raison);
// The file's text, or nothing with the reason.
std::optional<QByteArray> charge(const QString &chemin, QString &raison);

} // namespace Projet
