<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AddBarcode</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Notice:Please enter a 16-character barcode!</source>
        <translation>Hinweis: Bitte einen 16-stelligen Barcode eingeben!</translation>
    </message>
    <message>
        <source>Barcode：</source>
        <translation>Barcode:</translation>
    </message>
    <message>
        <source>The Barcode is empty!</source>
        <translation>Kein Barcode eingegeben!</translation>
    </message>
    <message>
        <source>The Barcode length does not meet requirement!</source>
        <translation>Der Barcode hat nicht die geforderte Länge!</translation>
    </message>
</context>
<context>
    <name>BMSMainWin</name>
    <message>
        <source>Battery status</source>
        <translation>Batteriestatus</translation>
    </message>
    <message>
        <source>Real-time data</source>
        <translation>Echtzeitdaten</translation>
    </message>
    <message>
        <source>Event and history records</source>
        <translation>Ereignisse und Verlauf</translation>
    </message>
    <message>
        <source>Alarm and protection configuration</source>
        <translation>Alarm- und Schutzkonfiguration</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Raw console data</source>
        <translation>Rohdaten der Konsole</translation>
    </message>
    <message>
        <source>Message catalogue</source>
        <translation>Meldungskatalog</translation>
    </message>
    <message>
        <source>语言测试</source>
        <translation>Sprachtest</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>DataBits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>StopBits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>ParityBit:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterien</translation>
    </message>
    <message>
        <source>ReceiveMess</source>
        <translation>Empfangene Daten</translation>
    </message>
    <message>
        <source>Mess</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>RTData ON</source>
        <translation>Echtzeit EIN</translation>
    </message>
    <message>
        <source>RTData OFF</source>
        <translation>Echtzeit AUS</translation>
    </message>
    <message>
        <source>Save the real-time data to a file</source>
        <translation>Echtzeitdaten in eine Datei speichern</translation>
    </message>
    <message>
        <source>Clear the real-time data</source>
        <translation>Echtzeitdaten löschen</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Konfiguration in eine Datei speichern</translation>
    </message>
    <message>
        <source>Number of events:</source>
        <translation>Anzahl Ereignisse:</translation>
    </message>
    <message>
        <source>Number of histories: </source>
        <translation>Anzahl Verlaufseinträge: </translation>
    </message>
    <message>
        <source>Starting number:</source>
        <translation>Ab Nummer:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Export the table to a workbook</source>
        <translation>Tabelle als Arbeitsmappe exportieren</translation>
    </message>
    <message>
        <source>reflash</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Upgrade the firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Wake a battery and upgrade it</source>
        <translation>Batterie aufwecken und aktualisieren</translation>
    </message>
    <message>
        <source>Upgrade the boot loader</source>
        <translation>Bootloader aktualisieren</translation>
    </message>
    <message>
        <source>第1页</source>
        <translation>Seite 1</translation>
    </message>
    <message>
        <source>第2页</source>
        <translation>Seite 2</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
    <message>
        <source>Exit Console</source>
        <translation>Konsole beenden</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Datei senden</translation>
    </message>
    <message>
        <source>Transmit progress:</source>
        <translation>Übertragung:</translation>
    </message>
    <message>
        <source>System Time:</source>
        <translation>Systemzeit:</translation>
    </message>
    <message>
        <source>Command State:</source>
        <translation>Befehlsstatus:</translation>
    </message>
    <message>
        <source>System Time: </source>
        <translation>Systemzeit: </translation>
    </message>
    <message>
        <source>Do you wish to quit NorvaneBat?</source>
        <translation>Möchten Sie NorvaneBat beenden?</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The serial port not open, Please Login!</source>
        <translation>Die serielle Schnittstelle ist nicht geöffnet. Bitte anmelden!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>The serial port not open, Please open!</source>
        <translation>Die serielle Schnittstelle ist nicht geöffnet. Bitte öffnen!</translation>
    </message>
    <message>
        <source>Switch the charge MOS on?</source>
        <translation>Lade-MOS einschalten?</translation>
    </message>
    <message>
        <source>Switch the charge MOS off?
The batteries take no charge until it is switched on again.</source>
        <translation>Lade-MOS ausschalten?
Die Batterien werden nicht geladen, bis er wieder eingeschaltet wird.</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on?</source>
        <translation>Entlade-MOS einschalten?</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off?
The system stops supplying its load.</source>
        <translation>Entlade-MOS ausschalten?
