<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AddBarcode</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Notice:Please enter a 16-character barcode!</source>
        <translation>Avviso: inserire un codice a barre di 16 caratteri!</translation>
    </message>
    <message>
        <source>Barcode：</source>
        <translation>Codice a barre:</translation>
    </message>
    <message>
        <source>The Barcode is empty!</source>
        <translation>Il codice a barre è vuoto!</translation>
    </message>
    <message>
        <source>The Barcode length does not meet requirement!</source>
        <translation>La lunghezza del codice a barre non è quella richiesta!</translation>
    </message>
</context>
<context>
    <name>BMSMainWin</name>
    <message>
        <source>Battery status</source>
        <translation>Stato delle batterie</translation>
    </message>
    <message>
        <source>Real-time data</source>
        <translation>Dati in tempo reale</translation>
    </message>
    <message>
        <source>Event and history records</source>
        <translation>Registri di eventi e cronologia</translation>
    </message>
    <message>
        <source>Alarm and protection configuration</source>
        <translation>Configurazione di allarmi e protezioni</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Aggiornamento del firmware</translation>
    </message>
    <message>
        <source>Raw console data</source>
        <translation>Dati grezzi della console</translation>
    </message>
    <message>
        <source>Message catalogue</source>
        <translation>Catalogo dei messaggi</translation>
    </message>
    <message>
        <source>语言测试</source>
        <translation>Test lingua</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Velocità (baud):</translation>
    </message>
    <message>
        <source>DataBits:</source>
        <translation>Bit di dati:</translation>
    </message>
    <message>
        <source>StopBits:</source>
        <translation>Bit di stop:</translation>
    </message>
    <message>
        <source>ParityBit:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>ReceiveMess</source>
        <translation>Dati ricevuti</translation>
    </message>
    <message>
        <source>Mess</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>RTData ON</source>
        <translation>Avvia tempo reale</translation>
    </message>
    <message>
        <source>RTData OFF</source>
        <translation>Ferma tempo reale</translation>
    </message>
    <message>
        <source>Save the real-time data to a file</source>
        <translation>Salva i dati in tempo reale in un file</translation>
    </message>
    <message>
        <source>Clear the real-time data</source>
        <translation>Cancella i dati in tempo reale</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Salva la configurazione in un file</translation>
    </message>
    <message>
        <source>Number of events:</source>
        <translation>Numero di eventi:</translation>
    </message>
    <message>
        <source>Number of histories: </source>
        <translation>Numero di voci di cronologia: </translation>
    </message>
    <message>
        <source>Starting number:</source>
        <translation>Dal numero:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Export the table to a workbook</source>
        <translation>Esporta la tabella in una cartella di lavoro</translation>
    </message>
    <message>
        <source>reflash</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Upgrade the firmware</source>
        <translation>Aggiorna il firmware</translation>
    </message>
    <message>
        <source>Wake a battery and upgrade it</source>
        <translation>Risveglia una batteria e aggiornala</translation>
    </message>
    <message>
        <source>Upgrade the boot loader</source>
        <translation>Aggiorna il bootloader</translation>
    </message>
    <message>
        <source>第1页</source>
        <translation>Pagina 1</translation>
    </message>
    <message>
        <source>第2页</source>
        <translation>Pagina 2</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
    <message>
        <source>Exit Console</source>
        <translation>Esci dalla console</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Invia file</translation>
    </message>
    <message>
        <source>Transmit progress:</source>
        <translation>Trasferimento:</translation>
    </message>
    <message>
        <source>System Time:</source>
        <translation>Ora di sistema:</translation>
    </message>
    <message>
        <source>Command State:</source>
        <translation>Stato del comando:</translation>
    </message>
    <message>
        <source>System Time: </source>
        <translation>Ora di sistema: </translation>
    </message>
    <message>
        <source>Do you wish to quit NorvaneBat?</source>
        <translation>Chiudere NorvaneBat?</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The serial port not open, Please Login!</source>
        <translation>La porta seriale non è aperta. Fare clic su «Connetti»!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>The serial port not open, Please open!</source>
        <translation>La porta seriale non è aperta. Aprirla!</translation>
    </message>
    <message>
        <source>Switch the charge MOS on?</source>
        <translation>Attivare il MOS di carica?</translation>
    </message>
    <message>
        <source>Switch the charge MOS off?
