<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Core</name>
    <message>
        <source>The file is not valid</source>
        <translation>Le fichier n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Date is outside the calendar&apos;s range</source>
        <translation>La date est en dehors de la période du calendrier</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>No dialogs are available to ask the user</source>
        <translation>Aucune boîte de dialogue n&apos;est disponible pour interroger l&apos;utilisateur</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Une erreur inattendue s&apos;est produite</translation>
    </message>
    <message>
        <source>this is not an iCalendar file</source>
        <translation>ce n&apos;est pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>cette ligne est illisible</translation>
    </message>
    <message>
        <source>a date of this event is not valid</source>
        <translation>une date de cet événement n&apos;est pas valide</translation>
    </message>
    <message>
        <source>the time zone cannot be used</source>
        <translation>le fuseau horaire est inutilisable</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be used</source>
        <translation>la règle de répétition de cet événement est inutilisable</translation>
    </message>
    <message>
        <source>this event repeats too often to be imported</source>
        <translation>cet événement se répète trop souvent pour être importé</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>The range of days ends before it begins</source>
        <translation>La période se termine avant de commencer</translation>
    </message>
    <message>
        <source>The range of days is not valid</source>
        <translation>La période n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Not a web address: a calendar&apos;s address begins with https://, http:// or webcal://</source>
        <translation>Ce n&apos;est pas une adresse web&#xa0;: l&apos;adresse d&apos;un calendrier commence par https://, http:// ou webcal://</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Le téléchargement a été annulé</translation>
    </message>
    <message>
        <source>Cannot compute a SHA-256 digest</source>
        <translation>Impossible de calculer une empreinte SHA-256</translation>
    </message>
    <message>
        <source>The file is not valid
%1, line %2</source>
        <translation>Le fichier n&apos;est pas valide
%1, ligne %2</translation>
    </message>
    <message>
        <source>The file is not valid
%1, larger than %2 MB</source>
        <translation>Le fichier n&apos;est pas valide
