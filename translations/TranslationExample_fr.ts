<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AddBarcode</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Notice:Please enter a 16-character barcode!</source>
        <translation>Avis&#xa0;: veuillez saisir un code-barres de 16 caractères&#xa0;!</translation>
    </message>
    <message>
        <source>Barcode：</source>
        <translation>Code-barres&#xa0;:</translation>
    </message>
    <message>
        <source>The Barcode is empty!</source>
        <translation>Le code-barres est vide&#xa0;!</translation>
    </message>
    <message>
        <source>The Barcode length does not meet requirement!</source>
        <translation>La longueur du code-barres n&apos;est pas celle requise&#xa0;!</translation>
    </message>
</context>
<context>
    <name>BMSMainWin</name>
    <message>
        <source>Battery status</source>
        <translation>État des batteries</translation>
    </message>
    <message>
        <source>Real-time data</source>
        <translation>Données en temps réel</translation>
    </message>
    <message>
        <source>Event and history records</source>
        <translation>Journaux d&apos;événements et historique</translation>
    </message>
    <message>
        <source>Alarm and protection configuration</source>
        <translation>Configuration des alarmes et protections</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Raw console data</source>
        <translation>Données brutes de la console</translation>
    </message>
    <message>
        <source>Message catalogue</source>
        <translation>Catalogue des messages</translation>
    </message>
    <message>
        <source>语言测试</source>
        <translation>Test de langue</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Liaison série</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Débit (bauds)&#xa0;:</translation>
    </message>
    <message>
        <source>DataBits:</source>
        <translation>Bits de données&#xa0;:</translation>
    </message>
    <message>
        <source>StopBits:</source>
        <translation>Bits d&apos;arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>ParityBit:</source>
        <translation>Parité&#xa0;:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteries</translation>
    </message>
    <message>
        <source>ReceiveMess</source>
        <translation>Données reçues</translation>
    </message>
    <message>
        <source>Mess</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>RTData ON</source>
        <translation>Démarrer temps réel</translation>
    </message>
    <message>
        <source>RTData OFF</source>
        <translation>Arrêter temps réel</translation>
    </message>
    <message>
        <source>Save the real-time data to a file</source>
        <translation>Enregistrer les données en temps réel dans un fichier</translation>
    </message>
    <message>
        <source>Clear the real-time data</source>
        <translation>Effacer les données en temps réel</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Enregistrer la configuration dans un fichier</translation>
    </message>
    <message>
        <source>Number of events:</source>
        <translation>Nombre d&apos;événements&#xa0;:</translation>
    </message>
    <message>
        <source>Number of histories: </source>
        <translation>Nombre d&apos;entrées d&apos;historique&#xa0;: </translation>
    </message>
    <message>
        <source>Starting number:</source>
        <translation>À partir du n°&#xa0;:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Export the table to a workbook</source>
        <translation>Exporter le tableau dans un classeur</translation>
    </message>
    <message>
        <source>reflash</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Upgrade the firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <source>Wake a battery and upgrade it</source>
        <translation>Réveiller une batterie et la mettre à jour</translation>
    </message>
    <message>
        <source>Upgrade the boot loader</source>
        <translation>Mettre à jour le chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>第1页</source>
        <translation>Page 1</translation>
    </message>
    <message>
        <source>第2页</source>
        <translation>Page 2</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Exit Console</source>
        <translation>Quitter la console</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Envoyer un fichier</translation>
    </message>
    <message>
        <source>Transmit progress:</source>
        <translation>Transfert&#xa0;:</translation>
    </message>
    <message>
        <source>System Time:</source>
        <translation>Heure système&#xa0;:</translation>
    </message>
    <message>
        <source>Command State:</source>
        <translation>État de la commande&#xa0;:</translation>
    </message>
    <message>
        <source>System Time: </source>
        <translation>Heure système&#xa0;: </translation>
    </message>
    <message>
        <source>Do you wish to quit NorvaneBat?</source>
        <translation>Voulez-vous quitter NorvaneBat&#xa0;?</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>The serial port not open, Please Login!</source>
        <translation>Le port série n&apos;est pas ouvert. Veuillez vous connecter&#xa0;!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The serial port not open, Please open!</source>
        <translation>Le port série n&apos;est pas ouvert. Veuillez l&apos;ouvrir&#xa0;!</translation>
    </message>
    <message>
        <source>Switch the charge MOS on?</source>
        <translation>Activer le MOS de charge&#xa0;?</translation>
    </message>
    <message>
        <source>Switch the charge MOS off?
The batteries take no charge until it is switched on again.</source>
        <translation>Désactiver le MOS de charge&#xa0;?
Les batteries ne se chargent plus tant qu&apos;il n&apos;est pas réactivé.</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on?</source>
        <translation>Activer le MOS de décharge&#xa0;?</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off?
