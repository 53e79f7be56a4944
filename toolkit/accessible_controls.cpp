#include "accessible_controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>

#include "combo_box.h"
#include "image_slot.h"
#include "line.h"

namespace lumor::toolkit {
namespace {

// Qt names a combo box by its current text on Linux and expects the label
// relation to carry the purpose, so a screen reader announces "SC" instead of
// the caption. This one keeps the caption as the name and the text as value.
class AccessibleComboBox : public QAccessibleWidget {
 public:
  explicit AccessibleComboBox(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return combo()->currentText();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = combo()->isEditable();
    s.expandable = true;
    s.expanded = combo()->view() && combo()->view()->isVisible();
    return s;
  }

  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& actionName) override {
    if (actionName == showMenuAction() || actionName == pressAction()) {
      combo()->showPopup();
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

bool isClass(const QString& className, const QMetaObject& meta) {
  return className == QLatin1String(meta.className());
}

// A top-level form of ours built straight on QWidget, which Qt would report
// as a filler. Dialogs, popups and tool windows keep Qt's roles.
bool isPlainForm(const QWidget* widget) {
  if (!widget->isWindow() || widget->windowType() != Qt::Window) return false;
  const QMetaObject* meta = widget->metaObject();
  while (meta != nullptr && QByteArray(meta->className()).startsWith("lumor::"))
    meta = meta->superClass();
  return meta == &QWidget::staticMetaObject;
}

QAccessibleInterface* controlFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (isClass(className, ComboBox::staticMetaObject)) return new AccessibleComboBox(widget);
  if (isClass(className, ImageSlot::staticMetaObject))
    return new QAccessibleWidget(widget, QAccessible::Graphic);
  if (isClass(className, Line::staticMetaObject))
    return new QAccessibleWidget(widget, QAccessible::Separator);
  if (className == QLatin1String(widget->metaObject()->className()) && isPlainForm(widget))
    return new QAccessibleWidget(widget, QAccessible::Window);
  return nullptr;
}

}  // namespace

// Before any window exists: Qt keeps the first interface it made for a widget.
Q_COREAPP_STARTUP_FUNCTION(installAccessibleControls)

void installAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(controlFactory);
    return true;
  }();
  (void)installed;
}

QString accessibleNameOfCaption(const QString& caption) {
  QString name = caption.trimmed();
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  return name.trimmed();
}

}  // namespace lumor::toolkit