Das System versorgt seine Last dann nicht mehr.</translation>
    </message>
    <message>
        <source>Run the self-test of every battery?</source>
        <translation>Selbsttest aller Batterien starten?</translation>
    </message>
    <message>
        <source>alarm&amp;protcet item</source>
        <translation>Alarm-/Schutzparameter</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>choose a file</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1
%2</source>
        <translation>Die Konfiguration konnte nicht gespeichert werden:
%1
%2</translation>
    </message>
    <message>
        <source>Restore the unit&apos;s default protection configuration?
Every threshold set on the unit is replaced.</source>
        <translation>Standard-Schutzkonfiguration des Geräts wiederherstellen?
Alle am Gerät eingestellten Schwellwerte werden ersetzt.</translation>
    </message>
    <message>
        <source>The initial configuration is successful!</source>
        <translation>Die Standardkonfiguration wurde erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <source>The Mos open success!</source>
        <translation>MOS erfolgreich eingeschaltet!</translation>
    </message>
    <message>
        <source>The Mos open fail!</source>
        <translation>Einschalten des MOS fehlgeschlagen!</translation>
    </message>
    <message>
        <source>The Mos close success!</source>
        <translation>MOS erfolgreich ausgeschaltet!</translation>
    </message>
    <message>
        <source>The Mos close fail!</source>
        <translation>Ausschalten des MOS fehlgeschlagen!</translation>
    </message>
    <message>
        <source>The self-test finish!</source>
        <translation>Selbsttest abgeschlossen!</translation>
    </message>
    <message>
        <source>Added barcode fail!</source>
        <translation>Barcode konnte nicht hinzugefügt werden!</translation>
    </message>
    <message>
        <source>Added barcode successfully!</source>
        <translation>Barcode erfolgreich hinzugefügt!</translation>
    </message>
    <message>
        <source>Entry Console</source>
        <translation>Konsolenzugang</translation>
    </message>
    <message>
        <source>Please enter the console password:</source>
        <translation>Bitte das Konsolenpasswort eingeben:</translation>
    </message>
    <message>
        <source>Wrong password! Please check password!</source>
        <translation>Falsches Passwort! Bitte das Passwort prüfen!</translation>
    </message>
    <message>
        <source>The language has changed successfully!
Please restart if there is a problem with the interface!</source>
        <translation>Die Sprache wurde erfolgreich geändert!
Bitte das Programm neu starten, falls die Oberfläche fehlerhaft angezeigt wird!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>The serial port is occupied or does not exist</source>
        <translation>Die serielle Schnittstelle ist belegt oder nicht vorhanden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The serial port diconnect! Please check!</source>
        <translation>Die serielle Verbindung wurde getrennt! Bitte prüfen!</translation>
    </message>
    <message>
        <source>In real-time rendering, can&apos;t switch pages!
Please click &quot;RTData OFF&quot;!</source>
        <translation>Während der Echtzeitanzeige kann die Seite nicht gewechselt werden!
Bitte auf „Echtzeit AUS“ klicken!</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Command State: completed successfully</source>
        <translation>Befehlsstatus: erfolgreich ausgeführt</translation>
    </message>
    <message>
        <source>Command State: fail to excute</source>
        <translation>Befehlsstatus: Ausführung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Command State: Unknown command</source>
        <translation>Befehlsstatus: unbekannter Befehl</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Min. temp of cell</source>
        <translation>Min. Zelltemperatur</translation>
    </message>
    <message>
        <source>Max. temp of cell</source>
        <translation>Max. Zelltemperatur</translation>
    </message>
    <message>
        <source>Min. voltage of cell</source>
        <translation>Min. Zellspannung</translation>
    </message>
    <message>
        <source>Max. voltage of cell</source>
        <translation>Max. Zellspannung</translation>
    </message>
    <message>
        <source>Base Status</source>
        <translation>Grundstatus</translation>
    </message>
    <message>
        <source>Voltage Status</source>
        <translation>Spannungsstatus</translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation>Stromstatus</translation>
    </message>
    <message>
        <source>Temp Status</source>
        <translation>Temperaturstatus</translation>
    </message>
    <message>
        <source>Percent%</source>
        <translation>Prozent (%)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>„Ereignisse“ ist gerade nicht möglich. Bitte „Weiter“ oder „Neu laden“ klicken oder warten!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>„Verlauf“ ist gerade nicht möglich. Bitte „Weiter“ oder „Neu laden“ klicken oder warten!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, the history record is being viewed!</source>
        <translation>„Ereignisse“ ist nicht möglich, der Verlauf wird gerade gelesen!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, the event record is being viewed!</source>
        <translation>„Verlauf“ ist nicht möglich, die Ereignisse werden gerade gelesen!</translation>
    </message>
    <message>
        <source>The number of events is zero or events not obtained!</source>
        <translation>Keine Ereignisse vorhanden oder ihre Anzahl noch nicht gelesen!</translation>
    </message>
    <message>
        <source>The number of histories is zero or histories not obtained!</source>
        <translation>Keine Verlaufseinträge vorhanden oder ihre Anzahl noch nicht gelesen!</translation>
    </message>
    <message>
        <source>Please enter a number!</source>
        <translation>Bitte eine Zahl eingeben!</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to %1!</source>
        <translation>Bitte eine Zahl von 1 bis %1 eingeben!</translation>
    </message>
    <message>
        <source>Can&apos;t continue, Please click &quot;Event&quot; or &quot;History&quot;!</source>
        <translation>Weiterlesen ist nicht möglich. Bitte „Ereignisse“ oder „Verlauf“ klicken!</translation>
    </message>
    <message>
        <source>The operation is too frequent!
