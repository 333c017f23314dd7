#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace quorvex {
namespace {

// "&Solve" reads "Solve", "Max points:" reads "Max points".
QString Spoken(QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  text = text.trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

QString LabelText(const QWidget* widget, const QWidget* window) {
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == widget && !label->text().isEmpty()) return Spoken(label->text());
  }
  return QString();
}

QString GroupTitle(const QWidget* widget) {
  for (const QWidget* up = widget->parentWidget(); up != nullptr && !up->isWindow();
       up = up->parentWidget()) {
    if (const auto* group = qobject_cast<const QGroupBox*>(up); group && !group->title().isEmpty())
      return Spoken(group->title());
  }
  return QString();
}

QString NameFor(const QWidget* widget, const QWidget* window) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    if (!button->text().isEmpty()) return Spoken(button->text());
  }
  if (QString label = LabelText(widget, window); !label.isEmpty()) return label;
  if (!widget->toolTip().isEmpty()) return Spoken(widget->toolTip());
  if (qobject_cast<const QTabBar*>(widget) != nullptr) {
    const QString title = window->windowTitle();
    return title.isEmpty() ? QStringLiteral("Pages") : title + QStringLiteral(" pages");
  }
  return GroupTitle(widget);
}

}  // namespace

bool IsNamedControl(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  // The edit line of a combo or spin box, the scroll arrows of a tab bar, the overflow button
  // of a menu bar and the viewport of a scroll area are parts of those controls.
  if (parent != nullptr && (qobject_cast<const QComboBox*>(parent) != nullptr ||
                            qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
                            qobject_cast<const QTabBar*>(parent) != nullptr ||
                            qobject_cast<const QMenuBar*>(parent) != nullptr)) {
    return false;
  }
  if (const auto* area = qobject_cast<const QAbstractScrollArea*>(parent);
      area != nullptr && area->viewport() == widget) {
    return false;
  }
  if (widget->focusProxy() != nullptr) return false;
  return (widget->focusPolicy() & Qt::TabFocus) != 0 ||
         qobject_cast<const QAbstractButton*>(widget) != nullptr;
}

void NameControls(QWidget* window) {
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->accessibleName().isEmpty() || !IsNamedControl(widget)) continue;
    // A control inside another window is named by that window.
    if (widget->window() != window) continue;
    const QString name = NameFor(widget, window);
    if (!name.isEmpty()) widget->setAccessibleName(name);
  }
}

}  // namespace quorvex
