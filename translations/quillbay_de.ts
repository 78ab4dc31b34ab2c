<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <source>The file is not valid</source>
        <translation>Die Datei ist ungültig</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Date is outside the calendar&apos;s range</source>
        <translation>Das Datum liegt außerhalb des Kalenderbereichs</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>No dialogs are available to ask the user</source>
        <translation>Es steht kein Dialog zur Verfügung, um nachzufragen</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>this is not an iCalendar file</source>
        <translation>dies ist keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>diese Zeile kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a date of this event is not valid</source>
        <translation>ein Datum dieses Termins ist ungültig</translation>
    </message>
    <message>
        <source>the time zone cannot be used</source>
        <translation>die Zeitzone kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be used</source>
        <translation>die Wiederholungsregel dieses Termins kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>this event repeats too often to be imported</source>
        <translation>dieser Termin wiederholt sich zu oft, um importiert zu werden</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>The range of days ends before it begins</source>
        <translation>Der Zeitraum endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>The range of days is not valid</source>
        <translation>Der Zeitraum ist ungültig</translation>
    </message>
    <message>
        <source>Not a web address: a calendar&apos;s address begins with https://, http:// or webcal://</source>
        <translation>Keine Webadresse: Die Adresse eines Kalenders beginnt mit https://, http:// oder webcal://</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Der Abruf wurde abgebrochen</translation>
    </message>
    <message>
        <source>Cannot compute a SHA-256 digest</source>
        <translation>Eine SHA-256-Prüfsumme kann nicht berechnet werden</translation>
    </message>
    <message>
        <source>The file is not valid
%1, line %2</source>
        <translation>Die Datei ist ungültig
%1, Zeile %2</translation>
    </message>
    <message>
        <source>The file is not valid
%1, larger than %2 MB</source>
        <translation>Die Datei ist ungültig