The system stops supplying its load.</source>
        <translation>Désactiver le MOS de décharge&#xa0;?
Le système cesse d&apos;alimenter sa charge.</translation>
    </message>
    <message>
        <source>Run the self-test of every battery?</source>
        <translation>Lancer l&apos;autotest de toutes les batteries&#xa0;?</translation>
    </message>
    <message>
        <source>alarm&amp;protcet item</source>
        <translation>Paramètre d&apos;alarme/protection</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>Cellule</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>choose a file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1
%2</source>
        <translation>Impossible d&apos;enregistrer la configuration dans
%1
%2</translation>
    </message>
    <message>
        <source>Restore the unit&apos;s default protection configuration?
Every threshold set on the unit is replaced.</source>
        <translation>Rétablir la configuration de protection par défaut de l&apos;unité&#xa0;?
Tous les seuils réglés sur l&apos;unité seront remplacés.</translation>
    </message>
    <message>
        <source>The initial configuration is successful!</source>
        <translation>La configuration par défaut a été rétablie avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The Mos open success!</source>
        <translation>MOS activé avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The Mos open fail!</source>
        <translation>Échec de l&apos;activation du MOS&#xa0;!</translation>
    </message>
    <message>
        <source>The Mos close success!</source>
        <translation>MOS désactivé avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The Mos close fail!</source>
        <translation>Échec de la désactivation du MOS&#xa0;!</translation>
    </message>
    <message>
        <source>The self-test finish!</source>
        <translation>Autotest terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Added barcode fail!</source>
        <translation>Échec de l&apos;ajout du code-barres&#xa0;!</translation>
    </message>
    <message>
        <source>Added barcode successfully!</source>
        <translation>Code-barres ajouté avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Entry Console</source>
        <translation>Accès à la console</translation>
    </message>
    <message>
        <source>Please enter the console password:</source>
        <translation>Veuillez saisir le mot de passe de la console&#xa0;:</translation>
    </message>
    <message>
        <source>Wrong password! Please check password!</source>
        <translation>Mot de passe incorrect&#xa0;! Veuillez le vérifier&#xa0;!</translation>
    </message>
    <message>
        <source>The language has changed successfully!
Please restart if there is a problem with the interface!</source>
        <translation>La langue a été changée avec succès&#xa0;!
Redémarrez le programme si l&apos;interface s&apos;affiche mal&#xa0;!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>The serial port is occupied or does not exist</source>
        <translation>Le port série est occupé ou n&apos;existe pas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The serial port diconnect! Please check!</source>
        <translation>Le port série a été déconnecté&#xa0;! Veuillez vérifier&#xa0;!</translation>
    </message>
    <message>
        <source>In real-time rendering, can&apos;t switch pages!
Please click &quot;RTData OFF&quot;!</source>
        <translation>Impossible de changer de page pendant l&apos;affichage en temps réel&#xa0;!
Cliquez sur «&#xa0;Arrêter temps réel&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Command State: completed successfully</source>
        <translation>État de la commande&#xa0;: exécutée avec succès</translation>
    </message>
    <message>
        <source>Command State: fail to excute</source>
        <translation>État de la commande&#xa0;: échec de l&apos;exécution</translation>
    </message>
    <message>
        <source>Command State: Unknown command</source>
        <translation>État de la commande&#xa0;: commande inconnue</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Min. temp of cell</source>
        <translation>Temp. min. cellule</translation>
    </message>
    <message>
        <source>Max. temp of cell</source>
        <translation>Temp. max. cellule</translation>
    </message>
    <message>
        <source>Min. voltage of cell</source>
        <translation>Tension min. cellule</translation>
    </message>
    <message>
        <source>Max. voltage of cell</source>
        <translation>Tension max. cellule</translation>
    </message>
    <message>
        <source>Base Status</source>
        <translation>État de base</translation>
    </message>
    <message>
        <source>Voltage Status</source>
        <translation>État tension</translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation>État courant</translation>
    </message>
    <message>
        <source>Temp Status</source>
        <translation>État température</translation>
    </message>
    <message>
        <source>Percent%</source>
        <translation>Pourcentage (%)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>Impossible de cliquer sur «&#xa0;Événements&#xa0;». Cliquez sur «&#xa0;Continuer&#xa0;» ou «&#xa0;Actualiser&#xa0;», ou patientez&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>Impossible de cliquer sur «&#xa0;Historique&#xa0;». Cliquez sur «&#xa0;Continuer&#xa0;» ou «&#xa0;Actualiser&#xa0;», ou patientez&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, the history record is being viewed!</source>
        <translation>Impossible de cliquer sur «&#xa0;Événements&#xa0;»&#xa0;: l&apos;historique est en cours de lecture&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, the event record is being viewed!</source>
        <translation>Impossible de cliquer sur «&#xa0;Historique&#xa0;»&#xa0;: les événements sont en cours de lecture&#xa0;!</translation>
    </message>
    <message>
        <source>The number of events is zero or events not obtained!</source>
        <translation>Aucun événement, ou leur nombre n&apos;a pas encore été lu&#xa0;!</translation>
    </message>
    <message>
        <source>The number of histories is zero or histories not obtained!</source>
        <translation>Aucune entrée d&apos;historique, ou leur nombre n&apos;a pas encore été lu&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter a number!</source>
        <translation>Veuillez saisir un nombre&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to %1!</source>
        <translation>Veuillez saisir un nombre de 1 à %1&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t continue, Please click &quot;Event&quot; or &quot;History&quot;!</source>
        <translation>Impossible de continuer. Cliquez sur «&#xa0;Événements&#xa0;» ou «&#xa0;Historique&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>The operation is too frequent!
