<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ClassDevice</name>
    <message>
        <source>Klassenversuch</source>
        <translation>Class experiment</translation>
    </message>
    <message>
        <source>Klassencode:</source>
        <translation>Class code:</translation>
    </message>
    <message>
        <source>Vorname (freiwillig):</source>
        <translation>First name (optional):</translation>
    </message>
    <message>
        <source>Beitreten</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Verbindung unterbrochen – neuer Versuch …</source>
        <translation>Connection lost – trying again …</translation>
    </message>
    <message>
        <source>Gerät %1</source>
        <translation>Device %1</translation>
    </message>
    <message>
        <source>%1: %2 Reisen an der Tafel</source>
        <translation>%1: %2 trips on the board</translation>
    </message>
    <message>
        <source>Der Klassencode stimmt nicht.</source>
        <translation>The class code is not right.</translation>
    </message>
    <message>
        <source>Ein Vorname hat höchstens 16 Buchstaben und nur Buchstaben.</source>
        <translation>A first name has at most 16 letters and letters only.</translation>
    </message>
    <message>
        <source>Die Tafel kennt dieses Gerät nicht mehr – bitte neu beitreten.</source>
        <translation>The board no longer knows this device – please join again.</translation>
    </message>
    <message>
        <source>Eine Reise passte nicht zum Startwert und zählt nicht.</source>
        <translation>A trip did not fit the seed and does not count.</translation>
    </message>
    <message>
        <source>Zu viele Nachrichten – einen Moment warten.</source>
        <translation>Too many messages – wait a moment.</translation>
    </message>
    <message>
        <source>Die Klasse ist voll.</source>
        <translation>The class is full.</translation>
    </message>
    <message>
        <source>Der Klassenversuch ist beendet.</source>
        <translation>The class experiment has ended.</translation>
    </message>
    <message>
        <source>Die Lehrkraft hat dieses Gerät entfernt.</source>
        <translation>The teacher removed this device.</translation>
    </message>
    <message>
        <source>Pause: Die Lehrkraft hat den Versuch angehalten.</source>
        <translation>Pause: the teacher has halted the experiment.</translation>
    </message>
    <message>
        <source>Von dieser Adresse aus sind schon zu viele Geräte beigetreten.</source>
        <translation>Too many devices have already joined from this address.</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>Port %1 ist schon belegt.</source>
        <translation>Port %1 is already in use.</translation>
    </message>
    <message>
        <source>„%1“ ist kein lesbares Protokoll eines Klassenversuchs; es bleibt unverändert.</source>
        <translation>“%1” is no readable record of a class experiment; it is left as it is.</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht schreiben.</source>
        <translation>“%1” cannot be written.</translation>
    </message>
    <message>
        <source>Klassenversuch fortgesetzt: %1 Geräte, %2 Reisen im Pool.</source>
        <translation>Class experiment resumed: %1 devices, %2 trips pooled.</translation>
    </message>
    <message>
        <source>Adresse für die Klasse: %1</source>
        <translation>Address for the class: %1</translation>
    </message>
    <message>
        <source>Klassencode: %1</source>
        <translation>Class code: %1</translation>
    </message>
    <message>
        <source>Tafel, nur für die Lehrkraft: %1</source>
        <translation>Board, for the teacher only: %1</translation>
    </message>
    <message>
        <source>Runde %1: %2 Geräte, %3 Reisen im Pool</source>
        <translation>Round %1: %2 devices, %3 trips pooled</translation>
    </message>
    <message>
        <source>, Heimkehr %1 %</source>
        <translation>, home %1 %</translation>
    </message>
    <message>
        <source> (exakt %1 %)</source>
        <translation> (exact %1 %)</translation>
    </message>
    <message>
        <source> – das Protokoll lässt sich nicht mehr schreiben!</source>
        <translation> – the record can no longer be written!</translation>
    </message>
    <message>
        <source>Der Klassenversuch ist beendet.</source>
        <translation>The class experiment has ended.</translation>
    </message>
    <message>
        <source>Ein anderer Klassenversuch läuft schon auf „%1“.</source>
        <translation>Another class experiment already runs on “%1”.</translation>
    </message>
    <message>
        <source>Die Seite der Browser-Ausgabe fehlt in „%1“: Die Geräte finden nichts (--site ORDNER).</source>
        <translation>The browser edition’s page is missing in “%1”: the devices find nothing (--site FOLDER).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>quirlweg: Unbekannte Sprache „%1“, erlaubt sind de und en.</source>
        <translation>quirlweg: unknown language “%1”; de and en are allowed.</translation>
    </message>
    <message>
        <source>Quirlweg zeigt Irrfahrten auf einem quadratischen oder kubischen Gitter.</source>
        <translation>Quirlweg shows random walks on a square or cubic lattice.</translation>
    </message>
    <message>
        <source>Sprache der Texte: de oder en.</source>
        <translation>Language of the texts: de or en.</translation>
    </message>
    <message>
        <source>quirlweg: „%1“ konnte nicht geschrieben werden: %2</source>
        <translation>quirlweg: could not write “%1”: %2</translation>
    </message>
    <message>
        <source>--journeys braucht eine ganze Zahl von 1 bis %1, nicht „%2“.</source>
        <translation>--journeys needs a whole number from 1 to %1, not “%2”.</translation>
    </message>
    <message>
        <source>--experiment braucht --journeys N.</source>
        <translation>--experiment needs --journeys N.</translation>
    </message>
    <message>
        <source>Führt den Versuch aus DATEI ohne Fenster aus (mit --journeys).</source>
        <translation>Runs the experiment in FILE without a window (with --journeys).</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>So viele Reisen gehen.</source>
        <translation>Walk this many trips.</translation>
    </message>
    <message>
        <source>Die Reisen als CSV nach AUS schreiben.</source>
        <translation>Write the trips as CSV to OUT.</translation>
    </message>
    <message>
        <source>AUS</source>
        <translation>OUT</translation>
    </message>
    <message>
        <source>Den Bericht als PDF nach AUS schreiben.</source>
        <translation>Write the report as PDF to OUT.</translation>
    </message>
    <message>
        <source>Ein Versuch, der im Fenster geöffnet wird.</source>
        <translation>An experiment to open in the window.</translation>
    </message>
    <message>
        <source>Nur ein Versuch lässt sich öffnen.</source>
        <translation>Only one experiment can be opened.</translation>
    </message>
    <message>
        <source>--experiment und eine Versuchsdatei schließen sich aus.</source>
        <translation>--experiment and an experiment file exclude each other.</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --experiment.</source>
        <translation>--%1 works only with --experiment.</translation>
    </message>
    <message>
        <source>versuch.quirlweg</source>
        <translation>experiment.quirlweg</translation>
    </message>
    <message>
        <source>quirlweg: %1 von %2 Reisen gegangen (%3 %)</source>
        <translation>quirlweg: %1 of %2 trips walked (%3 %)</translation>
    </message>
    <message>
        <source>quirlweg: --lang braucht eine Sprache, de oder en.</source>
        <translation>quirlweg: --lang needs a language, de or en.</translation>
    </message>
    <message>
        <source>--csv und --report nennen dieselbe Datei „%1“.</source>
        <translation>--csv and --report name the same file “%1”.</translation>
    </message>
    <message>
        <source>„%1“ ist die Versuchsdatei selbst; sie wird nicht überschrieben.</source>
        <translation>“%1” is the experiment file itself; it is not overwritten.</translation>
    </message>
    <message>
        <source>--report schreibt ein PDF: der Name muss auf .pdf enden, nicht „%1“.</source>
        <translation>--report writes a PDF: the name must end in .pdf, not “%1”.</translation>
    </message>
    <message>
        <source>--%1 gilt nicht mit --class.</source>
        <translation>--%1 does not go with --class.</translation>
    </message>
    <message>
        <source>--class nimmt seinen Versuch mit --experiment DATEI.</source>
        <translation>--class takes its experiment with --experiment FILE.</translation>
    </message>
    <message>
        <source>--port braucht eine ganze Zahl von 1 bis 65535, nicht „%1“.</source>
        <translation>--port needs a whole number from 1 to 65535, not “%1”.</translation>
    </message>
    <message>
        <source>Startet einen Klassenversuch ohne Fenster: die Geräte der Klasse gehen, die Tafel sammelt ihre Reisen.</source>
        <translation>Starts a class experiment without a window: the class’s devices walk, the board pools their trips.</translation>
    </message>
    <message>
        <source>Der Port des Klassenversuchs.</source>
        <translation>The class experiment’s port.</translation>
    </message>
    <message>
        <source>Das Protokoll des Klassenversuchs, aus dem ein Neustart fortsetzt.</source>
        <translation>The class experiment’s record, which a restart resumes from.</translation>
    </message>
    <message>
        <source>Der Ordner mit den Dateien der Browser-Ausgabe.</source>
        <translation>The folder with the browser edition’s files.</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>--%1 gilt nur mit --class.</source>
        <translation>--%1 only goes with --class.</translation>
    </message>
    <message>
        <source>Geräte treten ohne Vornamen bei und heißen „Gerät N“.</source>
        <translation>Devices join without a first name and are called “Device N”.</translation>
    </message>