%1, größer als %2 MB</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>The preview folder %1 is a symbolic link; remove it and try again</source>
        <translation>Der Vorschauordner %1 ist ein symbolischer Link; entfernen Sie ihn und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>The preview folder %1 is not a folder; remove it and try again</source>
        <translation>Der Vorschauordner %1 ist kein Ordner; entfernen Sie ihn und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>The preview folder %1 belongs to another user</source>
        <translation>Der Vorschauordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The preview folder %1 can be changed by other users</source>
        <translation>Der Vorschauordner %1 kann von anderen Benutzern geändert werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Die Daten für „%1“ konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für „%1“ konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt. Sie wurde in %2 umbenannt, und Quillbay beginnt mit neuen Einstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde in %2 umbenannt, und Quillbay beginnt mit neuen Einstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt und kann nicht beiseitegelegt werden. Zuletzt verwendete Kalender und Fensterpositionen werden in dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden und kann nicht beiseitegelegt werden. Zuletzt verwendete Kalender und Fensterpositionen werden in dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be read</source>
        <translation>der Wert von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not ended</source>
        <translation>%1 ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>A range of more than %1 years cannot be imported</source>
        <translation>Ein Zeitraum von mehr als %1 Jahren kann nicht importiert werden</translation>
    </message>
    <message>
        <source>Cannot find the server %1</source>
        <translation>Der Server %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The server %1 refused the connection</source>
        <translation>Der Server %1 hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Timed out: the server %1 sent nothing for %2 seconds</source>
        <translation>Zeitüberschreitung: Der Server %1 hat %2 Sekunden lang nichts gesendet</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The server of %1 answered %2</source>
        <translation>Der Server von %1 antwortete %2</translation>
    </message>
    <message>
        <source>The calendar at %1 is larger than %2 MB</source>
        <translation>Der Kalender unter %1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>The connection to %1 broke off before the calendar was complete</source>
        <translation>Die Verbindung zu %1 brach ab, bevor der Kalender vollständig war</translation>
    </message>
    <message>
        <source>The address %1 is redirected more than %2 times</source>
        <translation>Die Adresse %1 wird mehr als %2-mal umgeleitet</translation>
    </message>
    <message>
        <source>The address %1 is redirected to one that is not followed</source>
        <translation>Die Adresse %1 wird auf eine Adresse umgeleitet, der nicht gefolgt wird</translation>
    </message>
    <message>
        <source>The address %1 does not give an iCalendar file</source>
        <translation>Die Adresse %1 liefert keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>Cannot fetch %1: %2</source>
        <translation>%1 kann nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>The site&apos;s manifest is not valid (line %1)</source>
        <translation>Das Manifest der Website ist ungültig (Zeile %1)</translation>
    </message>
    <message>
        <source>No program could be started to open %1</source>
        <translation>Kein Programm konnte gestartet werden, um %1 zu öffnen</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot start the network library</source>
        <translation>Die Netzwerkbibliothek kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Cannot make a random salt</source>
        <translation>Es kann kein zufälliges Salt erzeugt werden</translation>
    </message>
    <message>
        <source>The site holds a file that cannot be uploaded: %1</source>
        <translation>Die Website enthält eine Datei, die nicht hochgeladen werden kann: %1</translation>
    </message>
    <message>
        <source>The site address %1 is not usable: %2</source>
        <translation>Die Adresse der Website %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be read</source>
        <translation>die Wiederholungsregel dieses Termins kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot fetch %1: out of memory</source>
        <translation>%1 kann nicht abgerufen werden: zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the server must not hold a user or a password</source>
        <translation>Die Upload-Adresse %1 ist ungültig: der Server darf keinen Benutzer und kein Passwort enthalten</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the host is not valid</source>
        <translation>Die Upload-Adresse %1 ist ungültig: der Host ist ungültig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it must start with sftp://, ftps:// or ftp://</source>
        <translation>Die Upload-Adresse %1 ist ungültig: sie muss mit sftp://, ftps:// oder ftp:// beginnen</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a query or a fragment</source>
        <translation>Die Upload-Adresse %1 ist ungültig: sie enthält eine Abfrage oder ein Fragment</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it names no user (user@host)</source>
        <translation>Die Upload-Adresse %1 ist ungültig: sie nennt keinen Benutzer (benutzer@host)</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a password; give the password another way, never in the address</source>
        <translation>Die Upload-Adresse %1 ist ungültig: sie enthält ein Passwort; geben Sie das Passwort auf anderem Weg an, nie in der Adresse</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the user name is not valid</source>
        <translation>Die Upload-Adresse %1 ist ungültig: der Benutzername ist ungültig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the port is not valid</source>
        <translation>Die Upload-Adresse %1 ist ungültig: der Port ist ungültig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder is not valid</source>
        <translation>Die Upload-Adresse %1 ist ungültig: der Ordner ist ungültig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder must not contain &quot;.&quot; or &quot;..&quot;</source>
        <translation>Die Upload-Adresse %1 ist ungültig: der Ordner darf weder „.“ noch „..“ enthalten</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it is not a regular file</source>
        <translation>Die Passwortdatei %1 wird abgelehnt: sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it does not belong to you</source>
        <translation>Die Passwortdatei %1 wird abgelehnt: sie gehört nicht Ihnen</translation>
    </message>
    <message>
        <source>The password file %1 is refused: others may read or change it (chmod 600)</source>
        <translation>Die Passwortdatei %1 wird abgelehnt: andere können sie lesen oder ändern (chmod 600)</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it cannot be read</source>
        <translation>Die Passwortdatei %1 wird abgelehnt: sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The keyring cannot be used: %1</source>
        <translation>Der Schlüsselbund kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The site in %1 was not published to the end; publish it again before uploading.</source>
        <translation>Die Website in %1 wurde nicht vollständig veröffentlicht; veröffentlichen Sie sie erneut, bevor Sie hochladen.</translation>
    </message>
    <message>
        <source>The host %1 is not known. Its key&apos;s fingerprint is %2. Compare it with the one your host&apos;s administrator gives, then accept it.</source>
        <translation>Der Host %1 ist nicht bekannt. Der Fingerabdruck seines Schlüssels ist %2. Vergleichen Sie ihn mit dem, den der Administrator Ihres Hosts angibt, und nehmen Sie ihn dann an.</translation>
    </message>
    <message>
        <source>The key of host %1 (%2) is marked as revoked in known_hosts; the upload is refused.</source>
        <translation>Der Schlüssel des Hosts %1 (%2) ist in known_hosts als widerrufen markiert; das Hochladen wird verweigert.</translation>
    </message>
    <message>
        <source>WARNING: the key of host %1 has changed (it now shows %2). Someone may be intercepting the connection, so the upload is refused. If the host&apos;s administrator confirms the new key, remove the old one from %3.</source>
        <translation>WARNUNG: Der Schlüssel des Hosts %1 hat sich geändert (er zeigt jetzt %2). Jemand könnte die Verbindung abfangen, darum wird das Hochladen verweigert. Wenn der Administrator des Hosts den neuen Schlüssel bestätigt, entfernen Sie den alten aus %3.</translation>
    </message>
    <message>
        <source>The key of host %1 is not the one accepted: %2</source>
        <translation>Der Schlüssel des Hosts %1 ist nicht der angenommene: %2</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be trusted: %2</source>
        <translation>Dem Zertifikat von %1 kann nicht vertraut werden: %2</translation>
    </message>
    <message>
        <source>The server %1 does not offer encryption (TLS), so the password would be sent in the clear; the upload is refused. Ask your host for FTPS or SFTP.</source>
        <translation>Der Server %1 bietet keine Verschlüsselung (TLS) an, das Passwort würde also im Klartext gesendet; das Hochladen wird verweigert. Fragen Sie Ihren Host nach FTPS oder SFTP.</translation>
    </message>
    <message>
        <source>The server %1 refused the login of %2: %3</source>
        <translation>Der Server %1 hat die Anmeldung von %2 abgelehnt: %3</translation>
    </message>
    <message>
        <source>No key in %1, no SSH agent and no password to log in to %2</source>
        <translation>Kein Schlüssel in %1, kein SSH-Agent und kein Passwort für die Anmeldung bei %2</translation>
    </message>
    <message>
        <source>No password to log in to %1</source>
        <translation>Kein Passwort für die Anmeldung bei %1</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the login): %2</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen (die Anmeldung): %2</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the listing of %2): %3</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen (die Liste von %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the file %2): %3</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen (die Datei %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (renaming %2 to %3): %4</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen (Umbenennen von %2 in %3): %4</translation>
    </message>
    <message>
        <source>The connection to %1 failed (removing %2): %3</source>
        <translation>Die Verbindung zu %1 ist fehlgeschlagen (Entfernen von %2): %3</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Der Server hat die Anmeldung abgelehnt: %1</translation>
    </message>
    <message>
        <source>The server refused the listing of %1: %2</source>
        <translation>Der Server hat die Liste von %1 verweigert: %2</translation>
    </message>
    <message>
        <source>The server refused the file %1: %2</source>
        <translation>Der Server hat die Datei %1 verweigert: %2</translation>
    </message>
    <message>
        <source>The server refused renaming %1 to %2: %3</source>
        <translation>Der Server hat das Umbenennen von %1 in %2 verweigert: %3</translation>
    </message>
    <message>
        <source>The server refused removing %1: %2</source>
        <translation>Der Server hat das Entfernen von %1 verweigert: %2</translation>
    </message>
    <message>
        <source>The manifest on the server names a file that Quillbay never writes: %1</source>
        <translation>Das Manifest auf dem Server nennt eine Datei, die Quillbay nie schreibt: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: %1</source>
        <translation>Das Manifest auf dem Server ist ungültig: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: The site&apos;s manifest is not valid (line %1)</source>
        <translation>Das Manifest auf dem Server ist ungültig (Zeile %1)</translation>
    </message>
    <message>
        <source>The file %1 on the server was not written by Quillbay and is in the way; move it away or remove it, then upload again.</source>
        <translation>Die Datei %1 auf dem Server wurde nicht von Quillbay geschrieben und ist im Weg; verschieben oder entfernen Sie sie, dann laden Sie erneut hoch.</translation>
    </message>
    <message>
        <source>Another publish of the site in %1 is running</source>
        <translation>Eine andere Veröffentlichung der Website in %1 läuft gerade</translation>
    </message>
    <message>
        <source>Cannot replace %1: it is a symbolic link or not a regular file</source>
        <translation>%1 kann nicht ersetzt werden: es ist eine symbolische Verknüpfung oder keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot remove file %1</source>
        <translation>Die Datei %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>The range of months is not valid</source>
        <translation>Der Monatsbereich ist ungültig</translation>
    </message>
    <message>
        <source>The Coming-up days or the feed&apos;s months are not valid</source>
        <translation>Die Tage für „Demnächst“ oder die Monate des Feeds sind ungültig</translation>
    </message>
    <message>
        <source>The feed %1 is larger than 1 MB; some calendar services (Google Calendar) ignore such feeds</source>
        <translation>Der Feed %1 ist größer als 1 MB; manche Kalenderdienste (Google Kalender) ignorieren solche Feeds</translation>
    </message>
</context>
<context>
    <name>FetchDlg</name>
    <message>
        <source>Address of the calendar (https://, http:// or webcal://), as the calendar service shows it under &quot;secret address in iCal format&quot; or &quot;publish calendar&quot;:</source>
        <translation>Adresse des Kalenders (https://, http:// oder webcal://), wie der Kalenderdienst sie unter „Privatadresse im iCal-Format“ oder „Kalender veröffentlichen“ zeigt:</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1</source>
        <translation>Der Kalender wird von %1 abgerufen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1
%2 received</source>
        <translation>Der Kalender wird von %1 abgerufen
%2 empfangen</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TColorEdit</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>TDateChooser</name>
    <message>
        <source>Has events</source>
        <translation>Hat Termine</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TNaturalEdit</name>
    <message>
        <source>Step up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Niedriger</translation>
    </message>
</context>
<context>
    <name>TParaEditor</name>
    <message>
        <source> Font </source>
        <translation> Schrift </translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>center</source>
        <translation>zentriert</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>A&amp;lign</source>
        <translation>Ausrichtun&amp;g</translation>
    </message>
    <message>
        <source>&amp;Fill color</source>
        <translation>F&amp;üllfarbe</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Gr&amp;öße</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>F&amp;arbe</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>Unterstri&amp;chen</translation>
    </message>
</context>
<context>
    <name>TStyleForm</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Calendar Style</source>
        <translation>Kalenderstil</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Events %1</source>
        <translation>Termine %1</translation>
    </message>
    <message>
        <source>Append scheme</source>
        <translation>Schema hinzufügen</translation>
    </message>
    <message>
        <source>Enter the scheme name</source>
        <translation>Name des Schemas eingeben</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot; already exists. Override?</source>
        <translation>Das Schema „%1“ gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Do you want to delete &quot;%1&quot; scheme?</source>
        <translation>Möchten Sie das Schema „%1“ löschen?</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>A&amp;llgemein</translation>
    </message>
    <message>
        <source>Ca&amp;ption</source>
        <translation>Über&amp;schrift</translation>
    </message>
    <message>
        <source>Wee&amp;k Days</source>
        <translation>&amp;Wochentage</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Tage</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>T&amp;ermine</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Z&amp;urücksetzen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Übe&amp;rnehmen</translation>
    </message>
    <message>
        <source>Cell &amp;width</source>
        <translation>&amp;Zellenbreite</translation>
    </message>
    <message>
        <source>&amp;Cell height</source>
        <translation>Zelle&amp;nhöhe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>T&amp;itel</translation>
    </message>
    <message>
        <source>Table width (pi&amp;xels or %)</source>
        <translation>Tabellenbreite (Pi&amp;xel oder %)</translation>
    </message>
    <message>
        <source>Border si&amp;ze</source>
        <translation>Rahmenst&amp;ärke</translation>
    </message>
    <message>
        <source>Cell padd&amp;ing</source>
        <translation>Innenabstan&amp;d</translation>
    </message>
    <message>
        <source>&amp;Border color</source>
        <translation>R&amp;ahmenfarbe</translation>
    </message>
    <message>
        <source>Backgro&amp;und</source>
        <translation>Hinter&amp;grund</translation>
    </message>
    <message>
        <source>Page &amp;form</source>
        <translation>Seiten&amp;form</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hinzuf&amp;ügen</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Color sche&amp;mes</source>
        <translation>Farbs&amp;chemata</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>Anze&amp;igen</translation>
    </message>
    <message>
        <source>Month as te&amp;xt</source>
        <translation>Monat als Te&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Month as number</source>
        <translation>Monat als &amp;Zahl</translation>
    </message>
    <message>
        <source>Show y&amp;ear</source>
        <translation>&amp;Jahr anzeigen</translation>
    </message>
    <message>
        <source>Bo&amp;ttom margin</source>
        <translation>Abstan&amp;d unten</translation>
    </message>
    <message>
        <source>Full na&amp;mes</source>
        <translation>&amp;Volle Namen</translation>
    </message>
    <message>
        <source>Shor&amp;t names</source>
        <translation>Abgekür&amp;zte Namen</translation>
    </message>
    <message>
        <source>On&amp;e char names</source>
        <translation>E&amp;in Buchstabe</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>Erster Tag &amp;der Woche</translation>
    </message>
    <message>
        <source>&amp;Wrap the event words</source>
        <translation>Term&amp;intexte umbrechen</translation>
    </message>
    <message>
        <source>Show &amp;event text as written (not HTML)</source>
        <translation>Termintext wörtlich &amp;zeigen (nicht als HTML)</translation>
    </message>
    <message>
        <source>&amp;Text for blank events</source>
        <translation>Te&amp;xt für Tage ohne Termine</translation>
    </message>
    <message>
        <source>Hide &apos;&amp;Created by&apos; line</source>
        <translation>&amp;Zeile „Created by“ ausblenden</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>Seite&amp;nkopf</translation>
    </message>
    <message>
        <source>&amp;Footer</source>
        <translation>Se&amp;itenfuß</translation>
    </message>
    <message>
        <source>Preview in brow&amp;ser</source>
        <translation>Vorschau i&amp;m Browser</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Col spacing</source>
        <translation>Spaltenabstand</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Override?</source>
        <translation>Die Datei „%1“ gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Monate</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Unselect</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>Bottom margin of month &amp;tables</source>
        <translation>Abstand &amp;unter den Monatstabellen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Calendar Files</source>
        <translation>Kalenderdateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The calendar has been changed. Save?</source>
        <translation>Der Kalender wurde geändert. Speichern?</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Prev &amp;Month</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <source>&amp;Prev Day</source>
        <translation>Vo&amp;rheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Nächster Tag</translation>
    </message>
    <message>
        <source>Ne&amp;xt Month</source>
        <translation>Nä&amp;chster Monat</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Export &amp;month...</source>
        <translation>&amp;Monat exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;year...</source>
        <translation>&amp;Jahr exportieren...</translation>
    </message>
    <message>
        <source>&amp;Style...</source>
        <translation>&amp;Stil...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Export month</source>
        <translation>Monat exportieren</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Jahr exportieren</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Finished searching</source>
        <translation>Suche beendet</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>iCalendar &amp;importieren...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>&amp;iCalendar exportieren...</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar importieren</translation>
    </message>
    <message>
        <source>Import the events of these days:</source>
        <translation>Die Termine dieser Tage importieren:</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 Termin</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 Termine</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tagen</translation>
    </message>
    <message>
        <source>Added %1 on %2</source>
        <translation>%1 an %2 hinzugefügt</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>iCalendar exportieren</translation>
    </message>
    <message>
        <source>Put the days of this range into the feed:</source>
        <translation>Die Tage dieses Bereichs in den Feed aufnehmen:</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>iCalendar-Dateien</translation>
    </message>
    <message>
        <source>Import from a&amp;ddress...</source>
        <translation>Aus &amp;Adresse importieren...</translation>
    </message>
    <message>
        <source>Import from Address</source>
        <translation>Aus Adresse importieren</translation>
    </message>
    <message>
        <source>Month page written to %1</source>
        <translation>Monatsseite geschrieben: %1</translation>
    </message>
    <message>
        <source>iCalendar feed written to %1</source>
        <translation>iCalendar-Feed geschrieben: %1</translation>
    </message>
    <message>
        <source>Year page written to %1</source>
        <translation>Jahresseite geschrieben: %1</translation>
    </message>
    <message>
        <source>U&amp;ndo Repeat</source>
        <translation>Wiederholen &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>&amp;Wiederholen...</translation>
    </message>
    <message>
        <source>Remove from &amp;days...</source>
        <translation>Aus &amp;Tagen entfernen...</translation>
    </message>
    <message>
        <source>Added to 1 day</source>
        <translation>Zu 1 Tag hinzugefügt</translation>
    </message>
    <message>
        <source>Added to %1 days</source>
        <translation>Zu %1 Tagen hinzugefügt</translation>
    </message>
    <message>
        <source>Removed from 1 day</source>
        <translation>Aus 1 Tag entfernt</translation>
    </message>
    <message>
        <source>Removed from %1 days</source>
        <translation>Aus %1 Tagen entfernt</translation>
    </message>
    <message>
        <source>U&amp;ndo Remove</source>
        <translation>Entfernen &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Restored 1 day</source>
        <translation>1 Tag wiederhergestellt</translation>
    </message>
    <message>
        <source>Restored %1 days</source>
        <translation>%1 Tage wiederhergestellt</translation>
    </message>
    <message>
        <source>Type the events of this day; pick another day on the left</source>
        <translation>Termine dieses Tages eingeben; links einen anderen Tag wählen</translation>
    </message>
    <message>
        <source>Copy month as &amp;HTML</source>
        <translation>Monat als &amp;HTML kopieren</translation>
    </message>
    <message>
        <source>Mar&amp;k Days with Events</source>
        <translation>&amp;Tage mit Terminen markieren</translation>
    </message>
    <message>
        <source>P&amp;ublish site...</source>
        <translation>&amp;Website veröffentlichen...</translation>
    </message>
    <message>
        <source>No events between %1 and %2; this file&apos;s events lie between %3 and %4</source>
        <translation>Keine Termine zwischen %1 und %2; die Termine dieser Datei liegen zwischen %3 und %4</translation>
    </message>
    <message>
        <source>; 1 event could not be read (%1)</source>
        <translation>; 1 Termin konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>; %1 events could not be read (first: %2)</source>
        <translation>; %1 Termine konnten nicht gelesen werden (erster: %2)</translation>
    </message>
    <message>
        <source>Publish a&amp;gain</source>
        <translation>Erneut &amp;veröffentlichen</translation>
    </message>
</context>
<context>
    <name>TfrmPublish</name>
    <message>
        <source>Publish Site</source>
        <translation>Website veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>months back,</source>
        <translation>Monate zurück,</translation>
    </message>
    <message>
        <source>months ahead</source>
        <translation>Monate voraus</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Months (YYYY-MM):</source>
        <translation>&amp;Monate (JJJJ-MM):</translation>
    </message>
    <message>
        <source>Leave the months empty for every month from the first to the last with text, always with this year.</source>
        <translation>Ohne Angabe: jeder Monat vom ersten bis zum letzten mit Text, immer mit dem ganzen laufenden Jahr.</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>Öffentliche &amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Coming up (days):</source>
        <translation>&amp;Demnächst (Tage):</translation>
    </message>
    <message>
        <source>Fee&amp;d:</source>
        <translation>&amp;Feed:</translation>
    </message>
    <message>
        <source>The month %1 is not valid; write it as YYYY-MM.</source>
        <translation>Der Monat %1 ist nicht gültig; schreiben Sie ihn als JJJJ-MM.</translation>
    </message>
    <message>
        <source>Folder of the Site</source>
        <translation>Ordner der Website</translation>
    </message>
    <message>
        <source>Publishing the site...</source>
        <translation>Die Website wird veröffentlicht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>These files in the folder were not written by Quillbay:

%1

Replace them with the site&apos;s pages?</source>
        <translation>Diese Dateien im Ordner wurden nicht von Quillbay geschrieben:

%1

Sollen sie durch die Seiten der Website ersetzt werden?</translation>
    </message>
    <message>
        <source>Site published: %1 pages written, %2 unchanged, %3 removed</source>
        <translation>Website veröffentlicht: %1 Seiten geschrieben, %2 unverändert, %3 entfernt</translation>
    </message>
    <message>
        <source>Open &amp;Site</source>
        <translation>&amp;Website öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Upload to my web host</source>
        <translation>Zu meinem Webhoster &amp;hochladen</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS</source>
        <translation>FTP mit TLS</translation>
    </message>
    <message>
        <source>FTP without encryption</source>
        <translation>FTP ohne Verschlüsselung</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>Host oder Host:Port</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>Passwort in meinem Sch&amp;lüsselbund behalten</translation>
    </message>
    <message>
        <source>Send my password u&amp;nencrypted</source>
        <translation>Mein Passwort &amp;unverschlüsselt senden</translation>
    </message>
    <message>
        <source>Anyone on the network path between you and the server can read your password and your pages.</source>
        <translation>Jeder auf dem Netzweg zwischen Ihnen und dem Server kann Ihr Passwort und Ihre Seiten lesen.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;prüfen</translation>
    </message>
    <message>
        <source>F&amp;orget password</source>
        <translation>Passwort ver&amp;gessen</translation>
    </message>
    <message>
        <source>Forget &amp;host key</source>
        <translation>Host-Schlüssel vergesse&amp;n</translation>
    </message>
    <message>
        <source>Protoco&amp;l:</source>
        <translation>Pro&amp;tokoll:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>Us&amp;er:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Remote folder:</source>
        <translation>&amp;Entfernter Ordner:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>empty: SSH keys or the agent</source>
        <translation>leer: SSH-Schlüssel oder der Agent</translation>
    </message>
    <message>
        <source>FTP without encryption sends your password as it is. Tick &quot;Send my password unencrypted&quot; to allow that, or choose another protocol.</source>
        <translation>FTP ohne Verschlüsselung sendet Ihr Passwort im Klartext. Kreuzen Sie „Mein Passwort unverschlüsselt senden“ an, um das zu erlauben, oder wählen Sie ein anderes Protokoll.</translation>
    </message>
    <message>
        <source>Connected to %1: the login works and the folder holds %2 entries.</source>
        <translation>Verbunden mit %1: Die Anmeldung funktioniert, und der Ordner enthält %2 Einträge.</translation>
    </message>
    <message>
        <source>The password for %1 was removed from the keyring.</source>
        <translation>Das Passwort für %1 wurde aus dem Schlüsselbund entfernt.</translation>
    </message>
    <message>
        <source>The keyring holds no password for %1.</source>
        <translation>Der Schlüsselbund enthält kein Passwort für %1.</translation>
    </message>
    <message>
        <source>The key of %1 was removed from %2.</source>
        <translation>Der Schlüssel von %1 wurde aus %2 entfernt.</translation>
    </message>
    <message>
        <source>%2 holds no key for %1.</source>
        <translation>%2 enthält keinen Schlüssel für %1.</translation>
    </message>
    <message>
        <source>This document uploads to %1. Upload there?</source>
        <translation>Dieses Dokument lädt nach %1 hoch. Dorthin hochladen?</translation>
    </message>
</context>
<context>
    <name>TfrmRange</name>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
</context>
<context>
    <name>TfrmRemoveLine</name>
    <message>
        <source>Remove from Days</source>
        <translation>Aus Tagen entfernen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Line:</source>
        <translation>&amp;Zeile:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>No day of the range holds this line.</source>
        <translation>Kein Tag des Zeitraums enthält diese Zeile.</translation>
    </message>
    <message>
        <source>It will be removed from 1 day.</source>
        <translation>Sie wird aus 1 Tag entfernt.</translation>
    </message>
    <message>
        <source>It will be removed from %1 days.</source>
        <translation>Sie wird aus %1 Tagen entfernt.</translation>
    </message>
</context>
<context>
    <name>TfrmRepeat</name>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>On %1</source>
        <translation>Am %1</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>&amp;Number of times</source>
        <translation>&amp;Wie oft</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>On the first %1</source>
        <translation>Am ersten %1</translation>
    </message>
    <message>
        <source>On the second %1</source>
        <translation>Am zweiten %1</translation>
    </message>
    <message>
        <source>On the third %1</source>
        <translation>Am dritten %1</translation>
    </message>
    <message>
        <source>On the fourth %1</source>
        <translation>Am vierten %1</translation>
    </message>
    <message>
        <source>On the fifth %1</source>
        <translation>Am fünften %1</translation>
    </message>
    <message>
        <source>On day %1</source>
        <translation>Am %1. des Monats</translation>
    </message>
    <message>
        <source>On the last %1</source>
        <translation>Am letzten %1</translation>
    </message>
    <message>
        <source>On the last day of the month</source>
        <translation>Am letzten Tag des Monats</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 days; choose fewer times.</source>
        <translation>Eine Wiederholung erreicht höchstens %1 Tage; wählen Sie eine kleinere Anzahl.</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 years ahead; choose an earlier end or fewer times.</source>
        <translation>Eine Wiederholung reicht höchstens %1 Jahre voraus; wählen Sie ein früheres Ende oder eine kleinere Anzahl.</translation>
    </message>
    <message>
        <source>No day matches the rule.</source>
        <translation>Kein Tag passt zur Regel.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1, %2 of them left out</source>
        <translation>%1, davon %2 ausgelassen</translation>
    </message>
</context>
<context>
    <name>TfrmUploadPassword</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The password for %1</source>
        <translation>Das Passwort für %1</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>Passwort in meinem Sch&amp;lüsselbund behalten</translation>
    </message>
</context>
<context>
    <name>UploadDlg</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Uploading to %1
%2 of %3 files, %4 of %5</source>
        <translation>Hochladen nach %1
%2 von %3 Dateien, %4 von %5</translation>
    </message>
    <message>
        <source>Cancelling after the current file...</source>
        <translation>Wird nach der aktuellen Datei abgebrochen...</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its key&apos;s SHA-256 fingerprint is

%2

Compare it with the fingerprint that your web host gives you. Trust this server?</source>
        <translation>Der Server %1 ist noch nicht bekannt. Der SHA-256-Fingerabdruck seines Schlüssels ist

%2

Vergleichen Sie ihn mit dem Fingerabdruck, den Ihr Webhoster Ihnen nennt. Diesem Server vertrauen?</translation>
    </message>
    <message>
        <source>&amp;Trust this server</source>
        <translation>Diesem Server &amp;vertrauen</translation>
    </message>
    <message>
        <source>The server&apos;s key was accepted for this upload but could not be kept: %1</source>
        <translation>Der Schlüssel des Servers wurde für dieses Hochladen angenommen, konnte aber nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Cancelled after uploading 1 file, %1 unchanged, %2 removed</source>
        <translation>Abgebrochen nach 1 hochgeladenen Datei, %1 unverändert, %2 entfernt</translation>
    </message>
    <message>
        <source>Cancelled after uploading %1 files, %2 unchanged, %3 removed</source>
        <translation>Abgebrochen nach %1 hochgeladenen Dateien, %2 unverändert, %3 entfernt</translation>
    </message>
    <message>
        <source>Uploaded 1 file, %1 unchanged, %2 removed</source>
        <translation>1 Datei hochgeladen, %1 unverändert, %2 entfernt</translation>
    </message>
    <message>
        <source>Uploaded %1 files, %2 unchanged, %3 removed</source>
        <translation>%1 Dateien hochgeladen, %2 unverändert, %3 entfernt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbay turns a list of dated events into calendar pages for a web site.</source>
        <translation>Quillbay macht aus einer Liste von Terminen Kalenderseiten für eine Website.</translation>
    </message>
    <message>
        <source>The calendar document to open.</source>
        <translation>Das zu öffnende Kalenderdokument.</translation>
    </message>
    <message>
        <source>give at most one document to open</source>
        <translation>geben Sie höchstens ein Dokument zum Öffnen an</translation>
    </message>
</context>
</TS>
