<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Core</name>
    <message>
        <source>The file is not valid</source>
        <translation>El archivo no es válido</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Date is outside the calendar&apos;s range</source>
        <translation>La fecha está fuera del periodo del calendario</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>No dialogs are available to ask the user</source>
        <translation>No hay ningún diálogo disponible para preguntar al usuario</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Se ha producido un error inesperado</translation>
    </message>
    <message>
        <source>this is not an iCalendar file</source>
        <translation>no es un archivo iCalendar</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>esta línea no se puede leer</translation>
    </message>
    <message>
        <source>a date of this event is not valid</source>
        <translation>una fecha de este evento no es válida</translation>
    </message>
    <message>
        <source>the time zone cannot be used</source>
        <translation>la zona horaria no se puede usar</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be used</source>
        <translation>la regla de repetición de este evento no se puede usar</translation>
    </message>
    <message>
        <source>this event repeats too often to be imported</source>
        <translation>este evento se repite demasiadas veces para importarlo</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>The range of days ends before it begins</source>
        <translation>El periodo termina antes de empezar</translation>
    </message>
    <message>
        <source>The range of days is not valid</source>
        <translation>El periodo no es válido</translation>
    </message>
    <message>
        <source>Not a web address: a calendar&apos;s address begins with https://, http:// or webcal://</source>
        <translation>No es una dirección web: la dirección de un calendario empieza por https://, http:// o webcal://</translation>
    </message>
    <message>
        <source>The download was cancelled</source>
        <translation>Se canceló la descarga</translation>
    </message>
    <message>
        <source>Cannot compute a SHA-256 digest</source>
        <translation>No se puede calcular un resumen SHA-256</translation>
    </message>
    <message>
        <source>The file is not valid
%1, line %2</source>
        <translation>El archivo no es válido
%1, línea %2</translation>
    </message>
    <message>
        <source>The file is not valid
%1, larger than %2 MB</source>
        <translation>El archivo no es válido