Please try again later!</source>
        <translation>Zu viele Bedienungen in kurzer Zeit!
Bitte etwas später erneut versuchen!</translation>
    </message>
    <message>
        <source>The event is empty!</source>
        <translation>Keine Ereignisse vorhanden!</translation>
    </message>
    <message>
        <source>Number of events: --</source>
        <translation>Anzahl Ereignisse: --</translation>
    </message>
    <message>
        <source>Number of events: </source>
        <translation>Anzahl Ereignisse: </translation>
    </message>
    <message>
        <source>Number of histories: --</source>
        <translation>Anzahl Verlaufseinträge: --</translation>
    </message>
    <message>
        <source>The event Command completed successfully!</source>
        <translation>Ereignisse vollständig gelesen!</translation>
    </message>
    <message>
        <source>The history Command completed successfully!</source>
        <translation>Verlauf vollständig gelesen!</translation>
    </message>
    <message>
        <source>The event Command fail to excute!Please click &quot;Event&quot;!</source>
        <translation>Ereignisse konnten nicht gelesen werden! Bitte „Ereignisse“ klicken!</translation>
    </message>
    <message>
        <source>The history Command fail to excute!Please click &quot;History&quot;!</source>
        <translation>Verlauf konnte nicht gelesen werden! Bitte „Verlauf“ klicken!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;Event&quot;!</source>
        <translation>Unbekannter Befehl! Bitte „Ereignisse“ klicken!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;History&quot;!</source>
        <translation>Unbekannter Befehl! Bitte „Verlauf“ klicken!</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Historical data table exported successfully!
would you like to view it now?</source>
        <translation>Datentabelle erfolgreich exportiert!
Möchten Sie sie jetzt ansehen?</translation>
    </message>
    <message>
        <source>Historical data table export failed, please try again!</source>
        <translation>Export der Datentabelle fehlgeschlagen, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>Index is invalid</source>
        <translation>Ungültiger Index</translation>
    </message>
    <message>
        <source>Data is invalid</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>
Transimit Start
</source>
        <translation>
Übertragung gestartet
</translation>
    </message>
    <message>
        <source>
Transimit abort
</source>
        <translation>
Übertragung abgebrochen
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The bin file transfer is stopped: the receiver refused the same block again and again!</source>
        <translation>Die Übertragung der .bin-Datei wurde gestoppt: Der Empfänger hat denselben Block immer wieder abgelehnt!</translation>
    </message>
    <message>
        <source>
Transimit cancel
</source>
        <translation>
Übertragung vom Empfänger abgebrochen
</translation>
    </message>
    <message>
        <source>The bin file transfer is cancelled by receiver!</source>
        <translation>Die Übertragung der .bin-Datei wurde vom Empfänger abgebrochen!</translation>
    </message>
    <message>
        <source>
Transimit finish
</source>
        <translation>
Übertragung abgeschlossen
</translation>
    </message>
    <message>
        <source>
Transimit Start TimeOut
</source>
        <translation>
