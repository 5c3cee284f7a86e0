#include "captions.h"

#include <QHash>

#include <cstdio>
#include <cstdlib>

namespace captions {

namespace {

// en, de, fr, es, it
const QList<Row>& rows() {
    static const QList<Row> table{
        // Navigation bar (page buttons, normal and pressed share the caption).
        {"normal", {"Basic Info", "Grunddaten", "Infos de base", "Info básica", "Info di base"}},
        {"rtdata", {"Real-time Data", "Echtzeitdaten", "Temps réel", "Tiempo real", "Tempo reale"}},
        {"alarmpro",
         {"Alarm & Protection", "Alarm & Schutz", "Alarmes & protection", "Alarmas y protección",
          "Allarmi e protezioni"}},
        {"History", {"History", "Verlauf", "Historique", "Historial", "Cronologia"}},
        {"updatepan",
         {"Upgrade", "Aktualisierung", "Mise à jour", "Actualización", "Aggiornamento"}},
        {"SendData",
         {"Send Data", "Daten senden", "Envoi de données", "Enviar datos", "Invia dati"}},

        // Real-time page.
        // Beside the number of the battery shown.
        {"Bat", {"Battery", "Batterie", "Batterie", "Batería", "Batteria"}},
        {"rtdataon",
         {"RTData ON", "Echtzeit EIN", "Démarrer temps réel", "Activar tiempo real",
          "Avvia tempo reale"}},
        {"rtdataoff",
         {"RTData OFF", "Echtzeit AUS", "Arrêter temps réel", "Detener tiempo real",
          "Ferma tempo reale"}},
        {"download", {"Download", "Exportieren", "Exporter", "Exportar", "Esporta"}},
        {"cleanallen",
         {"Clean All", "Alle löschen", "Tout effacer", "Borrar todo", "Cancella tutto"}},

        // Alarm and protection page.
        {"Alarmprotecet",
         {"Alarm & Protection", "Alarm & Schutz", "Alarmes & protection", "Alarmas y protección",
          "Allarmi e protezioni"}},

        // Records page.
        {"event", {"Event", "Ereignisse", "Événements", "Eventos", "Eventi"}},
        {"HistBtn", {"History", "Verlauf", "Historique", "Historial", "Cronologia"}},
        {"continue", {"Continue", "Weiter", "Continuer", "Continuar", "Continua"}},

        // Upgrade page.
        {"UpdateBtn", {"Upgrade", "Aktualisieren", "Mettre à jour", "Actualizar", "Aggiorna"}},
        {"wake", {"Wake", "Aufwecken", "Réveiller", "Despertar", "Risveglia"}},
        {"uboot",
         {"Boot Loader", "Bootloader", "Chargeur d'amorçage", "Cargador de arranque",
          "Bootloader"}},
        {"Confirm", {"Confirm", "Bestätigen", "Confirmer", "Confirmar", "Conferma"}},

        // Battery group view.
        {"group",
         {"Battery Group", "Batteriegruppe", "Groupe de batteries", "Grupo de baterías",
          "Gruppo batterie"}},
        {"alarm", {"Alarm", "Alarm", "Alarme", "Alarma", "Allarme"}},
        {"balance", {"Balance", "Ausgleich", "Équilibrage", "Balanceo", "Bilanciamento"}},
        {"moson", {"ON", "EIN", "MARCHE", "ACTIVO", "ACCESO"}},
        {"mosoff", {"OFF", "AUS", "ARRÊT", "INACTIVO", "SPENTO"}},
        // %1 is the battery number.
        {"BatN", {"Battery %1", "Batterie %1", "Batterie %1", "Batería %1", "Batteria %1"}},

        // Battery info view.
        {"BatTwo", {"Battery", "Batterie", "Batterie", "Batería", "Batteria"}},
        {"info", {"Information", "Informationen", "Informations", "Información", "Informazioni"}},
        {"details", {"Details", "Details", "Détails", "Detalles", "Dettagli"}},
        {"Add", {"Add", "Hinzufügen", "Ajouter", "Añadir", "Aggiungi"}},
    };
    return table;
}

} // namespace

const QStringList& languages() {
    static const QStringList codes{"en", "de", "fr", "es", "it"};
    return codes;
}

QString text(const char* key, const QString& language) {
    const int column = languages().indexOf(language);
    for (const Row& row : rows()) {
        if (qstrcmp(row.key, key) == 0 && column >= 0 && column < row.text.size())
            return row.text.at(column);
    }
    std::fprintf(stderr, "no caption for %s/%s\n", key, qPrintable(language));
    std::abort();
}

UpgradeNote upgradeNote(const QString& language) {
    // Title, the log-in step, what each upgrade button does (the buttons' own captions are
    // the keywords), and the warning.
    static const QHash<QString, QStringList> notes{
        {"en",
         {"Firmware upgrade", "Log in to the unit over its serial port first.",
          "updates the host unit or a battery with a .bin image.",
          "wakes a battery that waits in its boot loader, then upgrades it.",
          "updates the boot loader of the host unit.",
          "Do not disconnect or switch off the system while upgrading!"}},
        {"de",
         {"Firmware-Aktualisierung", "Zuerst über die serielle Schnittstelle am Gerät anmelden.",
          "aktualisiert Steuergerät oder Batterie mit einer .bin-Datei.",
          "weckt eine Batterie im Bootloader und aktualisiert sie dann.",
          "aktualisiert den Bootloader des Steuergeräts.",
          "Während der Aktualisierung das System nicht trennen oder ausschalten!"}},
        {"fr",
         {"Mise à jour du micrologiciel", "Connectez-vous d'abord à l'unité par son port série.",
          "met à jour l'unité principale ou une batterie avec un fichier .bin.",
          "réveille une batterie restée dans son chargeur d'amorçage, puis la met à jour.",
          "met à jour le chargeur d'amorçage de l'unité principale.",
          "Ne débranchez pas et n'éteignez pas le système pendant la mise à jour !"}},
        {"es",
         {"Actualización del firmware", "Conéctese primero a la unidad por su puerto serie.",
          "actualiza la unidad principal o una batería con un archivo .bin.",
          "despierta una batería que espera en su cargador de arranque y la actualiza.",
          "actualiza el cargador de arranque de la unidad principal.",
          "¡No desconecte ni apague el sistema durante la actualización!"}},
        {"it",
         {"Aggiornamento del firmware", "Collegarsi prima all'unità tramite la porta seriale.",
          "aggiorna l'unità principale o una batteria con un file .bin.",
          "risveglia una batteria in attesa nel bootloader e poi la aggiorna.",
          "aggiorna il bootloader dell'unità principale.",
          "Non scollegare né spegnere il sistema durante l'aggiornamento!"}},
    };
    const QStringList n = notes.value(language, notes.value("en"));
    UpgradeNote note;
    note.title = n.at(0);
    note.steps = {{QString(), n.at(1)},
                  {text("UpdateBtn", language), n.at(2)},
                  {text("wake", language), n.at(3)},
                  {text("uboot", language), n.at(4)}};
    note.warning = n.at(5);
    return note;
}

} // namespace captions
