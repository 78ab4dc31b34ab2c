<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Core</name>
    <message>
        <source>The file is not valid</source>
        <translation>Het bestand is ongeldig</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fout bij het schrijven</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ongeldige datum</translation>
    </message>
    <message>
        <source>Date is outside the calendar&apos;s range</source>
        <translation>De datum valt buiten de periode van de kalender</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>No dialogs are available to ask the user</source>
        <translation>Er zijn geen dialoogvensters beschikbaar om de gebruiker iets te vragen</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Er is een onverwachte fout opgetreden</translation>
    </message>
    <message>
        <source>this is not an iCalendar file</source>
        <translation>dit is geen iCalendar-bestand</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>deze regel kan niet worden gelezen</translation>
    </message>
    <message>
        <source>a date of this event is not valid</source>
        <translation>een datum van deze activiteit is ongeldig</translation>
    </message>
    <message>
        <source>the time zone cannot be used</source>
        <translation>de tijdzone kan niet worden gebruikt</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be used</source>
        <translation>de herhaalregel van deze activiteit kan niet worden gebruikt</translation>
    </message>
    <message>
        <source>this event repeats too often to be imported</source>
        <translation>deze activiteit herhaalt zich te vaak om te importeren</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>het bestand is te groot</translation>
    </message>
    <message>
        <source>The range of days ends before it begins</source>
        <translation>De periode eindigt voordat ze begint</translation>
    </message>
    <message>
        <source>The range of days is not valid</source>
        <translation>De periode is ongeldig</translation>
    </message>
    <message>
        <source>Not a web address: a calendar&apos;s address begins with https://, http:// or webcal://</source>
        <translation>Geen webadres: het adres van een kalender begint met https://, http:// of webcal://</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Het downloaden is geannuleerd</translation>
    </message>
    <message>
        <source>Cannot compute a SHA-256 digest</source>
        <translation>Kan geen SHA-256-hash berekenen</translation>
    </message>
    <message>
        <source>The file is not valid
%1, line %2</source>
        <translation>Het bestand is ongeldig
%1, regel %2</translation>
    </message>
    <message>
        <source>The file is not valid
%1, larger than %2 MB</source>
        <translation>Het bestand is ongeldig
