// The words of a class's device: the page of the browser edition takes all its words from the
// desktop program's translation file, so the texts it shows a pupil joining and walking for
// the class are the program's as well. The server itself never words them.

#include <QtGlobal>

namespace quirlweg {
namespace {

[[maybe_unused]] constexpr const char* kDevicePageTexts[] = {
    QT_TRANSLATE_NOOP("ClassDevice", "Klassenversuch"),
    QT_TRANSLATE_NOOP("ClassDevice", "Klassencode:"),
    QT_TRANSLATE_NOOP("ClassDevice", "Vorname (freiwillig):"),
    QT_TRANSLATE_NOOP("ClassDevice", "Beitreten"),
    QT_TRANSLATE_NOOP("ClassDevice", "Verbindung unterbrochen – neuer Versuch …"),
    QT_TRANSLATE_NOOP("ClassDevice", "Gerät %1"),
    QT_TRANSLATE_NOOP("ClassDevice", "%1: %2 Reisen an der Tafel"),
    QT_TRANSLATE_NOOP("ClassDevice", "Der Klassencode stimmt nicht."),
    QT_TRANSLATE_NOOP("ClassDevice", "Ein Vorname hat höchstens 16 Buchstaben und nur Buchstaben."),
    QT_TRANSLATE_NOOP("ClassDevice",
                      "Die Tafel kennt dieses Gerät nicht mehr – bitte neu beitreten."),
    QT_TRANSLATE_NOOP("ClassDevice", "Eine Reise passte nicht zum Startwert und zählt nicht."),
    QT_TRANSLATE_NOOP("ClassDevice", "Zu viele Nachrichten – einen Moment warten."),
    QT_TRANSLATE_NOOP("ClassDevice", "Die Klasse ist voll."),
    QT_TRANSLATE_NOOP("ClassDevice",
                      "Von dieser Adresse aus sind schon zu viele Geräte beigetreten."),
    QT_TRANSLATE_NOOP("ClassDevice", "Der Klassenversuch ist beendet."),
    QT_TRANSLATE_NOOP("ClassDevice", "Die Lehrkraft hat dieses Gerät entfernt."),
    QT_TRANSLATE_NOOP("ClassDevice", "Pause: Die Lehrkraft hat den Versuch angehalten."),
};

}  // namespace
}  // namespace quirlweg