Please try again later!</source>
        <translation>Opérations trop rapprochées&#xa0;!
Réessayez un peu plus tard&#xa0;!</translation>
    </message>
    <message>
        <source>The event is empty!</source>
        <translation>Aucun événement&#xa0;!</translation>
    </message>
    <message>
        <source>Number of events: --</source>
        <translation>Nombre d&apos;événements&#xa0;: --</translation>
    </message>
    <message>
        <source>Number of events: </source>
        <translation>Nombre d&apos;événements&#xa0;: </translation>
    </message>
    <message>
        <source>Number of histories: --</source>
        <translation>Nombre d&apos;entrées d&apos;historique&#xa0;: --</translation>
    </message>
    <message>
        <source>The event Command completed successfully!</source>
        <translation>Lecture des événements terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The history Command completed successfully!</source>
        <translation>Lecture de l&apos;historique terminée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>The event Command fail to excute!Please click &quot;Event&quot;!</source>
        <translation>Échec de la lecture des événements&#xa0;! Cliquez sur «&#xa0;Événements&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>The history Command fail to excute!Please click &quot;History&quot;!</source>
        <translation>Échec de la lecture de l&apos;historique&#xa0;! Cliquez sur «&#xa0;Historique&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;Event&quot;!</source>
        <translation>Commande inconnue&#xa0;! Cliquez sur «&#xa0;Événements&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;History&quot;!</source>
        <translation>Commande inconnue&#xa0;! Cliquez sur «&#xa0;Historique&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Historical data table exported successfully!
would you like to view it now?</source>
        <translation>Tableau de données exporté avec succès&#xa0;!
Voulez-vous l&apos;afficher maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Historical data table export failed, please try again!</source>
        <translation>Échec de l&apos;exportation du tableau de données, veuillez réessayer&#xa0;!</translation>
    </message>
    <message>
        <source>Index is invalid</source>
        <translation>Index non valide</translation>
    </message>
    <message>
        <source>Data is invalid</source>
        <translation>Données non valides</translation>
    </message>
    <message>
        <source>
Transimit Start
</source>
        <translation>
Transfert démarré
</translation>
    </message>
    <message>
        <source>
Transimit abort
</source>
        <translation>
Transfert interrompu
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The bin file transfer is stopped: the receiver refused the same block again and again!</source>
        <translation>Le transfert du fichier .bin est arrêté&#xa0;: le destinataire a refusé le même bloc à plusieurs reprises&#xa0;!</translation>
    </message>
    <message>
        <source>
Transimit cancel
</source>
        <translation>
Transfert annulé par le destinataire
</translation>
    </message>
    <message>
        <source>The bin file transfer is cancelled by receiver!</source>
        <translation>Le transfert du fichier .bin a été annulé par le destinataire&#xa0;!</translation>
    </message>
    <message>
        <source>
Transimit finish
</source>
        <translation>
Transfert terminé
</translation>
    </message>
    <message>
        <source>
Transimit Start TimeOut
</source>
        <translation>
Délai dépassé au démarrage du transfert
</translation>
    </message>
    <message>
        <source>Start transmission timeout!</source>
        <translation>Délai dépassé au démarrage du transfert&#xa0;!</translation>
    </message>
    <message>
        <source>
TimeOut during transmission
</source>
        <translation>
Délai dépassé pendant le transfert
</translation>
    </message>
    <message>
        <source>TimeOut during transmission!</source>
        <translation>Délai dépassé pendant le transfert&#xa0;!</translation>
    </message>
    <message>
        <source>Open file error!</source>
        <translation>Erreur à l&apos;ouverture du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t update boot! &quot;Present Num&quot; Unknown.</source>
        <translation>Mise à jour du chargeur d&apos;amorçage impossible&#xa0;! «&#xa0;Batteries présentes&#xa0;» inconnu.</translation>
    </message>
    <message>
        <source>Can&apos;t update! &quot;Present Num&quot; Unknown.</source>
        <translation>Mise à jour impossible&#xa0;! «&#xa0;Batteries présentes&#xa0;» inconnu.</translation>
    </message>
    <message>
        <source>Upgrading!Please wait!</source>
        <translation>Mise à jour en cours&#xa0;! Veuillez patienter&#xa0;!</translation>
    </message>
    <message>
        <source>The battery did not answer the wake-up!
