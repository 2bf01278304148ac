#include "ui/plateforme/Plateforme.h"

#include "ui/plateforme/Enregistrement.h"

#include <QFileInfo>
#include <QPrinter>

#include <cstdlib>

namespace {
Plateforme *courante = nullptr;
}

Plateforme &plateforme()
{
    if (courante == nullptr)
        std::abort(); // installed by the program entry, or by a test
    return *courante;
}

void installePlateforme(Plateforme *p)
{
    courante = p;
}

QString Plateforme::fichierAEnregistrer(QWidget *parent, const QString &titre,
                                        const QString &proposition, const QStringList &filtres,
                                        QString &filtre)
{
    // The dialog asks nothing before replacing: the name it returns may still
    // lack its extension, and the question must be about the file written.
    QString propose = Enregistrement::proposition(proposition);
    for (;;) {
        const QString choisi = dialogueEnregistrement(parent, titre, propose, filtres, filtre);
        if (choisi.isEmpty())
            return {};
        // A known extension typed wins over the filter chosen.
        for (const QString &f : filtres)
            if (QFileInfo(choisi).suffix().compare(Enregistrement::extensionDuFiltre(f),
                                                   Qt::CaseInsensitive) == 0)
                filtre = f;
        const QString chemin =
            Enregistrement::avecExtension(choisi, Enregistrement::extensionDuFiltre(filtre));
        propose = chemin;
        const QFileInfo info(chemin);
        if (info.exists() && !info.isDir() &&
            !remplacement(Enregistrement::questionRemplacement(chemin)))
            continue;
        if (QFileInfo(info.absolutePath()).isWritable())
            Enregistrement::retiensDossier(chemin);
        return chemin;
    }
}

bool Plateforme::impression(QPrinter &imprimante, QWidget *parent)
{
    for (;;) {
        if (!dialogueImpression(imprimante, parent))
            return false;
        const QString nom = imprimante.outputFileName();
        if (imprimante.outputFormat() != QPrinter::PdfFormat || nom.isEmpty())
            return true;
        // The dialog asked about the name as typed; a name it had to complete
        // is asked about here.
        const QString chemin = Enregistrement::avecExtension(nom, QStringLiteral("pdf"));
        if (chemin != nom) {
            imprimante.setOutputFileName(chemin);
            if (QFileInfo(chemin).isFile() &&
                !remplacement(Enregistrement::questionRemplacement(chemin)))
                continue;
        }
        if (QFileInfo(QFileInfo(chemin).absolutePath()).isWritable())
            Enregistrement::retiensDossier(chemin);
        return true;
    }
}