Zeitüberschreitung beim Start der Übertragung
</translation>
    </message>
    <message>
        <source>Start transmission timeout!</source>
        <translation>Zeitüberschreitung beim Start der Übertragung!</translation>
    </message>
    <message>
        <source>
TimeOut during transmission
</source>
        <translation>
Zeitüberschreitung während der Übertragung
</translation>
    </message>
    <message>
        <source>TimeOut during transmission!</source>
        <translation>Zeitüberschreitung während der Übertragung!</translation>
    </message>
    <message>
        <source>Open file error!</source>
        <translation>Fehler beim Öffnen der Datei!</translation>
    </message>
    <message>
        <source>Can&apos;t update boot! &quot;Present Num&quot; Unknown.</source>
        <translation>Bootloader-Aktualisierung nicht möglich! „Batterien vorhanden“ unbekannt.</translation>
    </message>
    <message>
        <source>Can&apos;t update! &quot;Present Num&quot; Unknown.</source>
        <translation>Aktualisierung nicht möglich! „Batterien vorhanden“ unbekannt.</translation>
    </message>
    <message>
        <source>Upgrading!Please wait!</source>
        <translation>Aktualisierung läuft! Bitte warten!</translation>
    </message>
    <message>
        <source>The battery did not answer the wake-up!
Please check the battery and the serial line, then try again!</source>
        <translation>Die Batterie hat auf das Aufwecken nicht geantwortet!
Bitte Batterie und serielle Leitung prüfen und erneut versuchen!</translation>
    </message>
    <message>
        <source>open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Did not select file!</source>
        <translation>Keine Datei ausgewählt!</translation>
    </message>
    <message>
        <source>Battery update error!
Please check battery or wake battery!</source>
        <translation>Fehler bei der Batterieaktualisierung!
Bitte die Batterie prüfen oder aufwecken!</translation>
    </message>
    <message>
        <source>Version invalid!
Please check firmware!</source>
        <translation>Ungültige Version!
Bitte die Firmware prüfen!</translation>
    </message>
    <message>
        <source>Version without head!
Please check firmware!</source>
        <translation>Version ohne Kopfdaten!
Bitte die Firmware prüfen!</translation>
    </message>
    <message>
        <source>The HUB updata successful!</source>
        <translation>HUB erfolgreich aktualisiert!</translation>
    </message>
    <message>
        <source>Host upgraded successfully!
Please check the slave after %1 minutes!</source>
        <translation>Steuergerät erfolgreich aktualisiert!
Bitte die Slave-Module nach %1 Minuten prüfen!</translation>
    </message>
    <message>
        <source>The battery updata successful!</source>
        <translation>Batterie erfolgreich aktualisiert!</translation>
    </message>
    <message>
        <source>Transimit finish %1%</source>
        <translation>Übertragen: %1 %</translation>
    </message>
    <message>
        <source>Time(min)</source>
        <translation>Zeit (min)</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>Ladezustand</translation>
    </message>
    <message>
        <source>SOC(%)</source>
        <translation>Ladezustand (%)</translation>
    </message>
    <message>
        <source>Volt of battery</source>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>Current of battery</source>
        <translation>Batteriestrom</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>Strom (A)</translation>
    </message>
    <message>
        <source>Temperature of battery</source>
        <translation>Batterietemperatur</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Temperatur (℃)</translation>
    </message>
    <message>
        <source>Please click &quot;RTData ON&quot; first!</source>
        <translation>Bitte zuerst „Echtzeit EIN“ klicken!</translation>
    </message>
    <message>
        <source>RTdata on succcess!</source>
        <translation>Echtzeitdaten erfolgreich gestartet!</translation>
    </message>
    <message>
        <source>RTdata off fail! please click again!</source>
        <translation>Echtzeitdaten konnten nicht gestoppt werden! Bitte erneut klicken!</translation>
    </message>
    <message>
        <source>RTdata off succcess!</source>
        <translation>Echtzeitdaten erfolgreich gestoppt!</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>Ladezustand: </translation>
    </message>
    <message>
        <source>Volt: </source>
        <translation>Spannung: </translation>
    </message>
    <message>
        <source>Curr: </source>
        <translation>Strom: </translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Temperatur: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>Can&apos;t download, Please click &quot;RTData OFF&quot;!</source>
        <translation>Exportieren ist nicht möglich. Bitte „Echtzeit AUS“ klicken!</translation>
    </message>
    <message>
        <source>The real-time data could not be saved to