</context>
<context>
    <name>ExperimentFile</name>
    <message>
        <source>„%1“ fehlt.</source>
        <translation>“%1” is missing.</translation>
    </message>
    <message>
        <source>„%1“ muss eine Zahl sein.</source>
        <translation>“%1” must be a number.</translation>
    </message>
    <message>
        <source>„%1“ muss true oder false sein.</source>
        <translation>“%1” must be true or false.</translation>
    </message>
    <message>
        <source>„%1“ muss ein Text sein.</source>
        <translation>“%1” must be a text.</translation>
    </message>
    <message>
        <source>„%1“ muss ein Objekt { … } sein.</source>
        <translation>“%1” must be an object { … }.</translation>
    </message>
    <message>
        <source>„%1“ muss eine Liste [ … ] sein.</source>
        <translation>“%1” must be a list [ … ].</translation>
    </message>
    <message>
        <source>„%1“ muss zwischen %2 und %3 liegen, ist aber %4.</source>
        <translation>“%1” must lie between %2 and %3 but is %4.</translation>
    </message>
    <message>
        <source>„%1“ muss eine ganze Zahl sein.</source>
        <translation>“%1” must be a whole number.</translation>
    </message>
    <message>
        <source>„%1“ muss in ganzen Prozent angegeben sein, etwa 0.35.</source>
        <translation>“%1” must be given in whole per cent, such as 0.35.</translation>
    </message>
    <message>
        <source>„%1“ muss zwei Zahlen [x, y] enthalten.</source>
        <translation>“%1” must hold two numbers [x, y].</translation>
    </message>
    <message>
        <source>„%1“ muss „step“, „journey“ oder „twentyJourneys“ sein.</source>
        <translation>“%1” must be “step”, “journey” or “twentyJourneys”.</translation>
    </message>
    <message>
        <source>„%1“ muss eine Stufe der Tempo-Skala sein: %2.</source>
        <translation>“%1” must be a step of the tempo scale: %2.</translation>
    </message>
    <message>
        <source>„%1“ ist länger als %2 Zeichen.</source>
        <translation>“%1” is longer than %2 characters.</translation>
    </message>
    <message>
        <source>„series“ hat mehr als %1 Reisen.</source>
        <translation>“series” has more than %1 trips.</translation>
    </message>
    <message>
        <source>„%1“ muss vier Zahlen [Länge, x, y, z] enthalten.</source>
        <translation>“%1” must hold four numbers [length, x, y, z].</translation>
    </message>
    <message>
        <source>Das ist keine Quirlweg-Versuchsdatei.</source>
        <translation>This is not a Quirlweg experiment file.</translation>
    </message>
    <message>
        <source>Versuchsdateien der Version %1 kennt dieses Programm nicht; es liest Version %2.</source>
        <translation>This program does not know experiment files of version %1; it reads version %2.</translation>
    </message>
    <message>
        <source>Die Datei ist kein UTF-8-Text.</source>
        <translation>The file is not UTF-8 text.</translation>
    </message>
    <message>
        <source>Die Datei ist zu tief verschachtelt.</source>
        <translation>The file is nested too deeply.</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht als Versuch öffnen: %2</source>
        <translation>“%1” cannot be opened as an experiment: %2</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MB.</source>
        <translation>The file is larger than %1 MB.</translation>
    </message>
    <message>
        <source>„%1“ hat mehr als %2 Zeilen.</source>
        <translation>“%1” has more than %2 lines.</translation>
    </message>
    <message>
        <source>Zeile %1, Zeichen %2</source>
        <translation>line %1, character %2</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei ist kein vollständiges JSON (Fehler in %1).</source>
        <translation>The file is not complete JSON (error in %1).</translation>
    </message>
    <message>
        <source>„%1“ muss eine Zeile der Tabelle nennen: „home“, „boundary“, „top“, „right“, „bottom“, „left“, „z“ oder „mean“.</source>
        <translation>“%1” must name a row of the table: “home”, “boundary”, “top”, “right”, “bottom”, “left”, “z” or “mean”.</translation>
    </message>
    <message>
        <source>„steps“ hat mehr als %1 Schritte.</source>
        <translation>“steps” has more than %1 steps.</translation>
    </message>
    <message>
        <source>„%1“ hat mehr als %2 Geräte.</source>
        <translation>“%1” has more than %2 devices.</translation>
    </message>
    <message>
        <source>„%1“ zählt mehr als %2 Reisen.</source>
        <translation>“%1” counts more than %2 trips.</translation>
    </message>
    <message>
        <source>„%1“ muss zwei ganze Zahlen enthalten.</source>
        <translation>“%1” must hold two whole numbers.</translation>
    </message>
    <message>
        <source>„%1“ hat denselben Startwert wie ein anderes Gerät.</source>
        <translation>“%1” has the same seed as another device.</translation>
    </message>
    <message>
        <source>„%1“ passt nicht zu „class.devices“: Gerät %2 hat dort eine andere Zahl von Reisen.</source>
        <translation>“%1” does not match “class.devices”: device %2 has another number of trips there.</translation>
    </message>
</context>
<context>
    <name>FileProblems</name>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>That is a folder, not a file.</translation>
    </message>
    <message>
        <source>Dort steht ein Ordner; er wird nicht ersetzt.</source>
        <translation>A folder is there; it is not replaced.</translation>
    </message>
    <message>
        <source>Das ist eine Pipe, keine gewöhnliche Datei; sie wird nicht gelesen.</source>
        <translation>That is a pipe, not a regular file; it is not read.</translation>
    </message>
    <message>
        <source>Das ist eine Pipe, keine gewöhnliche Datei; sie wird nicht ersetzt.</source>
        <translation>That is a pipe, not a regular file; it is not replaced.</translation>
    </message>
    <message>
        <source>Das ist ein Gerät, keine gewöhnliche Datei; es wird nicht gelesen.</source>
        <translation>That is a device, not a regular file; it is not read.</translation>
    </message>
    <message>
        <source>Das ist ein Gerät, keine gewöhnliche Datei; es wird nicht ersetzt.</source>
        <translation>That is a device, not a regular file; it is not replaced.</translation>
    </message>
    <message>
        <source>Das ist ein Socket, keine gewöhnliche Datei.</source>
        <translation>That is a socket, not a regular file.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>That is not a regular file.</translation>
    </message>
    <message>
        <source>Diese Datei gibt es nicht.</source>
        <translation>That file does not exist.</translation>
    </message>
    <message>
        <source>Diesen Ordner gibt es nicht.</source>
        <translation>That folder does not exist.</translation>
    </message>
    <message>
        <source>Diese Datei darf nicht gelesen werden.</source>
        <translation>Reading this file is not permitted.</translation>
    </message>
    <message>
        <source>Dort darf nicht geschrieben werden.</source>
        <translation>Writing there is not permitted.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr frei.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Die Datei wird zu groß für diesen Datenträger.</source>
        <translation>The file is too large for this disk.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>Der Datenträger meldet einen Lesefehler.</source>
        <translation>The disk reports a read error.</translation>
    </message>
    <message>
        <source>Der Datenträger meldet einen Schreibfehler.</source>
        <translation>The disk reports a write error.</translation>
    </message>
    <message>
        <source>Das Betriebssystem meldet den Fehler Nr. %1.</source>
        <translation>The operating system reports error number %1.</translation>
    </message>
