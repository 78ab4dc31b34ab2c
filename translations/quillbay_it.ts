<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Core</name>
    <message>
        <source>The file is not valid</source>
        <translation>Il file non è valido</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Errore di scrittura</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Data non valida</translation>
    </message>
    <message>
        <source>Date is outside the calendar&apos;s range</source>
        <translation>La data è fuori dal periodo del calendario</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>No dialogs are available to ask the user</source>
        <translation>Nessuna finestra di dialogo disponibile per chiedere all&apos;utente</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Si è verificato un errore imprevisto</translation>
    </message>
    <message>
        <source>this is not an iCalendar file</source>
        <translation>questo non è un file iCalendar</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>questa riga non è leggibile</translation>
    </message>
    <message>
        <source>a date of this event is not valid</source>
        <translation>una data di questo evento non è valida</translation>
    </message>
    <message>
        <source>the time zone cannot be used</source>
        <translation>il fuso orario non è utilizzabile</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be used</source>
        <translation>la regola di ripetizione di questo evento non è utilizzabile</translation>
    </message>
    <message>
        <source>this event repeats too often to be imported</source>
        <translation>questo evento si ripete troppo spesso per essere importato</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
    <message>
        <source>The range of days ends before it begins</source>
        <translation>Il periodo finisce prima di iniziare</translation>
    </message>
    <message>
        <source>The range of days is not valid</source>
        <translation>Il periodo non è valido</translation>
    </message>
    <message>
        <source>Not a web address: a calendar&apos;s address begins with https://, http:// or webcal://</source>
        <translation>Non è un indirizzo web: l&apos;indirizzo di un calendario inizia con https://, http:// o webcal://</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Lo scaricamento è stato annullato</translation>
    </message>
    <message>
        <source>Cannot compute a SHA-256 digest</source>
        <translation>Impossibile calcolare un&apos;impronta SHA-256</translation>
    </message>
    <message>
        <source>The file is not valid
%1, line %2</source>
        <translation>Il file non è valido
%1, riga %2</translation>
    </message>
    <message>
        <source>The file is not valid
%1, larger than %2 MB</source>
        <translation>Il file non è valido