%1
%2</source>
        <translation>Die Echtzeitdaten konnten nicht gespeichert werden:
%1
%2</translation>
    </message>
    <message>
        <source>Can&apos;t clean all, Please click &quot;RTData OFF&quot;!</source>
        <translation>„Alle löschen“ ist nicht möglich. Bitte „Echtzeit AUS“ klicken!</translation>
    </message>
    <message>
        <source>No connection — values of %1</source>
        <translation>Keine Verbindung — Werte von %1</translation>
    </message>
    <message>
        <source>No answer — values of %1</source>
        <translation>Keine Antwort — Werte von %1</translation>
    </message>
    <message>
        <source>No answer from the unit on %1 — check the cable and the port</source>
        <translation>Keine Antwort vom Gerät an %1 — Kabel und Anschluss prüfen</translation>
    </message>
    <message>
        <source>No configuration has been read from the unit since the last Login.
Log in and open this page to read it, then save it.</source>
        <translation>Seit der letzten Anmeldung wurde keine Konfiguration vom Gerät gelesen.
Melden Sie sich an und öffnen Sie diese Seite, um sie zu lesen, und speichern Sie sie dann.</translation>
    </message>
    <message>
        <source>The link ended during the file transfer: the unit did not receive the whole file.</source>
        <translation>Die Verbindung endete während der Dateiübertragung: Das Gerät hat nicht die ganze Datei erhalten.</translation>
    </message>
    <message>
        <source>The link ended during the upgrade&apos;s file transfer: the unit did not receive the whole image.
Wake the battery and upgrade it again.</source>
        <translation>Die Verbindung endete während der Übertragung des Updates: Das Gerät hat nicht das ganze Abbild erhalten.
Wecken Sie die Batterie und aktualisieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>The link ended while the unit was flashing its new firmware.
The unit may still be flashing: check its version after %1 minutes.</source>
        <translation>Die Verbindung endete, während das Gerät seine neue Firmware schrieb.
Es kann noch schreiben: Prüfen Sie seine Version in %1 Minuten.</translation>
    </message>
    <message>
        <source>The link ended while waiting for the battery to wake.
Wake it again after the next Login.</source>
        <translation>Die Verbindung endete, während auf das Aufwachen der Batterie gewartet wurde.
Wecken Sie sie nach der nächsten Anmeldung erneut.</translation>
    </message>
    <message>
        <source>The link ended during the real-time display; the unit may still be streaming and is stopped at the next Login.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>Die Verbindung endete während der Echtzeitanzeige; das Gerät sendet vielleicht noch und wird bei der nächsten Anmeldung angehalten.
Die aufgezeichneten Daten können bis zum nächsten „Echtzeit EIN“ oder „Alle löschen“ heruntergeladen werden.</translation>
    </message>
    <message>
        <source>The real-time display ended with the link.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>Die Echtzeitanzeige endete mit der Verbindung.
Die aufgezeichneten Daten können bis zum nächsten „Echtzeit EIN“ oder „Alle löschen“ heruntergeladen werden.</translation>
    </message>
    <message>
        <source>The link ended while the event records were being listed.
Click &quot;Event&quot; again after the next Login.</source>
        <translation>Die Verbindung endete, während die Ereignisse aufgelistet wurden.
Klicken Sie nach der nächsten Anmeldung erneut auf „Ereignisse“.</translation>
    </message>
    <message>
        <source>The link ended while the history records were being listed.
Click &quot;History&quot; again after the next Login.</source>
        <translation>Die Verbindung endete, während der Verlauf aufgelistet wurde.
Klicken Sie nach der nächsten Anmeldung erneut auf „Verlauf“.</translation>
    </message>
    <message>
        <source>The link ended before the unit answered the control command.
Check the switch states after the next Login.</source>
        <translation>Die Verbindung endete, bevor das Gerät den Steuerbefehl beantwortet hat.
Prüfen Sie die Schalterzustände nach der nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>%1 of %2 records have arrived. Export them?</source>
        <translation>%1 von %2 Einträgen sind angekommen. Jetzt exportieren?</translation>
    </message>
    <message>
        <source>%1 records have arrived. Export them?</source>
        <translation>%1 Einträge sind angekommen. Jetzt exportieren?</translation>
    </message>