Please check the battery and the serial line, then try again!</source>
        <translation>La batterie n&apos;a pas répondu au réveil&#xa0;!
Vérifiez la batterie et la liaison série, puis réessayez&#xa0;!</translation>
    </message>
    <message>
        <source>open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Did not select file!</source>
        <translation>Aucun fichier sélectionné&#xa0;!</translation>
    </message>
    <message>
        <source>Battery update error!
Please check battery or wake battery!</source>
        <translation>Erreur de mise à jour de la batterie&#xa0;!
Vérifiez la batterie ou réveillez-la&#xa0;!</translation>
    </message>
    <message>
        <source>Version invalid!
Please check firmware!</source>
        <translation>Version non valide&#xa0;!
Vérifiez le micrologiciel&#xa0;!</translation>
    </message>
    <message>
        <source>Version without head!
Please check firmware!</source>
        <translation>Version sans en-tête&#xa0;!
Vérifiez le micrologiciel&#xa0;!</translation>
    </message>
    <message>
        <source>The HUB updata successful!</source>
        <translation>HUB mis à jour avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Host upgraded successfully!
Please check the slave after %1 minutes!</source>
        <translation>Unité principale mise à jour avec succès&#xa0;!
Vérifiez les modules esclaves dans %1 minutes&#xa0;!</translation>
    </message>
    <message>
        <source>The battery updata successful!</source>
        <translation>Batterie mise à jour avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Transimit finish %1%</source>
        <translation>Transféré&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Time(min)</source>
        <translation>Temps (min)</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>État de charge</translation>
    </message>
    <message>
        <source>SOC(%)</source>
        <translation>État de charge (%)</translation>
    </message>
    <message>
        <source>Volt of battery</source>
        <translation>Tension de la batterie</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Tension (V)</translation>
    </message>
    <message>
        <source>Current of battery</source>
        <translation>Courant de la batterie</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>Courant (A)</translation>
    </message>
    <message>
        <source>Temperature of battery</source>
        <translation>Température de la batterie</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Température (℃)</translation>
    </message>
    <message>
        <source>Please click &quot;RTData ON&quot; first!</source>
        <translation>Cliquez d&apos;abord sur «&#xa0;Démarrer temps réel&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>RTdata on succcess!</source>
        <translation>Temps réel démarré avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>RTdata off fail! please click again!</source>
        <translation>Échec de l&apos;arrêt du temps réel&#xa0;! Cliquez à nouveau&#xa0;!</translation>
    </message>
    <message>
        <source>RTdata off succcess!</source>
        <translation>Temps réel arrêté avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>État de charge&#xa0;: </translation>
    </message>
    <message>
        <source>Volt: </source>
        <translation>Tension&#xa0;: </translation>
    </message>
    <message>
        <source>Curr: </source>
        <translation>Courant&#xa0;: </translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Température&#xa0;: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Temps&#xa0;: </translation>
    </message>
    <message>
        <source>Can&apos;t download, Please click &quot;RTData OFF&quot;!</source>
        <translation>Exportation impossible. Cliquez sur «&#xa0;Arrêter temps réel&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>The real-time data could not be saved to
%1
%2</source>
        <translation>Impossible d&apos;enregistrer les données en temps réel dans
%1
%2</translation>
    </message>
    <message>
        <source>Can&apos;t clean all, Please click &quot;RTData OFF&quot;!</source>
        <translation>Impossible de tout effacer. Cliquez sur «&#xa0;Arrêter temps réel&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>No connection — values of %1</source>
        <translation>Pas de connexion — valeurs de %1</translation>
    </message>
    <message>
        <source>No answer — values of %1</source>
        <translation>Pas de réponse — valeurs de %1</translation>
    </message>
    <message>
        <source>No answer from the unit on %1 — check the cable and the port</source>
        <translation>Aucune réponse de l&apos;unité sur %1 — vérifiez le câble et le port</translation>
    </message>
    <message>
        <source>No configuration has been read from the unit since the last Login.
Log in and open this page to read it, then save it.</source>
        <translation>Aucune configuration n&apos;a été lue depuis la dernière connexion.
