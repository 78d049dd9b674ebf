// The page's words. German as the desktop program writes them; English from the desktop
// program's translation (english.js, made from it at build time), so both editions word alike.

// Every German text the page shows; the page's tests check that each has its translation.
export const german = [
  'P(t) = ', 'Ort', ' Ebene z = 0', 'Die Ansicht zeigt die Ebene z = 0', 'Schritte: ',
  'Das Gitter mit den Spuren des Wanderers', 'Ort des Wanderers (x, y, z)',
  'Schritte der laufenden Reise', 'Reisen, die am oberen Rand endeten',
  'Reisen, die am rechten Rand endeten', 'Reisen, die am unteren Rand endeten',
  'Reisen, die am linken Rand endeten', 'Startpunkt nach links', 'Startpunkt nach rechts',
  'Startpunkt nach oben', 'Startpunkt nach unten', 'Einstellungen', 'Raster',
  'Gittergröße R (2 bis 50)', 'Dimension', 'Irrfahrt in 1 Dimension', 'Irrfahrt in 2 Dimensionen',
  'Irrfahrt in 3 Dimensionen', 'p(links)=', 'p(rechts)=',
  'Wahrscheinlichkeit für einen Schritt nach rechts', 'Heimkreis absorbiert',
  'Eine Reise endet auch, wenn der Wanderer den Ursprung erreicht', 'Simulation', 'Start',
  'Startet Schritt, Reise oder 20 Reisen', 'Hält die laufende Reise an (Esc)', 'Schritt', 'Reise',
  '20 Reisen', 'Ende', 'Beendet das Programm', 'Tempo',
  'Schritte je Sekunde bei Reise und 20 Reisen; ganz rechts so schnell wie möglich', 'max',
  '1 Schritt/s', '%1 Schritte/s', 'Statistik', 'zu Hause', 'am Rand', 'mittlere Weglänge',
  'Reisen, die zu Hause endeten', 'Anteil der Reisen, die zu Hause endeten, in Prozent',
  'Reisen, die am Rand endeten', 'Anteil der Reisen, die am Rand endeten, in Prozent',
  'Mittlere Zahl der Schritte je Reise', 'Spuren löschen',
  'Löscht die Spuren und zeichnet das Gitter neu', 'Zähler löschen',
  'Setzt alle Zähler und das Protokoll zurück', 'Protokoll einblenden',
  'Protokoll: Nummer, Länge und Endpunkt jeder Reise', '   Nr.  Länge   Endpunkt',
  'Achtung: Ab n=1000 wird die Liste neu begonnen', '&Auswertung …',
  'Vergleicht die gezählten Reisen mit den exakten Werten', 'Auswertung – Quirlweg', 'exakt: %1',
  'Schl&ießen', 'Auswertung schließen',
  // Names for screen readers, as the desktop program gives them.
  'Gitter', 'Ort des Wanderers', 'Schritte', 'Treffer oben', 'Treffer rechts', 'Treffer unten',
  'Treffer links', 'Ebene', 'Protokoll', 'Gittergröße', 'Gitterbereich',
  'Wahrscheinlichkeit rechts', 'Wahrscheinlichkeit links', 'Auswertung',
  // The evaluation.
  'gezählt', 'gemessen', '95-%-Bereich', 'exakt', 'oben', 'rechts', 'unten', 'links',
  'Ebene-Rand (z)', '%1 – %2', 'Der exakte Wert liegt außerhalb des 95-%-Bereichs.',
  'Gezählte, gemessene und exakte Werte',
  'Rot markiert: Der exakte Wert liegt außerhalb des 95-%-Bereichs. Auch bei richtiger ' +
    'Rechnung trifft das jede Zeile in etwa einer von zwanzig Serien, bei weniger als 20 ' +
    'Reisen mal seltener, mal bis doppelt so oft. Der Bereich der mittleren Weglänge folgt ' +
    'aus der exakten Streuung σ (±\u00a01,96\u00a0σ/√n) und fehlt, bis sie berechnet ist.',
  'Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich',
  '&Verlauf am Rand:', 'Randseite für den Verlauf', 'Verlauf des gemessenen Anteils',
  'Verteilung der Weglängen', 'Anteil „%1“', 'Reisen', 'Anteil in %', 'exakt ± 1,96 Standardfehler',
  'Weglängen (Klassenbreite %1)', 'Länge in Schritten',
];

// "de" or "en": ?lang= first, as the desktop program's --lang; else English for an English
// browser and German for any other, as the desktop program chooses by the system's language.
export function chooseLanguage(search, browserLanguage) {
  const asked = new URLSearchParams(search).get('lang');
  if (asked === 'de' || asked === 'en') return asked;
  return String(browserLanguage).toLowerCase().startsWith('en') ? 'en' : 'de';
}

// tr(): the text in the chosen language; %1 is filled with `arg`.
export function translator(language, english) {
  return (text, arg) => {
    const shown = language === 'en' ? (english[text] ?? text) : text;
    return arg === undefined ? shown : shown.replace('%1', arg);
  };
}

// A button's caption without the "&" that marks its access key in the desktop program.
export function caption(text) {
  return text.replace(/&(.)/, '$1');
}

// The browser's decimal separator, as the desktop program takes the system locale's.
export function decimalSeparator(locale) {
  const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}