</context>
<context>
    <name>LatticeView</name>
    <message>
        <source>Besuche</source>
        <translation>Visits</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Dimension %1, Gitter −%2 … %2, Start (%3 | %4), Heimkreis absorbiert: %5</source>
        <translation>Dimension %1, lattice −%2 … %2, start (%3 | %4), home circle absorbs: %5</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>, p(rechts) = %1</source>
        <translation>, p(right) = %1</translation>
    </message>
    <message>
        <source>Quirlweg – Bericht einer Serie</source>
        <translation>Quirlweg – report of a series</translation>
    </message>
    <message>
        <source>%1 · Quirlweg %2</source>
        <translation>%1 · Quirlweg %2</translation>
    </message>
    <message>
        <source>Startwert: %1 · Reisen: %2</source>
        <translation>Seed: %1 · trips: %2</translation>
    </message>
    <message>
        <source>Die Serie mischt Einstellungen – die exakten Werte gelten für die jetzige.</source>
        <translation>The series mixes settings – the exact values are those of the current one.</translation>
    </message>
    <message>
        <source>Die exakten Werte waren noch nicht berechnet.</source>
        <translation>The exact values had not been computed yet.</translation>
    </message>
    <message>
        <source>Der Bericht ließ sich nicht als PDF erzeugen.</source>
        <translation>The report could not be made as PDF.</translation>
    </message>
    <message>
        <source>Bericht drucken</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Quirlweg – Diagramme</source>
        <translation>Quirlweg – charts</translation>
    </message>
    <message>
        <source>… und %1 weitere Zeilen</source>
        <translation>… and %1 more lines</translation>
    </message>
    <message>
        <source>Die exakten Werte sind verborgen: Die Klasse schätzt zuerst.</source>
        <translation>The exact values are hidden: the class guesses first.</translation>
    </message>
    <message>
        <source>Quirlweg – Arbeitsblatt</source>
        <translation>Quirlweg – worksheet</translation>
    </message>
    <message>
        <source>Name: ______________________   Datum: ____________</source>
        <translation>Name: ______________________   Date: ____________</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Antwort der Klasse: %1</source>
        <translation>The class’s answer: %1</translation>
    </message>
    <message>
        <source>%1 · Reisen: %2</source>
        <translation>%1 · Trips: %2</translation>
    </message>
</context>
<context>
    <name>SeriesExport</name>
    <message>
        <source>Heim</source>
        <translation>home</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>p(rechts)</source>
        <translation>p(right)</translation>
    </message>
    <message>
        <source>Start x</source>
        <translation>Start x</translation>
    </message>
    <message>
        <source>Start y</source>
        <translation>Start y</translation>
    </message>
    <message>
        <source>Heimkreis absorbiert</source>
        <translation>Home circle absorbs</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>exakt zu Hause</source>
        <translation>exact at home</translation>
    </message>
    <message>
        <source>exakt oben</source>
        <translation>exact top</translation>
    </message>
    <message>
        <source>exakt rechts</source>
        <translation>exact right</translation>
    </message>
    <message>
        <source>exakt unten</source>
        <translation>exact bottom</translation>
    </message>
    <message>
        <source>exakt links</source>
        <translation>exact left</translation>
    </message>
    <message>
        <source>exakt mittlere Weglänge</source>
        <translation>exact mean path length</translation>
    </message>
    <message>
        <source>exakt Standardabweichung der Weglänge</source>
        <translation>exact standard deviation of the path length</translation>
    </message>
    <message>
        <source>exakte Werte noch nicht berechnet</source>
        <translation>exact values not computed yet</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Das Bild lässt sich nicht als PNG kodieren.</source>
        <translation>The picture cannot be encoded as PNG.</translation>
    </message>
    <message>
        <source>Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich</source>
        <translation>The series mixes settings – reset the counters for a comparison</translation>
    </message>
    <message>
        <source>Startwert</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Quirlweg: alle Reisen der Serie, fortlaufend nummeriert</source>
        <translation>Quirlweg: all trips of the series, numbered through</translation>
    </message>
    <message>
        <source>Nr. im Protokoll</source>
        <translation>No. in log</translation>
    </message>
    <message>
        <source>z-Fläche</source>
        <translation>z face</translation>
    </message>
    <message>
        <source>exakt z-Flächen</source>
        <translation>exact z faces</translation>
    </message>