Connectez-vous et ouvrez cette page pour la lire, puis enregistrez-la.</translation>
    </message>
    <message>
        <source>The link ended during the file transfer: the unit did not receive the whole file.</source>
        <translation>La liaison s&apos;est interrompue pendant le transfert : l&apos;unité n&apos;a pas reçu le fichier entier.</translation>
    </message>
    <message>
        <source>The link ended during the upgrade&apos;s file transfer: the unit did not receive the whole image.
Wake the battery and upgrade it again.</source>
        <translation>La liaison s&apos;est interrompue pendant le transfert de la mise à jour : l&apos;unité n&apos;a pas reçu l&apos;image entière.
Réveillez la batterie et recommencez la mise à jour.</translation>
    </message>
    <message>
        <source>The link ended while the unit was flashing its new firmware.
The unit may still be flashing: check its version after %1 minutes.</source>
        <translation>La liaison s&apos;est interrompue pendant que l&apos;unité écrivait son nouveau micrologiciel.
Elle l&apos;écrit peut-être encore : vérifiez sa version dans %1 minutes.</translation>
    </message>
    <message>
        <source>The link ended while waiting for the battery to wake.
Wake it again after the next Login.</source>
        <translation>La liaison s&apos;est interrompue pendant l&apos;attente du réveil de la batterie.
Réveillez-la de nouveau après la prochaine connexion.</translation>
    </message>
    <message>
        <source>The link ended during the real-time display; the unit may still be streaming and is stopped at the next Login.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>La liaison s&apos;est interrompue pendant l&apos;affichage temps réel ; l&apos;unité émet peut-être encore et sera arrêtée à la prochaine connexion.
Les données enregistrées peuvent être téléchargées jusqu&apos;au prochain « Démarrer temps réel » ou « Tout effacer ».</translation>
    </message>
    <message>
        <source>The real-time display ended with the link.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>L&apos;affichage temps réel s&apos;est arrêté avec la liaison.
Les données enregistrées peuvent être téléchargées jusqu&apos;au prochain « Démarrer temps réel » ou « Tout effacer ».</translation>
    </message>
    <message>
        <source>The link ended while the event records were being listed.
Click &quot;Event&quot; again after the next Login.</source>
        <translation>La liaison s&apos;est interrompue pendant la liste des événements.
Cliquez de nouveau sur « Événements » après la prochaine connexion.</translation>
    </message>
    <message>
        <source>The link ended while the history records were being listed.
Click &quot;History&quot; again after the next Login.</source>
        <translation>La liaison s&apos;est interrompue pendant la liste de l&apos;historique.
Cliquez de nouveau sur « Historique » après la prochaine connexion.</translation>
    </message>
    <message>
        <source>The link ended before the unit answered the control command.
Check the switch states after the next Login.</source>
        <translation>La liaison s&apos;est interrompue avant que l&apos;unité ne réponde à la commande.
Vérifiez l&apos;état des interrupteurs après la prochaine connexion.</translation>
    </message>
    <message>
        <source>%1 of %2 records have arrived. Export them?</source>
        <translation>%1 enregistrements sur %2 sont arrivés. Les exporter&#xa0;?</translation>
    </message>
    <message>
        <source>%1 records have arrived. Export them?</source>
        <translation>%1 enregistrements sont arrivés. Les exporter&#xa0;?</translation>
    </message>
