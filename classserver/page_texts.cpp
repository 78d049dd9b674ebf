// The words of the browser edition's page that the desktop program itself never shows: the
// page takes all its words from the desktop program's translation file, and these stand here,
// beside the server that hands the page out, so that they are translated with the rest.

#include <QtGlobal>

namespace quirlweg {
namespace {

[[maybe_unused]] constexpr const char* kPageTexts[] = {
    // The lattice view's menu: the walk heard through the browser's sound.
    QT_TRANSLATE_NOOP("WebPage", "Ton bei Schritten und Reiseenden"),
    // The lessons the page carries with it, offered in the lattice view's menu: a page cannot
    // open the folder they lie in, as the desktop's open dialog does.
    QT_TRANSLATE_NOOP("WebPage", "Fertige Unterrichtsstunden"),
    QT_TRANSLATE_NOOP("WebPage", "Unterrichtsstunde öffnen …"),
    // "Ende" where the browser keeps the tab open: a page may close only a tab it opened.
    QT_TRANSLATE_NOOP("WebPage", "Quirlweg ist beendet. Dieser Tab kann jetzt geschlossen werden."),
    QT_TRANSLATE_NOOP(
        "WebPage",
        "Die Serie bleibt im Browser gespeichert und ist beim nächsten Öffnen wieder da."),
    QT_TRANSLATE_NOOP("WebPage", "&Weiterarbeiten"),
};

}  // namespace
}  // namespace quirlweg
