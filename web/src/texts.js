// The page's words are the desktop program's: its German tr() sources and their English
// translation, both read from its translation file at build time (texts.js beside the page,
// made by web/tools/texts.mjs), so that the page cannot word what the program does not.

// "de" or "en": ?lang= first, as the desktop program's --lang; else English for an English
// browser and German for any other, as the desktop program chooses by the system's language.
export function chooseLanguage(search, browserLanguage) {
  const asked = new URLSearchParams(search).get('lang');
  if (asked === 'de' || asked === 'en') return asked;
  return String(browserLanguage).toLowerCase().startsWith('en') ? 'en' : 'de';
}

// tr(): the text in the chosen language; %1, %2, … are filled with `args`. `texts` holds the
// program's German texts and their English translations; any other text is refused.
export function translator(language, { german, english }) {
  const known = new Set(german);
  return (text, ...args) => {
    if (!known.has(text)) throw new Error(`Not a text of the desktop program: "${text}"`);
    const shown = language === 'en' ? (english[text] ?? text) : text;
    return args.reduce((filled, arg, i) => filled.replaceAll(`%${i + 1}`, String(arg)), shown);
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

// The browser's thousands separator, as the desktop program takes the system locale's.
export function groupSeparator(locale) {
  const parts = new Intl.NumberFormat(locale).formatToParts(10000);
  return parts.find((part) => part.type === 'group')?.value ?? '';
}