%1, groter dan %2 MB</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan bestand %1 niet aanmaken</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
    <message>
        <source>The preview folder %1 is a symbolic link; remove it and try again</source>
        <translation>De voorbeeldmap %1 is een symbolische koppeling; verwijder deze en probeer het opnieuw</translation>
    </message>
    <message>
        <source>The preview folder %1 is not a folder; remove it and try again</source>
        <translation>De voorbeeldmap %1 is geen map; verwijder deze en probeer het opnieuw</translation>
    </message>
    <message>
        <source>The preview folder %1 belongs to another user</source>
        <translation>De voorbeeldmap %1 is van een andere gebruiker</translation>
    </message>
    <message>
        <source>The preview folder %1 can be changed by other users</source>
        <translation>De voorbeeldmap %1 kan door andere gebruikers worden gewijzigd</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor ‘%1’</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Kan de gegevens voor ‘%1’ niet lezen</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Kan de gegevens voor ‘%1’ niet opslaan</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Het instellingenbestand %1 is beschadigd. Het is hernoemd naar %2 en Quillbay start met nieuwe instellingen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Het instellingenbestand %1 kon niet worden gelezen. Het is hernoemd naar %2 en Quillbay start met nieuwe instellingen.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Het instellingenbestand %1 is beschadigd en kan niet opzij worden gezet. Recent gebruikte kalenders en vensterposities worden in deze sessie niet bewaard.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Het instellingenbestand %1 kon niet worden gelezen en kan niet opzij worden gezet. Recent gebruikte kalenders en vensterposities worden in deze sessie niet bewaard.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be read</source>
        <translation>de waarde van %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 is not ended</source>
        <translation>%1 is niet afgesloten</translation>
    </message>
    <message>
        <source>A range of more than %1 years cannot be imported</source>
        <translation>Een periode van meer dan %1 jaar kan niet worden geïmporteerd</translation>
    </message>
    <message>
        <source>Cannot find the server %1</source>
        <translation>Kan de server %1 niet vinden</translation>
    </message>
    <message>
        <source>The server %1 refused the connection</source>
        <translation>De server %1 heeft de verbinding geweigerd</translation>
    </message>
    <message>
        <source>Timed out: the server %1 sent nothing for %2 seconds</source>
        <translation>Time-out: de server %1 heeft %2 seconden lang niets verzonden</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>De beveiligde verbinding met %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>The server of %1 answered %2</source>
        <translation>De server van %1 antwoordde %2</translation>
    </message>
    <message>
        <source>The calendar at %1 is larger than %2 MB</source>
        <translation>De kalender op %1 is groter dan %2 MB</translation>
    </message>
    <message>
        <source>The connection to %1 broke off before the calendar was complete</source>
        <translation>De verbinding met %1 werd verbroken voordat de kalender volledig was</translation>
    </message>
    <message>
        <source>The address %1 is redirected more than %2 times</source>
        <translation>Het adres %1 wordt meer dan %2 keer omgeleid</translation>
    </message>
    <message>
        <source>The address %1 is redirected to one that is not followed</source>
        <translation>Het adres %1 wordt omgeleid naar een adres dat niet wordt gevolgd</translation>
    </message>
    <message>
        <source>The address %1 does not give an iCalendar file</source>
        <translation>Het adres %1 levert geen iCalendar-bestand op</translation>
    </message>
    <message>
        <source>Cannot fetch %1: %2</source>
        <translation>Kan %1 niet ophalen: %2</translation>
    </message>
    <message>
        <source>The site&apos;s manifest is not valid (line %1)</source>
        <translation>Het manifest van de website is ongeldig (regel %1)</translation>
    </message>
    <message>
        <source>No program could be started to open %1</source>
        <translation>Er kon geen programma worden gestart om %1 te openen</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot start the network library</source>
        <translation>De netwerkbibliotheek kan niet worden gestart</translation>
    </message>
    <message>
        <source>Cannot make a random salt</source>
        <translation>Er kan geen willekeurige salt worden gemaakt</translation>
    </message>
    <message>
        <source>The site holds a file that cannot be uploaded: %1</source>
        <translation>De website bevat een bestand dat niet kan worden geüpload: %1</translation>
    </message>
    <message>
        <source>The site address %1 is not usable: %2</source>
        <translation>Het websiteadres %1 is niet bruikbaar: %2</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be read</source>
        <translation>de herhaalregel van deze afspraak kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Cannot fetch %1: out of memory</source>
        <translation>Kan %1 niet ophalen: onvoldoende geheugen</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the server must not hold a user or a password</source>
        <translation>Het uploadadres %1 is ongeldig: de server mag geen gebruiker of wachtwoord bevatten</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the host is not valid</source>
        <translation>Het uploadadres %1 is ongeldig: de host is ongeldig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it must start with sftp://, ftps:// or ftp://</source>
        <translation>Het uploadadres %1 is ongeldig: het moet beginnen met sftp://, ftps:// of ftp://</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a query or a fragment</source>
        <translation>Het uploadadres %1 is ongeldig: het bevat een query of een fragment</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it names no user (user@host)</source>
        <translation>Het uploadadres %1 is ongeldig: het noemt geen gebruiker (gebruiker@host)</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a password; give the password another way, never in the address</source>
        <translation>Het uploadadres %1 is ongeldig: het bevat een wachtwoord; geef het wachtwoord op een andere manier op, nooit in het adres</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the user name is not valid</source>
        <translation>Het uploadadres %1 is ongeldig: de gebruikersnaam is ongeldig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the port is not valid</source>
        <translation>Het uploadadres %1 is ongeldig: de poort is ongeldig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder is not valid</source>
        <translation>Het uploadadres %1 is ongeldig: de map is ongeldig</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder must not contain &quot;.&quot; or &quot;..&quot;</source>
        <translation>Het uploadadres %1 is ongeldig: de map mag geen &quot;.&quot; of &quot;..&quot; bevatten</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it is not a regular file</source>
        <translation>Het wachtwoordbestand %1 wordt geweigerd: het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it does not belong to you</source>
        <translation>Het wachtwoordbestand %1 wordt geweigerd: het is niet van u</translation>
    </message>
    <message>
        <source>The password file %1 is refused: others may read or change it (chmod 600)</source>
        <translation>Het wachtwoordbestand %1 wordt geweigerd: anderen kunnen het lezen of wijzigen (chmod 600)</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it cannot be read</source>
        <translation>Het wachtwoordbestand %1 wordt geweigerd: het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>The keyring cannot be used: %1</source>
        <translation>De sleutelbos kan niet worden gebruikt: %1</translation>
    </message>
    <message>
        <source>The site in %1 was not published to the end; publish it again before uploading.</source>
        <translation>De website in %1 is niet tot het einde gepubliceerd; publiceer hem opnieuw voordat u uploadt.</translation>
    </message>
    <message>
        <source>The host %1 is not known. Its key&apos;s fingerprint is %2. Compare it with the one your host&apos;s administrator gives, then accept it.</source>
        <translation>De host %1 is niet bekend. De vingerafdruk van zijn sleutel is %2. Vergelijk hem met die van de beheerder van uw host en aanvaard hem dan.</translation>
    </message>
    <message>
        <source>The key of host %1 (%2) is marked as revoked in known_hosts; the upload is refused.</source>
        <translation>De sleutel van host %1 (%2) is in known_hosts als ingetrokken gemarkeerd; de upload wordt geweigerd.</translation>
    </message>
    <message>
        <source>WARNING: the key of host %1 has changed (it now shows %2). Someone may be intercepting the connection, so the upload is refused. If the host&apos;s administrator confirms the new key, remove the old one from %3.</source>
        <translation>WAARSCHUWING: de sleutel van host %1 is gewijzigd (hij toont nu %2). Iemand onderschept mogelijk de verbinding, dus de upload wordt geweigerd. Als de beheerder van de host de nieuwe sleutel bevestigt, verwijder dan de oude uit %3.</translation>
    </message>
    <message>
        <source>The key of host %1 is not the one accepted: %2</source>
        <translation>De sleutel van host %1 is niet de aanvaarde: %2</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be trusted: %2</source>
        <translation>Het certificaat van %1 kan niet worden vertrouwd: %2</translation>
    </message>
    <message>
        <source>The server %1 does not offer encryption (TLS), so the password would be sent in the clear; the upload is refused. Ask your host for FTPS or SFTP.</source>
        <translation>De server %1 biedt geen versleuteling (TLS), dus het wachtwoord zou onversleuteld worden verzonden; de upload wordt geweigerd. Vraag uw host om FTPS of SFTP.</translation>
    </message>
    <message>
        <source>The server %1 refused the login of %2: %3</source>
        <translation>De server %1 heeft de aanmelding van %2 geweigerd: %3</translation>
    </message>
    <message>
        <source>No key in %1, no SSH agent and no password to log in to %2</source>
        <translation>Geen sleutel in %1, geen SSH-agent en geen wachtwoord om aan te melden bij %2</translation>
    </message>
    <message>
        <source>No password to log in to %1</source>
        <translation>Geen wachtwoord om aan te melden bij %1</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the login): %2</source>
        <translation>De verbinding met %1 is mislukt (de aanmelding): %2</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the listing of %2): %3</source>
        <translation>De verbinding met %1 is mislukt (de lijst van %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the file %2): %3</source>
        <translation>De verbinding met %1 is mislukt (het bestand %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (renaming %2 to %3): %4</source>
        <translation>De verbinding met %1 is mislukt (hernoemen van %2 naar %3): %4</translation>
    </message>
    <message>
        <source>The connection to %1 failed (removing %2): %3</source>
        <translation>De verbinding met %1 is mislukt (verwijderen van %2): %3</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>De server heeft de aanmelding geweigerd: %1</translation>
    </message>
    <message>
        <source>The server refused the listing of %1: %2</source>
        <translation>De server heeft de lijst van %1 geweigerd: %2</translation>
    </message>
    <message>
        <source>The server refused the file %1: %2</source>
        <translation>De server heeft het bestand %1 geweigerd: %2</translation>
    </message>
    <message>
        <source>The server refused renaming %1 to %2: %3</source>
        <translation>De server heeft het hernoemen van %1 naar %2 geweigerd: %3</translation>
    </message>
    <message>
        <source>The server refused removing %1: %2</source>
        <translation>De server heeft het verwijderen van %1 geweigerd: %2</translation>
    </message>
    <message>
        <source>The manifest on the server names a file that Quillbay never writes: %1</source>
        <translation>Het manifest op de server noemt een bestand dat Quillbay nooit schrijft: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: %1</source>
        <translation>Het manifest op de server is ongeldig: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: The site&apos;s manifest is not valid (line %1)</source>
        <translation>Het manifest op de server is ongeldig (regel %1)</translation>
    </message>
    <message>
        <source>The file %1 on the server was not written by Quillbay and is in the way; move it away or remove it, then upload again.</source>
        <translation>Het bestand %1 op de server is niet door Quillbay geschreven en zit in de weg; verplaats of verwijder het en upload dan opnieuw.</translation>
    </message>
    <message>
        <source>Another publish of the site in %1 is running</source>
        <translation>Er loopt al een andere publicatie van de website in %1</translation>
    </message>
    <message>
        <source>Cannot replace %1: it is a symbolic link or not a regular file</source>
        <translation>Kan %1 niet vervangen: het is een symbolische koppeling of geen gewoon bestand</translation>
    </message>
    <message>
        <source>Cannot remove file %1</source>
        <translation>Kan bestand %1 niet verwijderen</translation>
    </message>
    <message>
        <source>The range of months is not valid</source>
        <translation>Het bereik van maanden is ongeldig</translation>
    </message>
    <message>
        <source>The Coming-up days or the feed&apos;s months are not valid</source>
        <translation>De dagen van &apos;Binnenkort&apos; of de maanden van de feed zijn ongeldig</translation>
    </message>
    <message>
        <source>The feed %1 is larger than 1 MB; some calendar services (Google Calendar) ignore such feeds</source>
        <translation>De feed %1 is groter dan 1 MB; sommige agendadiensten (Google Agenda) negeren zulke feeds</translation>
    </message>
</context>
<context>
    <name>FetchDlg</name>
    <message>
        <source>Address of the calendar (https://, http:// or webcal://), as the calendar service shows it under &quot;secret address in iCal format&quot; or &quot;publish calendar&quot;:</source>
        <translation>Adres van de kalender (https://, http:// of webcal://), zoals de agendadienst het toont onder ‘Geheim adres in iCal-indeling’ of ‘Agenda publiceren’:</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1</source>
        <translation>De kalender wordt opgehaald van %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1
%2 received</source>
        <translation>De kalender wordt opgehaald van %1
%2 ontvangen</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
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
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TColorEdit</name>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
</context>
<context>
    <name>TDateChooser</name>
    <message>
        <source>Has events</source>
        <translation>Heeft gebeurtenissen</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Zoeken naar:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Volgende zoeken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TNaturalEdit</name>
    <message>
        <source>Step up</source>
        <translation>Hoger</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Lager</translation>
    </message>
</context>
<context>
    <name>TParaEditor</name>
    <message>
        <source> Font </source>
        <translation> Lettertype </translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>center</source>
        <translation>gecentreerd</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>A&amp;lign</source>
        <translation>&amp;Uitlijning</translation>
    </message>
    <message>
        <source>&amp;Fill color</source>
        <translation>&amp;Achtergrondkleur</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Grootte</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Kleur</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Vet</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursief</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Onderstreept</translation>
    </message>
</context>
<context>
    <name>TStyleForm</name>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Calendar Style</source>
        <translation>Kalenderstijl</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Events %1</source>
        <translation>Activiteiten %1</translation>
    </message>
    <message>
        <source>Append scheme</source>
        <translation>Schema toevoegen</translation>
    </message>
    <message>
        <source>Enter the scheme name</source>
        <translation>Voer de naam van het schema in</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Ongeldige naam</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot; already exists. Override?</source>
        <translation>Het schema ‘%1’ bestaat al. Vervangen?</translation>
    </message>
    <message>
        <source>Do you want to delete &quot;%1&quot; scheme?</source>
        <translation>Wilt u het schema ‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Algemeen</translation>
    </message>
    <message>
        <source>Ca&amp;ption</source>
        <translation>&amp;Maandtitel</translation>
    </message>
    <message>
        <source>Wee&amp;k Days</source>
        <translation>&amp;Weekdagen</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Dagen</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>A&amp;ctiviteiten</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>H&amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuleren</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Toepa&amp;ssen</translation>
    </message>
    <message>
        <source>Cell &amp;width</source>
        <translation>Ce&amp;lbreedte</translation>
    </message>
    <message>
        <source>&amp;Cell height</source>
        <translation>Celhoo&amp;gte</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Paginatitel</translation>
    </message>
    <message>
        <source>Table width (pi&amp;xels or %)</source>
        <translation>Tabelbreedte (pixels o&amp;f %)</translation>
    </message>
    <message>
        <source>Border si&amp;ze</source>
        <translation>&amp;Randdikte</translation>
    </message>
    <message>
        <source>Cell padd&amp;ing</source>
        <translation>Celop&amp;vulling</translation>
    </message>
    <message>
        <source>&amp;Border color</source>
        <translation>Rand&amp;kleur</translation>
    </message>
    <message>
        <source>Backgro&amp;und</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Page &amp;form</source>
        <translation>Pag&amp;inavorm</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Verwi&amp;jderen</translation>
    </message>
    <message>
        <source>Color sche&amp;mes</source>
        <translation>Kle&amp;urenschema&apos;s</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>Month as te&amp;xt</source>
        <translation>Maand al&amp;s naam</translation>
    </message>
    <message>
        <source>&amp;Month as number</source>
        <translation>&amp;Maand als getal</translation>
    </message>
    <message>
        <source>Show y&amp;ear</source>
        <translation>&amp;Jaar tonen</translation>
    </message>
    <message>
        <source>Bo&amp;ttom margin</source>
        <translation>&amp;Ondermarge</translation>
    </message>
    <message>
        <source>Full na&amp;mes</source>
        <translation>&amp;Volledige namen</translation>
    </message>
    <message>
        <source>Shor&amp;t names</source>
        <translation>&amp;Korte namen</translation>
    </message>
    <message>
        <source>On&amp;e char names</source>
        <translation>E&amp;én letter</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>&amp;Week begint op</translation>
    </message>
    <message>
        <source>&amp;Wrap the event words</source>
        <translation>&amp;Automatische tekstterugloop</translation>
    </message>
    <message>
        <source>Show &amp;event text as written (not HTML)</source>
        <translation>&amp;Tekst van activiteiten letterlijk tonen (geen HTML)</translation>
    </message>
    <message>
        <source>&amp;Text for blank events</source>
        <translation>Tekst voor dagen &amp;zonder activiteiten</translation>
    </message>
    <message>
        <source>Hide &apos;&amp;Created by&apos; line</source>
        <translation>Regel ‘Created b&amp;y’ verbergen</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;Koptekst</translation>
    </message>
    <message>
        <source>&amp;Footer</source>
        <translation>&amp;Voettekst</translation>
    </message>
    <message>
        <source>Preview in brow&amp;ser</source>
        <translation>Voor&amp;beeld in browser</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Col spacing</source>
        <translation>Kolomafstand</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-bestanden</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Override?</source>
        <translation>Het bestand ‘%1’ bestaat al. Vervangen?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>B&amp;laderen</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jaar</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Maanden</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Unselect</source>
        <translation>&amp;Niets selecteren</translation>
    </message>
    <message>
        <source>Bottom margin of month &amp;tables</source>
        <translation>&amp;Ondermarge van de maandtabellen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uleren</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Calendar Files</source>
        <translation>Kalenderbestanden</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>The calendar has been changed. Save?</source>
        <translation>De kalender is gewijzigd. Opslaan?</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Recente documenten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Zoeken...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Prev &amp;Month</source>
        <translation>&amp;Vorige maand</translation>
    </message>
    <message>
        <source>&amp;Prev Day</source>
        <translation>V&amp;orige dag</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Volgende &amp;dag</translation>
    </message>
    <message>
        <source>Ne&amp;xt Month</source>
        <translation>Volgende &amp;maand</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>Export &amp;month...</source>
        <translation>&amp;Maand exporteren...</translation>
    </message>
    <message>
        <source>Export &amp;year...</source>
        <translation>&amp;Jaar exporteren...</translation>
    </message>
    <message>
        <source>&amp;Style...</source>
        <translation>&amp;Stijl...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help-onderwerpen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Export month</source>
        <translation>Maand exporteren</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Jaar exporteren</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Finished searching</source>
        <translation>Zoeken voltooid</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>HTML-bestanden</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>iCalendar-bestand &amp;importeren...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Exporteren naar &amp;iCalendar...</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar-bestand importeren</translation>
    </message>
    <message>
        <source>Import the events of these days:</source>
        <translation>De activiteiten van deze dagen importeren:</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 activiteit</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 activiteiten</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 dag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dagen</translation>
    </message>
    <message>
        <source>Added %1 on %2</source>
        <translation>%1 op %2 toegevoegd</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Exporteren naar iCalendar</translation>
    </message>
    <message>
        <source>Put the days of this range into the feed:</source>
        <translation>De dagen van deze periode in de feed opnemen:</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>iCalendar-bestanden</translation>
    </message>
    <message>
        <source>Import from a&amp;ddress...</source>
        <translation>Vanaf &amp;webadres importeren...</translation>
    </message>
    <message>
        <source>Import from Address</source>
        <translation>Vanaf webadres importeren</translation>
    </message>
    <message>
        <source>U&amp;ndo Repeat</source>
        <translation>Herhalen ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>&amp;Herhalen...</translation>
    </message>
    <message>
        <source>Remove from &amp;days...</source>
        <translation>Uit &amp;dagen verwijderen...</translation>
    </message>
    <message>
        <source>Month page written to %1</source>
        <translation>Maandpagina geschreven naar %1</translation>
    </message>
    <message>
        <source>iCalendar feed written to %1</source>
        <translation>iCalendar-feed geschreven naar %1</translation>
    </message>
    <message>
        <source>Added to 1 day</source>
        <translation>Aan 1 dag toegevoegd</translation>
    </message>
    <message>
        <source>Added to %1 days</source>
        <translation>Aan %1 dagen toegevoegd</translation>
    </message>
    <message>
        <source>Removed from 1 day</source>
        <translation>Uit 1 dag verwijderd</translation>
    </message>
    <message>
        <source>Removed from %1 days</source>
        <translation>Uit %1 dagen verwijderd</translation>
    </message>
    <message>
        <source>U&amp;ndo Remove</source>
        <translation>Verwijderen ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>Restored 1 day</source>
        <translation>1 dag hersteld</translation>
    </message>
    <message>
        <source>Restored %1 days</source>
        <translation>%1 dagen hersteld</translation>
    </message>
    <message>
        <source>Year page written to %1</source>
        <translation>Jaarpagina geschreven naar %1</translation>
    </message>
    <message>
        <source>Type the events of this day; pick another day on the left</source>
        <translation>Typ de gebeurtenissen van deze dag; kies links een andere dag</translation>
    </message>
    <message>
        <source>Copy month as &amp;HTML</source>
        <translation>Maand als H&amp;TML kopiëren</translation>
    </message>
    <message>
        <source>Mar&amp;k Days with Events</source>
        <translation>Dagen met gebeurtenissen mar&amp;keren</translation>
    </message>
    <message>
        <source>P&amp;ublish site...</source>
        <translation>Site &amp;publiceren...</translation>
    </message>
    <message>
        <source>No events between %1 and %2; this file&apos;s events lie between %3 and %4</source>
        <translation>Geen afspraken tussen %1 en %2; de afspraken van dit bestand liggen tussen %3 en %4</translation>
    </message>
    <message>
        <source>; 1 event could not be read (%1)</source>
        <translation>; 1 afspraak kon niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>; %1 events could not be read (first: %2)</source>
        <translation>; %1 afspraken konden niet worden gelezen (eerste: %2)</translation>
    </message>
    <message>
        <source>Publish a&amp;gain</source>
        <translation>Opnieuw publi&amp;ceren</translation>
    </message>
</context>
<context>
    <name>TfrmPublish</name>
    <message>
        <source>Publish Site</source>
        <translation>Site publiceren</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Publiceren</translation>
    </message>
    <message>
        <source>to</source>
        <translation>t/m</translation>
    </message>
    <message>
        <source>months back,</source>
        <translation>maanden terug,</translation>
    </message>
    <message>
        <source>months ahead</source>
        <translation>maanden vooruit</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>&amp;Months (YYYY-MM):</source>
        <translation>Maa&amp;nden (JJJJ-MM):</translation>
    </message>
    <message>
        <source>Leave the months empty for every month from the first to the last with text, always with this year.</source>
        <translation>Zonder maanden: elke maand van de eerste tot de laatste met tekst, altijd met het lopende jaar.</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>&amp;Openbaar adres:</translation>
    </message>
    <message>
        <source>&amp;Coming up (days):</source>
        <translation>Binnen&amp;kort (dagen):</translation>
    </message>
    <message>
        <source>Fee&amp;d:</source>
        <translation>&amp;Feed:</translation>
    </message>
    <message>
        <source>The month %1 is not valid; write it as YYYY-MM.</source>
        <translation>De maand %1 is ongeldig; schrijf hem als JJJJ-MM.</translation>
    </message>
    <message>
        <source>Folder of the Site</source>
        <translation>Map van de site</translation>
    </message>
    <message>
        <source>Publishing the site...</source>
        <translation>De site wordt gepubliceerd...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>These files in the folder were not written by Quillbay:

%1

Replace them with the site&apos;s pages?</source>
        <translation>Deze bestanden in de map zijn niet door Quillbay geschreven:

%1

Vervangen door de pagina&apos;s van de site?</translation>
    </message>
    <message>
        <source>Site published: %1 pages written, %2 unchanged, %3 removed</source>
        <translation>Site gepubliceerd: %1 pagina&apos;s geschreven, %2 ongewijzigd, %3 verwijderd</translation>
    </message>
    <message>
        <source>Open &amp;Site</source>
        <translation>&amp;Site openen</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>&amp;Map openen</translation>
    </message>
    <message>
        <source>&amp;Upload to my web host</source>
        <translation>&amp;Uploaden naar mijn webhost</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS</source>
        <translation>FTP met TLS</translation>
    </message>
    <message>
        <source>FTP without encryption</source>
        <translation>FTP zonder versleuteling</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>host of host:poort</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>Wachtwoord in mijn s&amp;leutelbos bewaren</translation>
    </message>
    <message>
        <source>Send my password u&amp;nencrypted</source>
        <translation>Mijn wachtwoord onversleuteld ve&amp;rsturen</translation>
    </message>
    <message>
        <source>Anyone on the network path between you and the server can read your password and your pages.</source>
        <translation>Iedereen op het netwerkpad tussen u en de server kan uw wachtwoord en uw pagina&apos;s lezen.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbin&amp;ding testen</translation>
    </message>
    <message>
        <source>F&amp;orget password</source>
        <translation>Wachtwoord &amp;vergeten</translation>
    </message>
    <message>
        <source>Forget &amp;host key</source>
        <translation>&amp;Hostsleutel vergeten</translation>
    </message>
    <message>
        <source>Protoco&amp;l:</source>
        <translation>Pro&amp;tocol:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>Us&amp;er:</source>
        <translation>&amp;Gebruiker:</translation>
    </message>
    <message>
        <source>&amp;Remote folder:</source>
        <translation>&amp;Externe map:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>empty: SSH keys or the agent</source>
        <translation>leeg: SSH-sleutels of de agent</translation>
    </message>
    <message>
        <source>FTP without encryption sends your password as it is. Tick &quot;Send my password unencrypted&quot; to allow that, or choose another protocol.</source>
        <translation>FTP zonder versleuteling verstuurt uw wachtwoord zoals het is. Vink „Mijn wachtwoord onversleuteld versturen” aan om dat toe te staan, of kies een ander protocol.</translation>
    </message>
    <message>
        <source>Connected to %1: the login works and the folder holds %2 entries.</source>
        <translation>Verbonden met %1: het aanmelden werkt en de map bevat %2 items.</translation>
    </message>
    <message>
        <source>The password for %1 was removed from the keyring.</source>
        <translation>Het wachtwoord voor %1 is uit de sleutelbos verwijderd.</translation>
    </message>
    <message>
        <source>The keyring holds no password for %1.</source>
        <translation>De sleutelbos bevat geen wachtwoord voor %1.</translation>
    </message>
    <message>
        <source>The key of %1 was removed from %2.</source>
        <translation>De sleutel van %1 is uit %2 verwijderd.</translation>
    </message>
    <message>
        <source>%2 holds no key for %1.</source>
        <translation>%2 bevat geen sleutel voor %1.</translation>
    </message>
    <message>
        <source>This document uploads to %1. Upload there?</source>
        <translation>Dit document wordt geüpload naar %1. Daarheen uploaden?</translation>
    </message>
</context>
<context>
    <name>TfrmRange</name>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot en met:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>TfrmRemoveLine</name>
    <message>
        <source>Remove from Days</source>
        <translation>Uit dagen verwijderen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Line:</source>
        <translation>&amp;Regel:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Van:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Tot en met:</translation>
    </message>
    <message>
        <source>No day of the range holds this line.</source>
        <translation>Geen enkele dag van de periode bevat deze regel.</translation>
    </message>
    <message>
        <source>It will be removed from 1 day.</source>
        <translation>Ze wordt uit 1 dag verwijderd.</translation>
    </message>
    <message>
        <source>It will be removed from %1 days.</source>
        <translation>Ze wordt uit %1 dagen verwijderd.</translation>
    </message>
</context>
<context>
    <name>TfrmRepeat</name>
    <message>
        <source>Repeat</source>
        <translation>Herhalen</translation>
    </message>
    <message>
        <source>On %1</source>
        <translation>Op %1</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>T&amp;ot en met</translation>
    </message>
    <message>
        <source>&amp;Number of times</source>
        <translation>&amp;Aantal keer</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Tekst:</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Elke</translation>
    </message>
    <message>
        <source>On the first %1</source>
        <translation>Op de eerste %1 van de maand</translation>
    </message>
    <message>
        <source>On the second %1</source>
        <translation>Op de tweede %1 van de maand</translation>
    </message>
    <message>
        <source>On the third %1</source>
        <translation>Op de derde %1 van de maand</translation>
    </message>
    <message>
        <source>On the fourth %1</source>
        <translation>Op de vierde %1 van de maand</translation>
    </message>
    <message>
        <source>On the fifth %1</source>
        <translation>Op de vijfde %1 van de maand</translation>
    </message>
    <message>
        <source>On day %1</source>
        <translation>Op de %1e van de maand</translation>
    </message>
    <message>
        <source>On the last %1</source>
        <translation>Op de laatste %1 van de maand</translation>
    </message>
    <message>
        <source>On the last day of the month</source>
        <translation>Op de laatste dag van de maand</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dag</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>weken</translation>
    </message>
    <message>
        <source>week</source>
        <translation>week</translation>
    </message>
    <message>
        <source>months</source>
        <translation>maanden</translation>
    </message>
    <message>
        <source>month</source>
        <translation>maand</translation>
    </message>
    <message>
        <source>years</source>
        <translation>jaar</translation>
    </message>
    <message>
        <source>year</source>
        <translation>jaar</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 days; choose fewer times.</source>
        <translation>Een herhaling beslaat hoogstens %1 dagen; kies minder keren.</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 years ahead; choose an earlier end or fewer times.</source>
        <translation>Een herhaling reikt hoogstens %1 jaar vooruit; kies een eerder einde of minder keren.</translation>
    </message>
    <message>
        <source>No day matches the rule.</source>
        <translation>Geen enkele dag past bij de regel.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 dag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dagen</translation>
    </message>
    <message>
        <source>%1, %2 of them left out</source>
        <translation>%1, waarvan %2 overgeslagen</translation>
    </message>
</context>
<context>
    <name>TfrmUploadPassword</name>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>The password for %1</source>
        <translation>Het wachtwoord voor %1</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>Wachtwoord in mijn s&amp;leutelbos bewaren</translation>
    </message>
</context>
<context>
    <name>UploadDlg</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinden met %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Uploading to %1
%2 of %3 files, %4 of %5</source>
        <translation>Uploaden naar %1
%2 van %3 bestanden, %4 van %5</translation>
    </message>
    <message>
        <source>Cancelling after the current file...</source>
        <translation>Annuleren na het huidige bestand...</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its key&apos;s SHA-256 fingerprint is

%2

Compare it with the fingerprint that your web host gives you. Trust this server?</source>
        <translation>De server %1 is nog niet bekend. De SHA-256-vingerafdruk van zijn sleutel is

%2

Vergelijk die met de vingerafdruk die uw webhost u geeft. Deze server vertrouwen?</translation>
    </message>
    <message>
        <source>&amp;Trust this server</source>
        <translation>Deze server &amp;vertrouwen</translation>
    </message>
    <message>
        <source>The server&apos;s key was accepted for this upload but could not be kept: %1</source>
        <translation>De sleutel van de server is voor deze upload aanvaard, maar kon niet worden bewaard: %1</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Het wachtwoord kon niet in de sleutelbos worden bewaard: %1</translation>
    </message>
    <message>
        <source>Cancelled after uploading 1 file, %1 unchanged, %2 removed</source>
        <translation>Geannuleerd na het uploaden van 1 bestand, %1 ongewijzigd, %2 verwijderd</translation>
    </message>
    <message>
        <source>Cancelled after uploading %1 files, %2 unchanged, %3 removed</source>
        <translation>Geannuleerd na het uploaden van %1 bestanden, %2 ongewijzigd, %3 verwijderd</translation>
    </message>
    <message>
        <source>Uploaded 1 file, %1 unchanged, %2 removed</source>
        <translation>1 bestand geüpload, %1 ongewijzigd, %2 verwijderd</translation>
    </message>
    <message>
        <source>Uploaded %1 files, %2 unchanged, %3 removed</source>
        <translation>%1 bestanden geüpload, %2 ongewijzigd, %3 verwijderd</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbay turns a list of dated events into calendar pages for a web site.</source>
        <translation>Quillbay maakt van een lijst met gedateerde activiteiten kalenderpagina&apos;s voor een website.</translation>
    </message>
    <message>
        <source>The calendar document to open.</source>
        <translation>Het kalenderdocument dat geopend moet worden.</translation>
    </message>
    <message>
        <source>give at most one document to open</source>
        <translation>geef hoogstens één document op om te openen</translation>
    </message>
</context>
</TS>