</context>
<context>
    <name>BatteryGroup</name>
    <message>
        <source>State:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Present Num:</source>
        <translation>Batteries présentes&#xa0;:</translation>
    </message>
    <message>
        <source>Total Voltage:</source>
        <translation>Tension totale&#xa0;:</translation>
    </message>
    <message>
        <source>Total Current:</source>
        <translation>Courant total&#xa0;:</translation>
    </message>
    <message>
        <source>Total SOC:</source>
        <translation>SOC global&#xa0;:</translation>
    </message>
    <message>
        <source>Total SOH:</source>
        <translation>SOH global&#xa0;:</translation>
    </message>
    <message>
        <source>CMOS State </source>
        <translation>Charge </translation>
    </message>
    <message>
        <source>DMOS State </source>
        <translation>Décharge </translation>
    </message>
    <message>
        <source>Switch the charge MOS on</source>
        <translation>Activer le MOS de charge</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Switch the charge MOS off</source>
        <translation>Désactiver le MOS de charge</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on</source>
        <translation>Activer le MOS de décharge</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off</source>
        <translation>Désactiver le MOS de décharge</translation>
    </message>
    <message>
        <source>Run the self-test of every battery</source>
        <translation>Lancer l&apos;autotest de toutes les batteries</translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Bat 1</source>
        <translation>Bat 1</translation>
    </message>
    <message>
        <source>Bat 2</source>
        <translation>Bat 2</translation>
    </message>
    <message>
        <source>Bat 3</source>
        <translation>Bat 3</translation>
    </message>
    <message>
        <source>Bat 4</source>
        <translation>Bat 4</translation>
    </message>
    <message>
        <source>Bat 5</source>
        <translation>Bat 5</translation>
    </message>
    <message>
        <source>Bat 6</source>
        <translation>Bat 6</translation>
    </message>
    <message>
        <source>Bat 7</source>
        <translation>Bat 7</translation>
    </message>
    <message>
        <source>Bat 8</source>
        <translation>Bat 8</translation>
    </message>
    <message>
        <source>Bat 9</source>
        <translation>Bat 9</translation>
    </message>
    <message>
        <source>Bat 10</source>
        <translation>Bat 10</translation>
    </message>
    <message>
        <source>Bat 11</source>
        <translation>Bat 11</translation>
    </message>
    <message>
        <source>Bat 12</source>
        <translation>Bat 12</translation>
    </message>
    <message>
        <source>Bat 13</source>
        <translation>Bat 13</translation>
    </message>
    <message>
        <source>Bat 14</source>
        <translation>Bat 14</translation>
    </message>
    <message>
        <source>Bat 15</source>
        <translation>Bat 15</translation>
    </message>
    <message>
        <source>Bat 16</source>
        <translation>Bat 16</translation>
    </message>
    <message>
        <source>Prechg Relay </source>
        <translation>Relais précharge </translation>
    </message>
    <message>
        <source>Main Relay </source>
        <translation>Relais principal </translation>
    </message>
    <message>
        <source>BasicState: bat</source>
        <translation>État de base&#xa0;: batterie </translation>
    </message>
    <message>
        <source>VoltState: bat</source>
        <translation>État tension&#xa0;: batterie </translation>
    </message>
    <message>
        <source>CurrState: bat</source>
        <translation>État courant&#xa0;: batterie </translation>
    </message>
    <message>
        <source>TempState: bat</source>
        <translation>État température&#xa0;: batterie </translation>
    </message>
    <message>
        <source>CellVolState: bat</source>
        <translation>État tension cellule&#xa0;: batterie </translation>
    </message>
    <message>
        <source>CellTempState: bat</source>
        <translation>État température cellule&#xa0;: batterie </translation>
    </message>
    <message>
        <source>AlarmTime: bat</source>
        <translation>Heure d&apos;alarme&#xa0;: batterie </translation>
    </message>
    <message>
        <source>State: --</source>
        <translation>État&#xa0;: --</translation>
    </message>
    <message>
        <source>State: </source>
        <translation>État&#xa0;: </translation>
    </message>
    <message>
        <source>Present Num: --</source>
        <translation>Batteries présentes&#xa0;: --</translation>
    </message>
    <message>
        <source>Present Num: </source>
        <translation>Batteries présentes&#xa0;: </translation>
    </message>
    <message>
        <source>Total Voltage: -- V</source>
        <translation>Tension totale&#xa0;: -- V</translation>
    </message>
    <message>
        <source>Total Voltage: </source>
        <translation>Tension totale&#xa0;: </translation>
    </message>
    <message>
        <source>Total Current: -- A</source>
        <translation>Courant total&#xa0;: -- A</translation>
    </message>
    <message>
        <source>Total Current: </source>
        <translation>Courant total&#xa0;: </translation>
    </message>
    <message>
        <source>Total SOC: -- %</source>
        <translation>SOC global&#xa0;: -- %</translation>
    </message>
    <message>
        <source>Total SOC: </source>
        <translation>SOC global&#xa0;: </translation>
    </message>
    <message>
        <source>Total SOH: -- %</source>
        <translation>SOH global&#xa0;: -- %</translation>
    </message>
    <message>
        <source>Total SOH: </source>
        <translation>SOH global&#xa0;: </translation>
    </message>
    <message>
        <source>Bat %1</source>
        <translation>Batterie %1</translation>
    </message>
    <message>
        <source>An alarm is active</source>
        <translation>Une alarme est active</translation>
    </message>
    <message>
        <source>No active alarm</source>
        <translation>Aucune alarme active</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Batterie %1</translation>
    </message>