The batteries take no charge until it is switched on again.</source>
        <translation>Disattivare il MOS di carica?
Le batterie non si caricano finché non viene riattivato.</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on?</source>
        <translation>Attivare il MOS di scarica?</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off?
The system stops supplying its load.</source>
        <translation>Disattivare il MOS di scarica?
Il sistema smette di alimentare il carico.</translation>
    </message>
    <message>
        <source>Run the self-test of every battery?</source>
        <translation>Eseguire l&apos;autotest di tutte le batterie?</translation>
    </message>
    <message>
        <source>alarm&amp;protcet item</source>
        <translation>Parametro di allarme/protezione</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>Cella</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>choose a file</source>
        <translation>Scegli un file</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1
%2</source>
        <translation>Impossibile salvare la configurazione in
%1
%2</translation>
    </message>
    <message>
        <source>Restore the unit&apos;s default protection configuration?
Every threshold set on the unit is replaced.</source>
        <translation>Ripristinare la configurazione di protezione predefinita dell&apos;unità?
Tutte le soglie impostate sull&apos;unità verranno sostituite.</translation>
    </message>
    <message>
        <source>The initial configuration is successful!</source>
        <translation>Configurazione predefinita ripristinata correttamente!</translation>
    </message>
    <message>
        <source>The Mos open success!</source>
        <translation>MOS attivato correttamente!</translation>
    </message>
    <message>
        <source>The Mos open fail!</source>
        <translation>Attivazione del MOS non riuscita!</translation>
    </message>
    <message>
        <source>The Mos close success!</source>
        <translation>MOS disattivato correttamente!</translation>
    </message>
    <message>
        <source>The Mos close fail!</source>
        <translation>Disattivazione del MOS non riuscita!</translation>
    </message>
    <message>
        <source>The self-test finish!</source>
        <translation>Autotest completato!</translation>
    </message>
    <message>
        <source>Added barcode fail!</source>
        <translation>Aggiunta del codice a barre non riuscita!</translation>
    </message>
    <message>
        <source>Added barcode successfully!</source>
        <translation>Codice a barre aggiunto correttamente!</translation>
    </message>
    <message>
        <source>Entry Console</source>
        <translation>Accesso alla console</translation>
    </message>
    <message>
        <source>Please enter the console password:</source>
        <translation>Inserire la password della console:</translation>
    </message>
    <message>
        <source>Wrong password! Please check password!</source>
        <translation>Password errata! Controllare la password!</translation>
    </message>
    <message>
        <source>The language has changed successfully!
Please restart if there is a problem with the interface!</source>
        <translation>Lingua cambiata correttamente!
Riavviare il programma se l&apos;interfaccia non viene visualizzata bene!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>The serial port is occupied or does not exist</source>
        <translation>La porta seriale è occupata o non esiste</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The serial port diconnect! Please check!</source>
        <translation>La porta seriale si è disconnessa! Verificare!</translation>
    </message>
    <message>
        <source>In real-time rendering, can&apos;t switch pages!
Please click &quot;RTData OFF&quot;!</source>
        <translation>Impossibile cambiare pagina durante la visualizzazione in tempo reale!
