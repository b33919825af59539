// The player's texts in French. A translation is a file of this shape, chosen by QUORVANE_LANGUE.
#include "base/Textes.h"

namespace base {
namespace {

using enum Texte;

// clang-format off
constexpr LigneTexte kTextes[] = {
    {OngletCpu,                 L"CPU"},
    {OngletMemoire,             L"MÉMOIRE"},
    {OngletGraphiques,          L"GRAPHIQUES"},
    {OngletOs,                  L"OS"},
    {OngletDirectx,             L"DIRECTX"},
    {TitreCpu,                  L"Configuration du CPU :"},
    {TitreMemoire,              L"Configuration de la mémoire :"},
    {TitreCarte,                L"Configuration de la carte graphique :"},
    {TitreOs,                   L"Configuration de l'OS :"},
    {TitreDirectx,              L"Configuration de Directx :"},
    {LegendeCpu,                L"CPU :"},
    {LegendeVitesse,            L"Vitesse du CPU :"},
    {LegendeTotalRam,           L"Total de RAM :"},
    {LegendeVirtuel,            L"Total de mémoire virtuelle :"},
    {LegendePage,               L"Total de mémoire page :"},
    {LegendeMarque,             L"Marque :"},
    {LegendeMemoireVideo,       L"Total Mémoire :"},
    {LegendeTaille,             L"Taille Actuelle :"},
    {LegendeRafraichissement,   L"Taux Rafraich. :"},
    {LegendeResolution,         L"Résolution :"},
    {LegendePilotes,            L"Version Pilotes :"},
    {Legende3D,                 L"Fait du 3D :"},
    {LegendeVersionOs,          L"Version de l'OS :"},
    {LegendeAutre,              L"Autre :"},
    {LegendeVersionDx,          L"Version de Directx :"},
    {ValeurMhz,                 L"{0} MHz"},
    {ValeurMo,                  L"{0} Mo"},
    {ValeurMb,                  L"{0} MB"},
    {ValeurTaille,              L"{0} X {1}"},
    {ValeurHz,                  L"{0} Hz"},
    {ValeurBits,                L"{0} Bits"},
    {Oui,                       L"Oui"},
    {Non,                       L"Non"},
    {RapportCpu,                 L"CPU              : "},
    {RapportVitesse,             L"VITESSE          : "},
    {RapportRam,                 L"TOTAL RAM        : "},
    {RapportVirtuel,             L"MEMOIRE VIRTUEL  : "},
    {RapportPage,                L"MEMOIRE PAGE     : "},
    {RapportCarte,               L"CARTE VIDEO      : "},
    {RapportMemoireVideo,        L"MEMOIRE          : "},
    {RapportTaille,              L"TAILLE           : "},
    {RapportRafraichissement,    L"TAUX RAFFRAI.    : "},
    {RapportResolution,          L"RESOLUTION       : "},
    {RapportPilotes,             L"VERSION PILOTES  : "},
    {Rapport3D,                  L"FAIT DU 3D       : "},
    {RapportOs,                  L"OS               : "},
    {RapportAutre,               L"AUTRE            : "},
    {RapportDirectx,             L"Version DIRECTX  : "},

    {TitreApplication,          L"Lecture de configuration"},
    {TitreFenetre,              L"Quorvane."},
    {BulleAide,                 L"Aide du logiciel Quorvane"},
    {BulleAPropos,              L"A propos du logiciel Quorvane"},
    {BulleExporter,             L"Appuyer ici pour exporter votre configuration vers un fichier texte"},
    {BulleQuitter,              L"Appuyer ici pour Quitter"},
    {BulleFermer,               L"Appuyez ici pour quitter"},
    {EtatDetection,             L"Détection du matériel effectuée avec succès !"},
    {EtatRejoue,                L"Relevé rejoué : {0}"},
    {EtatSauvegarde,            L"Sauvegarder effectuée !"},
    {EtatCopie,                 L"Rapport copié dans le presse-papiers."},
    {MenuCopier,                L"Co&pier le rapport"},
    {PressePapiersOccupe,       L"Le presse-papiers est occupé par un autre programme. Réessayez dans un instant"},
    {DialogueExporter,          L"Exporter sous..."},
    {FiltreExport,              L"Fichier TXT (*.TXT)|*.txt"},
    {NomVert,                   L"vert"},
    {NomJaune,                  L"jaune"},
    {NomRouge,                  L"rouge"},
    {NomImage,                  L"{0}. {1}"},

    {TitreAPropos,              L"A propos"},
    {AProduit,                  L"Quorvane"},
    {AVersion,                  L"Version {0}"},
    {ACopyright,                L"Copyright © 2004"},
    {AAuteur,                   L"Auteur : l'équipe Quorvane"},
    {AGraphismes,               L"Graphismes : l'équipe Quorvane"},
    {AMarques,                  L"Les marques et les images affichées par ce logiciel appartiennent à leurs propriétaires "
                                L"respectifs."},
    {ASite,                     L"Ce logiciel a été réalisé pour le site des fans du jeu. Il ne peut pas être utilisé sur "
                                L"un autre site sans l'autorisation de son auteur."},
    {ATests,                    L"Les tests suivent la configuration minimale publiée sur le site officiel du jeu."},
    {ADate,                     L"Date de la configuration minimale : 7 mai 2004."},
    {ASiteFans,                 L"Site des fans : http://fans.example.org"},
    {ASiteJeu,                  L"Site officiel du jeu : http://jeu.example.org"},
    {AContact,                  L"Pour toute question ou tout problème, écrivez à support@example.org"},
    {BoutonOk,                  L"OK"},

    {CmtBien,                   L"Le jeu devrait bien fonctionner !"},
    {CmtPasse,                  L"Le jeu va fonctionner !"},
    {CmtEchoue,                 L"Danger ! Le jeu ne fonctionnera pas !"},
    {CmtSansTL,                 L"Danger ! Votre carte vidéo ne supporte probablement pas T&&L !"},
    {CmtOsRisque,               L"Danger ! Le jeux risque de ne pas fonctionner avec cet OS !"},
    {CmtRamNonTestee,           L"Danger ! La configuration actuelle ne permet pas de tester le RAM !"},
    {CmtTLProbable,             L"Votre carte devrait supporter le T&&L."},
    {CmtTLIncertain,            L"Note: Ce n'est pas parce que votre carte fait du 3D qu'elle supporte le T&&L."},
    {CmtCarteIntrouvable,       L"Impossible de détecter votre carte video."},
    {CmtTLAbsent,               L"Votre carte ne supporte pas T&&L."},
    {CmtDxRecent,               L"Votre version de Directx est assez recente."},
    {CmtDxAbsent,               L"Impossible de trouver DirectX. Veuillez installer la dernière version disponible."},
    {CmtDxAncien,               L"Cette Version de directx est trop ancienne. Veuillez la mettre a jour."},

    {BulleOsDetecte,            L"Détecté : {0}. Il faut Windows 98, ME, 2000 ou XP."},
    {BulleOsInconnu,            L"Ce système n'a pas été reconnu : Windows 98, ME, 2000 ou XP attendu."},
    {BulleSysteme,              L" Votre système : {0}."},
    {BulleSystemeWine,          L" Votre système : {0}, sous Wine {1}."},
    {BulleWine,                 L" Sous Wine {0}."},
    {BulleWineHote,             L"{0}, {1}"},
    {ConseilWine,               L" Pour lancer le jeu : dans winecfg, onglet Applications, ajoutez son programme et "
                                L"choisissez la version de Windows « Windows XP »."},
    {ConseilCompatibilite,      L" Pour lancer le jeu : clic droit sur son programme > Propriétés > Compatibilité, cochez "
                                L"le mode de compatibilité « Windows XP (Service Pack 3) » ; s'il le demande, exécutez-le "
                                L"aussi en tant qu'administrateur."},
    {BulleRam,                  L"Mesuré : {0} Mo. Il faut plus de {1} Mo."},
    {BulleRamNonJugee,          L" La mémoire ne peut donc pas être jugée."},
    {BulleCarte3D,              L"Mesuré : carte 3D, {0} Mo de mémoire vidéo. Il faut une carte 3D ; plus de {1} Mo de "
                                L"mémoire vidéo pour le T&L."},
    {BulleCarteIntrouvable,     L"La carte graphique n'a pas pu être examinée. Il faut une carte 3D."},
    {BulleCarteSans3D,          L"Mesuré : pas d'accélération 3D. Il faut une carte 3D."},
    {BullePiloteDeBase,         L" Le pilote de votre carte graphique n'est pas installé : Windows utilise son pilote de "
                                L"base, sans 3D. Installez celui du fabricant de la carte."},
    {BulleCpuBarres,            L" Il faut plus de {0} MHz avec une carte 3D, plus de {1} MHz sans."},
    {BulleCpuSansMesure,        L"La vitesse du processeur n'a pas pu être mesurée : {0} pendant la pause. Relancez le "
                                L"programme pour la mesurer à nouveau."},
    {PauseCycles,               L"le compteur de cycles du processeur a reculé"},
    {PauseCompteurRecule,       L"le compteur de temps de Windows a reculé"},
    {PauseCompteurArrete,       L"le compteur de temps de Windows n'a pas avancé"},
    {BulleCpu,                  L"Mesuré : {0} MHz."},
    {BulleCpuSans3D,            L"Mesuré : {0} MHz, sans carte 3D."},
    {BulleCpuEmule,             L" Ce programme est émulé sous Windows sur ARM : le nom et la vitesse du processeur sont "
                                L"ceux que donne Windows."},
    {BulleDxAbsent,             L"DirectX n'a pas été trouvé. Il faut DirectX {0} ou plus."},
    {BulleDx,                   L"Mesuré : DirectX {0}. Il faut DirectX {1} ou plus."},

    // ASCII, as they join the findings' single-byte texts.
    {Inconnue,                  L"Inconnue"},
    {OsInconnu,                 L"OS inconnu"},
    {DxAuMoins,                 L" et/ou +"},
    {CarteIllisible,            L"Impossible de lire les infos de votre carte graphique."},
    {TitreAttention,            L"Attention !"},
    {ReleveIllisible,           L"Relevé illisible : {0}"},
    {ReleveRefus,               L"{0} : {1}."},
    {ReleveRefusLigne,          L"{0}, ligne {1} : {2}."},
    {ReleveTropGrand,           L"le fichier dépasse 1 Mo"},
    {RelevePasUnReleve,         L"ce n'est pas un relevé de Quorvane"},
    {ReleveFormatUlterieur,     L"ce relevé est au format {0}, cette version de Quorvane lit le format {1} ; "
                                L"mettez Quorvane à jour"},
    {ReleveMalFormee,           L"ligne mal formée"},
    {ReleveRepetee,             L"réponse répétée : {0}"},
    {ReleveManquante,           L"il manque la réponse {0}"},
    {ReleveReponseIgnoree,      L"{0}, ligne {1} : réponse inconnue {2}, d'une version plus récente ; lue sans elle."},
    {EtatRejoueIgnorees,        L"Relevé rejoué : {0} (réponses d'une version plus récente lues sans elles : {1})"},

    // Typed as `Quorvane`, the console twin runs: the prompt waits and the exit code reaches it. PowerShell
    // runs nothing from the current folder without ".\" before its name, and is given the twin's full name,
    // whatever PATHEXT says.
    {Usage,                     L"Quorvane : lecture de configuration.\r\n"
                                L"\r\n"
                                L"Quorvane\r\n"
                                L"    Ouvre la fenêtre.\r\n"
                                L"Quorvane /rapport FICHIER\r\n"
                                L"    Examine le PC sans fenêtre et enregistre le rapport dans FICHIER.\r\n"
                                L"    Un FICHIER dont le nom finit par .json reçoit le rapport en JSON.\r\n"
                                L"Quorvane /releve FICHIER\r\n"
                                L"    Enregistre dans FICHIER ce que le PC a répondu à l'examen (un relevé).\r\n"
                                L"    Pour signaler un problème : Quorvane /releve releve.txt, puis joignez le fichier\r\n"
                                L"    (dans PowerShell : .\\Quorvane.com /releve releve.txt).\r\n"
                                L"Quorvane /rejouer RELEVE\r\n"
                                L"    Ouvre la fenêtre telle que le PC du relevé l'a montrée.\r\n"
                                L"Quorvane /rejouer RELEVE /rapport FICHIER\r\n"
                                L"    Enregistre dans FICHIER le rapport du PC du relevé.\r\n"
                                L"Quorvane /?\r\n"
                                L"    Affiche cette aide.\r\n"
                                L"\r\n"
                                L"Code de sortie : 0 si le fichier est enregistré, 1 sinon.\r\n"
                                L"Dans PowerShell, tapez .\\Quorvane.com au lieu de Quorvane : PowerShell attend\r\n"
                                L"alors la fin, et $LASTEXITCODE donne ce code.\r\n"},
    {FichierManquant,           L"Il manque le nom du fichier après {0}.\r\n\r\n{1}"},
    {LancementImpossible,       L"Impossible de lancer {0}."},
    {ErreurConversion,          L"Erreur de conversion du texte"},
    {ErreurInconnue,            L"Erreur inconnue"},
    {ImageIntrouvable,          L"Image introuvable : {0}"},
    {CopieImpossible,           L"Impossible de copier dans le presse-papiers"},
    {ErreurEcriture,            L"Erreur d'écriture dans le flux"},
    {CreationImpossible,        L"Impossible de créer le fichier {0}"},
    {CreationImpossibleNouveau, L"Impossible de créer le fichier {0} : le nouveau contenu est dans {1}"},
    {CreationImpossibleLesDeux, L"Impossible de créer le fichier {0} : l'ancien contenu est dans {1}, le nouveau "
                                L"contenu est dans {2}"},
    {OuvertureImpossible,       L"Impossible d'ouvrir le fichier {0}"},
    {LectureImpossible,         L"Impossible de lire le fichier {0}"},
    {NomReserve,                L"« {0} » est un nom réservé de Windows ; choisissez-en un autre"},
};
// clang-format on
static_assert(TableComplete(kTextes), "every id once, in the ids' order");

}  // namespace

const wchar_t* Dire(Texte id) {
  const auto i = static_cast<size_t>(id);
  return i < kNombreTextes ? kTextes[i].texte : L"";
}

}  // namespace base