</context>
<context>
    <name>SeriesTable</name>
    <message>
        <source>zu Hause</source>
        <translation>at home</translation>
    </message>
    <message>
        <source>am Rand</source>
        <translation>at edge</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>mittlere Weglänge</source>
        <translation>mean path length</translation>
    </message>
    <message>
        <source>gezählt</source>
        <translation>counted</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>95 %: von</source>
        <translation>95 %: from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>exakt</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>z-Flächen</source>
        <translation>z faces</translation>
    </message>
    <message>
        <source>Schätzung der Klasse: %1 %2</source>
        <translation>The class’s guess: %1 %2</translation>
    </message>
    <message>
        <source>Wie oft der Wanderer wieder zu Hause ankam, bevor er den Rand erreichte.</source>
        <translation>How often the walker came home again before it reached the boundary.</translation>
    </message>
    <message>
        <source>Wie oft der Wanderer den Rand erreichte, an welcher Seite auch immer.</source>
        <translation>How often the walker reached the boundary, on whichever side.</translation>
    </message>
    <message>
        <source>Wie oft der Wanderer den Rand an dieser Seite erreichte.</source>
        <translation>How often the walker reached the boundary on this side.</translation>
    </message>
    <message>
        <source>Wie oft der Wanderer den Rand vorn oder hinten erreichte.</source>
        <translation>How often the walker reached the boundary at the front or the back.</translation>
    </message>
    <message>
        <source>Wie viele Schritte eine Reise im Durchschnitt dauerte.</source>
        <translation>How many steps a trip took on average.</translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>P(t) = </source>
        <translation>P(t) = </translation>
    </message>
    <message>
        <source> Ebene z = 0</source>
        <translation> Plane z = 0</translation>
    </message>
    <message>
        <source>Die Ansicht zeigt die Ebene z = 0</source>
        <translation>The view shows the plane z = 0</translation>
    </message>
    <message>
        <source>Protokoll: Nummer, Länge und Endpunkt jeder Reise</source>
        <translation>Log: number, length and end point of every trip</translation>
    </message>
    <message>
        <source>Das Gitter mit den Spuren des Wanderers</source>
        <translation>The lattice with the walker&apos;s traces</translation>
    </message>
    <message>
        <source>Ort des Wanderers (x, y, z)</source>
        <translation>The walker&apos;s position (x, y, z)</translation>
    </message>
    <message>
        <source>Schritte der laufenden Reise</source>
        <translation>Steps of the current trip</translation>
    </message>
    <message>
        <source>Reisen, die am oberen Rand endeten</source>
        <translation>Trips that ended at the top edge</translation>
    </message>
    <message>
        <source>Reisen, die am rechten Rand endeten</source>
        <translation>Trips that ended at the right edge</translation>
    </message>
    <message>
        <source>Reisen, die am unteren Rand endeten</source>
        <translation>Trips that ended at the bottom edge</translation>
    </message>
    <message>
        <source>Reisen, die am linken Rand endeten</source>
        <translation>Trips that ended at the left edge</translation>
    </message>
    <message>
        <source>Startpunkt nach links</source>
        <translation>Start point to the left</translation>
    </message>
    <message>
        <source>Startpunkt nach rechts</source>
        <translation>Start point to the right</translation>
    </message>
    <message>
        <source>Startpunkt nach oben</source>
        <translation>Start point up</translation>
    </message>
    <message>
        <source>Startpunkt nach unten</source>
        <translation>Start point down</translation>
    </message>
    <message>
        <source>Gittergröße R (2 bis 50)</source>
        <translation>Lattice size R (2 to 50)</translation>
    </message>
    <message>
        <source>Irrfahrt in 1 Dimension</source>
        <translation>Random walk in 1 dimension</translation>
    </message>
    <message>
        <source>Irrfahrt in 2 Dimensionen</source>
        <translation>Random walk in 2 dimensions</translation>
    </message>
    <message>
        <source>Irrfahrt in 3 Dimensionen</source>
        <translation>Random walk in 3 dimensions</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit für einen Schritt nach rechts</source>
        <translation>Probability of a step to the right</translation>
    </message>
    <message>
        <source>Heimkreis absorbiert</source>
        <translation>Home circle absorbs</translation>
    </message>
    <message>
        <source>Eine Reise endet auch, wenn der Wanderer den Ursprung erreicht</source>
        <translation>A trip also ends when the walker reaches the origin</translation>
    </message>
    <message>
        <source>Startet Schritt, Reise oder 20 Reisen</source>
        <translation>Starts a step, a trip or 20 trips</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Reise</source>
        <translation>Trip</translation>
    </message>
    <message>
        <source>20 Reisen</source>
        <translation>20 trips</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Beendet das Programm</source>
        <translation>Quits the program</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Schritte je Sekunde bei Reise und 20 Reisen; ganz rechts so schnell wie möglich</source>
        <translation>Steps per second for Trip and 20 trips; rightmost as fast as possible</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>1 Schritt/s</source>
        <translation>1 step/s</translation>
    </message>
    <message>
        <source>%1 Schritte/s</source>
        <translation>%1 steps/s</translation>
    </message>
    <message>
        <source>p(links)=</source>
        <translation>p(left)=</translation>
    </message>
    <message>
        <source>p(rechts)=</source>
        <translation>p(right)=</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>zu Hause</source>
        <translation>at home</translation>
    </message>
    <message>
        <source>am Rand</source>
        <translation>at edge</translation>
    </message>
    <message>
        <source>mittlere Weglänge</source>
        <translation>mean path length</translation>
    </message>
    <message>
        <source>Reisen, die zu Hause endeten</source>
        <translation>Trips that ended at home</translation>
    </message>
    <message>
        <source>Anteil der Reisen, die zu Hause endeten, in Prozent</source>
        <translation>Share of trips that ended at home, in per cent</translation>
    </message>
    <message>
        <source>Reisen, die am Rand endeten</source>
        <translation>Trips that ended at the edge</translation>
    </message>
    <message>
        <source>Anteil der Reisen, die am Rand endeten, in Prozent</source>
        <translation>Share of trips that ended at the edge, in per cent</translation>
    </message>
    <message>
        <source>Mittlere Zahl der Schritte je Reise</source>
        <translation>Mean number of steps per trip</translation>
    </message>
    <message>
        <source>Spuren löschen</source>
        <translation>Clear traces</translation>
    </message>
    <message>
        <source>Löscht die Spuren und zeichnet das Gitter neu</source>
        <translation>Clears the traces and draws the lattice afresh</translation>
    </message>
    <message>
        <source>Zähler löschen</source>
        <translation>Reset counters</translation>
    </message>
    <message>
        <source>Setzt alle Zähler und das Protokoll zurück</source>
        <translation>Resets all counters and the log</translation>
    </message>
    <message>
        <source>Protokoll einblenden</source>
        <translation>Show log</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Lattice</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation>Lattice</translation>
    </message>
    <message>
        <source>Ort des Wanderers</source>
        <translation>Walker&apos;s position</translation>
    </message>
    <message>
        <source>Schritte</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Treffer oben</source>
        <translation>Hits at the top</translation>
    </message>
    <message>
        <source>Treffer rechts</source>
        <translation>Hits at the right</translation>
    </message>
    <message>
        <source>Treffer unten</source>
        <translation>Hits at the bottom</translation>
    </message>
    <message>
        <source>Treffer links</source>
        <translation>Hits at the left</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Ebene</source>
        <translation>Plane</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Gittergröße</source>
        <translation>Lattice size</translation>
    </message>
    <message>
        <source>Gitterbereich</source>
        <translation>Lattice range</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit rechts</source>
        <translation>Probability right</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit links</source>
        <translation>Probability left</translation>
    </message>
    <message>
        <source>&amp;Auswertung …</source>
        <translation>&amp;Evaluation …</translation>
    </message>
    <message>
        <source>Vergleicht die gezählten Reisen mit den exakten Werten</source>
        <translation>Compares the counted trips with the exact values</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>&amp;Einstellungen …</source>
        <translation>&amp;Settings …</translation>
    </message>
    <message>
        <source>Zeigt die Einstellungen an Stelle der Statistik und wieder zurück</source>
        <translation>Shows the settings in place of the statistics, and back again</translation>
    </message>
</context>
<context>
    <name>SweepTable</name>
    <message>
        <source>Wahrscheinlichkeit nach rechts</source>
        <translation>Probability of a step right</translation>
    </message>
    <message>
        <source>Start x</source>
        <translation>Start x</translation>
    </message>
    <message>
        <source>Gittergröße R</source>
        <translation>Lattice size R</translation>
    </message>
    <message>
        <source>Anteil zu Hause</source>
        <translation>Share at home</translation>
    </message>
    <message>
        <source>mittlere Weglänge</source>
        <translation>mean path length</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Reisen</source>
        <translation>Trips</translation>
    </message>
    <message>
        <source>%1 gemessen</source>
        <translation>%1 measured</translation>
    </message>
    <message>
        <source>95-%-Bereich von</source>
        <translation>95 % range from</translation>
    </message>
    <message>
        <source>95-%-Bereich bis</source>
        <translation>95 % range to</translation>
    </message>
    <message>
        <source>%1 exakt</source>
        <translation>%1 exact</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Ton bei Schritten und Reiseenden</source>
        <translation>Sound for steps and journey ends</translation>
    </message>
    <message>
        <source>Fertige Unterrichtsstunden</source>
        <translation>Ready-made lessons</translation>
    </message>
    <message>
        <source>Unterrichtsstunde öffnen …</source>
        <translation>Open a lesson …</translation>
    </message>
    <message>
        <source>Quirlweg ist beendet. Dieser Tab kann jetzt geschlossen werden.</source>
        <translation>Quirlweg has ended. This tab can be closed now.</translation>
    </message>
    <message>
        <source>Die Serie bleibt im Browser gespeichert und ist beim nächsten Öffnen wieder da.</source>
        <translation>The series stays saved in the browser and is back the next time the page opens.</translation>
    </message>
    <message>
        <source>&amp;Weiterarbeiten</source>
        <translation>&amp;Carry on</translation>
    </message>