Fare clic su «Ferma tempo reale»!</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Command State: completed successfully</source>
        <translation>Stato del comando: eseguito correttamente</translation>
    </message>
    <message>
        <source>Command State: fail to excute</source>
        <translation>Stato del comando: esecuzione non riuscita</translation>
    </message>
    <message>
        <source>Command State: Unknown command</source>
        <translation>Stato del comando: comando sconosciuto</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Tensione</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Min. temp of cell</source>
        <translation>Temp. min. cella</translation>
    </message>
    <message>
        <source>Max. temp of cell</source>
        <translation>Temp. max. cella</translation>
    </message>
    <message>
        <source>Min. voltage of cell</source>
        <translation>Tensione min. cella</translation>
    </message>
    <message>
        <source>Max. voltage of cell</source>
        <translation>Tensione max. cella</translation>
    </message>
    <message>
        <source>Base Status</source>
        <translation>Stato di base</translation>
    </message>
    <message>
        <source>Voltage Status</source>
        <translation>Stato tensione</translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation>Stato corrente</translation>
    </message>
    <message>
        <source>Temp Status</source>
        <translation>Stato temperatura</translation>
    </message>
    <message>
        <source>Percent%</source>
        <translation>Percentuale (%)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>mask</source>
        <translation>Maschera</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>Impossibile fare clic su «Eventi». Fare clic su «Continua» o «Ricarica», oppure attendere!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>Impossibile fare clic su «Cronologia». Fare clic su «Continua» o «Ricarica», oppure attendere!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, the history record is being viewed!</source>
        <translation>Impossibile fare clic su «Eventi»: è in corso la lettura della cronologia!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, the event record is being viewed!</source>
        <translation>Impossibile fare clic su «Cronologia»: è in corso la lettura degli eventi!</translation>
    </message>
    <message>
        <source>The number of events is zero or events not obtained!</source>
        <translation>Nessun evento, oppure il loro numero non è ancora stato letto!</translation>
    </message>
    <message>
        <source>The number of histories is zero or histories not obtained!</source>
        <translation>Nessuna voce di cronologia, oppure il loro numero non è ancora stato letto!</translation>
    </message>
    <message>
        <source>Please enter a number!</source>
        <translation>Inserire un numero!</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to %1!</source>
        <translation>Inserire un numero da 1 a %1!</translation>
    </message>
    <message>
        <source>Can&apos;t continue, Please click &quot;Event&quot; or &quot;History&quot;!</source>
        <translation>Impossibile continuare. Fare clic su «Eventi» o «Cronologia»!</translation>
    </message>
    <message>
        <source>The operation is too frequent!
Please try again later!</source>
        <translation>Operazioni troppo ravvicinate!
Riprovare più tardi!</translation>
    </message>
    <message>
        <source>The event is empty!</source>
        <translation>Nessun evento presente!</translation>
    </message>
    <message>
        <source>Number of events: --</source>
        <translation>Numero di eventi: --</translation>
    </message>
    <message>
        <source>Number of events: </source>
        <translation>Numero di eventi: </translation>
    </message>
    <message>
        <source>Number of histories: --</source>
        <translation>Numero di voci di cronologia: --</translation>
    </message>
    <message>
        <source>The event Command completed successfully!</source>
        <translation>Lettura degli eventi completata correttamente!</translation>
    </message>
    <message>
        <source>The history Command completed successfully!</source>
        <translation>Lettura della cronologia completata correttamente!</translation>
    </message>
    <message>
        <source>The event Command fail to excute!Please click &quot;Event&quot;!</source>
        <translation>Lettura degli eventi non riuscita! Fare clic su «Eventi»!</translation>
    </message>
    <message>
        <source>The history Command fail to excute!Please click &quot;History&quot;!</source>
        <translation>Lettura della cronologia non riuscita! Fare clic su «Cronologia»!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;Event&quot;!</source>
        <translation>Comando sconosciuto! Fare clic su «Eventi»!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;History&quot;!</source>
        <translation>Comando sconosciuto! Fare clic su «Cronologia»!</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Historical data table exported successfully!
would you like to view it now?</source>
        <translation>Tabella dati esportata correttamente!
Visualizzarla ora?</translation>
    </message>
    <message>
        <source>Historical data table export failed, please try again!</source>
        <translation>Esportazione della tabella dati non riuscita, riprovare!</translation>
    </message>
    <message>
        <source>Index is invalid</source>
        <translation>Indice non valido</translation>
    </message>
    <message>
        <source>Data is invalid</source>
        <translation>Dati non validi</translation>
    </message>
    <message>
        <source>
Transimit Start
</source>
        <translation>
Trasferimento avviato
</translation>
    </message>
    <message>
        <source>
Transimit abort
</source>
        <translation>
Trasferimento interrotto
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The bin file transfer is stopped: the receiver refused the same block again and again!</source>
        <translation>Trasferimento del file .bin interrotto: il ricevitore ha rifiutato più volte lo stesso blocco!</translation>
    </message>
    <message>
        <source>
Transimit cancel
</source>
        <translation>
Trasferimento annullato dal ricevitore
</translation>
    </message>
    <message>
        <source>The bin file transfer is cancelled by receiver!</source>
        <translation>Il ricevitore ha annullato il trasferimento del file .bin!</translation>
    </message>
    <message>
        <source>
Transimit finish
</source>
        <translation>
Trasferimento completato
</translation>
    </message>
    <message>
        <source>
Transimit Start TimeOut
</source>
        <translation>