%1, più di %2 MB</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice di lista fuori dai limiti (%1)</translation>
    </message>
    <message>
        <source>The preview folder %1 is a symbolic link; remove it and try again</source>
        <translation>La cartella di anteprima %1 è un collegamento simbolico; rimuovila e riprova</translation>
    </message>
    <message>
        <source>The preview folder %1 is not a folder; remove it and try again</source>
        <translation>La cartella di anteprima %1 non è una cartella; rimuovila e riprova</translation>
    </message>
    <message>
        <source>The preview folder %1 belongs to another user</source>
        <translation>La cartella di anteprima %1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>The preview folder %1 can be changed by other users</source>
        <translation>La cartella di anteprima %1 può essere modificata da altri utenti</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per «%1»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossibile leggere i dati di «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile salvare i dati di «%1»</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Il file delle impostazioni %1 è danneggiato. È stato rinominato in %2 e Quillbay si avvia con impostazioni nuove.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Non è stato possibile leggere il file delle impostazioni %1. È stato rinominato in %2 e Quillbay si avvia con impostazioni nuove.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Il file delle impostazioni %1 è danneggiato e non può essere messo da parte. I calendari usati di recente e le posizioni delle finestre non verranno conservati in questa sessione.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Non è stato possibile leggere il file delle impostazioni %1 né metterlo da parte. I calendari usati di recente e le posizioni delle finestre non verranno conservati in questa sessione.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be read</source>
        <translation>il valore di %1 non è leggibile</translation>
    </message>
    <message>
        <source>%1 is not ended</source>
        <translation>%1 non è chiuso</translation>
    </message>
    <message>
        <source>A range of more than %1 years cannot be imported</source>
        <translation>Impossibile importare un periodo di più di %1 anni</translation>
    </message>
    <message>
        <source>Cannot find the server %1</source>
        <translation>Impossibile trovare il server %1</translation>
    </message>
    <message>
        <source>The server %1 refused the connection</source>
        <translation>Il server %1 ha rifiutato la connessione</translation>
    </message>
    <message>
        <source>Timed out: the server %1 sent nothing for %2 seconds</source>
        <translation>Tempo scaduto: il server %1 non ha inviato nulla per %2 secondi</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La connessione sicura a %1 non è riuscita: %2</translation>
    </message>
    <message>
        <source>The server of %1 answered %2</source>
        <translation>Il server di %1 ha risposto %2</translation>
    </message>
    <message>
        <source>The calendar at %1 is larger than %2 MB</source>
        <translation>Il calendario all&apos;indirizzo %1 supera %2 MB</translation>
    </message>
    <message>
        <source>The connection to %1 broke off before the calendar was complete</source>
        <translation>La connessione a %1 si è interrotta prima che il calendario fosse completo</translation>
    </message>
    <message>
        <source>The address %1 is redirected more than %2 times</source>
        <translation>L&apos;indirizzo %1 viene reindirizzato più di %2 volte</translation>
    </message>
    <message>
        <source>The address %1 is redirected to one that is not followed</source>
        <translation>L&apos;indirizzo %1 viene reindirizzato a un indirizzo che non viene seguito</translation>
    </message>
    <message>
        <source>The address %1 does not give an iCalendar file</source>
        <translation>L&apos;indirizzo %1 non fornisce un file iCalendar</translation>
    </message>
    <message>
        <source>Cannot fetch %1: %2</source>
        <translation>Impossibile scaricare %1: %2</translation>
    </message>
    <message>
        <source>The site&apos;s manifest is not valid (line %1)</source>
        <translation>Il manifesto del sito non è valido (riga %1)</translation>
    </message>
    <message>
        <source>No program could be started to open %1</source>
        <translation>Impossibile avviare un programma per aprire %1</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot start the network library</source>
        <translation>Impossibile avviare la libreria di rete</translation>
    </message>
    <message>
        <source>Cannot make a random salt</source>
        <translation>Impossibile generare un salt casuale</translation>
    </message>
    <message>
        <source>The site holds a file that cannot be uploaded: %1</source>
        <translation>Il sito contiene un file che non può essere caricato: %1</translation>
    </message>
    <message>
        <source>The site address %1 is not usable: %2</source>
        <translation>L&apos;indirizzo del sito %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be read</source>
        <translation>la regola di ripetizione di questo evento non è leggibile</translation>
    </message>
    <message>
        <source>Cannot fetch %1: out of memory</source>
        <translation>Impossibile scaricare %1: memoria insufficiente</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the server must not hold a user or a password</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: il server non deve contenere un utente né una password</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the host is not valid</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: l&apos;host non è valido</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it must start with sftp://, ftps:// or ftp://</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: deve iniziare con sftp://, ftps:// o ftp://</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a query or a fragment</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: contiene una query o un frammento</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it names no user (user@host)</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: non indica alcun utente (utente@host)</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a password; give the password another way, never in the address</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: contiene una password; fornisca la password in un altro modo, mai nell&apos;indirizzo</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the user name is not valid</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: il nome utente non è valido</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the port is not valid</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: la porta non è valida</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder is not valid</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: la cartella non è valida</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder must not contain &quot;.&quot; or &quot;..&quot;</source>
        <translation>L&apos;indirizzo di caricamento %1 non è valido: la cartella non deve contenere «.» né «..»</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it is not a regular file</source>
        <translation>Il file della password %1 viene rifiutato: non è un file normale</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it does not belong to you</source>
        <translation>Il file della password %1 viene rifiutato: non appartiene a lei</translation>
    </message>
    <message>
        <source>The password file %1 is refused: others may read or change it (chmod 600)</source>
        <translation>Il file della password %1 viene rifiutato: altri possono leggerlo o modificarlo (chmod 600)</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it cannot be read</source>
        <translation>Il file della password %1 viene rifiutato: non può essere letto</translation>
    </message>
    <message>
        <source>The keyring cannot be used: %1</source>
        <translation>Il portachiavi non può essere usato: %1</translation>
    </message>
    <message>
        <source>The site in %1 was not published to the end; publish it again before uploading.</source>
        <translation>Il sito in %1 non è stato pubblicato fino in fondo; lo pubblichi di nuovo prima di caricarlo.</translation>
    </message>
    <message>
        <source>The host %1 is not known. Its key&apos;s fingerprint is %2. Compare it with the one your host&apos;s administrator gives, then accept it.</source>
        <translation>L&apos;host %1 non è conosciuto. L&apos;impronta della sua chiave è %2. La confronti con quella indicata dall&apos;amministratore del suo provider, poi la accetti.</translation>
    </message>
    <message>
        <source>The key of host %1 (%2) is marked as revoked in known_hosts; the upload is refused.</source>
        <translation>La chiave dell&apos;host %1 (%2) è segnata come revocata in known_hosts; il caricamento viene rifiutato.</translation>
    </message>
    <message>
        <source>WARNING: the key of host %1 has changed (it now shows %2). Someone may be intercepting the connection, so the upload is refused. If the host&apos;s administrator confirms the new key, remove the old one from %3.</source>
        <translation>ATTENZIONE: la chiave dell&apos;host %1 è cambiata (ora mostra %2). Qualcuno potrebbe intercettare la connessione, perciò il caricamento viene rifiutato. Se l&apos;amministratore dell&apos;host conferma la nuova chiave, rimuova quella vecchia da %3.</translation>
    </message>
    <message>
        <source>The key of host %1 is not the one accepted: %2</source>
        <translation>La chiave dell&apos;host %1 non è quella accettata: %2</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be trusted: %2</source>
        <translation>Il certificato di %1 non è affidabile: %2</translation>
    </message>
    <message>
        <source>The server %1 does not offer encryption (TLS), so the password would be sent in the clear; the upload is refused. Ask your host for FTPS or SFTP.</source>
        <translation>Il server %1 non offre la cifratura (TLS), quindi la password verrebbe inviata in chiaro; il caricamento viene rifiutato. Chieda FTPS o SFTP al suo provider.</translation>
    </message>
    <message>
        <source>The server %1 refused the login of %2: %3</source>
        <translation>Il server %1 ha rifiutato l&apos;accesso di %2: %3</translation>
    </message>
    <message>
        <source>No key in %1, no SSH agent and no password to log in to %2</source>
        <translation>Nessuna chiave in %1, nessun agente SSH e nessuna password per accedere a %2</translation>
    </message>
    <message>
        <source>No password to log in to %1</source>
        <translation>Nessuna password per accedere a %1</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the login): %2</source>
        <translation>La connessione a %1 non è riuscita (l&apos;accesso): %2</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the listing of %2): %3</source>
        <translation>La connessione a %1 non è riuscita (l&apos;elenco di %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the file %2): %3</source>
        <translation>La connessione a %1 non è riuscita (il file %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (renaming %2 to %3): %4</source>
        <translation>La connessione a %1 non è riuscita (rinomina di %2 in %3): %4</translation>
    </message>
    <message>
        <source>The connection to %1 failed (removing %2): %3</source>
        <translation>La connessione a %1 non è riuscita (rimozione di %2): %3</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Il server ha rifiutato l&apos;accesso: %1</translation>
    </message>
    <message>
        <source>The server refused the listing of %1: %2</source>
        <translation>Il server ha rifiutato l&apos;elenco di %1: %2</translation>
    </message>
    <message>
        <source>The server refused the file %1: %2</source>
        <translation>Il server ha rifiutato il file %1: %2</translation>
    </message>
    <message>
        <source>The server refused renaming %1 to %2: %3</source>
        <translation>Il server ha rifiutato di rinominare %1 in %2: %3</translation>
    </message>
    <message>
        <source>The server refused removing %1: %2</source>
        <translation>Il server ha rifiutato di rimuovere %1: %2</translation>
    </message>
    <message>
        <source>The manifest on the server names a file that Quillbay never writes: %1</source>
        <translation>Il manifesto sul server nomina un file che Quillbay non scrive mai: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: %1</source>
        <translation>Il manifesto sul server non è valido: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: The site&apos;s manifest is not valid (line %1)</source>
        <translation>Il manifesto sul server non è valido (riga %1)</translation>
    </message>
    <message>
        <source>The file %1 on the server was not written by Quillbay and is in the way; move it away or remove it, then upload again.</source>
        <translation>Il file %1 sul server non è stato scritto da Quillbay ed è d&apos;intralcio; lo sposti o lo rimuova, poi carichi di nuovo.</translation>
    </message>
    <message>
        <source>Another publish of the site in %1 is running</source>
        <translation>Un&apos;altra pubblicazione del sito in %1 è in corso</translation>
    </message>
    <message>
        <source>Cannot replace %1: it is a symbolic link or not a regular file</source>
        <translation>Impossibile sostituire %1: è un collegamento simbolico o non è un file normale</translation>
    </message>
    <message>
        <source>Cannot remove file %1</source>
        <translation>Impossibile rimuovere il file %1</translation>
    </message>
    <message>
        <source>The range of months is not valid</source>
        <translation>L&apos;intervallo di mesi non è valido</translation>
    </message>
    <message>
        <source>The Coming-up days or the feed&apos;s months are not valid</source>
        <translation>I giorni di «Prossimamente» o i mesi del feed non sono validi</translation>
    </message>
    <message>
        <source>The feed %1 is larger than 1 MB; some calendar services (Google Calendar) ignore such feeds</source>
        <translation>Il feed %1 supera 1 MB; alcuni servizi di calendario (Google Calendar) ignorano questi feed</translation>
    </message>
</context>
<context>
    <name>FetchDlg</name>
    <message>
        <source>Address of the calendar (https://, http:// or webcal://), as the calendar service shows it under &quot;secret address in iCal format&quot; or &quot;publish calendar&quot;:</source>
        <translation>Indirizzo del calendario (https://, http:// o webcal://), come lo mostra il servizio di calendario alla voce «Indirizzo segreto in formato iCal» o «Pubblica calendario»:</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1</source>
        <translation>Scaricamento del calendario da %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1
%2 received</source>
        <translation>Scaricamento del calendario da %1
%2 ricevuti</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TColorEdit</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
</context>
<context>
    <name>TDateChooser</name>
    <message>
        <source>Has events</source>
        <translation>Ha eventi</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TNaturalEdit</name>
    <message>
        <source>Step up</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Diminuisci</translation>
    </message>
</context>
<context>
    <name>TParaEditor</name>
    <message>
        <source> Font </source>
        <translation> Carattere </translation>
    </message>
    <message>
        <source>left</source>
        <translation>a sinistra</translation>
    </message>
    <message>
        <source>center</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a destra</translation>
    </message>
    <message>
        <source>A&amp;lign</source>
        <translation>&amp;Allineamento</translation>
    </message>
    <message>
        <source>&amp;Fill color</source>
        <translation>&amp;Colore di sfondo</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>C&amp;olore</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>Co&amp;rsivo</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Sottolineato</translation>
    </message>
</context>
<context>
    <name>TStyleForm</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Calendar Style</source>
        <translation>Stile del calendario</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Events %1</source>
        <translation>Eventi %1</translation>
    </message>
    <message>
        <source>Append scheme</source>
        <translation>Aggiungi schema</translation>
    </message>
    <message>
        <source>Enter the scheme name</source>
        <translation>Inserisci il nome dello schema</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Nome non valido</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot; already exists. Override?</source>
        <translation>Lo schema «%1» esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Do you want to delete &quot;%1&quot; scheme?</source>
        <translation>Eliminare lo schema «%1»?</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classica</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderna</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <source>Ca&amp;ption</source>
        <translation>&amp;Titolo del mese</translation>
    </message>
    <message>
        <source>Wee&amp;k Days</source>
        <translation>G&amp;iorni della settimana</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>Gi&amp;orni</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>E&amp;venti</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>Cell &amp;width</source>
        <translation>&amp;Larghezza celle</translation>
    </message>
    <message>
        <source>&amp;Cell height</source>
        <translation>Alte&amp;zza celle</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Li&amp;ngua</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Titolo &amp;della pagina</translation>
    </message>
    <message>
        <source>Table width (pi&amp;xels or %)</source>
        <translation>Larghezza tabella (pi&amp;xel o %)</translation>
    </message>
    <message>
        <source>Border si&amp;ze</source>
        <translation>Spessore &amp;bordo</translation>
    </message>
    <message>
        <source>Cell padd&amp;ing</source>
        <translation>Spaziat&amp;ura interna</translation>
    </message>
    <message>
        <source>&amp;Border color</source>
        <translation>&amp;Colore bordo</translation>
    </message>
    <message>
        <source>Backgro&amp;und</source>
        <translation>S&amp;fondo</translation>
    </message>
    <message>
        <source>Page &amp;form</source>
        <translation>For&amp;ma della pagina</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Color sche&amp;mes</source>
        <translation>&amp;Schemi di colori</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>Month as te&amp;xt</source>
        <translation>&amp;Mese in lettere</translation>
    </message>
    <message>
        <source>&amp;Month as number</source>
        <translation>&amp;Mese in cifre</translation>
    </message>
    <message>
        <source>Show y&amp;ear</source>
        <translation>&amp;Mostra l&apos;anno</translation>
    </message>
    <message>
        <source>Bo&amp;ttom margin</source>
        <translation>&amp;Margine inferiore</translation>
    </message>
    <message>
        <source>Full na&amp;mes</source>
        <translation>&amp;Nomi completi</translation>
    </message>
    <message>
        <source>Shor&amp;t names</source>
        <translation>Nomi bre&amp;vi</translation>
    </message>
    <message>
        <source>On&amp;e char names</source>
        <translation>&amp;Una lettera</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>&amp;La settimana inizia di</translation>
    </message>
    <message>
        <source>&amp;Wrap the event words</source>
        <translation>&amp;A capo automatico negli eventi</translation>
    </message>
    <message>
        <source>Show &amp;event text as written (not HTML)</source>
        <translation>Mostra il testo degli eventi cos&amp;ì com&apos;è (non HTML)</translation>
    </message>
    <message>
        <source>&amp;Text for blank events</source>
        <translation>&amp;Testo per i giorni senza eventi</translation>
    </message>
    <message>
        <source>Hide &apos;&amp;Created by&apos; line</source>
        <translation>Nascondi la riga «Created b&amp;y»</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;Intestazione</translation>
    </message>
    <message>
        <source>&amp;Footer</source>
        <translation>Pi&amp;è di pagina</translation>
    </message>
    <message>
        <source>Preview in brow&amp;ser</source>
        <translation>Anteprima nel bro&amp;wser</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Col spacing</source>
        <translation>Spazio tra le colonne</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>File HTML</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Override?</source>
        <translation>Il file «%1» esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Anno</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Mesi</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>S&amp;eleziona tutti</translation>
    </message>
    <message>
        <source>&amp;Unselect</source>
        <translation>&amp;Deseleziona tutti</translation>
    </message>
    <message>
        <source>Bottom margin of month &amp;tables</source>
        <translation>Ma&amp;rgine sotto le tabelle dei mesi</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Es&amp;porta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Calendar Files</source>
        <translation>File di calendario</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>The calendar has been changed. Save?</source>
        <translation>Il calendario è stato modificato. Salvarlo?</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Documenti &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva c&amp;on nome...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>Ce&amp;rca...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Prev &amp;Month</source>
        <translation>&amp;Mese precedente</translation>
    </message>
    <message>
        <source>&amp;Prev Day</source>
        <translation>Giorno &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Giorno successivo</translation>
    </message>
    <message>
        <source>Ne&amp;xt Month</source>
        <translation>Mese &amp;successivo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;nteprima</translation>
    </message>
    <message>
        <source>Export &amp;month...</source>
        <translation>Esporta &amp;mese...</translation>
    </message>
    <message>
        <source>Export &amp;year...</source>
        <translation>Esporta &amp;anno...</translation>
    </message>
    <message>
        <source>&amp;Style...</source>
        <translation>&amp;Stile...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Export month</source>
        <translation>Esporta mese</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Esporta anno</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Finished searching</source>
        <translation>Ricerca completata</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>File HTML</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>&amp;Importa file iCalendar...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Esporta in &amp;iCalendar...</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importa file iCalendar</translation>
    </message>
    <message>
        <source>Import the events of these days:</source>
        <translation>Importa gli eventi di questi giorni:</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 evento</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 eventi</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 giorno</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>Added %1 on %2</source>
        <translation>Importazione completata: %1 in %2</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Esporta in iCalendar</translation>
    </message>
    <message>
        <source>Put the days of this range into the feed:</source>
        <translation>Includi nel feed i giorni di questo periodo:</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>File iCalendar</translation>
    </message>
    <message>
        <source>Import from a&amp;ddress...</source>
        <translation>Importa da un in&amp;dirizzo...</translation>
    </message>
    <message>
        <source>Import from Address</source>
        <translation>Importa da un indirizzo</translation>
    </message>
    <message>
        <source>U&amp;ndo Repeat</source>
        <translation>Annulla ripetizi&amp;one</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>Ri&amp;peti...</translation>
    </message>
    <message>
        <source>Remove from &amp;days...</source>
        <translation>Rimuovi &amp;dai giorni...</translation>
    </message>
    <message>
        <source>Month page written to %1</source>
        <translation>Pagina del mese scritta in %1</translation>
    </message>
    <message>
        <source>iCalendar feed written to %1</source>
        <translation>Feed iCalendar scritto in %1</translation>
    </message>
    <message>
        <source>Added to 1 day</source>
        <translation>Aggiunto a 1 giorno</translation>
    </message>
    <message>
        <source>Added to %1 days</source>
        <translation>Aggiunto a %1 giorni</translation>
    </message>
    <message>
        <source>Removed from 1 day</source>
        <translation>Rimosso da 1 giorno</translation>
    </message>
    <message>
        <source>Removed from %1 days</source>
        <translation>Rimosso da %1 giorni</translation>
    </message>
    <message>
        <source>U&amp;ndo Remove</source>
        <translation>Annulla rimozi&amp;one</translation>
    </message>
    <message>
        <source>Restored 1 day</source>
        <translation>1 giorno ripristinato</translation>
    </message>
    <message>
        <source>Restored %1 days</source>
        <translation>%1 giorni ripristinati</translation>
    </message>
    <message>
        <source>Year page written to %1</source>
        <translation>Pagina dell&apos;anno scritta in %1</translation>
    </message>
    <message>
        <source>Type the events of this day; pick another day on the left</source>
        <translation>Scrivi gli eventi di questo giorno; scegli un altro giorno a sinistra</translation>
    </message>
    <message>
        <source>Copy month as &amp;HTML</source>
        <translation>Copia mese come &amp;HTML</translation>
    </message>
    <message>
        <source>Mar&amp;k Days with Events</source>
        <translation>Segna i giorni con &amp;eventi</translation>
    </message>
    <message>
        <source>P&amp;ublish site...</source>
        <translation>&amp;Pubblica sito web...</translation>
    </message>
    <message>
        <source>No events between %1 and %2; this file&apos;s events lie between %3 and %4</source>
        <translation>Nessun evento tra il %1 e il %2; gli eventi di questo file sono tra il %3 e il %4</translation>
    </message>
    <message>
        <source>; 1 event could not be read (%1)</source>
        <translation>; 1 evento non è stato letto (%1)</translation>
    </message>
    <message>
        <source>; %1 events could not be read (first: %2)</source>
        <translation>; %1 eventi non sono stati letti (primo: %2)</translation>
    </message>
    <message>
        <source>Publish a&amp;gain</source>
        <translation>Pubblica di nuo&amp;vo</translation>
    </message>
</context>
<context>
    <name>TfrmPublish</name>
    <message>
        <source>Publish Site</source>
        <translation>Pubblica sito web</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Sfo&amp;glia...</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>Pu&amp;bblica</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>months back,</source>
        <translation>mesi prima,</translation>
    </message>
    <message>
        <source>months ahead</source>
        <translation>mesi dopo</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Cartella:</translation>
    </message>
    <message>
        <source>&amp;Months (YYYY-MM):</source>
        <translation>&amp;Mesi (AAAA-MM):</translation>
    </message>
    <message>
        <source>Leave the months empty for every month from the first to the last with text, always with this year.</source>
        <translation>Senza mesi: ogni mese dal primo all&apos;ultimo con testo, sempre con l&apos;anno in corso.</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>&amp;Indirizzo pubblico:</translation>
    </message>
    <message>
        <source>&amp;Coming up (days):</source>
        <translation>&amp;Prossimamente (giorni):</translation>
    </message>
    <message>
        <source>Fee&amp;d:</source>
        <translation>&amp;Feed:</translation>
    </message>
    <message>
        <source>The month %1 is not valid; write it as YYYY-MM.</source>
        <translation>Il mese %1 non è valido; scrivilo come AAAA-MM.</translation>
    </message>
    <message>
        <source>Folder of the Site</source>
        <translation>Cartella del sito</translation>
    </message>
    <message>
        <source>Publishing the site...</source>
        <translation>Pubblicazione del sito...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>These files in the folder were not written by Quillbay:

%1

Replace them with the site&apos;s pages?</source>
        <translation>Questi file nella cartella non sono stati scritti da Quillbay:

%1

Sostituirli con le pagine del sito?</translation>
    </message>
    <message>
        <source>Site published: %1 pages written, %2 unchanged, %3 removed</source>
        <translation>Sito pubblicato: %1 pagine scritte, %2 invariate, %3 eliminate</translation>
    </message>
    <message>
        <source>Open &amp;Site</source>
        <translation>Apri il &amp;sito</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Apri la &amp;cartella</translation>
    </message>
    <message>
        <source>&amp;Upload to my web host</source>
        <translation>Carica sul mio &amp;hosting web</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS</source>
        <translation>FTP con TLS</translation>
    </message>
    <message>
        <source>FTP without encryption</source>
        <translation>FTP senza cifratura</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>host o host:porta</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>Conser&amp;va la password nel mio portachiavi</translation>
    </message>
    <message>
        <source>Send my password u&amp;nencrypted</source>
        <translation>Invia la mia password &amp;non cifrata</translation>
    </message>
    <message>
        <source>Anyone on the network path between you and the server can read your password and your pages.</source>
        <translation>Chiunque sul percorso di rete tra te e il server può leggere la tua password e le tue pagine.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Prova la conn&amp;essione</translation>
    </message>
    <message>
        <source>F&amp;orget password</source>
        <translation>Dimentica la passw&amp;ord</translation>
    </message>
    <message>
        <source>Forget &amp;host key</source>
        <translation>Dimentica &amp;la chiave dell&apos;host</translation>
    </message>
    <message>
        <source>Protoco&amp;l:</source>
        <translation>Pro&amp;tocollo:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>Us&amp;er:</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <source>&amp;Remote folder:</source>
        <translation>Cartella &amp;remota:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>empty: SSH keys or the agent</source>
        <translation>vuota: chiavi SSH o l&apos;agente</translation>
    </message>
    <message>
        <source>FTP without encryption sends your password as it is. Tick &quot;Send my password unencrypted&quot; to allow that, or choose another protocol.</source>
        <translation>L&apos;FTP senza cifratura invia la password così com&apos;è. Spunta «Invia la mia password non cifrata» per consentirlo, oppure scegli un altro protocollo.</translation>
    </message>
    <message>
        <source>Connected to %1: the login works and the folder holds %2 entries.</source>
        <translation>Connesso a %1: l&apos;accesso funziona e la cartella contiene %2 elementi.</translation>
    </message>
    <message>
        <source>The password for %1 was removed from the keyring.</source>
        <translation>La password per %1 è stata rimossa dal portachiavi.</translation>
    </message>
    <message>
        <source>The keyring holds no password for %1.</source>
        <translation>Il portachiavi non contiene alcuna password per %1.</translation>
    </message>
    <message>
        <source>The key of %1 was removed from %2.</source>
        <translation>La chiave di %1 è stata rimossa da %2.</translation>
    </message>
    <message>
        <source>%2 holds no key for %1.</source>
        <translation>%2 non contiene alcuna chiave per %1.</translation>
    </message>
    <message>
        <source>This document uploads to %1. Upload there?</source>
        <translation>Questo documento viene caricato su %1. Caricarlo lì?</translation>
    </message>
</context>
<context>
    <name>TfrmRange</name>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Da:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
</context>
<context>
    <name>TfrmRemoveLine</name>
    <message>
        <source>Remove from Days</source>
        <translation>Rimuovi dai giorni</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Line:</source>
        <translation>R&amp;iga:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Da:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <source>No day of the range holds this line.</source>
        <translation>Nessun giorno del periodo contiene questa riga.</translation>
    </message>
    <message>
        <source>It will be removed from 1 day.</source>
        <translation>Verrà rimossa da 1 giorno.</translation>
    </message>
    <message>
        <source>It will be removed from %1 days.</source>
        <translation>Verrà rimossa da %1 giorni.</translation>
    </message>
</context>
<context>
    <name>TfrmRepeat</name>
    <message>
        <source>Repeat</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>On %1</source>
        <translation>Il %1</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>&amp;Fino al</translation>
    </message>
    <message>
        <source>&amp;Number of times</source>
        <translation>&amp;Numero di volte</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Ogni</translation>
    </message>
    <message>
        <source>On the first %1</source>
        <translation>Di %1, tra l&apos;1 e il 7 del mese</translation>
    </message>
    <message>
        <source>On the second %1</source>
        <translation>Di %1, tra l&apos;8 e il 14 del mese</translation>
    </message>
    <message>
        <source>On the third %1</source>
        <translation>Di %1, tra il 15 e il 21 del mese</translation>
    </message>
    <message>
        <source>On the fourth %1</source>
        <translation>Di %1, tra il 22 e il 28 del mese</translation>
    </message>
    <message>
        <source>On the fifth %1</source>
        <translation>Di %1, dopo il 28 del mese</translation>
    </message>
    <message>
        <source>On day %1</source>
        <translation>Il giorno %1 del mese</translation>
    </message>
    <message>
        <source>On the last %1</source>
        <translation>Di %1, negli ultimi sette giorni del mese</translation>
    </message>
    <message>
        <source>On the last day of the month</source>
        <translation>L&apos;ultimo giorno del mese</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>day</source>
        <translation>giorno</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>settimane</translation>
    </message>
    <message>
        <source>week</source>
        <translation>settimana</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mesi</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mese</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anni</translation>
    </message>
    <message>
        <source>year</source>
        <translation>anno</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 days; choose fewer times.</source>
        <translation>Una ripetizione copre al massimo %1 giorni; scegli un numero di volte minore.</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 years ahead; choose an earlier end or fewer times.</source>
        <translation>Una ripetizione arriva al massimo a %1 anni in avanti; scegli una fine precedente o un numero di volte minore.</translation>
    </message>
    <message>
        <source>No day matches the rule.</source>
        <translation>Nessun giorno corrisponde alla regola.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 giorno</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>%1, %2 of them left out</source>
        <translation>%1 (esclusi: %2)</translation>
    </message>
</context>
<context>
    <name>TfrmUploadPassword</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>The password for %1</source>
        <translation>La password per %1</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>Conser&amp;va la password nel mio portachiavi</translation>
    </message>
</context>
<context>
    <name>UploadDlg</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Uploading to %1
%2 of %3 files, %4 of %5</source>
        <translation>Caricamento su %1
%2 di %3 file, %4 di %5</translation>
    </message>
    <message>
        <source>Cancelling after the current file...</source>
        <translation>Annullamento dopo il file corrente...</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its key&apos;s SHA-256 fingerprint is

%2

Compare it with the fingerprint that your web host gives you. Trust this server?</source>
        <translation>Il server %1 non è ancora conosciuto. L&apos;impronta SHA-256 della sua chiave è

%2

Confrontala con l&apos;impronta che ti fornisce il tuo hosting. Fidarsi di questo server?</translation>
    </message>
    <message>
        <source>&amp;Trust this server</source>
        <translation>&amp;Fidati di questo server</translation>
    </message>
    <message>
        <source>The server&apos;s key was accepted for this upload but could not be kept: %1</source>
        <translation>La chiave del server è stata accettata per questo caricamento ma non è stato possibile conservarla: %1</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Non è stato possibile conservare la password nel portachiavi: %1</translation>
    </message>
    <message>
        <source>Cancelled after uploading 1 file, %1 unchanged, %2 removed</source>
        <translation>Annullato dopo aver caricato 1 file, %1 invariati, %2 rimossi</translation>
    </message>
    <message>
        <source>Cancelled after uploading %1 files, %2 unchanged, %3 removed</source>
        <translation>Annullato dopo aver caricato %1 file, %2 invariati, %3 rimossi</translation>
    </message>
    <message>
        <source>Uploaded 1 file, %1 unchanged, %2 removed</source>
        <translation>1 file caricato, %1 invariati, %2 rimossi</translation>
    </message>
    <message>
        <source>Uploaded %1 files, %2 unchanged, %3 removed</source>
        <translation>%1 file caricati, %2 invariati, %3 rimossi</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbay turns a list of dated events into calendar pages for a web site.</source>
        <translation>Quillbay trasforma un elenco di eventi con data in pagine di calendario per un sito web.</translation>
    </message>
    <message>
        <source>The calendar document to open.</source>
        <translation>Il documento di calendario da aprire.</translation>
    </message>
    <message>
        <source>give at most one document to open</source>
        <translation>indicare al massimo un documento da aprire</translation>
    </message>
</context>
</TS>