%1, más de %2 MB</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <source>The preview folder %1 is a symbolic link; remove it and try again</source>
        <translation>La carpeta de vista previa %1 es un enlace simbólico; elimínela y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>The preview folder %1 is not a folder; remove it and try again</source>
        <translation>La carpeta de vista previa %1 no es una carpeta; elimínela y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>The preview folder %1 belongs to another user</source>
        <translation>La carpeta de vista previa %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The preview folder %1 can be changed by other users</source>
        <translation>La carpeta de vista previa %1 puede ser modificada por otros usuarios</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron leer los datos de «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>El archivo de configuración %1 está dañado. Se ha renombrado a %2 y Quillbay empieza con una configuración nueva.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was renamed to %2, and Quillbay starts with fresh settings.</source>
        <translation>No se pudo leer el archivo de configuración %1. Se ha renombrado a %2 y Quillbay empieza con una configuración nueva.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>El archivo de configuración %1 está dañado y no se puede apartar. Los calendarios recientes y las posiciones de las ventanas no se guardarán en esta sesión.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and cannot be set aside. Recently used calendars and window positions will not be kept in this session.</source>
        <translation>No se pudo leer el archivo de configuración %1 ni apartarlo. Los calendarios recientes y las posiciones de las ventanas no se guardarán en esta sesión.</translation>
    </message>
    <message>
        <source>the value of %1 cannot be read</source>
        <translation>el valor de %1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 is not ended</source>
        <translation>%1 no está cerrado</translation>
    </message>
    <message>
        <source>A range of more than %1 years cannot be imported</source>
        <translation>No se puede importar un periodo de más de %1 años</translation>
    </message>
    <message>
        <source>Cannot find the server %1</source>
        <translation>No se encuentra el servidor %1</translation>
    </message>
    <message>
        <source>The server %1 refused the connection</source>
        <translation>El servidor %1 rechazó la conexión</translation>
    </message>
    <message>
        <source>Timed out: the server %1 sent nothing for %2 seconds</source>
        <translation>Tiempo agotado: el servidor %1 no envió nada durante %2 segundos</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>Falló la conexión segura con %1: %2</translation>
    </message>
    <message>
        <source>The server of %1 answered %2</source>
        <translation>El servidor de %1 respondió %2</translation>
    </message>
    <message>
        <source>The calendar at %1 is larger than %2 MB</source>
        <translation>El calendario de %1 ocupa más de %2 MB</translation>
    </message>
    <message>
        <source>The connection to %1 broke off before the calendar was complete</source>
        <translation>La conexión con %1 se cortó antes de recibir el calendario completo</translation>
    </message>
    <message>
        <source>The address %1 is redirected more than %2 times</source>
        <translation>La dirección %1 se redirige más de %2 veces</translation>
    </message>
    <message>
        <source>The address %1 is redirected to one that is not followed</source>
        <translation>La dirección %1 se redirige a otra que no se sigue</translation>
    </message>
    <message>
        <source>The address %1 does not give an iCalendar file</source>
        <translation>La dirección %1 no devuelve un archivo iCalendar</translation>
    </message>
    <message>
        <source>Cannot fetch %1: %2</source>
        <translation>No se puede descargar %1: %2</translation>
    </message>
    <message>
        <source>The site&apos;s manifest is not valid (line %1)</source>
        <translation>El manifiesto del sitio no es válido (línea %1)</translation>
    </message>
    <message>
        <source>No program could be started to open %1</source>
        <translation>No se pudo iniciar ningún programa para abrir %1</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot start the network library</source>
        <translation>No se puede iniciar la biblioteca de red</translation>
    </message>
    <message>
        <source>Cannot make a random salt</source>
        <translation>No se puede generar una sal aleatoria</translation>
    </message>
    <message>
        <source>The site holds a file that cannot be uploaded: %1</source>
        <translation>El sitio contiene un archivo que no se puede subir: %1</translation>
    </message>
    <message>
        <source>The site address %1 is not usable: %2</source>
        <translation>La dirección del sitio %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>the repeat rule of this event cannot be read</source>
        <translation>la regla de repetición de este evento no se puede leer</translation>
    </message>
    <message>
        <source>Cannot fetch %1: out of memory</source>
        <translation>No se puede descargar %1: memoria insuficiente</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the server must not hold a user or a password</source>
        <translation>La dirección de subida %1 no es válida: el servidor no debe contener un usuario ni una contraseña</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the host is not valid</source>
        <translation>La dirección de subida %1 no es válida: el host no es válido</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it must start with sftp://, ftps:// or ftp://</source>
        <translation>La dirección de subida %1 no es válida: debe empezar por sftp://, ftps:// o ftp://</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a query or a fragment</source>
        <translation>La dirección de subida %1 no es válida: contiene una consulta o un fragmento</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it names no user (user@host)</source>
        <translation>La dirección de subida %1 no es válida: no indica ningún usuario (usuario@host)</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: it holds a password; give the password another way, never in the address</source>
        <translation>La dirección de subida %1 no es válida: contiene una contraseña; indique la contraseña de otra forma, nunca en la dirección</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the user name is not valid</source>
        <translation>La dirección de subida %1 no es válida: el nombre de usuario no es válido</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the port is not valid</source>
        <translation>La dirección de subida %1 no es válida: el puerto no es válido</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder is not valid</source>
        <translation>La dirección de subida %1 no es válida: la carpeta no es válida</translation>
    </message>
    <message>
        <source>The upload address %1 is not valid: the folder must not contain &quot;.&quot; or &quot;..&quot;</source>
        <translation>La dirección de subida %1 no es válida: la carpeta no debe contener «.» ni «..»</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it is not a regular file</source>
        <translation>Se rechaza el archivo de contraseña %1: no es un archivo normal</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it does not belong to you</source>
        <translation>Se rechaza el archivo de contraseña %1: no le pertenece</translation>
    </message>
    <message>
        <source>The password file %1 is refused: others may read or change it (chmod 600)</source>
        <translation>Se rechaza el archivo de contraseña %1: otros pueden leerlo o cambiarlo (chmod 600)</translation>
    </message>
    <message>
        <source>The password file %1 is refused: it cannot be read</source>
        <translation>Se rechaza el archivo de contraseña %1: no se puede leer</translation>
    </message>
    <message>
        <source>The keyring cannot be used: %1</source>
        <translation>No se puede usar el llavero: %1</translation>
    </message>
    <message>
        <source>The site in %1 was not published to the end; publish it again before uploading.</source>
        <translation>El sitio de %1 no se publicó hasta el final; publíquelo de nuevo antes de subirlo.</translation>
    </message>
    <message>
        <source>The host %1 is not known. Its key&apos;s fingerprint is %2. Compare it with the one your host&apos;s administrator gives, then accept it.</source>
        <translation>El host %1 no es conocido. La huella de su clave es %2. Compárela con la que da el administrador de su proveedor y luego acéptela.</translation>
    </message>
    <message>
        <source>The key of host %1 (%2) is marked as revoked in known_hosts; the upload is refused.</source>
        <translation>La clave del host %1 (%2) está marcada como revocada en known_hosts; se rechaza la subida.</translation>
    </message>
    <message>
        <source>WARNING: the key of host %1 has changed (it now shows %2). Someone may be intercepting the connection, so the upload is refused. If the host&apos;s administrator confirms the new key, remove the old one from %3.</source>
        <translation>ADVERTENCIA: la clave del host %1 ha cambiado (ahora muestra %2). Alguien podría estar interceptando la conexión, así que se rechaza la subida. Si el administrador del host confirma la nueva clave, quite la antigua de %3.</translation>
    </message>
    <message>
        <source>The key of host %1 is not the one accepted: %2</source>
        <translation>La clave del host %1 no es la aceptada: %2</translation>
    </message>
    <message>
        <source>The certificate of %1 cannot be trusted: %2</source>
        <translation>No se puede confiar en el certificado de %1: %2</translation>
    </message>
    <message>
        <source>The server %1 does not offer encryption (TLS), so the password would be sent in the clear; the upload is refused. Ask your host for FTPS or SFTP.</source>
        <translation>El servidor %1 no ofrece cifrado (TLS), así que la contraseña se enviaría sin cifrar; se rechaza la subida. Pida FTPS o SFTP a su proveedor.</translation>
    </message>
    <message>
        <source>The server %1 refused the login of %2: %3</source>
        <translation>El servidor %1 rechazó el inicio de sesión de %2: %3</translation>
    </message>
    <message>
        <source>No key in %1, no SSH agent and no password to log in to %2</source>
        <translation>No hay ninguna clave en %1, ningún agente SSH ni ninguna contraseña para iniciar sesión en %2</translation>
    </message>
    <message>
        <source>No password to log in to %1</source>
        <translation>No hay ninguna contraseña para iniciar sesión en %1</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the login): %2</source>
        <translation>Falló la conexión con %1 (el inicio de sesión): %2</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the listing of %2): %3</source>
        <translation>Falló la conexión con %1 (la lista de %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (the file %2): %3</source>
        <translation>Falló la conexión con %1 (el archivo %2): %3</translation>
    </message>
    <message>
        <source>The connection to %1 failed (renaming %2 to %3): %4</source>
        <translation>Falló la conexión con %1 (cambio de nombre de %2 a %3): %4</translation>
    </message>
    <message>
        <source>The connection to %1 failed (removing %2): %3</source>
        <translation>Falló la conexión con %1 (eliminación de %2): %3</translation>
    </message>
    <message>
        <source>The server refused the login: %1</source>
        <translation>El servidor rechazó el inicio de sesión: %1</translation>
    </message>
    <message>
        <source>The server refused the listing of %1: %2</source>
        <translation>El servidor rechazó la lista de %1: %2</translation>
    </message>
    <message>
        <source>The server refused the file %1: %2</source>
        <translation>El servidor rechazó el archivo %1: %2</translation>
    </message>
    <message>
        <source>The server refused renaming %1 to %2: %3</source>
        <translation>El servidor rechazó cambiar el nombre de %1 a %2: %3</translation>
    </message>
    <message>
        <source>The server refused removing %1: %2</source>
        <translation>El servidor rechazó eliminar %1: %2</translation>
    </message>
    <message>
        <source>The manifest on the server names a file that Quillbay never writes: %1</source>
        <translation>El manifiesto del servidor nombra un archivo que Quillbay nunca escribe: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: %1</source>
        <translation>El manifiesto del servidor no es válido: %1</translation>
    </message>
    <message>
        <source>The manifest on the server is not valid: The site&apos;s manifest is not valid (line %1)</source>
        <translation>El manifiesto del servidor no es válido (línea %1)</translation>
    </message>
    <message>
        <source>The file %1 on the server was not written by Quillbay and is in the way; move it away or remove it, then upload again.</source>
        <translation>El archivo %1 del servidor no lo escribió Quillbay y estorba; muévalo o elimínelo y vuelva a subir.</translation>
    </message>
    <message>
        <source>Another publish of the site in %1 is running</source>
        <translation>Otra publicación del sitio de %1 está en curso</translation>
    </message>
    <message>
        <source>Cannot replace %1: it is a symbolic link or not a regular file</source>
        <translation>No se puede reemplazar %1: es un enlace simbólico o no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot remove file %1</source>
        <translation>No se puede eliminar el archivo %1</translation>
    </message>
    <message>
        <source>The range of months is not valid</source>
        <translation>El intervalo de meses no es válido</translation>
    </message>
    <message>
        <source>The Coming-up days or the feed&apos;s months are not valid</source>
        <translation>Los días de «Próximamente» o los meses del feed no son válidos</translation>
    </message>
    <message>
        <source>The feed %1 is larger than 1 MB; some calendar services (Google Calendar) ignore such feeds</source>
        <translation>El feed %1 ocupa más de 1 MB; algunos servicios de calendario (Google Calendar) ignoran esos feeds</translation>
    </message>
</context>
<context>
    <name>FetchDlg</name>
    <message>
        <source>Address of the calendar (https://, http:// or webcal://), as the calendar service shows it under &quot;secret address in iCal format&quot; or &quot;publish calendar&quot;:</source>
        <translation>Dirección del calendario (https://, http:// o webcal://), tal como la muestra el servicio de calendario en «Dirección secreta en formato iCal» o «Publicar calendario»:</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1</source>
        <translation>Descargando el calendario de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Fetching the calendar from %1
%2 received</source>
        <translation>Descargando el calendario de %1
%2 recibidos</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TColorEdit</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>TDateChooser</name>
    <message>
        <source>Has events</source>
        <translation>Tiene eventos</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Distinguir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TNaturalEdit</name>
    <message>
        <source>Step up</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Disminuir</translation>
    </message>
</context>
<context>
    <name>TParaEditor</name>
    <message>
        <source> Font </source>
        <translation> Fuente </translation>
    </message>
    <message>
        <source>left</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centrado</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>A&amp;lign</source>
        <translation>&amp;Alineación</translation>
    </message>
    <message>
        <source>&amp;Fill color</source>
        <translation>&amp;Color de fondo</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>C&amp;olor</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>N&amp;egrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>C&amp;ursiva</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Subrayado</translation>
    </message>
</context>
<context>
    <name>TStyleForm</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Calendar Style</source>
        <translation>Estilo del calendario</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Events %1</source>
        <translation>Eventos %1</translation>
    </message>
    <message>
        <source>Append scheme</source>
        <translation>Añadir esquema</translation>
    </message>
    <message>
        <source>Enter the scheme name</source>
        <translation>Escriba el nombre del esquema</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>Style &quot;%1&quot; already exists. Override?</source>
        <translation>El esquema «%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Do you want to delete &quot;%1&quot; scheme?</source>
        <translation>¿Desea eliminar el esquema «%1»?</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderna</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Ca&amp;ption</source>
        <translation>&amp;Título del mes</translation>
    </message>
    <message>
        <source>Wee&amp;k Days</source>
        <translation>&amp;Días de la semana</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>D&amp;ías</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>&amp;Eventos</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Appl&amp;y</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Cell &amp;width</source>
        <translation>A&amp;ncho de celda</translation>
    </message>
    <message>
        <source>&amp;Cell height</source>
        <translation>A&amp;lto de celda</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Tít&amp;ulo de la página</translation>
    </message>
    <message>
        <source>Table width (pi&amp;xels or %)</source>
        <translation>Ancho de la tabla (pí&amp;xeles o %)</translation>
    </message>
    <message>
        <source>Border si&amp;ze</source>
        <translation>Gro&amp;sor del borde</translation>
    </message>
    <message>
        <source>Cell padd&amp;ing</source>
        <translation>Rellen&amp;o de celda</translation>
    </message>
    <message>
        <source>&amp;Border color</source>
        <translation>Color del &amp;borde</translation>
    </message>
    <message>
        <source>Backgro&amp;und</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Page &amp;form</source>
        <translation>For&amp;ma de la página</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Color sche&amp;mes</source>
        <translation>Es&amp;quemas de color</translation>
    </message>
    <message>
        <source>Sho&amp;w</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Month as te&amp;xt</source>
        <translation>&amp;Mes en letras</translation>
    </message>
    <message>
        <source>&amp;Month as number</source>
        <translation>Mes en n&amp;úmeros</translation>
    </message>
    <message>
        <source>Show y&amp;ear</source>
        <translation>&amp;Mostrar el año</translation>
    </message>
    <message>
        <source>Bo&amp;ttom margin</source>
        <translation>&amp;Margen inferior</translation>
    </message>
    <message>
        <source>Full na&amp;mes</source>
        <translation>&amp;Nombres completos</translation>
    </message>
    <message>
        <source>Shor&amp;t names</source>
        <translation>&amp;Nombres cortos</translation>
    </message>
    <message>
        <source>On&amp;e char names</source>
        <translation>&amp;Una letra</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>La semana empie&amp;za el</translation>
    </message>
    <message>
        <source>&amp;Wrap the event words</source>
        <translation>A&amp;justar el texto de los eventos</translation>
    </message>
    <message>
        <source>Show &amp;event text as written (not HTML)</source>
        <translation>Mostrar el te&amp;xto de los eventos tal cual (no HTML)</translation>
    </message>
    <message>
        <source>&amp;Text for blank events</source>
        <translation>Texto para días sin e&amp;ventos</translation>
    </message>
    <message>
        <source>Hide &apos;&amp;Created by&apos; line</source>
        <translation>Ocultar la línea «Created b&amp;y»</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;Encabezado</translation>
    </message>
    <message>
        <source>&amp;Footer</source>
        <translation>Pie de p&amp;ágina</translation>
    </message>
    <message>
        <source>Preview in brow&amp;ser</source>
        <translation>&amp;Vista previa en el navegador</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Col spacing</source>
        <translation>Espacio entre columnas</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Archivos HTML</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; already exists. Override?</source>
        <translation>El archivo «%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>A&amp;ño</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Meses</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todos</translation>
    </message>
    <message>
        <source>&amp;Unselect</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>Bottom margin of month &amp;tables</source>
        <translation>Ma&amp;rgen bajo las tablas de los meses</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Calendar Files</source>
        <translation>Archivos de calendario</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>The calendar has been changed. Save?</source>
        <translation>Se ha modificado el calendario. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>Documentos &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Prev &amp;Month</source>
        <translation>&amp;Mes anterior</translation>
    </message>
    <message>
        <source>&amp;Prev Day</source>
        <translation>&amp;Día anterior</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Día &amp;siguiente</translation>
    </message>
    <message>
        <source>Ne&amp;xt Month</source>
        <translation>Mes siguie&amp;nte</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Export &amp;month...</source>
        <translation>Exportar &amp;mes...</translation>
    </message>
    <message>
        <source>Export &amp;year...</source>
        <translation>Exportar &amp;año...</translation>
    </message>
    <message>
        <source>&amp;Style...</source>
        <translation>&amp;Estilo...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Export month</source>
        <translation>Exportar mes</translation>
    </message>
    <message>
        <source>Export year</source>
        <translation>Exportar año</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Finished searching</source>
        <translation>Búsqueda terminada</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>HTML Files</source>
        <translation>Archivos HTML</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>&amp;Importar archivo iCalendar...</translation>
    </message>
    <message>
        <source>Export &amp;iCalendar...</source>
        <translation>Exportar a &amp;iCalendar...</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importar archivo iCalendar</translation>
    </message>
    <message>
        <source>Import the events of these days:</source>
        <translation>Importar los eventos de estos días:</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 evento</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 eventos</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>Added %1 on %2</source>
        <translation>Importación terminada: %1 en %2</translation>
    </message>
    <message>
        <source>Export iCalendar</source>
        <translation>Exportar a iCalendar</translation>
    </message>
    <message>
        <source>Put the days of this range into the feed:</source>
        <translation>Incluir en el canal los días de este periodo:</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>Archivos iCalendar</translation>
    </message>
    <message>
        <source>Import from a&amp;ddress...</source>
        <translation>Importar desde una &amp;dirección...</translation>
    </message>
    <message>
        <source>Import from Address</source>
        <translation>Importar desde una dirección</translation>
    </message>
    <message>
        <source>U&amp;ndo Repeat</source>
        <translation>Des&amp;hacer la repetición</translation>
    </message>
    <message>
        <source>&amp;Repeat...</source>
        <translation>&amp;Repetir...</translation>
    </message>
    <message>
        <source>Remove from &amp;days...</source>
        <translation>&amp;Quitar de los días...</translation>
    </message>
    <message>
        <source>Month page written to %1</source>
        <translation>Página del mes escrita en %1</translation>
    </message>
    <message>
        <source>iCalendar feed written to %1</source>
        <translation>Canal iCalendar escrito en %1</translation>
    </message>
    <message>
        <source>Added to 1 day</source>
        <translation>Añadido a 1 día</translation>
    </message>
    <message>
        <source>Added to %1 days</source>
        <translation>Añadido a %1 días</translation>
    </message>
    <message>
        <source>Removed from 1 day</source>
        <translation>Quitado de 1 día</translation>
    </message>
    <message>
        <source>Removed from %1 days</source>
        <translation>Quitado de %1 días</translation>
    </message>
    <message>
        <source>U&amp;ndo Remove</source>
        <translation>Des&amp;hacer la eliminación</translation>
    </message>
    <message>
        <source>Restored 1 day</source>
        <translation>1 día restaurado</translation>
    </message>
    <message>
        <source>Restored %1 days</source>
        <translation>%1 días restaurados</translation>
    </message>
    <message>
        <source>Year page written to %1</source>
        <translation>Página del año escrita en %1</translation>
    </message>
    <message>
        <source>Type the events of this day; pick another day on the left</source>
        <translation>Escriba los eventos de este día; elija otro día a la izquierda</translation>
    </message>
    <message>
        <source>Copy month as &amp;HTML</source>
        <translation>Copiar mes como HT&amp;ML</translation>
    </message>
    <message>
        <source>Mar&amp;k Days with Events</source>
        <translation>Marcar días con &amp;eventos</translation>
    </message>
    <message>
        <source>P&amp;ublish site...</source>
        <translation>&amp;Publicar sitio web...</translation>
    </message>
    <message>
        <source>No events between %1 and %2; this file&apos;s events lie between %3 and %4</source>
        <translation>No hay eventos entre el %1 y el %2; los eventos de este archivo están entre el %3 y el %4</translation>
    </message>
    <message>
        <source>; 1 event could not be read (%1)</source>
        <translation>; 1 evento no se pudo leer (%1)</translation>
    </message>
    <message>
        <source>; %1 events could not be read (first: %2)</source>
        <translation>; %1 eventos no se pudieron leer (primero: %2)</translation>
    </message>
    <message>
        <source>Publish a&amp;gain</source>
        <translation>Publicar de nue&amp;vo</translation>
    </message>
</context>
<context>
    <name>TfrmPublish</name>
    <message>
        <source>Publish Site</source>
        <translation>Publicar sitio web</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>Pu&amp;blicar</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>months back,</source>
        <translation>meses atrás,</translation>
    </message>
    <message>
        <source>months ahead</source>
        <translation>meses adelante</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>&amp;Months (YYYY-MM):</source>
        <translation>&amp;Meses (AAAA-MM):</translation>
    </message>
    <message>
        <source>Leave the months empty for every month from the first to the last with text, always with this year.</source>
        <translation>Sin meses: cada mes desde el primero hasta el último con texto, siempre con el año en curso.</translation>
    </message>
    <message>
        <source>Public &amp;address:</source>
        <translation>&amp;Dirección pública:</translation>
    </message>
    <message>
        <source>&amp;Coming up (days):</source>
        <translation>&amp;Próximamente (días):</translation>
    </message>
    <message>
        <source>Fee&amp;d:</source>
        <translation>&amp;Feed:</translation>
    </message>
    <message>
        <source>The month %1 is not valid; write it as YYYY-MM.</source>
        <translation>El mes %1 no es válido; escríbalo como AAAA-MM.</translation>
    </message>
    <message>
        <source>Folder of the Site</source>
        <translation>Carpeta del sitio</translation>
    </message>
    <message>
        <source>Publishing the site...</source>
        <translation>Publicando el sitio...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>These files in the folder were not written by Quillbay:

%1

Replace them with the site&apos;s pages?</source>
        <translation>Estos archivos de la carpeta no los escribió Quillbay:

%1

¿Reemplazarlos por las páginas del sitio?</translation>
    </message>
    <message>
        <source>Site published: %1 pages written, %2 unchanged, %3 removed</source>
        <translation>Sitio publicado: %1 páginas escritas, %2 sin cambios, %3 eliminadas</translation>
    </message>
    <message>
        <source>Open &amp;Site</source>
        <translation>Abrir el &amp;sitio</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Abrir la &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Upload to my web host</source>
        <translation>Subir a mi alo&amp;jamiento web</translation>
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
        <translation>FTP sin cifrado</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>servidor o servidor:puerto</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>&amp;Guardar la contraseña en mi llavero</translation>
    </message>
    <message>
        <source>Send my password u&amp;nencrypted</source>
        <translation>Enviar mi contraseña si&amp;n cifrar</translation>
    </message>
    <message>
        <source>Anyone on the network path between you and the server can read your password and your pages.</source>
        <translation>Cualquiera en el camino de red entre usted y el servidor puede leer su contraseña y sus páginas.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Probar la conex&amp;ión</translation>
    </message>
    <message>
        <source>F&amp;orget password</source>
        <translation>O&amp;lvidar la contraseña</translation>
    </message>
    <message>
        <source>Forget &amp;host key</source>
        <translation>Olvidar la cla&amp;ve del servidor</translation>
    </message>
    <message>
        <source>Protoco&amp;l:</source>
        <translation>Pro&amp;tocolo:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>Us&amp;er:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Remote folder:</source>
        <translation>Carpeta &amp;remota:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>C&amp;ontraseña:</translation>
    </message>
    <message>
        <source>empty: SSH keys or the agent</source>
        <translation>vacía: claves SSH o el agente</translation>
    </message>
    <message>
        <source>FTP without encryption sends your password as it is. Tick &quot;Send my password unencrypted&quot; to allow that, or choose another protocol.</source>
        <translation>El FTP sin cifrado envía su contraseña tal cual. Marque «Enviar mi contraseña sin cifrar» para permitirlo, o elija otro protocolo.</translation>
    </message>
    <message>
        <source>Connected to %1: the login works and the folder holds %2 entries.</source>
        <translation>Conectado a %1: el inicio de sesión funciona y la carpeta contiene %2 elementos.</translation>
    </message>
    <message>
        <source>The password for %1 was removed from the keyring.</source>
        <translation>La contraseña de %1 se ha quitado del llavero.</translation>
    </message>
    <message>
        <source>The keyring holds no password for %1.</source>
        <translation>El llavero no contiene ninguna contraseña para %1.</translation>
    </message>
    <message>
        <source>The key of %1 was removed from %2.</source>
        <translation>La clave de %1 se ha quitado de %2.</translation>
    </message>
    <message>
        <source>%2 holds no key for %1.</source>
        <translation>%2 no contiene ninguna clave para %1.</translation>
    </message>
    <message>
        <source>This document uploads to %1. Upload there?</source>
        <translation>Este documento se sube a %1. ¿Subirlo allí?</translation>
    </message>
</context>
<context>
    <name>TfrmRange</name>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmRemoveLine</name>
    <message>
        <source>Remove from Days</source>
        <translation>Quitar de los días</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Line:</source>
        <translation>&amp;Línea:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>No day of the range holds this line.</source>
        <translation>Ningún día del periodo contiene esta línea.</translation>
    </message>
    <message>
        <source>It will be removed from 1 day.</source>
        <translation>Se quitará de 1 día.</translation>
    </message>
    <message>
        <source>It will be removed from %1 days.</source>
        <translation>Se quitará de %1 días.</translation>
    </message>
</context>
<context>
    <name>TfrmRepeat</name>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>On %1</source>
        <translation>El %1</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>&amp;Hasta el</translation>
    </message>
    <message>
        <source>&amp;Number of times</source>
        <translation>&amp;Número de veces</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>&amp;Every</source>
        <translation>&amp;Cada</translation>
    </message>
    <message>
        <source>On the first %1</source>
        <translation>El primer %1 del mes</translation>
    </message>
    <message>
        <source>On the second %1</source>
        <translation>El segundo %1 del mes</translation>
    </message>
    <message>
        <source>On the third %1</source>
        <translation>El tercer %1 del mes</translation>
    </message>
    <message>
        <source>On the fourth %1</source>
        <translation>El cuarto %1 del mes</translation>
    </message>
    <message>
        <source>On the fifth %1</source>
        <translation>El quinto %1 del mes</translation>
    </message>
    <message>
        <source>On day %1</source>
        <translation>El día %1 del mes</translation>
    </message>
    <message>
        <source>On the last %1</source>
        <translation>El último %1 del mes</translation>
    </message>
    <message>
        <source>On the last day of the month</source>
        <translation>El último día del mes</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semana</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 days; choose fewer times.</source>
        <translation>Una repetición abarca como máximo %1 días; elija menos veces.</translation>
    </message>
    <message>
        <source>A repeat reaches at most %1 years ahead; choose an earlier end or fewer times.</source>
        <translation>Una repetición llega como máximo a %1 años vista; elija un final anterior o menos veces.</translation>
    </message>
    <message>
        <source>No day matches the rule.</source>
        <translation>Ningún día cumple la regla.</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>%1, %2 of them left out</source>
        <translation>%1 (omitidos: %2)</translation>
    </message>
</context>
<context>
    <name>TfrmUploadPassword</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>The password for %1</source>
        <translation>La contraseña de %1</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>C&amp;ontraseña:</translation>
    </message>
    <message>
        <source>&amp;Keep the password in my keyring</source>
        <translation>&amp;Guardar la contraseña en mi llavero</translation>
    </message>
</context>
<context>
    <name>UploadDlg</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Uploading to %1
%2 of %3 files, %4 of %5</source>
        <translation>Subiendo a %1
%2 de %3 archivos, %4 de %5</translation>
    </message>
    <message>
        <source>Cancelling after the current file...</source>
        <translation>Se cancelará después del archivo actual...</translation>
    </message>
    <message>
        <source>The server %1 is not known yet. Its key&apos;s SHA-256 fingerprint is

%2

Compare it with the fingerprint that your web host gives you. Trust this server?</source>
        <translation>El servidor %1 aún no es conocido. La huella SHA-256 de su clave es

%2

Compárela con la huella que le da su proveedor de alojamiento. ¿Confiar en este servidor?</translation>
    </message>
    <message>
        <source>&amp;Trust this server</source>
        <translation>&amp;Confiar en este servidor</translation>
    </message>
    <message>
        <source>The server&apos;s key was accepted for this upload but could not be kept: %1</source>
        <translation>La clave del servidor se aceptó para esta subida pero no se pudo guardar: %1</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>No se pudo guardar la contraseña en el llavero: %1</translation>
    </message>
    <message>
        <source>Cancelled after uploading 1 file, %1 unchanged, %2 removed</source>
        <translation>Cancelado después de subir 1 archivo, %1 sin cambios, %2 eliminados</translation>
    </message>
    <message>
        <source>Cancelled after uploading %1 files, %2 unchanged, %3 removed</source>
        <translation>Cancelado después de subir %1 archivos, %2 sin cambios, %3 eliminados</translation>
    </message>
    <message>
        <source>Uploaded 1 file, %1 unchanged, %2 removed</source>
        <translation>1 archivo subido, %1 sin cambios, %2 eliminados</translation>
    </message>
    <message>
        <source>Uploaded %1 files, %2 unchanged, %3 removed</source>
        <translation>%1 archivos subidos, %2 sin cambios, %3 eliminados</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillbay turns a list of dated events into calendar pages for a web site.</source>
        <translation>Quillbay convierte una lista de eventos con fecha en páginas de calendario para un sitio web.</translation>
    </message>
    <message>
        <source>The calendar document to open.</source>
        <translation>El documento de calendario que se abrirá.</translation>
    </message>
    <message>
        <source>give at most one document to open</source>
        <translation>indique como máximo un documento para abrir</translation>
    </message>
</context>
</TS>