Timeout all&apos;avvio del trasferimento
</translation>
    </message>
    <message>
        <source>Start transmission timeout!</source>
        <translation>Timeout all&apos;avvio del trasferimento!</translation>
    </message>
    <message>
        <source>
TimeOut during transmission
</source>
        <translation>
Timeout durante il trasferimento
</translation>
    </message>
    <message>
        <source>TimeOut during transmission!</source>
        <translation>Timeout durante il trasferimento!</translation>
    </message>
    <message>
        <source>Open file error!</source>
        <translation>Errore nell&apos;apertura del file!</translation>
    </message>
    <message>
        <source>Can&apos;t update boot! &quot;Present Num&quot; Unknown.</source>
        <translation>Impossibile aggiornare il bootloader! «Batterie presenti» sconosciuto.</translation>
    </message>
    <message>
        <source>Can&apos;t update! &quot;Present Num&quot; Unknown.</source>
        <translation>Impossibile aggiornare! «Batterie presenti» sconosciuto.</translation>
    </message>
    <message>
        <source>Upgrading!Please wait!</source>
        <translation>Aggiornamento in corso! Attendere!</translation>
    </message>
    <message>
        <source>The battery did not answer the wake-up!
Please check the battery and the serial line, then try again!</source>
        <translation>La batteria non ha risposto al risveglio!
Controllare la batteria e la linea seriale, quindi riprovare!</translation>
    </message>
    <message>
        <source>open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Did not select file!</source>
        <translation>Nessun file selezionato!</translation>
    </message>
    <message>
        <source>Battery update error!
Please check battery or wake battery!</source>
        <translation>Errore nell&apos;aggiornamento della batteria!
Controllare la batteria o risvegliarla!</translation>
    </message>
    <message>
        <source>Version invalid!
Please check firmware!</source>
        <translation>Versione non valida!
Controllare il firmware!</translation>
    </message>
    <message>
        <source>Version without head!
Please check firmware!</source>
        <translation>Versione senza intestazione!
Controllare il firmware!</translation>
    </message>
    <message>
        <source>The HUB updata successful!</source>
        <translation>HUB aggiornato correttamente!</translation>
    </message>
    <message>
        <source>Host upgraded successfully!
Please check the slave after %1 minutes!</source>
        <translation>Unità principale aggiornata correttamente!
Controllare i moduli slave tra %1 minuti!</translation>
    </message>
    <message>
        <source>The battery updata successful!</source>
        <translation>Batteria aggiornata correttamente!</translation>
    </message>
    <message>
        <source>Transimit finish %1%</source>
        <translation>Trasferito: %1%</translation>
    </message>
    <message>
        <source>Time(min)</source>
        <translation>Tempo (min)</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>Stato di carica</translation>
    </message>
    <message>
        <source>SOC(%)</source>
        <translation>Stato di carica (%)</translation>
    </message>
    <message>
        <source>Volt of battery</source>
        <translation>Tensione della batteria</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Tensione (V)</translation>
    </message>
    <message>
        <source>Current of battery</source>
        <translation>Corrente della batteria</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>Corrente (A)</translation>
    </message>
    <message>
        <source>Temperature of battery</source>
        <translation>Temperatura della batteria</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Temperatura (℃)</translation>
    </message>
    <message>
        <source>Please click &quot;RTData ON&quot; first!</source>
        <translation>Fare prima clic su «Avvia tempo reale»!</translation>
    </message>
    <message>
        <source>RTdata on succcess!</source>
        <translation>Tempo reale avviato correttamente!</translation>
    </message>
    <message>
        <source>RTdata off fail! please click again!</source>
        <translation>Arresto del tempo reale non riuscito! Fare di nuovo clic!</translation>
    </message>
    <message>
        <source>RTdata off succcess!</source>
        <translation>Tempo reale fermato correttamente!</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>Stato di carica: </translation>
    </message>
    <message>
        <source>Volt: </source>
        <translation>Tensione: </translation>
    </message>
    <message>
        <source>Curr: </source>
        <translation>Corrente: </translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Temperatura: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Tempo: </translation>
    </message>
    <message>
        <source>Can&apos;t download, Please click &quot;RTData OFF&quot;!</source>
        <translation>Impossibile esportare. Fare clic su «Ferma tempo reale»!</translation>
    </message>
    <message>
        <source>The real-time data could not be saved to
