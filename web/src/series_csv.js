// The words of "Daten speichern …": the series' CSV as the desktop program writes it. The core
// makes its bytes (separators, quoting, number forms, line ends); the page gives it the words,
// by the core's names, and the date.

export const csvWords = (tr) => ({
  title: tr('Quirlweg: alle Reisen der Serie, fortlaufend nummeriert'),
  date: tr('Datum'),
  dimension: tr('Dimension'),
  radius: tr('R'),
  rightProbability: tr('p(rechts)'),
  startX: tr('Start x'),
  startY: tr('Start y'),
  homeAbsorbs: tr('Heimkreis absorbiert'),
  seed: tr('Startwert'),
  mixesSettings: tr('Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich'),
  exactHome: tr('exakt zu Hause'),
  exactTop: tr('exakt oben'),
  exactRight: tr('exakt rechts'),
  exactBottom: tr('exakt unten'),
  exactLeft: tr('exakt links'),
  exactZFaces: tr('exakt z-Flächen'),
  exactMean: tr('exakt mittlere Weglänge'),
  exactSd: tr('exakt Standardabweichung der Weglänge'),
  exactMissing: tr('exakte Werte noch nicht berechnet'),
  yes: tr('ja'),
  no: tr('nein'),
  endHome: tr('Heim'),
  endTop: tr('oben'),
  endRight: tr('rechts'),
  endBottom: tr('unten'),
  endLeft: tr('links'),
  endZFace: tr('z-Fläche'),
  number: tr('Nr.'),
  length: tr('Länge'),
  x: tr('x'),
  y: tr('y'),
  z: tr('z'),
  end: tr('Ende'),
  numberInProtocol: tr('Nr. im Protokoll'),
});

// The local date and time as the desktop program's CSV has it: 2024-05-06T07:08:09.
export function localIsoDate(now) {
  const two = (n) => String(n).padStart(2, '0');
  return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}T` +
         `${two(now.getHours())}:${two(now.getMinutes())}:${two(now.getSeconds())}`;
}
