#include "picture_area_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "picture_area.h"
#include "qt_text.h"

namespace quirlweg {
namespace {

class PictureAreaAccessible final : public QAccessibleWidget {
 public:
  explicit PictureAreaAccessible(PictureArea* area)
      : QAccessibleWidget(area, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) {
      return ToQString(static_cast<const PictureArea*>(widget())->ShownText());
    }
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* PictureAreaInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(PictureArea::staticMetaObject.className())) return nullptr;
  auto* area = qobject_cast<PictureArea*>(object);
  return area ? new PictureAreaAccessible(area) : nullptr;
}

}  // namespace

void InstallPictureAreaAccessibility() {
  QAccessible::installFactory(PictureAreaInterface);
}

}  // namespace quirlweg