%1
%2</source>
        <translation>Impossibile salvare i dati in tempo reale in
%1
%2</translation>
    </message>
    <message>
        <source>Can&apos;t clean all, Please click &quot;RTData OFF&quot;!</source>
        <translation>Impossibile cancellare tutto. Fare clic su «Ferma tempo reale»!</translation>
    </message>
    <message>
        <source>No connection — values of %1</source>
        <translation>Nessuna connessione — valori delle %1</translation>
    </message>
    <message>
        <source>No answer — values of %1</source>
        <translation>Nessuna risposta — valori delle %1</translation>
    </message>
    <message>
        <source>No answer from the unit on %1 — check the cable and the port</source>
        <translation>Nessuna risposta dall&apos;unità su %1 — controllare il cavo e la porta</translation>
    </message>
    <message>
        <source>No configuration has been read from the unit since the last Login.
Log in and open this page to read it, then save it.</source>
        <translation>Dall&apos;ultima connessione non è stata letta alcuna configurazione dall&apos;unità.
Connettersi e aprire questa pagina per leggerla, poi salvarla.</translation>
    </message>
    <message>
        <source>The link ended during the file transfer: the unit did not receive the whole file.</source>
        <translation>Il collegamento si è interrotto durante il trasferimento: l&apos;unità non ha ricevuto il file intero.</translation>
    </message>
    <message>
        <source>The link ended during the upgrade&apos;s file transfer: the unit did not receive the whole image.
Wake the battery and upgrade it again.</source>
        <translation>Il collegamento si è interrotto durante il trasferimento dell&apos;aggiornamento: l&apos;unità non ha ricevuto l&apos;immagine intera.
Risvegliare la batteria e ripetere l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>The link ended while the unit was flashing its new firmware.
The unit may still be flashing: check its version after %1 minutes.</source>
        <translation>Il collegamento si è interrotto mentre l&apos;unità scriveva il nuovo firmware.
Potrebbe ancora scriverlo: verificarne la versione tra %1 minuti.</translation>
    </message>
    <message>
        <source>The link ended while waiting for the battery to wake.
Wake it again after the next Login.</source>
        <translation>Il collegamento si è interrotto durante l&apos;attesa del risveglio della batteria.
Risvegliarla di nuovo dopo la prossima connessione.</translation>
    </message>
    <message>
        <source>The link ended during the real-time display; the unit may still be streaming and is stopped at the next Login.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>Il collegamento si è interrotto durante la visualizzazione in tempo reale; l&apos;unità potrebbe ancora trasmettere e verrà fermata alla prossima connessione.
I dati registrati si possono scaricare fino al prossimo «Avvia tempo reale» o «Cancella tutto».</translation>
    </message>
    <message>
        <source>The real-time display ended with the link.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>La visualizzazione in tempo reale è terminata con il collegamento.
I dati registrati si possono scaricare fino al prossimo «Avvia tempo reale» o «Cancella tutto».</translation>
    </message>
    <message>
        <source>The link ended while the event records were being listed.
Click &quot;Event&quot; again after the next Login.</source>
        <translation>Il collegamento si è interrotto durante l&apos;elenco degli eventi.
Fare di nuovo clic su «Eventi» dopo la prossima connessione.</translation>
    </message>
    <message>
        <source>The link ended while the history records were being listed.
Click &quot;History&quot; again after the next Login.</source>
        <translation>Il collegamento si è interrotto durante l&apos;elenco della cronologia.
Fare di nuovo clic su «Cronologia» dopo la prossima connessione.</translation>
    </message>
    <message>
        <source>The link ended before the unit answered the control command.
Check the switch states after the next Login.</source>
        <translation>Il collegamento si è interrotto prima che l&apos;unità rispondesse al comando.
Verificare lo stato degli interruttori dopo la prossima connessione.</translation>
    </message>
    <message>
        <source>%1 of %2 records have arrived. Export them?</source>
        <translation>Sono arrivati %1 record su %2. Esportarli?</translation>
    </message>
    <message>
        <source>%1 records have arrived. Export them?</source>
        <translation>Sono arrivati %1 record. Esportarli?</translation>
    </message>