</context>
<context>
    <name>BatteryInfo</name>
    <message>
        <source>SOC:</source>
        <translation>État de charge&#xa0;:</translation>
    </message>
    <message>
        <source>SOH:</source>
        <translation>État de santé&#xa0;:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacité&#xa0;:</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Courant&#xa0;:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Température&#xa0;:</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>Tension max. cellule&#xa0;:</translation>
    </message>
    <message>
        <source>Min Voltage:</source>
        <translation>Tension min. cellule&#xa0;:</translation>
    </message>
    <message>
        <source>Vol Difference:</source>
        <translation>Écart de tension&#xa0;:</translation>
    </message>
    <message>
        <source>Max Vol ID:</source>
        <translation>Cellule tension max.&#xa0;:</translation>
    </message>
    <message>
        <source>Min Vol ID:</source>
        <translation>Cellule tension min.&#xa0;:</translation>
    </message>
    <message>
        <source>Basic Status:</source>
        <translation>État de base&#xa0;:</translation>
    </message>
    <message>
        <source>System Fault:</source>
        <translation>Défaut système&#xa0;:</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Graphique ou tableau</translation>
    </message>
    <message>
        <source>Device Address:</source>
        <translation>Adresse de l&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Boot Version:</source>
        <translation>Version d&apos;amorçage&#xa0;:</translation>
    </message>
    <message>
        <source>Barcode:</source>
        <translation>Code-barres&#xa0;:</translation>
    </message>
    <message>
        <source>Add barcode</source>
        <translation>Ajouter le code-barres</translation>
    </message>
    <message>
        <source>Specification:</source>
        <translation>Spécification&#xa0;:</translation>
    </message>
    <message>
        <source>Main Soft Version:</source>
        <translation>Version du logiciel&#xa0;:</translation>
    </message>
    <message>
        <source>Comm Version:</source>
        <translation>Version communication&#xa0;:</translation>
    </message>
    <message>
        <source>Max Charge Current:</source>
        <translation>Courant de charge max.&#xa0;:</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Date de version&#xa0;:</translation>
    </message>
    <message>
        <source>Cell Number:</source>
        <translation>Nombre de cellules&#xa0;:</translation>
    </message>
    <message>
        <source>Device Address: </source>
        <translation>Adresse de l&apos;appareil&#xa0;: </translation>
    </message>
    <message>
        <source>Device Address: --</source>
        <translation>Adresse de l&apos;appareil&#xa0;: --</translation>
    </message>
    <message>
        <source>Boot Version: </source>
        <translation>Version d&apos;amorçage&#xa0;: </translation>
    </message>
    <message>
        <source>Boot Version: --</source>
        <translation>Version d&apos;amorçage&#xa0;: --</translation>
    </message>
    <message>
        <source>Barcode: </source>
        <translation>Code-barres&#xa0;: </translation>
    </message>
    <message>
        <source>Barcode: --</source>
        <translation>Code-barres&#xa0;: --</translation>
    </message>
    <message>
        <source>Specification: </source>
        <translation>Spécification&#xa0;: </translation>
    </message>
    <message>
        <source>Specification: --</source>
        <translation>Spécification&#xa0;: --</translation>
    </message>
    <message>
        <source>Main Soft Version: </source>
        <translation>Version du logiciel&#xa0;: </translation>
    </message>
    <message>
        <source>Main Soft Version: --</source>
        <translation>Version du logiciel&#xa0;: --</translation>
    </message>
    <message>
        <source>Comm Version: </source>
        <translation>Version communication&#xa0;: </translation>
    </message>
    <message>
        <source>Comm Version: --</source>
        <translation>Version communication&#xa0;: --</translation>
    </message>
    <message>
        <source>Max Charge Current: </source>
        <translation>Courant de charge max.&#xa0;: </translation>
    </message>
    <message>
        <source>Max Charge Current: --</source>
        <translation>Courant de charge max.&#xa0;: --</translation>
    </message>
    <message>
        <source>Release Date: </source>
        <translation>Date de version&#xa0;: </translation>
    </message>
    <message>
        <source>Release Date: --</source>
        <translation>Date de version&#xa0;: --</translation>
    </message>
    <message>
        <source>Cell Number: --</source>
        <translation>Nombre de cellules&#xa0;: --</translation>
    </message>
    <message>
        <source>Cell Number: </source>
        <translation>Nombre de cellules&#xa0;: </translation>
    </message>
    <message>
        <source>SOC: -- %</source>
        <translation>État de charge&#xa0;: -- %</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>État de charge&#xa0;: </translation>
    </message>
    <message>
        <source>SOH: -- %</source>
        <translation>État de santé&#xa0;: -- %</translation>
    </message>
    <message>
        <source>SOH: </source>
        <translation>État de santé&#xa0;: </translation>
    </message>
    <message>
        <source>Capacity: -- AH</source>
        <translation>Capacité&#xa0;: -- AH</translation>
    </message>
    <message>
        <source>Capacity: </source>
        <translation>Capacité&#xa0;: </translation>
    </message>
    <message>
        <source>Current: -- A</source>
        <translation>Courant&#xa0;: -- A</translation>
    </message>
    <message>
        <source>Current: </source>
        <translation>Courant&#xa0;: </translation>
    </message>
    <message>
        <source>Temp: -- ℃</source>
        <translation>Température&#xa0;: -- ℃</translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Température&#xa0;: </translation>
    </message>
    <message>
        <source>Max Voltage: -- V</source>
        <translation>Tension max. cellule&#xa0;: -- V</translation>
    </message>
    <message>
        <source>Max Voltage: </source>
        <translation>Tension max. cellule&#xa0;: </translation>
    </message>
    <message>
        <source>Min Voltage: -- V</source>
        <translation>Tension min. cellule&#xa0;: -- V</translation>
    </message>
    <message>
        <source>Min Voltage: </source>
        <translation>Tension min. cellule&#xa0;: </translation>
    </message>
    <message>
        <source>Vol Difference: -- V</source>
        <translation>Écart de tension&#xa0;: -- V</translation>
    </message>
    <message>
        <source>Vol Difference: </source>
        <translation>Écart de tension&#xa0;: </translation>
    </message>
    <message>
        <source>Max Vol ID: --</source>
        <translation>Cellule tension max.&#xa0;: --</translation>
    </message>
    <message>
        <source>Max Vol ID: </source>
        <translation>Cellule tension max.&#xa0;: </translation>
    </message>
    <message>
        <source>Min Vol ID: --</source>
        <translation>Cellule tension min.&#xa0;: --</translation>
    </message>
    <message>
        <source>Min Vol ID: </source>
        <translation>Cellule tension min.&#xa0;: </translation>
    </message>
    <message>
        <source>Basic Status: </source>
        <translation>État de base&#xa0;: </translation>
    </message>
    <message>
        <source>Basic Status: --</source>
        <translation>État de base&#xa0;: --</translation>
    </message>
    <message>
        <source>System Fault: </source>
        <translation>Défaut système&#xa0;: </translation>
    </message>
    <message>
        <source>System Fault: --</source>
        <translation>Défaut système&#xa0;: --</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Cell Volt-Temp</source>
        <translation>Tension et température des cellules</translation>
    </message>
    <message>
        <source>Cell ID</source>
        <translation>Cellule</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Tension (V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Température (℃)</translation>
    </message>
    <message>
        <source>Cell Id</source>
        <translation>Cellule</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <comment>cell table column</comment>
        <translation>Tens.(V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <comment>cell table column</comment>
        <translation>Temp(℃)</translation>
    </message>
    <message>
        <source>Choose a battery to see its cells</source>
        <translation>Choisissez une batterie pour voir ses cellules</translation>
    </message>
</context>
<context>
    <name>CrashReportDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Sorry, This app was crashed last time!</source>
        <translation>Désolé, l&apos;application s&apos;est arrêtée brutalement la dernière fois&#xa0;!</translation>
    </message>
    <message>
        <source>Please send us the files that  popped up in the &quot;File window&quot;. So we can solve the App-crash problem.</source>
        <translation>Veuillez nous envoyer les fichiers de la fenêtre qui vient de s&apos;ouvrir, afin que nous puissions corriger la cause de l&apos;arrêt.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DataEvent</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>Another program is using this port. Close it, then press &quot;Login&quot; again.</source>
        <translation>Un autre programme utilise ce port. Fermez-le, puis cliquez de nouveau sur «&#xa0;Connexion&#xa0;».</translation>
    </message>
    <message>
        <source>You may not use serial ports: join the dialout group with
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser les ports série&#xa0;: rejoignez le groupe dialout avec
sudo usermod -aG dialout $USER
puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>The adapter was unplugged. Plug it in again and pick its port.</source>
        <translation>L&apos;adaptateur a été débranché. Rebranchez-le et choisissez son port.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>RecordPagingBar</name>
    <message>
        <source>rows %1–%2 of %3</source>
        <translation>lignes %1–%2 sur %3</translation>
    </message>
    <message>
        <source>rows %1–%2</source>
        <translation>lignes %1–%2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>page %1</translation>
    </message>
    <message>
        <source>page still coming…</source>
        <translation>page en cours d’arrivée…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Tout lire</translation>
    </message>
</context>
<context>
    <name>TransProgress</name>
    <message>
        <source>Transmit</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Transmit Progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 sur %2 octets</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, reste %2</translation>
    </message>
</context>
<context>
    <name>UpdataLogin</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Notice:Battery will be dead if uploading worry firmware!</source>
        <translation>Attention&#xa0;: un micrologiciel incorrect rend la batterie inutilisable&#xa0;!</translation>
    </message>
    <message>
        <source>password：</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>The Password is empty!</source>
        <translation>Le mot de passe est vide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>WaitConfig</name>
    <message>
        <source>Waiting</source>
        <translation>Patientez</translation>
    </message>
    <message>
        <source>Please wait for the host to upgrade !</source>
        <translation>Veuillez patienter pendant la mise à jour de l&apos;unité principale&#xa0;!</translation>
    </message>
    <message>
        <source>Please wait for the battery to upgrade !</source>
        <translation>Veuillez patienter pendant la mise à jour de la batterie&#xa0;!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>time waited of the longest wait</comment>
        <translation>%1 sur %2</translation>
    </message>
</context>
</TS>