</context>
<context>
    <name>BatteryGroup</name>
    <message>
        <source>State:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <source>Present Num:</source>
        <translation>Batterien vorhanden:</translation>
    </message>
    <message>
        <source>Total Voltage:</source>
        <translation>Gesamtspannung:</translation>
    </message>
    <message>
        <source>Total Current:</source>
        <translation>Gesamtstrom:</translation>
    </message>
    <message>
        <source>Total SOC:</source>
        <translation>Ladezustand gesamt:</translation>
    </message>
    <message>
        <source>Total SOH:</source>
        <translation>SOH gesamt:</translation>
    </message>
    <message>
        <source>CMOS State </source>
        <translation>Laden </translation>
    </message>
    <message>
        <source>DMOS State </source>
        <translation>Entladen </translation>
    </message>
    <message>
        <source>Switch the charge MOS on</source>
        <translation>Lade-MOS einschalten</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Switch the charge MOS off</source>
        <translation>Lade-MOS ausschalten</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on</source>
        <translation>Entlade-MOS einschalten</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off</source>
        <translation>Entlade-MOS ausschalten</translation>
    </message>
    <message>
        <source>Run the self-test of every battery</source>
        <translation>Selbsttest aller Batterien starten</translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation>Selbsttest</translation>
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
        <translation>Vorladerelais </translation>
    </message>
    <message>
        <source>Main Relay </source>
        <translation>Hauptrelais </translation>
    </message>
    <message>
        <source>BasicState: bat</source>
        <translation>Grundstatus: Batterie </translation>
    </message>
    <message>
        <source>VoltState: bat</source>
        <translation>Spannungsstatus: Batterie </translation>
    </message>
    <message>
        <source>CurrState: bat</source>
        <translation>Stromstatus: Batterie </translation>
    </message>
    <message>
        <source>TempState: bat</source>
        <translation>Temperaturstatus: Batterie </translation>
    </message>
    <message>
        <source>CellVolState: bat</source>
        <translation>Zellspannungsstatus: Batterie </translation>
    </message>
    <message>
        <source>CellTempState: bat</source>
        <translation>Zelltemperaturstatus: Batterie </translation>
    </message>
    <message>
        <source>AlarmTime: bat</source>
        <translation>Alarmzeit: Batterie </translation>
    </message>
    <message>
        <source>State: --</source>
        <translation>Zustand: --</translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Zustand: </translation>
    </message>
    <message>
        <source>Present Num: --</source>
        <translation>Batterien vorhanden: --</translation>
    </message>
    <message>
        <source>Present Num: </source>
        <translation>Batterien vorhanden: </translation>
    </message>
    <message>
        <source>Total Voltage: -- V</source>
        <translation>Gesamtspannung: -- V</translation>
    </message>
    <message>
        <source>Total Voltage: </source>
        <translation>Gesamtspannung: </translation>
    </message>
    <message>
        <source>Total Current: -- A</source>
        <translation>Gesamtstrom: -- A</translation>
    </message>
    <message>
        <source>Total Current: </source>
        <translation>Gesamtstrom: </translation>
    </message>
    <message>
        <source>Total SOC: -- %</source>
        <translation>Ladezustand gesamt: -- %</translation>
    </message>
    <message>
        <source>Total SOC: </source>
        <translation>Ladezustand gesamt: </translation>
    </message>
    <message>
        <source>Total SOH: -- %</source>
        <translation>SOH gesamt: -- %</translation>
    </message>
    <message>
        <source>Total SOH: </source>
        <translation>SOH gesamt: </translation>
    </message>
    <message>
        <source>Bat %1</source>
        <translation>Batterie %1</translation>
    </message>
    <message>
        <source>An alarm is active</source>
        <translation>Ein Alarm ist aktiv</translation>
    </message>
    <message>
        <source>No active alarm</source>
        <translation>Kein aktiver Alarm</translation>
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
        <translation>Ladezustand:</translation>
    </message>
    <message>
        <source>SOH:</source>
        <translation>Gesundheitszustand:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Kapazität:</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Strom:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>Max. Zellspannung:</translation>
    </message>
    <message>
        <source>Min Voltage:</source>
        <translation>Min. Zellspannung:</translation>
    </message>
    <message>
        <source>Vol Difference:</source>
        <translation>Spannungsdifferenz:</translation>
    </message>
    <message>
        <source>Max Vol ID:</source>
        <translation>Zelle max. Spannung:</translation>
    </message>
    <message>
        <source>Min Vol ID:</source>
        <translation>Zelle min. Spannung:</translation>
    </message>
    <message>
        <source>Basic Status:</source>
        <translation>Grundstatus:</translation>
    </message>
    <message>
        <source>System Fault:</source>
        <translation>Systemfehler:</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Diagramm oder Tabelle</translation>
    </message>
    <message>
        <source>Device Address:</source>
        <translation>Geräteadresse:</translation>
    </message>
    <message>
        <source>Boot Version:</source>
        <translation>Bootloader-Version:</translation>
    </message>
    <message>
        <source>Barcode:</source>
        <translation>Barcode:</translation>
    </message>
    <message>
        <source>Add barcode</source>
        <translation>Barcode hinzufügen</translation>
    </message>
    <message>
        <source>Specification:</source>
        <translation>Spezifikation:</translation>
    </message>
    <message>
        <source>Main Soft Version:</source>
        <translation>Software-Version:</translation>
    </message>
    <message>
        <source>Comm Version:</source>
        <translation>Kommunikationsversion:</translation>
    </message>
    <message>
        <source>Max Charge Current:</source>
        <translation>Max. Ladestrom:</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Freigabedatum:</translation>
    </message>
    <message>
        <source>Cell Number:</source>
        <translation>Anzahl Zellen:</translation>
    </message>
    <message>
        <source>Device Address: </source>
        <translation>Geräteadresse: </translation>
    </message>
    <message>
        <source>Device Address: --</source>
        <translation>Geräteadresse: --</translation>
    </message>
    <message>
        <source>Boot Version: </source>
        <translation>Bootloader-Version: </translation>
    </message>
    <message>
        <source>Boot Version: --</source>
        <translation>Bootloader-Version: --</translation>
    </message>
    <message>
        <source>Barcode: </source>
        <translation>Barcode: </translation>
    </message>
    <message>
        <source>Barcode: --</source>
        <translation>Barcode: --</translation>
    </message>
    <message>
        <source>Specification: </source>
        <translation>Spezifikation: </translation>
    </message>
    <message>
        <source>Specification: --</source>
        <translation>Spezifikation: --</translation>
    </message>
    <message>
        <source>Main Soft Version: </source>
        <translation>Software-Version: </translation>
    </message>
    <message>
        <source>Main Soft Version: --</source>
        <translation>Software-Version: --</translation>
    </message>
    <message>
        <source>Comm Version: </source>
        <translation>Kommunikationsversion: </translation>
    </message>
    <message>
        <source>Comm Version: --</source>
        <translation>Kommunikationsversion: --</translation>
    </message>
    <message>
        <source>Max Charge Current: </source>
        <translation>Max. Ladestrom: </translation>
    </message>
    <message>
        <source>Max Charge Current: --</source>
        <translation>Max. Ladestrom: --</translation>
    </message>
    <message>
        <source>Release Date: </source>
        <translation>Freigabedatum: </translation>
    </message>
    <message>
        <source>Release Date: --</source>
        <translation>Freigabedatum: --</translation>
    </message>
    <message>
        <source>Cell Number: --</source>
        <translation>Anzahl Zellen: --</translation>
    </message>
    <message>
        <source>Cell Number: </source>
        <translation>Anzahl Zellen: </translation>
    </message>
    <message>
        <source>SOC: -- %</source>
        <translation>Ladezustand: -- %</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>Ladezustand: </translation>
    </message>
    <message>
        <source>SOH: -- %</source>
        <translation>Gesundheitszustand: -- %</translation>
    </message>
    <message>
        <source>SOH: </source>
        <translation>Gesundheitszustand: </translation>
    </message>
    <message>
        <source>Capacity: -- AH</source>
        <translation>Kapazität: -- AH</translation>
    </message>
    <message>
        <source>Capacity: </source>
        <translation>Kapazität: </translation>
    </message>
    <message>
        <source>Current: -- A</source>
        <translation>Strom: -- A</translation>
    </message>
    <message>
        <source>Current: </source>
        <translation>Strom: </translation>
    </message>
    <message>
        <source>Temp: -- ℃</source>
        <translation>Temperatur: -- ℃</translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Temperatur: </translation>
    </message>
    <message>
        <source>Max Voltage: -- V</source>
        <translation>Max. Zellspannung: -- V</translation>
    </message>
    <message>
        <source>Max Voltage: </source>
        <translation>Max. Zellspannung: </translation>
    </message>
    <message>
        <source>Min Voltage: -- V</source>
        <translation>Min. Zellspannung: -- V</translation>
    </message>
    <message>
        <source>Min Voltage: </source>
        <translation>Min. Zellspannung: </translation>
    </message>
    <message>
        <source>Vol Difference: -- V</source>
        <translation>Spannungsdifferenz: -- V</translation>
    </message>
    <message>
        <source>Vol Difference: </source>
        <translation>Spannungsdifferenz: </translation>
    </message>
    <message>
        <source>Max Vol ID: --</source>
        <translation>Zelle max. Spannung: --</translation>
    </message>
    <message>
        <source>Max Vol ID: </source>
        <translation>Zelle max. Spannung: </translation>
    </message>
    <message>
        <source>Min Vol ID: --</source>
        <translation>Zelle min. Spannung: --</translation>
    </message>
    <message>
        <source>Min Vol ID: </source>
        <translation>Zelle min. Spannung: </translation>
    </message>
    <message>
        <source>Basic Status: </source>
        <translation>Grundstatus: </translation>
    </message>
    <message>
        <source>Basic Status: --</source>
        <translation>Grundstatus: --</translation>
    </message>
    <message>
        <source>System Fault: </source>
        <translation>Systemfehler: </translation>
    </message>
    <message>
        <source>System Fault: --</source>
        <translation>Systemfehler: --</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Cell Volt-Temp</source>
        <translation>Zellspannung und -temperatur</translation>
    </message>
    <message>
        <source>Cell ID</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Temperatur (℃)</translation>
    </message>
    <message>
        <source>Cell Id</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <comment>cell table column</comment>
        <translation>Spg.(V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <comment>cell table column</comment>
        <translation>Temp(℃)</translation>
    </message>
    <message>
        <source>Choose a battery to see its cells</source>
        <translation>Wählen Sie eine Batterie, um ihre Zellen zu sehen</translation>
    </message>
</context>
<context>
    <name>CrashReportDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Sorry, This app was crashed last time!</source>
        <translation>Das Programm ist beim letzten Mal leider abgestürzt!</translation>
    </message>
    <message>
        <source>Please send us the files that  popped up in the &quot;File window&quot;. So we can solve the App-crash problem.</source>
        <translation>Bitte senden Sie uns die Dateien aus dem geöffneten Dateifenster, damit wir die Absturzursache beheben können.</translation>
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
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>Another program is using this port. Close it, then press &quot;Login&quot; again.</source>
        <translation>Ein anderes Programm verwendet diesen Port. Bitte das Programm schließen und erneut „Anmelden“ klicken.</translation>
    </message>
    <message>
        <source>You may not use serial ports: join the dialout group with
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Keine Berechtigung für serielle Ports. Bitte der Gruppe dialout beitreten mit
sudo usermod -aG dialout $USER
und danach ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>The adapter was unplugged. Plug it in again and pick its port.</source>
        <translation>Der Adapter wurde abgezogen. Bitte wieder einstecken und seinen Port wählen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>RecordPagingBar</name>
    <message>
        <source>rows %1–%2 of %3</source>
        <translation>Zeilen %1–%2 von %3</translation>
    </message>
    <message>
        <source>rows %1–%2</source>
        <translation>Zeilen %1–%2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>page still coming…</source>
        <translation>Seite kommt noch…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Alle lesen</translation>
    </message>
</context>
<context>
    <name>TransProgress</name>
    <message>
        <source>Transmit</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Transmit Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, noch %2</translation>
    </message>
</context>
<context>
    <name>UpdataLogin</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Notice:Battery will be dead if uploading worry firmware!</source>
        <translation>Hinweis: Falsche Firmware macht die Batterie unbrauchbar!</translation>
    </message>
    <message>
        <source>password：</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>The Password is empty!</source>
        <translation>Kein Passwort eingegeben!</translation>
    </message>
</context>
<context>
    <name>WaitConfig</name>
    <message>
        <source>Waiting</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Please wait for the host to upgrade !</source>
        <translation>Bitte warten, das Steuergerät wird aktualisiert!</translation>
    </message>
    <message>
        <source>Please wait for the battery to upgrade !</source>
        <translation>Bitte warten, die Batterie wird aktualisiert!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>time waited of the longest wait</comment>
        <translation>%1 von %2</translation>
    </message>
</context>
</TS>