%1, plus de %2 Mo</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>The preview folder %1 is a symbolic link; remove it and try again</source>
        <translation>Le dossier d&apos;aperçu %1 est un lien symbolique&#xa0;; supprimez-le et réessayez</translation>
    </message>
    <message>
        <source>The preview folder %1 is not a folder; remove it and try again</source>
        <translation>Le dossier d&apos;aperçu %1 n&apos;est pas un dossier&#xa0;; supprimez-le et réessayez</translation>
    </message>
    <message>
        <source>The preview folder %1 belongs to another user</source>
        <translation>Le dossier d&apos;aperçu %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The preview folder %1 can be changed by other users</source>
        <translation>Le dossier d&apos;aperçu %1 peut être modifié par d&apos;autres utilisateurs</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Le fichier de paramètres %1 est endommagé. Il a été renommé en %2, et Quillbay démarre avec de nouveaux paramètres.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu. Il a été renommé en %2, et Quillbay démarre avec de nouveaux paramètres.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Le fichier de paramètres %1 est endommagé et ne peut pas être mis de côté. Les calendriers récents et la position des fenêtres ne seront pas conservés pendant cette session.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu ni mis de côté. Les calendriers récents et la position des fenêtres ne seront pas conservés pendant cette session.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be read</source>
        <translation>la valeur de %1 est illisible</translation>
    </message>
    <message>
        <source>%1 is not ended</source>
        <translation>%1 n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>A range of more than %1 years cannot be imported</source>
        <translation>Impossible d&apos;importer une période de plus de %1 ans</translation>
    </message>
    <message>
        <source>Cannot find the server %1</source>
        <translation>Le serveur %1 est introuvable</translation>
    </message>
    <message>
        <source>The server %1 refused the connection</source>
        <translation>Le serveur %1 a refusé la connexion</translation>
    </message>
    <message>
        <source>Timed out: the server %1 sent nothing for %2 seconds</source>
        <translation>Délai dépassé&#xa0;: le serveur %1 n&apos;a rien envoyé pendant %2 secondes</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La connexion sécurisée à %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server of %1 answered %2</source>
        <translation>Le serveur de %1 a répondu %2</translation>
    </message>
    <message>
        <source>The calendar at %1 is larger than %2 MB</source>
        <translation>Le calendrier à l&apos;adresse %1 dépasse %2 Mo</translation>
    </message>
    <message>
        <source>The connection to %1 broke off before the calendar was complete</source>
        <translation>La connexion à %1 a été interrompue avant la fin du calendrier</translation>
    </message>
    <message>
        <source>The address %1 is redirected more than %2 times</source>
        <translation>L&apos;adresse %1 est redirigée plus de %2 fois</translation>
    </message>
    <message>
        <source>The address %1 is redirected to one that is not followed</source>
        <translation>L&apos;adresse %1 est redirigée vers une adresse qui n&apos;est pas suivie</translation>
    </message>
    <message>
        <source>The address %1 does not give an iCalendar file</source>
        <translation>L&apos;adresse %1 ne fournit pas de fichier iCalendar</translation>
    </message>
    <message>
        <source>Cannot fetch %1: %2</source>
        <translation>Impossible de récupérer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The site&apos;s manifest is not valid (line %1)</source>
        <translation>Le manifeste du site n&apos;est pas valide (ligne %1)</translation>
    </message>
    <message>
        <source>No program could be started to open %1</source>
        <translation>Aucun programme n&apos;a pu être lancé pour ouvrir %1</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot start the network library</source>
        <translation>Impossible de démarrer la bibliothèque réseau</translation>
    </message>
    <message>
        <source>Cannot make a random salt</source>
        <translation>Impossible de générer un sel aléatoire</translation>
    </message>
    <message>
        <source>The site holds a file that cannot be uploaded: %1</source>
        <translation>Le site contient un fichier qui ne peut pas être envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The site address %1 is not usable: %2</source>
        <translation>L&apos;adresse du site %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be read</source>
        <translation>la règle de répétition de cet événement est illisible</translation>
    </message>
    <message>
        <source>Cannot fetch %1: out of memory</source>
        <translation>Impossible de récupérer %1&#xa0;: mémoire insuffisante</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the server must not hold a user or a password</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: le serveur ne doit contenir ni utilisateur ni mot de passe</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the host is not valid</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: l&apos;hôte n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it must start with sftp://, ftps:// or ftp://</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: elle doit commencer par sftp://, ftps:// ou ftp://</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a query or a fragment</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: elle contient une requête ou un fragment</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it names no user (user@host)</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: elle ne nomme aucun utilisateur (utilisateur@hôte)</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a password; give the password another way, never in the address</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: elle contient un mot de passe ; donnez le mot de passe autrement, jamais dans l&apos;adresse</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the user name is not valid</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: le nom d&apos;utilisateur n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the port is not valid</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: le port n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder is not valid</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: le dossier n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder must not contain &quot;.&quot; or &quot;..&quot;</source>
        <translation>L&apos;adresse de publication %1 n&apos;est pas valide&#xa0;: le dossier ne doit contenir ni «&#xa0;.&#xa0;» ni «&#xa0;..&#xa0;»</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it is not a regular file</source>
        <translation>Le fichier de mot de passe %1 est refusé&#xa0;: ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it does not belong to you</source>
        <translation>Le fichier de mot de passe %1 est refusé&#xa0;: il ne vous appartient pas</translation>
    </message>
    <message>
        <source>The password file %1 is refused: others may read or change it (chmod 600)</source>
        <translation>Le fichier de mot de passe %1 est refusé&#xa0;: d&apos;autres peuvent le lire ou le modifier (chmod 600)</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it cannot be read</source>
        <translation>Le fichier de mot de passe %1 est refusé&#xa0;: il ne peut pas être lu</translation>
    </message>
    <message>
        <source>The keyring cannot be used: %1</source>
        <translation>Le trousseau ne peut pas être utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The site in %1 was not published to the end; publish it again before uploading.</source>
        <translation>Le site dans %1 n&apos;a pas été publié jusqu&apos;au bout ; publiez-le à nouveau avant de l&apos;envoyer.</translation>
    </message>
    <message>
        <source>The host %1 is not known. Its key&apos;s fingerprint is %2. Compare it with the one your host&apos;s administrator gives, then accept it.</source>
        <translation>L&apos;hôte %1 n&apos;est pas connu. L&apos;empreinte de sa clé est %2. Comparez-la avec celle que donne l&apos;administrateur de votre hébergeur, puis acceptez-la.</translation>
    </message>
    <message>
        <source>The key of host %1 (%2) is marked as revoked in known_hosts; the upload is refused.</source>
        <translation>La clé de l&apos;hôte %1 (%2) est marquée comme révoquée dans known_hosts ; l&apos;envoi est refusé.</translation>
    </message>
    <message>
        <source>WARNING: the key of host %1 has changed (it now shows %2). Someone may be intercepting the connection, so the upload is refused. If the host&apos;s administrator confirms the new key, remove the old one from %3.</source>
        <translation>ATTENTION&#xa0;: la clé de l&apos;hôte %1 a changé (elle affiche maintenant %2). Quelqu&apos;un intercepte peut-être la connexion, l&apos;envoi est donc refusé. Si l&apos;administrateur de l&apos;hôte confirme la nouvelle clé, retirez l&apos;ancienne de %3.</translation>
    </message>
    <message>
        <source>The key of host %1 is not the one accepted: %2</source>
        <translation>La clé de l&apos;hôte %1 n&apos;est pas celle qui a été acceptée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be trusted: %2</source>
        <translation>Le certificat de %1 n&apos;est pas digne de confiance&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server %1 does not offer encryption (TLS), so the password would be sent in the clear; the upload is refused. Ask your host for FTPS or SFTP.</source>
        <translation>Le serveur %1 ne propose pas de chiffrement (TLS), le mot de passe serait donc envoyé en clair ; l&apos;envoi est refusé. Demandez FTPS ou SFTP à votre hébergeur.</translation>
    </message>
    <message>
        <source>The server %1 refused the login of %2: %3</source>
        <translation>Le serveur %1 a refusé la connexion de %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No key in %1, no SSH agent and no password to log in to %2</source>
        <translation>Aucune clé dans %1, aucun agent SSH et aucun mot de passe pour se connecter à %2</translation>
    </message>
    <message>
        <source>No password to log in to %1</source>
        <translation>Aucun mot de passe pour se connecter à %1</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the login): %2</source>
        <translation>La connexion à %1 a échoué (la connexion)&#xa0;: %2</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the listing of %2): %3</source>
        <translation>La connexion à %1 a échoué (la liste de %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the file %2): %3</source>
        <translation>La connexion à %1 a échoué (le fichier %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (renaming %2 to %3): %4</source>
        <translation>La connexion à %1 a échoué (renommage de %2 en %3)&#xa0;: %4</translation>
    </message>
    <message>
        <source>The connection to %1 failed (removing %2): %3</source>
        <translation>La connexion à %1 a échoué (suppression de %2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>Le serveur a refusé la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server refused the listing of %1: %2</source>
        <translation>Le serveur a refusé la liste de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server refused the file %1: %2</source>
        <translation>Le serveur a refusé le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The server refused renaming %1 to %2: %3</source>
        <translation>Le serveur a refusé de renommer %1 en %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The server refused removing %1: %2</source>
        <translation>Le serveur a refusé de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The manifest on the server names a file that Quillbay never writes: %1</source>
        <translation>Le manifeste sur le serveur nomme un fichier que Quillbay n&apos;écrit jamais&#xa0;: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: %1</source>
        <translation>Le manifeste sur le serveur n&apos;est pas valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: The site&apos;s manifest is not valid (line %1)</source>
        <translation>Le manifeste sur le serveur n&apos;est pas valide (ligne %1)</translation>
    </message>
    <message>
        <source>The file %1 on the server was not written by Quillbay and is in the way; move it away or remove it, then upload again.</source>
        <translation>Le fichier %1 sur le serveur n&apos;a pas été écrit par Quillbay et gêne ; déplacez-le ou supprimez-le, puis envoyez à nouveau.</translation>
    </message>
    <message>
        <source>Another publish of the site in %1 is running</source>
        <translation>Une autre publication du site dans %1 est en cours</translation>
    </message>
    <message>
        <source>Cannot replace %1: it is a symbolic link or not a regular file</source>
        <translation>Impossible de remplacer %1&#xa0;: c&apos;est un lien symbolique ou pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot remove file %1</source>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message>
        <source>The range of months is not valid</source>
        <translation>La plage de mois n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The Coming-up days or the feed&apos;s months are not valid</source>
        <translation>Les jours de «&#xa0;À venir&#xa0;» ou les mois du flux ne sont pas valides</translation>
    </message>
    <message>
        <source>The feed %1 is larger than 1 MB; some calendar services (Google Calendar) ignore such feeds</source>
        <translation>Le flux %1 dépasse 1 Mo ; certains services d&apos;agenda (Google Agenda) ignorent de tels flux</translation>
    </message>
</context>
<context>
    <name>FetchDlg</name>
    <message>
        <source>Address of the calendar (https://, http:// or webcal://), as the calendar service shows it under &quot;secret address in iCal format&quot; or &quot;publish calendar&quot;:</source>
        <translation>Adresse du calendrier (https://, http:// ou webcal://), telle que le service d&apos;agenda l&apos;indique sous «&#xa0;Adresse secrète au format iCal&#xa0;» ou «&#xa0;Publier le calendrier&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1</source>
        <translation>Récupération du calendrier depuis %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1
%2 received</source>
        <translation>Récupération du calendrier depuis %1
%2 reçus</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web&#xa0;:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TColorEdit</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>TDateChooser</name>
    <message>
        <source>Has events</source>
        <translation>Contient des événements</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TNaturalEdit</name>
    <message>
        <source>Step up</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Diminuer</translation>
    </message>
</context>
<context>
    <name>TParaEditor</name>
    <message>
        <source> Font </source>
        <translation> Police </translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centré</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>A&amp;lign</source>
        <translation>&amp;Alignement</translation>
    </message>
    <message>
        <source>&amp;Fill color</source>
        <translation>&amp;Couleur de fond</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>C&amp;ouleur</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
</context>
<context>
    <name>TStyleForm</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Calendar Style</source>
        <translation>Style du calendrier</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Events %1</source>
        <translation>Événements %1</translation>
    </message>
    <message>
        <source>Append scheme</source>
        <translation>Ajouter une palette</translation>
    </message>
    <message>
        <source>Enter the scheme name</source>
        <translation>Nom de la palette</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Nom non valide</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot; already exists. Override?</source>
        <translation>La palette «&#xa0;%1&#xa0;» existe déjà. La remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to delete &quot;%1&quot; scheme?</source>
        <translation>Voulez-vous supprimer la palette «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Ca&amp;ption</source>
        <translation>&amp;Titre du mois</translation>
    </message>
    <message>
        <source>Wee&amp;k Days</source>
        <translation>&amp;Jours de la semaine</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>J&amp;ours</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>&amp;Événements</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>Cell &amp;width</source>
        <translation>&amp;Largeur des cellules</translation>
    </message>
    <message>
        <source>&amp;Cell height</source>
        <translation>Ha&amp;uteur des cellules</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>La&amp;ngue</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>T&amp;itre de la page</translation>
    </message>
    <message>
        <source>Table width (pi&amp;xels or %)</source>
        <translation>Largeur du tableau (pi&amp;xels ou %)</translation>
    </message>
    <message>
        <source>Border si&amp;ze</source>
        <translation>Épaisseur de la &amp;bordure</translation>
    </message>
    <message>
        <source>Cell padd&amp;ing</source>
        <translation>&amp;Marge intérieure</translation>
    </message>
    <message>
        <source>&amp;Border color</source>
        <translation>&amp;Couleur de la bordure</translation>
    </message>
    <message>
        <source>Backgro&amp;und</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>Page &amp;form</source>
        <translation>Forme &amp;de la page</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Ajout&amp;er</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Color sche&amp;mes</source>
        <translation>&amp;Palettes de couleurs</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Month as te&amp;xt</source>
        <translation>&amp;Mois en toutes lettres</translation>
    </message>
    <message>
        <source>&amp;Month as number</source>
        <translation>&amp;Mois en chiffres</translation>
    </message>
    <message>
        <source>Show y&amp;ear</source>
        <translation>&amp;Afficher l&apos;année</translation>
    </message>
    <message>
        <source>Bo&amp;ttom margin</source>
        <translation>&amp;Marge inférieure</translation>
    </message>
    <message>
        <source>Full na&amp;mes</source>
        <translation>&amp;Noms complets</translation>
    </message>
    <message>
        <source>Shor&amp;t names</source>
        <translation>Noms a&amp;brégés</translation>
    </message>
    <message>
        <source>On&amp;e char names</source>
        <translation>&amp;Une lettre</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>&amp;La semaine commence le</translation>
    </message>
    <message>
        <source>&amp;Wrap the event words</source>
        <translation>Retour &amp;à la ligne automatique</translation>
    </message>
    <message>
        <source>Show &amp;event text as written (not HTML)</source>
        <translation>Afficher le te&amp;xte tel quel (pas en HTML)</translation>
    </message>
    <message>
        <source>&amp;Text for blank events</source>
        <translation>Texte des jours sans é&amp;vénement</translation>
    </message>
    <message>
        <source>Hide &apos;&amp;Created by&apos; line</source>
        <translation>Mas&amp;quer la ligne «&#xa0;Created by&#xa0;»</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>En-t&amp;ête</translation>
    </message>
    <message>
        <source>&amp;Footer</source>
        <translation>&amp;Pied de page</translation>
    </message>
    <message>
        <source>Preview in brow&amp;ser</source>
        <translation>Aper&amp;çu dans le navigateur</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Col spacing</source>
        <translation>Espace entre les colonnes</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Override?</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Unselect</source>
        <translation>T&amp;out désélectionner</translation>
    </message>
    <message>
        <source>Bottom margin of month &amp;tables</source>
        <translation>Ma&amp;rge sous les tableaux des mois</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Calendar Files</source>
        <translation>Fichiers de calendrier</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>The calendar has been changed. Save?</source>
        <translation>Le calendrier a été modifié. L&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Documents &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Prev &amp;Month</source>
        <translation>&amp;Mois précédent</translation>
    </message>
    <message>
        <source>&amp;Prev Day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Jour suivant</translation>
    </message>
    <message>
        <source>Ne&amp;xt Month</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>Export &amp;month...</source>
        <translation>Exporter le &amp;mois...</translation>
    </message>
    <message>
        <source>Export &amp;year...</source>
        <translation>Exporter l&apos;&amp;année...</translation>
    </message>
    <message>
        <source>&amp;Style...</source>
        <translation>&amp;Style...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Export month</source>
        <translation>Exporter le mois</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Exporter l&apos;année</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Finished searching</source>
        <translation>Recherche terminée</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Fichiers HTML</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>&amp;Importer un fichier iCalendar...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Exporter au format &amp;iCalendar...</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importer un fichier iCalendar</translation>
    </message>
    <message>
        <source>Import the events of these days:</source>
        <translation>Importer les événements de ces jours&#xa0;:</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 événement</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 événements</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Added %1 on %2</source>
        <translation>Importation terminée&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Exporter au format iCalendar</translation>
    </message>
    <message>
        <source>Put the days of this range into the feed:</source>
        <translation>Mettre dans le flux les jours de cette période&#xa0;:</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>Fichiers iCalendar</translation>
    </message>
    <message>
        <source>Import from a&amp;ddress...</source>
        <translation>Importer depuis une a&amp;dresse...</translation>
    </message>
    <message>
        <source>Import from Address</source>
        <translation>Importer depuis une adresse</translation>
    </message>
    <message>
        <source>U&amp;ndo Repeat</source>
        <translation>A&amp;nnuler la répétition</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>Ré&amp;péter...</translation>
    </message>
    <message>
        <source>Remove from &amp;days...</source>
        <translation>Retirer des &amp;jours...</translation>
    </message>
    <message>
        <source>Month page written to %1</source>
        <translation>Page du mois écrite dans %1</translation>
    </message>
    <message>
        <source>iCalendar feed written to %1</source>
        <translation>Flux iCalendar écrit dans %1</translation>
    </message>
    <message>
        <source>Added to 1 day</source>
        <translation>Ajouté à 1 jour</translation>
    </message>
    <message>
        <source>Added to %1 days</source>
        <translation>Ajouté à %1 jours</translation>
    </message>
    <message>
        <source>Removed from 1 day</source>
        <translation>Retiré de 1 jour</translation>
    </message>
    <message>
        <source>Removed from %1 days</source>
        <translation>Retiré de %1 jours</translation>
    </message>
    <message>
        <source>U&amp;ndo Remove</source>
        <translation>A&amp;nnuler le retrait</translation>
    </message>
    <message>
        <source>Restored 1 day</source>
        <translation>1 jour restauré</translation>
    </message>
    <message>
        <source>Restored %1 days</source>
        <translation>%1 jours restaurés</translation>
    </message>
    <message>
        <source>Year page written to %1</source>
        <translation>Page de l&apos;année écrite dans %1</translation>
    </message>
    <message>
        <source>Type the events of this day; pick another day on the left</source>
        <translation>Saisissez les événements de ce jour ; choisissez un autre jour à gauche</translation>
    </message>
    <message>
        <source>Copy month as &amp;HTML</source>
        <translation>Copier le mois en &amp;HTML</translation>
    </message>
    <message>
        <source>Mar&amp;k Days with Events</source>
        <translation>Marquer les jours avec é&amp;vénements</translation>
    </message>
    <message>
        <source>P&amp;ublish site...</source>
        <translation>&amp;Publier le site...</translation>
    </message>
    <message>
        <source>No events between %1 and %2; this file&apos;s events lie between %3 and %4</source>
        <translation>Aucun événement entre le %1 et le %2 ; les événements de ce fichier se situent entre le %3 et le %4</translation>
    </message>
    <message>
        <source>; 1 event could not be read (%1)</source>
        <translation>; 1 événement n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>; %1 events could not be read (first: %2)</source>
        <translation>; %1 événements n&apos;ont pas pu être lus (premier : %2)</translation>
    </message>
    <message>
        <source>Publish a&amp;gain</source>
        <translation>Publier de nou&amp;veau</translation>
    </message>
</context>
<context>
    <name>TfrmPublish</name>
    <message>
        <source>Publish Site</source>
        <translation>Publier le site</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>P&amp;ublier</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>months back,</source>
        <translation>mois avant,</translation>
    </message>
    <message>
        <source>months ahead</source>
        <translation>mois après</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>&amp;Months (YYYY-MM):</source>
        <translation>&amp;Mois (AAAA-MM) :</translation>
    </message>
    <message>
        <source>Leave the months empty for every month from the first to the last with text, always with this year.</source>
        <translation>Sans mois : chaque mois du premier au dernier ayant du texte, toujours avec l&apos;année en cours.</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>&amp;Adresse publique :</translation>
    </message>
    <message>
        <source>&amp;Coming up (days):</source>
        <translation>À &amp;venir (jours) :</translation>
    </message>
    <message>
        <source>Fee&amp;d:</source>
        <translation>&amp;Flux :</translation>
    </message>
    <message>
        <source>The month %1 is not valid; write it as YYYY-MM.</source>
        <translation>Le mois %1 n&apos;est pas valide ; écrivez-le sous la forme AAAA-MM.</translation>
    </message>
    <message>
        <source>Folder of the Site</source>
        <translation>Dossier du site</translation>
    </message>
    <message>
        <source>Publishing the site...</source>
        <translation>Publication du site...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>These files in the folder were not written by Quillbay:

%1

Replace them with the site&apos;s pages?</source>
        <translation>Ces fichiers du dossier n&apos;ont pas été écrits par Quillbay :

%1

Les remplacer par les pages du site ?</translation>
    </message>
    <message>
        <source>Site published: %1 pages written, %2 unchanged, %3 removed</source>
        <translation>Site publié : %1 pages écrites, %2 inchangées, %3 supprimées</translation>
    </message>
    <message>
        <source>Open &amp;Site</source>
        <translation>Ouvrir le &amp;site</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Ouvrir le &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Upload to my web host</source>
        <translation>Envoyer sur mon &amp;hébergeur web</translation>
    </message>
    <message>
        <source>SFTP</source>
        <translation>SFTP</translation>
    </message>
    <message>
        <source>FTP with TLS</source>
        <translation>FTP avec TLS</translation>
    </message>
    <message>
        <source>FTP without encryption</source>
        <translation>FTP sans chiffrement</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>hôte ou hôte:port</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>&amp;Garder le mot de passe dans mon trousseau</translation>
    </message>
    <message>
        <source>Send my password u&amp;nencrypted</source>
        <translation>Envoyer mon mot de passe &amp;non chiffré</translation>
    </message>
    <message>
        <source>Anyone on the network path between you and the server can read your password and your pages.</source>
        <translation>Toute personne sur le chemin réseau entre vous et le serveur peut lire votre mot de passe et vos pages.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Tester la &amp;connexion</translation>
    </message>
    <message>
        <source>F&amp;orget password</source>
        <translation>&amp;Oublier le mot de passe</translation>
    </message>
    <message>
        <source>Forget &amp;host key</source>
        <translation>Oublier la c&amp;lé de l&apos;hôte</translation>
    </message>
    <message>
        <source>Protoco&amp;l:</source>
        <translation>P&amp;rotocole :</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>Us&amp;er:</source>
        <translation>U&amp;tilisateur :</translation>
    </message>
    <message>
        <source>&amp;Remote folder:</source>
        <translation>Dossier d&amp;istant :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Mot de pass&amp;e :</translation>
    </message>
    <message>
        <source>empty: SSH keys or the agent</source>
        <translation>vide : clés SSH ou l&apos;agent</translation>
    </message>
    <message>
        <source>FTP without encryption sends your password as it is. Tick &quot;Send my password unencrypted&quot; to allow that, or choose another protocol.</source>
        <translation>Le FTP sans chiffrement envoie votre mot de passe en clair. Cochez « Envoyer mon mot de passe non chiffré » pour l&apos;accepter, ou choisissez un autre protocole.</translation>
    </message>
    <message>
        <source>Connected to %1: the login works and the folder holds %2 entries.</source>
        <translation>Connecté à %1 : la connexion fonctionne et le dossier contient %2 éléments.</translation>
    </message>
    <message>
        <source>The password for %1 was removed from the keyring.</source>
        <translation>Le mot de passe de %1 a été retiré du trousseau.</translation>
    </message>
    <message>
        <source>The keyring holds no password for %1.</source>
        <translation>Le trousseau ne contient aucun mot de passe pour %1.</translation>
    </message>
    <message>
        <source>The key of %1 was removed from %2.</source>
        <translation>La clé de %1 a été retirée de %2.</translation>
    </message>
    <message>
        <source>%2 holds no key for %1.</source>
        <translation>%2 ne contient aucune clé pour %1.</translation>
    </message>
    <message>
        <source>This document uploads to %1. Upload there?</source>
        <translation>Ce document s&apos;envoie vers %1. Envoyer là-bas ?</translation>
    </message>
</context>
<context>
    <name>TfrmRange</name>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>TfrmRemoveLine</name>
    <message>
        <source>Remove from Days</source>
        <translation>Retirer des jours</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Line:</source>
        <translation>&amp;Ligne&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>No day of the range holds this line.</source>
        <translation>Aucun jour de la période ne contient cette ligne.</translation>
    </message>
    <message>
        <source>It will be removed from 1 day.</source>
        <translation>Elle sera retirée de 1 jour.</translation>
    </message>
    <message>
        <source>It will be removed from %1 days.</source>
        <translation>Elle sera retirée de %1 jours.</translation>
    </message>
</context>
<context>
    <name>TfrmRepeat</name>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>On %1</source>
        <translation>Le %1</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>&amp;Jusqu&apos;au</translation>
    </message>
    <message>
        <source>&amp;Number of times</source>
        <translation>&amp;Nombre de fois</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Intervalle</translation>
    </message>
    <message>
        <source>On the first %1</source>
        <translation>Le premier %1 du mois</translation>
    </message>
    <message>
        <source>On the second %1</source>
        <translation>Le deuxième %1 du mois</translation>
    </message>
    <message>
        <source>On the third %1</source>
        <translation>Le troisième %1 du mois</translation>
    </message>
    <message>
        <source>On the fourth %1</source>
        <translation>Le quatrième %1 du mois</translation>
    </message>
    <message>
        <source>On the fifth %1</source>
        <translation>Le cinquième %1 du mois</translation>
    </message>
    <message>
        <source>On day %1</source>
        <translation>Le jour %1 du mois</translation>
    </message>
    <message>
        <source>On the last %1</source>
        <translation>Le dernier %1 du mois</translation>
    </message>
    <message>
        <source>On the last day of the month</source>
        <translation>Le dernier jour du mois</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semaine</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>year</source>
        <translation>an</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 days; choose fewer times.</source>
        <translation>Une répétition couvre au plus %1 jours&#xa0;; choisissez un nombre de fois plus petit.</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 years ahead; choose an earlier end or fewer times.</source>
        <translation>Une répétition s&apos;étend au plus sur %1 ans&#xa0;; choisissez une fin plus proche ou un nombre de fois plus petit.</translation>
    </message>
    <message>
        <source>No day matches the rule.</source>
        <translation>Aucun jour ne correspond à la règle.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>%1, %2 of them left out</source>
        <translation>%1, dont %2 omis</translation>
    </message>
</context>
<context>
    <name>TfrmUploadPassword</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>The password for %1</source>
        <translation>Le mot de passe de %1</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>&amp;Garder le mot de passe dans mon trousseau</translation>
    </message>
</context>
<context>
    <name>UploadDlg</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Uploading to %1
%2 of %3 files, %4 of %5</source>
        <translation>Envoi vers %1
%2 fichiers sur %3, %4 sur %5</translation>
    </message>
    <message>
        <source>Cancelling after the current file...</source>
        <translation>Annulation après le fichier en cours...</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its key&apos;s SHA-256 fingerprint is

%2

Compare it with the fingerprint that your web host gives you. Trust this server?</source>
        <translation>Le serveur %1 n&apos;est pas encore connu. L&apos;empreinte SHA-256 de sa clé est

%2

Comparez-la avec l&apos;empreinte que votre hébergeur vous donne. Faire confiance à ce serveur ?</translation>
    </message>
    <message>
        <source>&amp;Trust this server</source>
        <translation>&amp;Faire confiance à ce serveur</translation>
    </message>
    <message>
        <source>The server&apos;s key was accepted for this upload but could not be kept: %1</source>
        <translation>La clé du serveur a été acceptée pour cet envoi mais n&apos;a pas pu être conservée : %1</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé dans le trousseau : %1</translation>
    </message>
    <message>
        <source>Cancelled after uploading 1 file, %1 unchanged, %2 removed</source>
        <translation>Annulé après l&apos;envoi de 1 fichier, %1 inchangés, %2 supprimés</translation>
    </message>
    <message>
        <source>Cancelled after uploading %1 files, %2 unchanged, %3 removed</source>
        <translation>Annulé après l&apos;envoi de %1 fichiers, %2 inchangés, %3 supprimés</translation>
    </message>
    <message>
        <source>Uploaded 1 file, %1 unchanged, %2 removed</source>
        <translation>1 fichier envoyé, %1 inchangés, %2 supprimés</translation>
    </message>
    <message>
        <source>Uploaded %1 files, %2 unchanged, %3 removed</source>
        <translation>%1 fichiers envoyés, %2 inchangés, %3 supprimés</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbay turns a list of dated events into calendar pages for a web site.</source>
        <translation>Quillbay transforme une liste d&apos;événements datés en pages de calendrier pour un site web.</translation>
    </message>
    <message>
        <source>The calendar document to open.</source>
        <translation>Le document de calendrier à ouvrir.</translation>
    </message>
    <message>
        <source>give at most one document to open</source>
        <translation>indiquez au plus un document à ouvrir</translation>
    </message>
</context>
</TS>