</context>
<context>
    <name>BatteryGroup</name>
    <message>
        <source>State:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Present Num:</source>
        <translation>Batterie presenti:</translation>
    </message>
    <message>
        <source>Total Voltage:</source>
        <translation>Tensione totale:</translation>
    </message>
    <message>
        <source>Total Current:</source>
        <translation>Corrente totale:</translation>
    </message>
    <message>
        <source>Total SOC:</source>
        <translation>SOC totale:</translation>
    </message>
    <message>
        <source>Total SOH:</source>
        <translation>SOH totale:</translation>
    </message>
    <message>
        <source>CMOS State </source>
        <translation>Carica </translation>
    </message>
    <message>
        <source>DMOS State </source>
        <translation>Scarica </translation>
    </message>
    <message>
        <source>Switch the charge MOS on</source>
        <translation>Attiva il MOS di carica</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Switch the charge MOS off</source>
        <translation>Disattiva il MOS di carica</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on</source>
        <translation>Attiva il MOS di scarica</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off</source>
        <translation>Disattiva il MOS di scarica</translation>
    </message>
    <message>
        <source>Run the self-test of every battery</source>
        <translation>Esegui l&apos;autotest di tutte le batterie</translation>
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
        <translation>Relè precarica </translation>
    </message>
    <message>
        <source>Main Relay </source>
        <translation>Relè principale </translation>
    </message>
    <message>
        <source>BasicState: bat</source>
        <translation>Stato di base: batteria </translation>
    </message>
    <message>
        <source>VoltState: bat</source>
        <translation>Stato tensione: batteria </translation>
    </message>
    <message>
        <source>CurrState: bat</source>
        <translation>Stato corrente: batteria </translation>
    </message>
    <message>
        <source>TempState: bat</source>
        <translation>Stato temperatura: batteria </translation>
    </message>
    <message>
        <source>CellVolState: bat</source>
        <translation>Stato tensione cella: batteria </translation>
    </message>
    <message>
        <source>CellTempState: bat</source>
        <translation>Stato temperatura cella: batteria </translation>
    </message>
    <message>
        <source>AlarmTime: bat</source>
        <translation>Ora allarme: batteria </translation>
    </message>
    <message>
        <source>State: --</source>
        <translation>Stato: --</translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Stato: </translation>
    </message>
    <message>
        <source>Present Num: --</source>
        <translation>Batterie presenti: --</translation>
    </message>
    <message>
        <source>Present Num: </source>
        <translation>Batterie presenti: </translation>
    </message>
    <message>
        <source>Total Voltage: -- V</source>
        <translation>Tensione totale: -- V</translation>
    </message>
    <message>
        <source>Total Voltage: </source>
        <translation>Tensione totale: </translation>
    </message>
    <message>
        <source>Total Current: -- A</source>
        <translation>Corrente totale: -- A</translation>
    </message>
    <message>
        <source>Total Current: </source>
        <translation>Corrente totale: </translation>
    </message>
    <message>
        <source>Total SOC: -- %</source>
        <translation>SOC totale: -- %</translation>
    </message>
    <message>
        <source>Total SOC: </source>
        <translation>SOC totale: </translation>
    </message>
    <message>
        <source>Total SOH: -- %</source>
        <translation>SOH totale: -- %</translation>
    </message>
    <message>
        <source>Total SOH: </source>
        <translation>SOH totale: </translation>
    </message>
    <message>
        <source>Bat %1</source>
        <translation>Batteria %1</translation>
    </message>
    <message>
        <source>An alarm is active</source>
        <translation>Un allarme è attivo</translation>
    </message>
    <message>
        <source>No active alarm</source>
        <translation>Nessun allarme attivo</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Batteria %1</translation>
    </message>
