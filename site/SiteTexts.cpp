#include "site/SiteTexts.h"

#include <array>

#include "generator/ModernPage.h"
#include "model/CalStyle.h"

namespace {
const std::array<TSiteTexts, 6> Tables{{
    {"en",
     "Calendar pages",
     "Previous month: ",
     "Next month: ",
     "Previous year: ",
     "Next year: ",
     "Overview",
     "Subscribe",
     "Coming up",
     "Next:",
     "No dates yet",
     "Months",
     "Add these dates to your own calendar; it then stays up to date by itself.",
     "Google Calendar",
     "Apple Calendar and iPhone",
     "Outlook.com",
     "Address of the calendar",
     "Copy",
     "Copied",
     "Download (.ics)",
     "How to subscribe",
     "Google Calendar: the button opens Google Calendar in the browser and asks to add the calendar; on an "
     "Android phone it then shows in the Google Calendar app.",
     "iPhone, iPad and Mac: the button opens the Calendar app, which asks to subscribe.",
     "Outlook.com and Outlook on the web: the button opens Outlook, which asks to add the calendar.",
     "Any other program (Thunderbird, other phone apps): copy the address and add it as a calendar from the "
     "internet.",
     "Calendar services fetch a subscribed calendar again only every few hours (Google sometimes once a "
     "day), so a change here can take that long to show.",
     "Download the dates and open the file with your calendar program to add them; they do not update by "
     "themselves.",
     "Subscribe buttons appear here once the site's public address is set when the site is published.",
     "{W} {D} {M}",
     "{W} {D} {M} {Y}"},
    {"de",
     "Kalenderseiten",
     "Vorheriger Monat: ",
     "N\xC3\xA4"
     "chster Monat: ",
     "Vorheriges Jahr: ",
     "N\xC3\xA4"
     "chstes Jahr: ",
     "\xC3\x9C"
     "bersicht",
     "Abonnieren",
     "Demn\xC3\xA4"
     "chst",
     "N\xC3\xA4"
     "chster Termin:",
     "Noch keine Termine",
     "Monate",
     "F\xC3\xBCgen Sie diese Termine Ihrem eigenen Kalender hinzu; er bleibt dann von selbst aktuell.",
     "Google Kalender",
     "Apple Kalender und iPhone",
     "Outlook.com",
     "Adresse des Kalenders",
     "Kopieren",
     "Kopiert",
     "Herunterladen (.ics)",
     "So abonnieren Sie",
     "Google Kalender: Die Schaltfl\xC3\xA4"
     "che \xC3\xB6"
     "ffnet Google Kalender im Browser und fragt, ob "
     "der Kalender hinzugef\xC3\xBCgt werden soll; auf einem Android-Telefon erscheint er dann in der App "
     "Google Kalender.",
     "iPhone, iPad und Mac: Die Schaltfl\xC3\xA4"
     "che \xC3\xB6"
     "ffnet die App Kalender, die das Abonnieren "
     "anbietet.",
     "Outlook.com und Outlook im Web: Die Schaltfl\xC3\xA4"
     "che \xC3\xB6"
     "ffnet Outlook, das das "
     "Hinzuf\xC3\xBCgen anbietet.",
     "Jedes andere Programm (Thunderbird, andere Telefon-Apps): Adresse kopieren und als Kalender aus dem "
     "Internet hinzuf\xC3\xBCgen.",
     "Kalenderdienste holen einen abonnierten Kalender nur alle paar Stunden neu (Google manchmal nur einmal "
     "am Tag); eine \xC3\x84nderung hier kann so lange brauchen, bis sie dort erscheint.",
     "Laden Sie die Termine herunter und \xC3\xB6"
     "ffnen Sie die Datei mit Ihrem Kalenderprogramm; sie "
     "werden danach nicht von selbst aktualisiert.",
     "Schaltfl\xC3\xA4"
     "chen zum Abonnieren erscheinen hier, sobald beim Ver\xC3\xB6"
     "ffentlichen die "
     "\xC3\xB6"
     "ffentliche Adresse der Seite angegeben ist.",
     "{W}, {D}. {M}",
     "{W}, {D}. {M} {Y}"},
    {"fr",
     "Pages du calendrier",
     "Mois pr\xC3\xA9"
     "c\xC3\xA9"
     "dent\xC2\xA0: ",
     "Mois suivant\xC2\xA0: ",
     "Ann\xC3\xA9"
     "e pr\xC3\xA9"
     "c\xC3\xA9"
     "dente\xC2\xA0: ",
     "Ann\xC3\xA9"
     "e suivante\xC2\xA0: ",
     "Aper\xC3\xA7u",
     "S\xE2\x80\x99"
     "abonner",
     "\xC3\x80 venir",
     "Prochaine date\xC2\xA0:",
     "Pas encore de dates",
     "Mois",
     "Ajoutez ces dates \xC3\xA0 votre propre agenda\xC2\xA0; il se met ensuite \xC3\xA0 jour tout seul.",
     "Google Agenda",
     "Calendrier Apple et iPhone",
     "Outlook.com",
     "Adresse de l\xE2\x80\x99"
     "agenda",
     "Copier",
     "Copi\xC3\xA9",
     "T\xC3\xA9l\xC3\xA9"
     "charger (.ics)",
     "Comment s\xE2\x80\x99"
     "abonner",
     "Google Agenda\xC2\xA0: le bouton ouvre Google Agenda dans le navigateur et propose d\xE2\x80\x99"
     "ajouter "
     "l\xE2\x80\x99"
     "agenda\xC2\xA0; sur un t\xC3\xA9l\xC3\xA9phone Android, il appara\xC3\xAEt ensuite dans "
     "l\xE2\x80\x99"
     "application Google Agenda.",
     "iPhone, iPad et Mac\xC2\xA0: le bouton ouvre l\xE2\x80\x99"
     "application Calendrier, qui propose de "
     "s\xE2\x80\x99"
     "abonner.",
     "Outlook.com et Outlook sur le web\xC2\xA0: le bouton ouvre Outlook, qui propose d\xE2\x80\x99"
     "ajouter "
     "l\xE2\x80\x99"
     "agenda.",
     "Tout autre programme (Thunderbird, autres applications)\xC2\xA0: copiez l\xE2\x80\x99"
     "adresse et "
     "ajoutez-la comme agenda en ligne.",
     "Les services d\xE2\x80\x99"
     "agenda ne relisent un agenda abonn\xC3\xA9 que toutes les quelques heures "
     "(Google parfois une fois par jour)\xC2\xA0: une modification peut mettre ce temps \xC3\xA0 "
     "appara\xC3\xAEtre.",
     "T\xC3\xA9l\xC3\xA9"
     "chargez les dates et ouvrez le fichier avec votre agenda\xC2\xA0; elles ne se "
     "mettent pas \xC3\xA0 jour d\xE2\x80\x99"
     "elles-m\xC3\xAAmes.",
     "Les boutons d\xE2\x80\x99"
     "abonnement apparaissent ici d\xC3\xA8s que l\xE2\x80\x99"
     "adresse publique "
     "du site est indiqu\xC3\xA9"
     "e \xC3\xA0 la publication.",
     "{W} {D} {M}",
     "{W} {D} {M} {Y}"},
    {"es",
     "P\xC3\xA1ginas del calendario",
     "Mes anterior: ",
     "Mes siguiente: ",
     "A\xC3\xB1o anterior: ",
     "A\xC3\xB1o siguiente: ",
     "Resumen",
     "Suscribirse",
     "Pr\xC3\xB3ximamente",
     "Pr\xC3\xB3xima fecha:",
     "Todav\xC3\xAD"
     "a no hay fechas",
     "Meses",
     "A\xC3\xB1"
     "ada estas fechas a su propio calendario; despu\xC3\xA9s se actualiza solo.",
     "Google Calendar",
     "Calendario de Apple y iPhone",
     "Outlook.com",
     "Direcci\xC3\xB3n del calendario",
     "Copiar",
     "Copiado",
     "Descargar (.ics)",
     "C\xC3\xB3mo suscribirse",
     "Google Calendar: el bot\xC3\xB3n abre Google Calendar en el navegador y pregunta si a\xC3\xB1"
     "adir el "
     "calendario; en un tel\xC3\xA9"
     "fono Android aparece despu\xC3\xA9s en la aplicaci\xC3\xB3n Google "
     "Calendar.",
     "iPhone, iPad y Mac: el bot\xC3\xB3n abre la aplicaci\xC3\xB3n Calendario, que ofrece suscribirse.",
     "Outlook.com y Outlook en la web: el bot\xC3\xB3n abre Outlook, que ofrece a\xC3\xB1"
     "adir el "
     "calendario.",
     "Cualquier otro programa (Thunderbird, otras aplicaciones): copie la direcci\xC3\xB3n y a\xC3\xB1"
     "\xC3\xA1"
     "dala como calendario de internet.",
     "Los servicios de calendario vuelven a leer un calendario suscrito solo cada pocas horas (Google a "
     "veces "
     "una vez al d\xC3\xAD"
     "a), as\xC3\xAD que un cambio puede tardar ese tiempo en verse.",
     "Descargue las fechas y abra el archivo con su programa de calendario; no se actualizan solas.",
     "Los botones de suscripci\xC3\xB3n aparecen aqu\xC3\xAD cuando se indica la direcci\xC3\xB3n "
     "p\xC3\xBA"
     "blica del sitio al publicarlo.",
     "{W}, {D} de {M}",
     "{W}, {D} de {M} de {Y}"},
    {"it",
     "Pagine del calendario",
     "Mese precedente: ",
     "Mese successivo: ",
     "Anno precedente: ",
     "Anno successivo: ",
     "Panoramica",
     "Iscriviti",
     "Prossimamente",
     "Prossima data:",
     "Nessuna data per ora",
     "Mesi",
     "Aggiungi queste date al tuo calendario: poi si aggiorna da solo.",
     "Google Calendar",
     "Calendario Apple e iPhone",
     "Outlook.com",
     "Indirizzo del calendario",
     "Copia",
     "Copiato",
     "Scarica (.ics)",
     "Come iscriversi",
     "Google Calendar: il pulsante apre Google Calendar nel browser e chiede di aggiungere il calendario; su "
     "un telefono Android compare poi nell\xE2\x80\x99"
     "app Google Calendar.",
     "iPhone, iPad e Mac: il pulsante apre l\xE2\x80\x99"
     "app Calendario, che propone l\xE2\x80\x99"
     "iscrizione.",
     "Outlook.com e Outlook sul web: il pulsante apre Outlook, che propone di aggiungere il calendario.",
     "Qualsiasi altro programma (Thunderbird, altre app): copia l\xE2\x80\x99"
     "indirizzo e aggiungilo come "
     "calendario da internet.",
     "I servizi di calendario rileggono un calendario sottoscritto solo ogni poche ore (Google a volte una "
     "volta al giorno): una modifica pu\xC3\xB2 richiedere quel tempo per comparire.",
     "Scarica le date e apri il file con il tuo programma di calendario; non si aggiornano da sole.",
     "I pulsanti per iscriversi compaiono qui quando alla pubblicazione viene indicato l\xE2\x80\x99"
     "indirizzo "
     "pubblico del sito.",
     "{W} {D} {M}",
     "{W} {D} {M} {Y}"},
    {"nl",
     "Kalenderpagina\xE2\x80\x99s",
     "Vorige maand: ",
     "Volgende maand: ",
     "Vorig jaar: ",
     "Volgend jaar: ",
     "Overzicht",
     "Abonneren",
     "Binnenkort",
     "Volgende datum:",
     "Nog geen data",
     "Maanden",
     "Voeg deze data toe aan uw eigen agenda; die blijft daarna vanzelf bijgewerkt.",
     "Google Agenda",
     "Apple Agenda en iPhone",
     "Outlook.com",
     "Adres van de agenda",
     "Kopi\xC3\xAB"
     "ren",
     "Gekopieerd",
     "Downloaden (.ics)",
     "Zo abonneert u zich",
     "Google Agenda: de knop opent Google Agenda in de browser en vraagt of de agenda toegevoegd moet "
     "worden; "
     "op een Android-telefoon verschijnt hij daarna in de app Google Agenda.",
     "iPhone, iPad en Mac: de knop opent de app Agenda, die aanbiedt om te abonneren.",
     "Outlook.com en Outlook op het web: de knop opent Outlook, dat aanbiedt de agenda toe te voegen.",
     "Elk ander programma (Thunderbird, andere apps): kopieer het adres en voeg het toe als agenda van "
     "internet.",
     "Agendadiensten halen een geabonneerde agenda maar om de paar uur opnieuw op (Google soms eens per "
     "dag); "
     "een wijziging kan dus zo lang duren voordat hij daar verschijnt.",
     "Download de data en open het bestand met uw agendaprogramma; ze worden daarna niet vanzelf bijgewerkt.",
     "Knoppen om te abonneren verschijnen hier zodra bij het publiceren het openbare adres van de site is "
     "opgegeven.",
     "{W} {D} {M}",
     "{W} {D} {M} {Y}"},
}};

void Replace(std::string& Text, const std::string& Key, const std::string& Value) {
  const size_t At = Text.find(Key);
  if (At != std::string::npos) Text.replace(At, Key.size(), Value);
}
}  // namespace

const TSiteTexts& SiteTextsFor(const std::string& LanguageTag) {
  std::string Primary;
  for (char C : LanguageTag) {
    if (C == '-' || C == '_' || C == '.' || C == '@') break;
    Primary += static_cast<char>(C >= 'A' && C <= 'Z' ? C + 32 : C);
  }
  for (const TSiteTexts& T : Tables)
    if (Primary == T.Language) return T;
  return Tables[0];
}

const TSiteTexts& SiteTexts(const TCalStyle& Style) { return SiteTextsFor(PageLanguage(Style)); }

std::string LongDate(const TCalStyle& Style, const TSiteTexts& Texts, TDateTime Day, int ThisYear) {
  int Y, M, D;
  DecodeDate(Day, Y, M, D);
  std::string Text = Y == ThisYear ? Texts.DateForm : Texts.YearForm;
  Replace(Text, "{W}", TCalStyle::WeekDayName(static_cast<uint16_t>(DayOfWeek(Day)), Style.Language, 0));
  Replace(Text, "{D}", std::to_string(D));
  Replace(Text, "{M}", TCalStyle::MonthName(static_cast<uint16_t>(M), Style.Language));
  Replace(Text, "{Y}", std::to_string(Y));
  return Text;
}
