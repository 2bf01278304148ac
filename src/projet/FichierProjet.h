#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A project file (.kesu): every input of the main window, the NEC-2 check and
// the advised lengths, and free notes, as UTF-8 text, one "key = value" a
// line, so that a design reads, diffs and mails well. Reading never trusts
// the file: a key it does not know is kept; a missing key leaves its default;
// a bad value is named with its line and not used, the others read; a newer
// format opens read-only.
// The user's file is theirs: saving a read project changes only the values
// that changed, in place. Lines not understood, a key given twice, comments,
// blank lines, spacing, line ends and bytes that are not UTF-8 are written
// back as they came, so that a file carrying its format line (every file this
// program writes does) is saved unchanged, byte for byte, when nothing changed;
// a file of a newer format is saved in this one, its format line changed.
namespace Projet {

inline constexpr int Format = 1;
// Far beyond any project (a few kilobytes): a bigger file is not opened.
inline constexpr qint64 TailleMax = 1024 * 1024;

struct Valeur {
    QString cle;
    QString valeur;
    bool operator==(const Valeur &) const = default;
};

// One line of a read file, as it came.
struct Ligne {
    QByteArray octets; // the whole line, its line end included
    // The key whose value this line holds (its first line), else empty: a
    // comment, a blank line, a line not understood or a key given again.
    QString cle;
    qsizetype debut = 0, fin = 0; // where the value sits in octets
    // The value as read; nothing when it was bad (a changed value replaces it).
    std::optional<QString> lue;
};

struct Fichier {
    int format = Format;
    std::vector<Valeur> valeurs; // in the file's order, known keys and others
    QString notes;               // free text, any number of lines
    // The lines of the file read, empty for a new project: written back with
    // the changes in place.
    std::vector<Ligne> lignes;
    bool lu = false; // read from a file, even an empty one

    std::optional<QString> valeur(const QString &cle) const;
    // Replaces the key's value, or adds it at the end. A value is one line
    // without spaces around it.
    void pose(const QString &cle, const QString &valeur);
    // The same values and notes, in whatever order and whatever lines.
    bool operator==(const Fichier &autre) const;
};

// A value of a known key that does not fit it: the window keeps the default
// and says so, a command refuses the project.
struct ValeurRefusee {
    int ligne;
    QString cle;
    QString valeur;
    QString raison; // what it should be
};

struct Lecture {
    Fichier fichier;
    QStringList fautes;                  // one sentence a line not used, naming it
    std::vector<ValeurRefusee> refusees; // among them, the bad values
    bool lectureSeule = false;           // a newer format: saved only under another name
    bool sansFormat = false;             // no usable format line: one is added when saved
};

// Never throws: what cannot be read is said in fautes. `bandes`, the band
// table's, are the bands "bandes" may name (when empty, any number).
Lecture lit(const QByteArray &texte, const QList<int> &bandes = {});
// A new project: a heading, the format, the keys in the program's order, the
// notes. A read one: its lines with the changes in place, new keys at the
// end, a missing format line added after the leading comments; always in this
// program's format.
QByteArray ecrit(const Fichier &f);

// Written whole or not at all, the previous file kept until then; false with
// the reason when it cannot be.
bool enregistre(const QString &chemin, const Fichier &f, QString &raison);
// The file's bytes, or nothing with the reason: only a regular file of at
// most TailleMax bytes is read.
std::optional<QByteArray> charge(const QString &chemin, QString &raison);

} // namespace Projet