</context>
<context>
    <name>BatteryInfo</name>
    <message>
        <source>SOC:</source>
        <translation>Stato di carica:</translation>
    </message>
    <message>
        <source>SOH:</source>
        <translation>Stato di salute:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacità:</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Corrente:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temperatura:</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>Tensione max. cella:</translation>
    </message>
    <message>
        <source>Min Voltage:</source>
        <translation>Tensione min. cella:</translation>
    </message>
    <message>
        <source>Vol Difference:</source>
        <translation>Differenza di tensione:</translation>
    </message>
    <message>
        <source>Max Vol ID:</source>
        <translation>Cella tensione max.:</translation>
    </message>
    <message>
        <source>Min Vol ID:</source>
        <translation>Cella tensione min.:</translation>
    </message>
    <message>
        <source>Basic Status:</source>
        <translation>Stato di base:</translation>
    </message>
    <message>
        <source>System Fault:</source>
        <translation>Guasto di sistema:</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Grafico o tabella</translation>
    </message>
    <message>
        <source>Device Address:</source>
        <translation>Indirizzo dispositivo:</translation>
    </message>
    <message>
        <source>Boot Version:</source>
        <translation>Versione bootloader:</translation>
    </message>
    <message>
        <source>Barcode:</source>
        <translation>Codice a barre:</translation>
    </message>
    <message>
        <source>Add barcode</source>
        <translation>Aggiungi il codice a barre</translation>
    </message>
    <message>
        <source>Specification:</source>
        <translation>Specifica:</translation>
    </message>
    <message>
        <source>Main Soft Version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <source>Comm Version:</source>
        <translation>Versione comunicazione:</translation>
    </message>
    <message>
        <source>Max Charge Current:</source>
        <translation>Corrente di carica max.:</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Data di rilascio:</translation>
    </message>
    <message>
        <source>Cell Number:</source>
        <translation>Numero di celle:</translation>
    </message>
    <message>
        <source>Device Address: </source>
        <translation>Indirizzo dispositivo: </translation>
    </message>
    <message>
        <source>Device Address: --</source>
        <translation>Indirizzo dispositivo: --</translation>
    </message>
    <message>
        <source>Boot Version: </source>
        <translation>Versione bootloader: </translation>
    </message>
    <message>
        <source>Boot Version: --</source>
        <translation>Versione bootloader: --</translation>
    </message>
    <message>
        <source>Barcode: </source>
        <translation>Codice a barre: </translation>
    </message>
    <message>
        <source>Barcode: --</source>
        <translation>Codice a barre: --</translation>
    </message>
    <message>
        <source>Specification: </source>
        <translation>Specifica: </translation>
    </message>
    <message>
        <source>Specification: --</source>
        <translation>Specifica: --</translation>
    </message>
    <message>
        <source>Main Soft Version: </source>
        <translation>Versione software: </translation>
    </message>
    <message>
        <source>Main Soft Version: --</source>
        <translation>Versione software: --</translation>
    </message>
    <message>
        <source>Comm Version: </source>
        <translation>Versione comunicazione: </translation>
    </message>
    <message>
        <source>Comm Version: --</source>
        <translation>Versione comunicazione: --</translation>
    </message>
    <message>
        <source>Max Charge Current: </source>
        <translation>Corrente di carica max.: </translation>
    </message>
    <message>
        <source>Max Charge Current: --</source>
        <translation>Corrente di carica max.: --</translation>
    </message>
    <message>
        <source>Release Date: </source>
        <translation>Data di rilascio: </translation>
    </message>
    <message>
        <source>Release Date: --</source>
        <translation>Data di rilascio: --</translation>
    </message>
    <message>
        <source>Cell Number: --</source>
        <translation>Numero di celle: --</translation>
    </message>
    <message>
        <source>Cell Number: </source>
        <translation>Numero di celle: </translation>
    </message>
    <message>
        <source>SOC: -- %</source>
        <translation>Stato di carica: -- %</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>Stato di carica: </translation>
    </message>
    <message>
        <source>SOH: -- %</source>
        <translation>Stato di salute: -- %</translation>
    </message>
    <message>
        <source>SOH: </source>
        <translation>Stato di salute: </translation>
    </message>
    <message>
        <source>Capacity: -- AH</source>
        <translation>Capacità: -- AH</translation>
    </message>
    <message>
        <source>Capacity: </source>
        <translation>Capacità: </translation>
    </message>
    <message>
        <source>Current: -- A</source>
        <translation>Corrente: -- A</translation>
    </message>
    <message>
        <source>Current: </source>
        <translation>Corrente: </translation>
    </message>
    <message>
        <source>Temp: -- ℃</source>
        <translation>Temperatura: -- ℃</translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Temperatura: </translation>
    </message>
    <message>
        <source>Max Voltage: -- V</source>
        <translation>Tensione max. cella: -- V</translation>
    </message>
    <message>
        <source>Max Voltage: </source>
        <translation>Tensione max. cella: </translation>
    </message>
    <message>
        <source>Min Voltage: -- V</source>
        <translation>Tensione min. cella: -- V</translation>
    </message>
    <message>
        <source>Min Voltage: </source>
        <translation>Tensione min. cella: </translation>
    </message>
    <message>
        <source>Vol Difference: -- V</source>
        <translation>Differenza di tensione: -- V</translation>
    </message>
    <message>
        <source>Vol Difference: </source>
        <translation>Differenza di tensione: </translation>
    </message>
    <message>
        <source>Max Vol ID: --</source>
        <translation>Cella tensione max.: --</translation>
    </message>
    <message>
        <source>Max Vol ID: </source>
        <translation>Cella tensione max.: </translation>
    </message>
    <message>
        <source>Min Vol ID: --</source>
        <translation>Cella tensione min.: --</translation>
    </message>
    <message>
        <source>Min Vol ID: </source>
        <translation>Cella tensione min.: </translation>
    </message>
    <message>
        <source>Basic Status: </source>
        <translation>Stato di base: </translation>
    </message>
    <message>
        <source>Basic Status: --</source>
        <translation>Stato di base: --</translation>
    </message>
    <message>
        <source>System Fault: </source>
        <translation>Guasto di sistema: </translation>
    </message>
    <message>
        <source>System Fault: --</source>
        <translation>Guasto di sistema: --</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Tensione</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Cell Volt-Temp</source>
        <translation>Tensione e temperatura delle celle</translation>
    </message>
    <message>
        <source>Cell ID</source>
        <translation>Cella</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Tensione (V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Temperatura (℃)</translation>
    </message>
    <message>
        <source>Cell Id</source>
        <translation>Cella</translation>
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
        <translation>Scegliere una batteria per vederne le celle</translation>
    </message>
</context>
<context>
    <name>CrashReportDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Sorry, This app was crashed last time!</source>
        <translation>Purtroppo l&apos;ultima volta l&apos;applicazione si è chiusa in modo anomalo!</translation>
    </message>
    <message>
        <source>Please send us the files that  popped up in the &quot;File window&quot;. So we can solve the App-crash problem.</source>
        <translation>Inviare i file della finestra appena aperta, così potremo risolvere la causa della chiusura anomala.</translation>
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
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>Another program is using this port. Close it, then press &quot;Login&quot; again.</source>
        <translation>Un altro programma sta usando questa porta. Chiuderlo, poi fare di nuovo clic su «Connetti».</translation>
    </message>
    <message>
        <source>You may not use serial ports: join the dialout group with
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>Nessun permesso per le porte seriali: entrare nel gruppo dialout con
sudo usermod -aG dialout $USER
poi uscire dalla sessione e rientrare.</translation>
    </message>
    <message>
        <source>The adapter was unplugged. Plug it in again and pick its port.</source>
        <translation>L&apos;adattatore è stato scollegato. Ricollegarlo e sceglierne la porta.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>RecordPagingBar</name>
    <message>
        <source>rows %1–%2 of %3</source>
        <translation>righe %1–%2 di %3</translation>
    </message>
    <message>
        <source>rows %1–%2</source>
        <translation>righe %1–%2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>pagina %1 di %2</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>pagina %1</translation>
    </message>
    <message>
        <source>page still coming…</source>
        <translation>pagina ancora in arrivo…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Leggi tutto</translation>
    </message>
</context>
<context>
    <name>TransProgress</name>
    <message>
        <source>Transmit</source>
        <translation>Trasferimento</translation>
    </message>
    <message>
        <source>Transmit Progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 di %2 byte</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, mancano %2</translation>
    </message>
</context>
<context>
    <name>UpdataLogin</name>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Notice:Battery will be dead if uploading worry firmware!</source>
        <translation>Avviso: un firmware errato rende la batteria inutilizzabile!</translation>
    </message>
    <message>
        <source>password：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>The Password is empty!</source>
        <translation>La password è vuota!</translation>
    </message>
</context>
<context>
    <name>WaitConfig</name>
    <message>
        <source>Waiting</source>
        <translation>Attendere</translation>
    </message>
    <message>
        <source>Please wait for the host to upgrade !</source>
        <translation>Attendere l&apos;aggiornamento dell&apos;unità principale!</translation>
    </message>
    <message>
        <source>Please wait for the battery to upgrade !</source>
        <translation>Attendere l&apos;aggiornamento della batteria!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>time waited of the longest wait</comment>
        <translation>%1 di %2</translation>
    </message>
</context>
</TS>