</context>
<context>
    <name>quirlweg::ClassBoard</name>
    <message>
        <source>Klassenversuch – Quirlweg</source>
        <translation>Class experiment – Quirlweg</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Reisen</source>
        <translation>Trips</translation>
    </message>
    <message>
        <source>Heimkehr</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Geräte der Klasse</source>
        <translation>The class’s devices</translation>
    </message>
    <message>
        <source>QR-Code der Adresse</source>
        <translation>QR code of the address</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Neue Runde</source>
        <translation>&amp;New round</translation>
    </message>
    <message>
        <source>Alle Geräte beginnen neu, mit der Einstellung des Hauptfensters und neuen Startwerten</source>
        <translation>All devices start again, with the main window’s setting and new seeds</translation>
    </message>
    <message>
        <source>Namen &amp;ausblenden</source>
        <translation>&amp;Hide names</translation>
    </message>
    <message>
        <source>Gerät &amp;entfernen</source>
        <translation>&amp;Remove device</translation>
    </message>
    <message>
        <source>Klassenversuch &amp;beenden</source>
        <translation>&amp;End class experiment</translation>
    </message>
    <message>
        <source>Kein Port ist frei für den Klassenversuch.</source>
        <translation>No port is free for the class experiment.</translation>
    </message>
    <message>
        <source>Ein anderer Klassenversuch läuft schon auf „%1“.</source>
        <translation>Another class experiment already runs on “%1”.</translation>
    </message>
    <message>
        <source>Das Protokoll „%1“ des Klassenversuchs lässt sich nicht lesen oder schreiben.</source>
        <translation>The class experiment’s record “%1” cannot be read or written.</translation>
    </message>
    <message>
        <source>Klassencode: %1</source>
        <translation>Class code: %1</translation>
    </message>
    <message>
        <source>Gerät %1</source>
        <translation>Device %1</translation>
    </message>
    <message>
        <source>Runde %1: %2 Geräte, %3 Reisen im Pool</source>
        <translation>Round %1: %2 devices, %3 trips pooled</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>, Heimkehr %1</source>
        <translation>, home %1</translation>
    </message>
    <message>
        <source> (exakt %1</source>
        <translation> (exact %1</translation>
    </message>
    <message>
        <source>, erwartet %1 – %2</source>
        <translation>, expected %1 – %2</translation>
    </message>
    <message>
        <source> – Pause</source>
        <translation> – paused</translation>
    </message>
    <message>
        <source> – beendet</source>
        <translation> – ended</translation>
    </message>
    <message>
        <source> – das Protokoll lässt sich nicht mehr schreiben!</source>
        <translation> – the record can no longer be written!</translation>
    </message>
    <message>
        <source>Diese Einstellung lässt sich nicht an die Klasse geben.</source>
        <translation>This setting cannot be handed to the class.</translation>
    </message>
    <message>
        <source>Den Klassenversuch beenden? Die Geräte werden getrennt, und sein Protokoll wird gelöscht.</source>
        <translation>End the class experiment? The devices are disconnected and its record is deleted.</translation>
    </message>
    <message>
        <source>Die Seite der Browser-Ausgabe fehlt in „%1“: Die Geräte finden unter der Adresse nichts.</source>
        <translation>The browser edition’s page is missing in “%1”: the devices find nothing at the address.</translation>
    </message>
    <message>
        <source>Fortgesetzt aus dem Protokoll mit %1 Reisen. </source>
        <translation>Resumed from the record with %1 trips. </translation>
    </message>
    <message>
        <source>&amp;Klasse</source>
        <translation>&amp;Class</translation>
    </message>
    <message>
        <source>P&amp;ool gemessen und exakt</source>
        <translation>P&amp;ool measured and exact</translation>
    </message>
    <message>
        <source>Der Anteil jedes Geräts vor dem Bereich, den der exakte Wert für seine Zahl von Reisen erwarten lässt</source>
        <translation>Each device&apos;s share against the range the exact value leads one to expect for its number of trips</translation>
    </message>
    <message>
        <source>Alle geprüften Reisen der Klasse als eine Serie, gemessen neben exakt</source>
        <translation>All of the class&apos;s checked trips as one series, measured beside exact</translation>
    </message>
    <message>
        <source>Vorna&amp;men erlauben</source>
        <translation>Allow first na&amp;mes</translation>
    </message>
    <message>
        <source>Ohne Haken gibt niemand beim Beitreten einen Vornamen an: Die Geräte heißen „Gerät 1“, „Gerät 2“ …</source>
        <translation>Unticked, nobody gives a first name when joining: the devices are called “Device 1”, “Device 2” …</translation>
    </message>
    <message>
        <source>Gespeicherter Klassenversuch – Quirlweg</source>
        <translation>Saved class experiment – Quirlweg</translation>
    </message>
    <message>
        <source>Gespeicherter Klassenversuch</source>
        <translation>Saved class experiment</translation>
    </message>
    <message>
        <source>„%1“ hält keinen Klassenversuch, den eine Klasse gehen kann.</source>
        <translation>“%1” holds no class experiment a class can walk.</translation>
    </message>
</context>
<context>
    <name>quirlweg::ClassPicture</name>
    <message>
        <source>Anteil Heimkehr jedes Geräts über seinen Reisen</source>
        <translation>Each device’s share of home ends over its trips</translation>
    </message>
    <message>
        <source>Reisen des Geräts (logarithmisch)</source>
        <translation>The device’s trips (logarithmic)</translation>
    </message>
</context>
<context>
    <name>quirlweg::ContrastChoice</name>
    <message>
        <source>Hoher Kontrast</source>
        <translation>High contrast</translation>
    </message>
</context>
<context>
    <name>quirlweg::CountedJourneys</name>
    <message>
        <source>Nach je 1002 Reisen beginnen die Kästchen neu zu zählen; die Auswertung zählt die ganze Serie.</source>
        <translation>The boxes start counting afresh after every 1002 trips; the evaluation counts the whole series.</translation>
    </message>
    <message>
        <source>Reisen ab %1</source>
        <translation>Trips from %1</translation>
    </message>
    <message>
        <source>Reisen %1–%2</source>
        <translation>Trips %1–%2</translation>
    </message>
</context>
<context>
    <name>quirlweg::Evaluation</name>
    <message>
        <source>exakt: %1</source>
        <translation>exact: %1</translation>
    </message>
</context>
<context>
    <name>quirlweg::EvaluationCharts</name>
    <message>
        <source>Reisen</source>
        <translation>Trips</translation>
    </message>
    <message>
        <source>Anteil in %</source>
        <translation>Share in %</translation>
    </message>
    <message>
        <source>exakt ± 1,96 Standardfehler</source>
        <translation>exact ± 1.96 standard errors</translation>
    </message>
    <message>
        <source>exakt</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>Verlauf des gemessenen Anteils</source>
        <translation>The measured share trip by trip</translation>
    </message>
    <message>
        <source>Weglängen</source>
        <translation>Path lengths</translation>
    </message>
    <message>
        <source>Länge in Schritten</source>
        <translation>Length in steps</translation>
    </message>
    <message>
        <source>exakter Mittelwert</source>
        <translation>exact mean</translation>
    </message>
    <message>
        <source>Mittelwert ± Standardabweichung</source>
        <translation>mean ± standard deviation</translation>
    </message>
    <message>
        <source>Verteilung der Weglängen</source>
        <translation>Distribution of the path lengths</translation>
    </message>
    <message>
        <source>Anteil „%1“</source>
        <translation>Share “%1”</translation>
    </message>
    <message>
        <source>Weglängen (Klassenbreite %1)</source>
        <translation>Path lengths (bin width %1)</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>Share by trip</translation>
    </message>
    <message>
        <source>Schätzung</source>
        <translation>Guess</translation>
    </message>
    <message>
        <source>Wie sich der gemessene Anteil mit jeder Reise dem exakten Wert nähert: Das Band zeigt, wo er in 19 von 20 Serien liegt.</source>
        <translation>How the measured share comes closer to the exact value with every trip: the band shows where it lies in 19 of 20 series.</translation>
    </message>
    <message>
        <source>Wie oft Reisen welcher Länge vorkamen, neben der exakten Verteilung.</source>
        <translation>How often trips of each length came up, beside the exact distribution.</translation>
    </message>
</context>
<context>
    <name>quirlweg::EvaluationWindow</name>
    <message>
        <source>Auswertung – Quirlweg</source>
        <translation>Evaluation – Quirlweg</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich</source>
        <translation>The series mixes settings – reset the counters for a comparison</translation>
    </message>
    <message>
        <source>Randseite für den Verlauf</source>
        <translation>Side the share chart follows</translation>
    </message>
    <message>
        <source>&amp;Verlauf am Rand:</source>
        <translation>Share at the s&amp;ide:</translation>
    </message>
    <message>
        <source>&amp;Daten speichern …</source>
        <translation>Save &amp;data …</translation>
    </message>
    <message>
        <source>Daten speichern</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>&amp;Bild speichern …</source>
        <translation>Save &amp;picture …</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Schl&amp;ießen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Auswertung schließen</source>
        <translation>Close the evaluation</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The data could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The picture could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>&amp;Neben dem Hauptfenster</source>
        <translation>&amp;Beside the main window</translation>
    </message>
    <message>
        <source>Stellt die Auswertung neben das Hauptfenster; ohne Haken lässt sie sich frei verschieben, etwa auf einen zweiten Bildschirm</source>
        <translation>Places the evaluation beside the main window; unticked it can be moved freely, to a second screen say</translation>
    </message>
    <message>
        <source>&amp;Logarithmisch</source>
        <translation>&amp;Logarithmic</translation>
    </message>
    <message>
        <source>Die Reisen logarithmisch: der Bereich wird wie 1/√n schmaler</source>
        <translation>The trips on a logarithmic scale: the range narrows like 1/√n</translation>
    </message>
    <message>
        <source>&amp;Serie</source>
        <translation>&amp;Series</translation>
    </message>
    <message>
        <source>S&amp;tartpunkte</source>
        <translation>S&amp;tart points</translation>
    </message>
    <message>
        <source>&amp;Austrittsorte</source>
        <translation>E&amp;xit places</translation>
    </message>
    <message>
        <source>Versuchs&amp;reihe</source>
        <translation>S&amp;weep</translation>
    </message>
    <message>
        <source>quirlweg-reisen.csv</source>
        <translation>quirlweg-trips.csv</translation>
    </message>
    <message>
        <source>quirlweg-gitter.png</source>
        <translation>quirlweg-lattice.png</translation>
    </message>
    <message>
        <source>1 Reise</source>
        <translation>1 trip</translation>
    </message>
    <message>
        <source>alle %1 Reisen</source>
        <translation>all %1 trips</translation>
    </message>
    <message>
        <source>Rot und mit ✗ markiert: Der exakte Wert liegt außerhalb des 95-%-Bereichs um den gemessenen Wert. Stimmt alles, liegt er in mindestens 19 von 20 Serien darin, ob die Serie kurz ist oder lang; eine rote Zeile ist also ein Hinweis, kein Beweis. Der Bereich der mittleren Weglänge fehlt, bis die exakten Werte berechnet sind.</source>
        <translation>Marked red and with ✗: the exact value lies outside the 95 % range around the measured value. When all is right, it lies inside in at least 19 of 20 series, short or long; so a red row is a hint, not a proof. The range of the mean path length is missing until the exact values are computed.</translation>
    </message>
    <message>
        <source>Erst schätzen: Die exakten Werte sind verborgen, bis „Exakt zeigen“ sie zeigt.</source>
        <translation>Guess first: the exact values are hidden until “Show exact” shows them.</translation>
    </message>
    <message>
        <source>Die Reisen dieser Serie: gezählt, gemessen und exakt.</source>
        <translation>The trips of this series: counted, measured and exact.</translation>
    </message>
    <message>
        <source>Für jeden Startpunkt: wie oft der Wanderer nach Hause kommt oder wie lange er braucht.</source>
        <translation>For every start point: how often the walker comes home, or how long it takes.</translation>
    </message>
    <message>
        <source>Wo die Reisen das Gitter verlassen, gemessen und exakt.</source>
        <translation>Where the trips leave the lattice, measured and exact.</translation>
    </message>
    <message>
        <source>Dieselbe Frage für viele Einstellungen nacheinander, etwa für jede Gittergröße.</source>
        <translation>The same question for many settings one after another, for instance for every lattice size.</translation>
    </message>
    <message>
        <source>Klassenvers&amp;uch …</source>
        <translation>Class e&amp;xperiment …</translation>
    </message>
    <message>
        <source>Die Geräte der Klasse gehen, die Tafel sammelt ihre Reisen</source>
        <translation>The class’s devices walk, the board pools their trips</translation>
    </message>
</context>
<context>
    <name>quirlweg::ExitPlacesPage</name>
    <message>
        <source>gemessen –</source>
        <translation>measured –</translation>
    </message>
    <message>
        <source>gemessen %1 (%2 – %3)</source>
        <translation>measured %1 (%2 – %3)</translation>
    </message>
    <message>
        <source>%1, exakt %2</source>
        <translation>%1, exact %2</translation>
    </message>
    <message>
        <source>Austrittsorte am Rand</source>
        <translation>Exit places on the edge</translation>
    </message>
    <message>
        <source>Das Quadrat ist die Ebene z = 0 mit Start (Punkt) und Ursprung (Ring). Je Randzelle: blauer Balken gemessener Anteil der Reisen, die dort enden, orange Strich sein 95-%-Bereich, schwarze Marke der exakte Anteil.</source>
        <translation>The square is the plane z = 0 with the start (dot) and the origin (ring). For each edge cell: blue bar the measured share of the trips that end there, orange line its 95 % range, black mark the exact share.</translation>
    </message>
    <message>
        <source>Warum zählt die nahe Seite schneller? Rückt der Start an eine Seite heran, erreichen viele Reisen sie nach wenigen Schritten, bevor der Wanderer sich weit entfernt: Die Zellen dicht vor dem Start bekommen die meisten Austritte, und die anderen Seiten erreicht nur, wer dieser Seite lange ausweicht. Dazu sind diese Reisen kurz, so dass in derselben Zeit mehr Reisen enden. Beides lässt das Kästchen dieser Seite schneller wachsen als die der anderen.</source>
        <translation>Why does the near side count faster? When the start moves towards a side, many trips reach it within a few steps, before the walker gets far: the cells right in front of the start get most of the exits, and only a walker who keeps away from this side for long reaches the others. Besides, these trips are short, so more trips end in the same time. Both make this side&apos;s box grow faster than the others.</translation>
    </message>
    <message>
        <source>1 Reise der aktuellen Einstellung</source>
        <translation>1 trip of the current setting</translation>
    </message>
    <message>
        <source>%1 Reisen der aktuellen Einstellung</source>
        <translation>%1 trips of the current setting</translation>
    </message>
    <message>
        <source> (von %1 der Serie; die anderen liefen unter anderen Einstellungen)</source>
        <translation> (of %1 in the series; the others ran under other settings)</translation>
    </message>
    <message>
        <source>z-Flächen: %1</source>
        <translation>z faces: %1</translation>
    </message>
    <message>
        <source>zu Hause: %1</source>
        <translation>at home: %1</translation>
    </message>
</context>
<context>
    <name>quirlweg::ExperimentActions</name>
    <message>
        <source>Versuch speichern …</source>
        <translation>Save experiment …</translation>
    </message>
    <message>
        <source>Versuch öffnen …</source>
        <translation>Open experiment …</translation>
    </message>
    <message>
        <source>Anleitung …</source>
        <translation>Instructions …</translation>
    </message>
</context>
<context>
    <name>quirlweg::ExperimentFiles</name>
    <message>
        <source>Versuch speichern</source>
        <translation>Save experiment</translation>
    </message>
    <message>
        <source>Quirlweg-Versuche (*.quirlweg)</source>
        <translation>Quirlweg experiments (*.quirlweg)</translation>
    </message>
    <message>
        <source>Der Versuch konnte nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The experiment could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>Versuch öffnen</source>
        <translation>Open experiment</translation>
    </message>
    <message>
        <source>Quirlweg-Versuche (*.quirlweg);;Alle Dateien (*)</source>
        <translation>Quirlweg experiments (*.quirlweg);;All files (*)</translation>
    </message>
    <message>
        <source>versuch.quirlweg</source>
        <translation>experiment.quirlweg</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>aus „%1“</source>
        <translation>of “%1”</translation>
    </message>
    <message>
        <source>Die gespeicherten Reisen %1 werden neu gegangen …</source>
        <translation>Walking the saved trips %1 again …</translation>
    </message>
    <message>
        <source>Abgebrochen: %1 der %2 gespeicherten Reisen %3 sind neu gegangen.</source>
        <translation>Cancelled: %1 of the %2 saved trips %3 were walked again.</translation>
    </message>
    <message>
        <source>Die gespeicherten Reisen %1 ließen sich mit dem Startwert nicht genau wiederholen; die Auswertung zeigt die neu gegangenen.</source>
        <translation>The saved trips %1 could not be repeated exactly from the seed; the evaluation shows the ones walked anew.</translation>
    </message>
</context>
<context>
    <name>quirlweg::JourneyAnnouncements</name>
    <message>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>an einer z-Fläche</source>
        <translation>on a z face</translation>
    </message>
    <message>
        <source>Reisen %1–%2: %3 zu Hause, %4 am Rand</source>
        <translation>Trips %1–%2: %3 at home, %4 at the boundary</translation>
    </message>
    <message>
        <source>nach 1 Schritt</source>
        <translation>after 1 step</translation>
    </message>
    <message>
        <source>nach %1 Schritten</source>
        <translation>after %1 steps</translation>
    </message>
    <message>
        <source>Reise %1: zu Hause, %2</source>
        <translation>Trip %1: at home, %2</translation>
    </message>
    <message>
        <source>Reise %1: am Rand, %2, %3</source>
        <translation>Trip %1: at the boundary, %2, %3</translation>
    </message>
</context>
<context>
    <name>quirlweg::LessonSteps</name>
    <message>
        <source>Unterrichtsschritte – Quirlweg</source>
        <translation>Lesson steps – Quirlweg</translation>
    </message>
    <message>
        <source>Antwort der Klasse</source>
        <translation>The class’s answer</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Schritt %1 von %2</source>
        <translation>Step %1 of %2</translation>
    </message>
</context>
<context>
    <name>quirlweg::LessonTools</name>
    <message>
        <source>Startwert der Serie</source>
        <translation>Seed of the series</translation>
    </message>
    <message>
        <source>Derselbe Startwert gibt bei derselben Einstellung und denselben Klicks dieselben Reisen. Ein neuer Startwert beginnt eine neue Serie (Enter).</source>
        <translation>The same seed gives the same trips for the same setting and the same clicks. A new seed starts a new series (Enter).</translation>
    </message>
    <message>
        <source>S&amp;tartwert:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>Versuch &amp;speichern …</source>
        <translation>&amp;Save experiment …</translation>
    </message>
    <message>
        <source>Einstellung, Startwert und Serie als Versuchsdatei (Strg+S)</source>
        <translation>Setting, seed and series as an experiment file (Ctrl+S)</translation>
    </message>
    <message>
        <source>Versuch ö&amp;ffnen …</source>
        <translation>&amp;Open experiment …</translation>
    </message>
    <message>
        <source>Einen gespeicherten Versuch oder eine fertige Unterrichtsstunde (Strg+O)</source>
        <translation>A saved experiment or a ready-made lesson (Ctrl+O)</translation>
    </message>
</context>
<context>
    <name>quirlweg::PoolEvaluation</name>
    <message>
        <source>Alle geprüften Reisen der Klasse als eine Serie. Rot und mit ✗ markiert: Der exakte Wert liegt außerhalb des 95-%-Bereichs.</source>
        <translation>All of the class&apos;s checked trips as one series. Red and marked ✗: the exact value lies outside the 95 % range.</translation>
    </message>
</context>
<context>
    <name>quirlweg::PoolFiles</name>
    <message>
        <source>&amp;Daten speichern …</source>
        <translation>Save &amp;data …</translation>
    </message>
    <message>
        <source>&amp;Versuch speichern …</source>
        <translation>Save e&amp;xperiment …</translation>
    </message>
    <message>
        <source>Beric&amp;ht …</source>
        <translation>Repor&amp;t …</translation>
    </message>
    <message>
        <source>Die Reisen im Pool als CSV, wie die Auswertung ihre Serie speichert</source>
        <translation>The pooled trips as CSV, as the evaluation saves its series</translation>
    </message>
    <message>
        <source>Die Einstellung und für jedes Gerät Startwert und Reisen: Beim Öffnen werden die Reisen neu gegangen</source>
        <translation>The setting and each device&apos;s seed and trips: opening it walks the trips again</translation>
    </message>
    <message>
        <source>Einstellung, Tabelle, Diagramme und das Bild der Klasse auf A4</source>
        <translation>Setting, table, charts and the class&apos;s picture on A4</translation>
    </message>
    <message>
        <source>Daten speichern</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>klassenversuch-reisen.csv</source>
        <translation>class-experiment-trips.csv</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The data could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>Versuch speichern</source>
        <translation>Save experiment</translation>
    </message>
    <message>
        <source>klassenversuch.quirlweg</source>
        <translation>class-experiment.quirlweg</translation>
    </message>
    <message>
        <source>Quirlweg-Versuche (*.quirlweg)</source>
        <translation>Quirlweg experiments (*.quirlweg)</translation>
    </message>
    <message>
        <source>Der Versuch konnte nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The experiment could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>Klassenversuch, Runde %1, %2 Geräte mit eigenen Startwerten</source>
        <translation>Class experiment, round %1, %2 devices with seeds of their own</translation>
    </message>
    <message>
        <source>klassenversuch-bericht.pdf</source>
        <translation>class-experiment-report.pdf</translation>
    </message>
</context>
<context>
    <name>quirlweg::PredictionRow</name>
    <message>
        <source>Erst s&amp;chätzen</source>
        <translation>Guess &amp;first</translation>
    </message>
    <message>
        <source>Verbirgt alle exakten Werte und Kurven, bis die Klasse geschätzt hat</source>
        <translation>Hides every exact value and curve until the class has guessed</translation>
    </message>
    <message>
        <source>Exakt &amp;zeigen</source>
        <translation>Sho&amp;w exact</translation>
    </message>
    <message>
        <source>Schätzun&amp;g:</source>
        <translation>Gu&amp;ess:</translation>
    </message>
    <message>
        <source>Zeile der Schätzung</source>
        <translation>Row of the guess</translation>
    </message>
    <message>
        <source>Schätzung der Klasse</source>
        <translation>The class’s guess</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> Schritte</source>
        <translation> steps</translation>
    </message>
</context>
<context>
    <name>quirlweg::ReportTools</name>
    <message>
        <source>Beric&amp;ht …</source>
        <translation>Repor&amp;t …</translation>
    </message>
    <message>
        <source>Diagramme als S&amp;VG …</source>
        <translation>Charts as S&amp;VG …</translation>
    </message>
    <message>
        <source>Tabelle &amp;kopieren</source>
        <translation>&amp;Copy table</translation>
    </message>
    <message>
        <source>Einstellung, Startwert, Tabelle, Diagramme und Gitter auf A4</source>
        <translation>Setting, seed, table, charts and lattice on A4</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern …</source>
        <translation>Save as &amp;PDF …</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>&amp;Print …</translation>
    </message>
    <message>
        <source>Die Tabelle mit Tabulatoren, zum Einfügen in eine Tabellenkalkulation</source>
        <translation>The table with tabs, for pasting into a spreadsheet</translation>
    </message>
    <message>
        <source>Bericht speichern</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Der Bericht konnte nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The report could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>Diagramme speichern</source>
        <translation>Save charts</translation>
    </message>
    <message>
        <source>SVG-Bilder (*.svg)</source>
        <translation>SVG pictures (*.svg)</translation>
    </message>
    <message>
        <source>Die Diagramme konnten nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The charts could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>quirlweg-bericht.pdf</source>
        <translation>quirlweg-report.pdf</translation>
    </message>
    <message>
        <source>quirlweg-diagramme.svg</source>
        <translation>quirlweg-charts.svg</translation>
    </message>
</context>
<context>
    <name>quirlweg::SeriesKeeper</name>
    <message>
        <source>Löschen rückgängig</source>
        <translation>Undo clearing</translation>
    </message>
    <message>
        <source>Die Serie vom letzten Mal mit %1 Reisen ist noch da. Soll sie wiederhergestellt werden?</source>
        <translation>The series from last time, with %1 trips, is still there. Restore it?</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>der Serie vom letzten Mal</source>
        <translation>of the series from last time</translation>
    </message>
    <message>
        <source>Löschen rückgängig (%1 Reisen)</source>
        <translation>Undo clearing (%1 trips)</translation>
    </message>
    <message>
        <source>der gelöschten Serie</source>
        <translation>of the cleared series</translation>
    </message>
</context>
<context>
    <name>quirlweg::SeriesTableView</name>
    <message>
        <source>Gezählte, gemessene und exakte Werte</source>
        <translation>Counted, measured and exact values</translation>
    </message>
    <message>
        <source>gezählt</source>
        <translation>counted</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>95-%-Bereich</source>
        <translation>95 % range</translation>
    </message>
    <message>
        <source>exakt</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>So viele Reisen endeten hier.</source>
        <translation>So many trips ended here.</translation>
    </message>
    <message>
        <source>Der Anteil an allen Reisen dieser Serie, oder die mittlere Zahl der Schritte.</source>
        <translation>The share of all trips of this series, or the mean number of steps.</translation>
    </message>
    <message>
        <source>Wo der wahre Wert wohl liegt: In 19 von 20 Serien enthält dieser Bereich den exakten Wert.</source>
        <translation>Where the true value probably lies: in 19 of 20 series this range holds the exact value.</translation>
    </message>
    <message>
        <source>Was die Rechnung für unendlich viele Reisen ergibt.</source>
        <translation>What the calculation gives for endlessly many trips.</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Der exakte Wert liegt außerhalb des 95-%-Bereichs.</source>
        <translation>The exact value lies outside the 95 % range.</translation>
    </message>
</context>
<context>
    <name>quirlweg::Simulation</name>
    <message>
        <source>Hält die laufende Reise an (Esc)</source>
        <translation>Stops the running trip (Esc)</translation>
    </message>
    <message>
        <source>Startet Schritt, Reise oder 20 Reisen</source>
        <translation>Starts a step, a trip or 20 trips</translation>
    </message>
    <message>
        <source>Achtung: Ab n=1000 wird die Liste neu begonnen</source>
        <translation>Note: from n=1000 on the list starts over</translation>
    </message>
</context>
<context>
    <name>quirlweg::StartMapPage</name>
    <message>
        <source>zu Hause</source>
        <translation>at home</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>top</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>mittlere Weglänge</source>
        <translation>mean path length</translation>
    </message>
    <message>
        <source>Was die Farbe zeigt</source>
        <translation>What the colour shows</translation>
    </message>
    <message>
        <source>Farbe &amp;zeigt:</source>
        <translation>C&amp;olour shows:</translation>
    </message>
    <message>
        <source>Wo die Reise endet</source>
        <translation>Where the trip ends</translation>
    </message>
    <message>
        <source>Mit absorbierendem Heimkreis zählt die Ankunft zu Hause, sonst eine Randseite</source>
        <translation>With the home circle absorbing the arrival at home counts, otherwise an edge side</translation>
    </message>
    <message>
        <source>Anteil &amp;für:</source>
        <translation>Share &amp;for:</translation>
    </message>
    <message>
        <source>Karte der Startpunkte</source>
        <translation>Map of the start points</translation>
    </message>
    <message>
        <source>Die Karte wird berechnet …</source>
        <translation>Computing the map …</translation>
    </message>
    <message>
        <source>Farbe: Anteil „%1“ je Startpunkt</source>
        <translation>Colour: share “%1” per start point</translation>
    </message>
    <message>
        <source>Farbe: mittlere Weglänge je Startpunkt</source>
        <translation>Colour: mean path length per start point</translation>
    </message>
    <message>
        <source>Zeigen Sie auf einen Startpunkt, um seine Werte zu lesen.</source>
        <translation>Point at a start point to read its values.</translation>
    </message>
    <message>
        <source>Start x = %1, y = %2: %3 %4, mittlere Weglänge %5</source>
        <translation>Start x = %1, y = %2: %3 %4, mean path length %5</translation>
    </message>
    <message>
        <source>z-Flächen</source>
        <translation>z faces</translation>
    </message>
</context>
<context>
    <name>quirlweg::StatisticsDisplays</name>
    <message>
        <source>Schritte: </source>
        <translation>Steps: </translation>
    </message>
    <message>
        <source>   Nr.  Länge   Endpunkt</source>
        <translation>   No.  Length  End point</translation>
    </message>
</context>
<context>
    <name>quirlweg::SweepPage</name>
    <message>
        <source>Gittergröße R (2 bis 50)</source>
        <translation>Lattice size R (2 to 50)</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit nach rechts (1D)</source>
        <translation>Probability of a step right (1D)</translation>
    </message>
    <message>
        <source>Start x</source>
        <translation>Start x</translation>
    </message>
    <message>
        <source>R in allen drei Dimensionen (Pólya)</source>
        <translation>R in all three dimensions (Pólya)</translation>
    </message>
    <message>
        <source>Was die Versuchsreihe ändert</source>
        <translation>What the sweep changes</translation>
    </message>
    <message>
        <source>Die übrigen Einstellungen wie im Hauptfenster. Die Wahrscheinlichkeit ändert nur den Weg auf der Linie; Pólyas Reihe startet im Ursprung mit absorbierendem Heimkreis.</source>
        <translation>The other settings as in the main window. The probability changes only the walk on the line; Pólya&apos;s sweep starts at the origin with the home circle absorbing.</translation>
    </message>
    <message>
        <source>&amp;Parameter:</source>
        <translation>P&amp;arameter:</translation>
    </message>
    <message>
        <source>Was die Versuchsreihe misst</source>
        <translation>What the sweep measures</translation>
    </message>
    <message>
        <source>&amp;Messen:</source>
        <translation>&amp;Measure:</translation>
    </message>
    <message>
        <source>Reisen je Punkt</source>
        <translation>Trips per point</translation>
    </message>
    <message>
        <source>Reisen &amp;je Punkt:</source>
        <translation>Trips per p&amp;oint:</translation>
    </message>
    <message>
        <source>&amp;Versuchsreihe starten</source>
        <translation>Sta&amp;rt sweep</translation>
    </message>
    <message>
        <source>Tabe&amp;lle speichern …</source>
        <translation>Save tab&amp;le …</translation>
    </message>
    <message>
        <source>Fortschritt der Versuchsreihe</source>
        <translation>Progress of the sweep</translation>
    </message>
    <message>
        <source>Versuchsreihe: gemessen und exakt</source>
        <translation>Sweep: measured and exact</translation>
    </message>
    <message>
        <source>Für die andere Messgröße die Versuchsreihe neu starten.</source>
        <translation>Start the sweep again for the other quantity.</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Cancelling …</translation>
    </message>
    <message>
        <source>Abbre&amp;chen</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>%1 Punkte, %2 Reisen je Punkt auf %3 Kernen …</source>
        <translation>%1 points, %2 trips per point on %3 cores …</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>%1 Punkte, %2 Reisen in %3 s.</source>
        <translation>%1 points, %2 trips in %3 s.</translation>
    </message>
    <message>
        <source>%1 (%)</source>
        <translation>%1 (%)</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>%1D</source>
        <translation>%1D</translation>
    </message>
    <message>
        <source>%1 über %2</source>
        <translation>%1 against %2</translation>
    </message>
    <message>
        <source>Tabelle speichern</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht in „%1“ gespeichert werden:
%2</source>
        <translation>The table could not be saved to “%1”:
%2</translation>
    </message>
    <message>
        <source>quirlweg-versuchsreihe.csv</source>
        <translation>quirlweg-sweep.csv</translation>
    </message>
    <message>
        <source>Linie: exakter Wert; Punkt mit Strich: gemessener Wert mit seinem 95-%-Bereich. In der Ebene kommt der Wanderer fast sicher heim, wenn der Rand nur weit genug weg ist; der Anteil wächst aber so langsam, dass die Kurve bei R = 50 erst bei etwa 72 % endet und danach weiter auf 100 % zu kriecht.</source>
        <translation>Line: exact value; dot with bar: measured value with its 95 % range. In the plane the walker comes home almost surely if only the boundary is far enough away; but the share grows so slowly that the curve ends near 72 % at R = 50 and creeps on towards 100 % beyond.</translation>
    </message>
</context>
<context>
    <name>quirlweg::TraceStyleChoice</name>
    <message>
        <source>Spuren als Wärmebild</source>
        <translation>Traces as heat map</translation>
    </message>
</context>
</TS>
